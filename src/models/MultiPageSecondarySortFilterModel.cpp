#include "SortFilterModelPrivate.h"

namespace OrvaGUIToolkit {

CMultiPageSecondarySortFilterModel::CMultiPageSecondarySortFilterModel(QObject* pParent)
    : CSecondarySortFilterModel(*new CMultiPageSecondarySortFilterModelPrivate, pParent)
{
}

CMultiPageSecondarySortFilterModel::~CMultiPageSecondarySortFilterModel() = default;

void CMultiPageSecondarySortFilterModel::SetMultiPageParam(const unsigned int& uCurrentPage,
                                                           unsigned int uItemsPerPage)
{
    Q_D(CMultiPageSecondarySortFilterModel);
    d->m_uCurrentPage = uCurrentPage;
    d->m_uItemsPerPage = uItemsPerPage;
    invalidateFilter();
}

unsigned int CMultiPageSecondarySortFilterModel::GetCurrentPage() const
{
    Q_D(const CMultiPageSecondarySortFilterModel);
    return d->m_uCurrentPage;
}

unsigned int CMultiPageSecondarySortFilterModel::GetItemsPerPage() const
{
    Q_D(const CMultiPageSecondarySortFilterModel);
    return d->m_uItemsPerPage;
}

bool CMultiPageSecondarySortFilterModel::filterAcceptsRow(int iSourceRow, const QModelIndex& miSourceParent) const
{
    Q_D(const CMultiPageSecondarySortFilterModel);
    // Unsigned on purpose: page 0 or a huge page wraps into an empty window
    // instead of overflowing a signed value.
    const unsigned int uRow = static_cast<unsigned int>(iSourceRow);
    const unsigned int uFirst = (d->m_uCurrentPage - 1U) * d->m_uItemsPerPage;
    const unsigned int uEnd = d->m_uCurrentPage * d->m_uItemsPerPage;
    const bool bOnPage = d->m_uCurrentPage == 1U ? uRow < uEnd : (uRow >= uFirst && uRow < uEnd);
    return bOnPage && CSecondarySortFilterModel::filterAcceptsRow(iSourceRow, miSourceParent);
}

} // namespace OrvaGUIToolkit

#include "OrvaGUIToolkit/ItemView/moc_MultiPageSecondarySortFilterModel.cpp"
