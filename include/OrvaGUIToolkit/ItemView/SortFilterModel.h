#ifndef ORVAGUITOOLKIT_ITEMVIEW_SORTFILTERMODEL_H
#define ORVAGUITOOLKIT_ITEMVIEW_SORTFILTERMODEL_H

#include <OrvaGUIToolkit/OrvaGUIToolkitGlobal.h>

#include <QtCore/QSortFilterProxyModel>

#include <memory>

namespace OrvaGUIToolkit {

class CSortFilterModelPrivate;

// A sort/filter proxy whose filter expression either keeps the rows that
// contain it or drops them. Sorting ignores letter case.
class ORVAGUITOOLKIT_EXPORT CSortFilterModel : public QSortFilterProxyModel
{
    Q_OBJECT
    Q_DECLARE_PRIVATE(CSortFilterModel)

public:
    enum FilterMode : int {
        FilterContain = 0,    // a row stays when its text contains the expression
        FilterNotContain = 1, // a row is dropped when its text contains the expression
    };
    Q_ENUM(FilterMode)

    explicit CSortFilterModel(QObject* pParent = nullptr);
    ~CSortFilterModel() override;

    // Stored only: the caller re-applies the filter, for example by setting
    // the expression again.
    void SetFilterMode(CSortFilterModel::FilterMode enumMode);
    CSortFilterModel::FilterMode GetFilterMode() const;

protected:
    CSortFilterModel(CSortFilterModelPrivate& dd, QObject* pParent);
    bool filterAcceptsRow(int iSourceRow, const QModelIndex& miSourceParent) const override;

    const std::unique_ptr<CSortFilterModelPrivate> d_ptr;
};

} // namespace OrvaGUIToolkit

#endif
