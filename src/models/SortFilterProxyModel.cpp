#include "SortFilterProxyModelPrivate.h"

namespace OrvaGUIToolkit {

bool CSortFilterProxyModelPrivate::HasPageTag(int iRow, const QModelIndex& miParent) const
{
    Q_Q(const CSortFilterProxyModel);
    const QModelIndex miFirst = q->sourceModel()->index(iRow, 0, miParent);
    return miFirst.data(Qt::WhatsThisRole).toString() == m_strPageRole;
}

// Column 0 is matched as a substring of its single accepted text, the other
// columns against their whole list, ignoring case. Missing list entries (the
// owner keeps them as long as the column count) reject rather than crash.
bool CSortFilterProxyModelPrivate::PassesValueLists(int iRow, const QModelIndex& miParent) const
{
    Q_Q(const CSortFilterProxyModel);
    const QAbstractItemModel* pSource = q->sourceModel();
    for (int iColumn = 0; iColumn < m_iColumnNum; ++iColumn) {
        const size_t uColumn = static_cast<size_t>(iColumn);
        if (uColumn < m_vecColumnUnfiltered.size() && m_vecColumnUnfiltered[uColumn])
            continue;
        if (uColumn >= m_vecFilterValues.size())
            return false;
        QString strText = pSource->index(iRow, iColumn, miParent).data(Qt::DisplayRole).toString();
        if (strText.isEmpty())
            strText = m_strBlank;
        const QStringList& listValues = m_vecFilterValues[uColumn];
        const bool bPasses = iColumn == 0 ? (!listValues.isEmpty() && listValues.first().contains(strText))
                                          : listValues.contains(strText, Qt::CaseInsensitive);
        if (!bPasses)
            return false;
    }
    return true;
}

bool CSortFilterProxyModelPrivate::PassesCustomFilter(int iRow, const QModelIndex& miParent) const
{
    Q_Q(const CSortFilterProxyModel);
    const QAbstractItemModel* pSource = q->sourceModel();
    for (int iColumn = 0; iColumn < m_iColumnNum; ++iColumn) {
        const QString strText = pSource->index(iRow, iColumn, miParent).data(Qt::DisplayRole).toString();
        if (m_regCustomFilter.indexIn(strText) != -1)
            return true;
    }
    return false;
}

CSortFilterProxyModel::CSortFilterProxyModel(QObject* pParent)
    : CSortFilterProxyModel(*new CSortFilterProxyModelPrivate, pParent)
{
}

CSortFilterProxyModel::CSortFilterProxyModel(CSortFilterProxyModelPrivate& dd, QObject* pParent)
    : QSortFilterProxyModel(pParent)
    , d_ptr(&dd)
{
    d_ptr->q_ptr = this;
    d_ptr->m_strBlank = tr("(Blank)");
}

CSortFilterProxyModel::~CSortFilterProxyModel() = default;

void CSortFilterProxyModel::SetColumnNum(int iColumnNum)
{
    Q_D(CSortFilterProxyModel);
    d->m_iColumnNum = qMax(0, iColumnNum);
}

int CSortFilterProxyModel::GetColumnNum() const
{
    Q_D(const CSortFilterProxyModel);
    return d->m_iColumnNum;
}

void CSortFilterProxyModel::SetCoustomFilter(CSortFilterProxyModel::FilterMode enumMode, QRegExp regFilter)
{
    Q_D(CSortFilterProxyModel);
    d->m_eFilterMode = enumMode;
    if (enumMode == RegExpFilter)
        d->m_regCustomFilter = regFilter;
}

CSortFilterProxyModel::FilterMode CSortFilterProxyModel::GetFilterMode() const
{
    Q_D(const CSortFilterProxyModel);
    return d->m_eFilterMode;
}

void CSortFilterProxyModel::SetPageRole(bool bEnabled, QString strTag)
{
    Q_D(CSortFilterProxyModel);
    d->m_bPageRole = bEnabled;
    if (!strTag.isEmpty())
        d->m_strPageRole = strTag;
}

bool CSortFilterProxyModel::IsPageRoleEnabled() const
{
    Q_D(const CSortFilterProxyModel);
    return d->m_bPageRole;
}

QString CSortFilterProxyModel::GetPageRole() const
{
    Q_D(const CSortFilterProxyModel);
    return d->m_strPageRole;
}

void CSortFilterProxyModel::SetFilterValues(const std::vector<QStringList>& vecValues,
                                            const std::vector<bool>& vecUnfiltered)
{
    Q_D(CSortFilterProxyModel);
    d->m_vecFilterValues = vecValues;
    d->m_vecColumnUnfiltered = vecUnfiltered;
}

bool CSortFilterProxyModel::filterAcceptsRow(int iSourceRow, const QModelIndex& miSourceParent) const
{
    Q_D(const CSortFilterProxyModel);
    if (!sourceModel())
        return true;
    if (d->m_bPageRole && !d->m_strPageRole.isEmpty() && !d->HasPageTag(iSourceRow, miSourceParent))
        return false;
    switch (d->m_eFilterMode) {
    case ValueListFilter:
        return d->PassesValueLists(iSourceRow, miSourceParent);
    case RegExpFilter:
        return d->PassesCustomFilter(iSourceRow, miSourceParent);
    default:
        return true;
    }
}

} // namespace OrvaGUIToolkit

#include "OrvaGUIToolkit/ItemView/moc_SortFilterProxyModel.cpp"
