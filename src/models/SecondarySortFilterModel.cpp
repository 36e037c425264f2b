#include "SortFilterModelPrivate.h"

#include "internal/RowFilter.h"

namespace OrvaGUIToolkit {

CSecondarySortFilterModel::CSecondarySortFilterModel(QObject* pParent)
    : CSecondarySortFilterModel(*new CSecondarySortFilterModelPrivate, pParent)
{
}

CSecondarySortFilterModel::CSecondarySortFilterModel(CSecondarySortFilterModelPrivate& dd, QObject* pParent)
    : CSortFilterModel(dd, pParent)
{
}

CSecondarySortFilterModel::~CSecondarySortFilterModel() = default;

void CSecondarySortFilterModel::SetSecondaryFilterRole(int iRole)
{
    Q_D(CSecondarySortFilterModel);
    d->m_iSecondaryFilterRole = iRole;
    invalidateFilter();
}

void CSecondarySortFilterModel::SetSecondaryFilterKeyColumn(int iColumn)
{
    Q_D(CSecondarySortFilterModel);
    d->m_iSecondaryFilterKeyColumn = iColumn;
    invalidateFilter();
}

void CSecondarySortFilterModel::SetSecondaryFilterRegExp(const QString& strPattern)
{
    Q_D(CSecondarySortFilterModel);
    d->m_regSecondaryFilter.setPatternSyntax(QRegExp::RegExp);
    d->m_regSecondaryFilter.setPattern(strPattern);
    invalidateFilter();
}

void CSecondarySortFilterModel::SetSecondaryFilterMode(CSortFilterModel::FilterMode enumMode)
{
    Q_D(CSecondarySortFilterModel);
    d->m_eSecondaryFilterMode = enumMode;
}

int CSecondarySortFilterModel::GetSecondaryFilterRole() const
{
    Q_D(const CSecondarySortFilterModel);
    return d->m_iSecondaryFilterRole;
}

int CSecondarySortFilterModel::GetSecondaryFilterKeyColumn() const
{
    Q_D(const CSecondarySortFilterModel);
    return d->m_iSecondaryFilterKeyColumn;
}

QRegExp CSecondarySortFilterModel::GetSecondaryFilterRegExp() const
{
    Q_D(const CSecondarySortFilterModel);
    return d->m_regSecondaryFilter;
}

CSortFilterModel::FilterMode CSecondarySortFilterModel::GetSecondaryFilterMode() const
{
    Q_D(const CSecondarySortFilterModel);
    return d->m_eSecondaryFilterMode;
}

bool CSecondarySortFilterModel::filterAcceptsRow(int iSourceRow, const QModelIndex& miSourceParent) const
{
    Q_D(const CSecondarySortFilterModel);
    if (!CSortFilterModel::filterAcceptsRow(iSourceRow, miSourceParent))
        return false;
    if (d->m_regSecondaryFilter.isEmpty())
        return true;
    const RowFilter::CKeyFilter filter{sourceModel(), d->m_iSecondaryFilterKeyColumn, d->m_iSecondaryFilterRole,
                                       d->m_eSecondaryFilterMode};
    const QRegExp& regFilter = d->m_regSecondaryFilter;
    return filter.Accepts(iSourceRow, miSourceParent, RowFilter::ValueLook::Skipped,
                          [&regFilter](const QString& strText) { return regFilter.indexIn(strText) != -1; });
}

} // namespace OrvaGUIToolkit

#include "OrvaGUIToolkit/ItemView/moc_SecondarySortFilterModel.cpp"
