#ifndef ORVAGUITOOLKIT_ITEMVIEW_SORTFILTERPROXYMODEL_H
#define ORVAGUITOOLKIT_ITEMVIEW_SORTFILTERPROXYMODEL_H

#include <OrvaGUIToolkit/OrvaGUIToolkitGlobal.h>

#include <QRegExp>
#include <QtCore/QSortFilterProxyModel>
#include <QtCore/QStringList>

#include <memory>
#include <vector>

namespace OrvaGUIToolkit {

class CSortFilterProxyModelPrivate;

// The proxy behind the filter tree view: a per-column value filter ("(Blank)"
// stands for an empty cell), a regular-expression mode over the first columns,
// and a page tag that keeps only the rows of one page. None of the setters
// re-runs the filter; the owner calls invalidate() or sets a filter expression.
class ORVAGUITOOLKIT_EXPORT CSortFilterProxyModel : public QSortFilterProxyModel
{
    Q_OBJECT
    Q_DECLARE_PRIVATE(CSortFilterProxyModel)

public:
    enum FilterMode : int {
        ValueListFilter = 1, // each filtered column must hold one of its accepted texts
        RegExpFilter = 2,    // one of the first columns must contain the expression
        NoFilter = 6,        // every row passes (any other value as well)
    };
    Q_ENUM(FilterMode)

    explicit CSortFilterProxyModel(QObject* pParent = nullptr);
    ~CSortFilterProxyModel() override;

    // Number of source columns (0 ... n-1) that the filters read.
    void SetColumnNum(int iColumnNum);
    int GetColumnNum() const;
    // Stores the mode and, for RegExpFilter only, the expression.
    void SetCoustomFilter(CSortFilterProxyModel::FilterMode enumMode, QRegExp regFilter);
    CSortFilterProxyModel::FilterMode GetFilterMode() const;
    // An empty tag keeps the previous one.
    void SetPageRole(bool bEnabled, QString strTag);
    bool IsPageRoleEnabled() const;
    QString GetPageRole() const;
    // The accepted texts per column and the columns that take no part.
    void SetFilterValues(const std::vector<QStringList>& vecValues, const std::vector<bool>& vecUnfiltered);

protected:
    CSortFilterProxyModel(CSortFilterProxyModelPrivate& dd, QObject* pParent);
    bool filterAcceptsRow(int iSourceRow, const QModelIndex& miSourceParent) const override;

    const std::unique_ptr<CSortFilterProxyModelPrivate> d_ptr;
};

} // namespace OrvaGUIToolkit

#endif
