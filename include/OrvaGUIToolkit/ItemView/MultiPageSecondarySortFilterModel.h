#ifndef ORVAGUITOOLKIT_ITEMVIEW_MULTIPAGESECONDARYSORTFILTERMODEL_H
#define ORVAGUITOOLKIT_ITEMVIEW_MULTIPAGESECONDARYSORTFILTERMODEL_H

#include <OrvaGUIToolkit/ItemView/SecondarySortFilterModel.h>

namespace OrvaGUIToolkit {

class CMultiPageSecondarySortFilterModelPrivate;

// A CSecondarySortFilterModel that only accepts the source rows of one page:
// page p of size n holds the source rows [(p - 1) * n, p * n), counted before
// filtering.
class ORVAGUITOOLKIT_EXPORT CMultiPageSecondarySortFilterModel : public CSecondarySortFilterModel
{
    Q_OBJECT
    Q_DECLARE_PRIVATE(CMultiPageSecondarySortFilterModel)

public:
    explicit CMultiPageSecondarySortFilterModel(QObject* pParent = nullptr);
    ~CMultiPageSecondarySortFilterModel() override;

    // Page is 1-based; re-runs the filter.
    void SetMultiPageParam(const unsigned int& uCurrentPage, unsigned int uItemsPerPage);
    unsigned int GetCurrentPage() const;
    unsigned int GetItemsPerPage() const;

protected:
    bool filterAcceptsRow(int iSourceRow, const QModelIndex& miSourceParent) const override;
};

} // namespace OrvaGUIToolkit

#endif
