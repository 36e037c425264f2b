#ifndef ORVAGUITOOLKIT_ITEMVIEW_MUTILCOLUMNFILTERPROXYMODEL_H
#define ORVAGUITOOLKIT_ITEMVIEW_MUTILCOLUMNFILTERPROXYMODEL_H

#include <OrvaGUIToolkit/OrvaGUIToolkitGlobal.h>

#include <QRegExp>
#include <QtCore/QSortFilterProxyModel>

#include <memory>

namespace OrvaGUIToolkit {

class CMutilColumnFilterProxyModelPrivate;

// Keeps the rows in which any column's text contains an expression.
class ORVAGUITOOLKIT_EXPORT CMutilColumnFilterProxyModel : public QSortFilterProxyModel
{
    Q_OBJECT
    Q_DECLARE_PRIVATE(CMutilColumnFilterProxyModel)

public:
    explicit CMutilColumnFilterProxyModel(QObject* pParent = nullptr);
    ~CMutilColumnFilterProxyModel() override;

    // Stored only: the owner re-runs the filter with invalidate().
    void SetCoustomFilter(QRegExp regFilter);
    QRegExp GetCoustomFilter() const;

protected:
    CMutilColumnFilterProxyModel(CMutilColumnFilterProxyModelPrivate& dd, QObject* pParent);
    bool filterAcceptsRow(int iSourceRow, const QModelIndex& miSourceParent) const override;

    const std::unique_ptr<CMutilColumnFilterProxyModelPrivate> d_ptr;
};

} // namespace OrvaGUIToolkit

#endif
