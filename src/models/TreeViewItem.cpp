#include <OrvaGUIToolkit/ItemView/TreeViewItem.h>

#include "foundation/ToolkitLogging.h"
#include "models/TreeViewItemPrivate.h"

#include <algorithm>

namespace OrvaGUIToolkit {

namespace {

// Role 31, one below Qt::UserRole, holds a node's item flags.
const int s_iFlagsRole = Qt::UserRole - 1;
const Qt::ItemFlags s_enumDefaultFlags =
    Qt::ItemIsSelectable | Qt::ItemIsDropEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsEnabled;

// More columns than any header can show: a hostile column number must not
// make a node allocate gigabytes of empty columns.
const int s_iMaxColumns = 65536;

int StoredRole(int iRole)
{
    return iRole == Qt::EditRole ? int(Qt::DisplayRole) : iRole;
}

} // namespace

CTreeViewItemPrivate::~CTreeViewItemPrivate() = default;

bool CTreeViewItemPrivate::IsSelfOrAncestor(const CTreeViewItem* pItem) const
{
    for (const CTreeViewItem* pNode = q_ptr; pNode; pNode = pNode->d_func()->m_pHolder) {
        if (pNode == pItem)
            return true;
    }
    return false;
}

bool CTreeViewItemPrivate::CanAdopt(const CTreeViewItem* pItem, const char* pszFunction) const
{
    if (!pItem) {
        qCWarning(lcOrvaGUIToolkit, "%s: pItem == NULL", pszFunction);
        return false;
    }
    if (IsSelfOrAncestor(pItem)) {
        qCWarning(lcOrvaGUIToolkit, "%s: pItem is this item or one of its ancestors", pszFunction);
        return false;
    }
    if (pItem->d_func()->m_pHolder) {
        qCWarning(lcOrvaGUIToolkit, "%s: pItem already has a holder", pszFunction);
        return false;
    }
    return true;
}

void CTreeViewItemPrivate::Adopt(int iPosition, CTreeViewItem* pItem)
{
    m_vecChildren.insert(m_vecChildren.begin() + iPosition, pItem);
    pItem->d_func()->m_pHolder = q_ptr;
    pItem->d_func()->m_iRowHint = iPosition;
}

CTreeViewItem::CTreeViewItem(CTreeViewItem* pParent)
    : CTreeViewItem(*new CTreeViewItemPrivate, pParent)
{
}

CTreeViewItem::CTreeViewItem(CTreeViewItemPrivate& dd, CTreeViewItem* pParent)
    : d_ptr(&dd)
{
    d_ptr->q_ptr = this;
    d_ptr->m_pParent = pParent;
}

CTreeViewItem::CTreeViewItem(const CTreeViewItem& other)
    : CTreeViewItem(other.d_func()->m_pParent)
{
    *this = other;
}

CTreeViewItem& CTreeViewItem::operator=(const CTreeViewItem& other)
{
    Q_D(CTreeViewItem);
    if (&other == this)
        return *this;
    if (d->m_bOwnsChildren)
        RemoveChildren(0, ChildCount());
    d->m_pParent = other.d_func()->m_pParent;
    d->m_vecColumnData = other.d_func()->m_vecColumnData;
    d->m_vecChildren = other.d_func()->m_vecChildren;
    d->m_bOwnsChildren = false;
    return *this;
}

CTreeViewItem::~CTreeViewItem()
{
    Q_D(CTreeViewItem);
    if (!d->m_bOwnsChildren)
        return;
    for (CTreeViewItem* pChild : d->m_vecChildren) {
        pChild->d_func()->m_pHolder = nullptr;
        delete pChild;
    }
}

CTreeViewItem* CTreeViewItem::Child(int iRow) const
{
    Q_D(const CTreeViewItem);
    if (iRow < 0 || iRow >= int(d->m_vecChildren.size()))
        return nullptr;
    return d->m_vecChildren[size_t(iRow)];
}

int CTreeViewItem::ChildCount() const
{
    return int(d_func()->m_vecChildren.size());
}

int CTreeViewItem::ColumnCount() const
{
    return int(d_func()->m_vecColumnData.size());
}

int CTreeViewItem::ChildNumber() const
{
    Q_D(const CTreeViewItem);
    if (!d->m_pParent)
        return 0;
    const std::vector<CTreeViewItem*>& vecSiblings = d->m_pParent->d_func()->m_vecChildren;
    const int iHint = d->m_iRowHint;
    if (iHint >= 0 && iHint < int(vecSiblings.size()) && vecSiblings[size_t(iHint)] == this)
        return iHint;
    const auto it = std::find(vecSiblings.begin(), vecSiblings.end(), this);
    d->m_iRowHint = it == vecSiblings.end() ? 0 : int(it - vecSiblings.begin());
    return d->m_iRowHint;
}

CTreeViewItem* CTreeViewItem::parent() const
{
    return d_func()->m_pParent;
}

void CTreeViewItem::SetParent(CTreeViewItem* pParent)
{
    d_func()->m_pParent = pParent;
}

QVariant CTreeViewItem::data(int iColumn, int iRole) const
{
    Q_D(const CTreeViewItem);
    if (iColumn < 0 || iColumn >= int(d->m_vecColumnData.size()))
        return QVariant();
    const int iStored = StoredRole(iRole);
    for (const auto& pair : d->m_vecColumnData[size_t(iColumn)]) {
        if (pair.first == iStored)
            return pair.second;
    }
    return QVariant();
}

bool CTreeViewItem::SetData(int iColumn, int iRole, const QVariant& value)
{
    Q_D(CTreeViewItem);
    if (iColumn < 0 || iColumn >= s_iMaxColumns) {
        qCWarning(lcOrvaGUIToolkit, "CTreeViewItem::SetData: iColumn < 0 || iColumn >= 65536");
        return false;
    }
    if (iColumn >= int(d->m_vecColumnData.size()))
        d->m_vecColumnData.resize(size_t(iColumn) + 1);
    const int iStored = StoredRole(iRole);
    CTreeViewItemPrivate::RoleValues& values = d->m_vecColumnData[size_t(iColumn)];
    // An equal value stays equal when assigned, so there is no need to compare.
    for (auto& pair : values) {
        if (pair.first == iStored) {
            pair.second = value;
            return true;
        }
    }
    values.emplace_back(iStored, value);
    return true;
}

bool CTreeViewItem::InsertChildren(int iPosition, int iCount, int /*iColumns*/)
{
    Q_D(CTreeViewItem);
    if (iPosition < 0 || iPosition > ChildCount() || iCount < 0 || iCount > s_iMaxNewChildren) {
        qCWarning(lcOrvaGUIToolkit, "CTreeViewItem::InsertChildren: iPosition or iCount out of range");
        return false;
    }
    std::vector<CTreeViewItem*> vecNew;
    vecNew.reserve(size_t(iCount));
    for (int i = 0; i < iCount; ++i)
        vecNew.push_back(new CTreeViewItem(this));
    d->m_vecChildren.insert(d->m_vecChildren.begin() + iPosition, vecNew.begin(), vecNew.end());
    for (int i = 0; i < iCount; ++i) {
        vecNew[size_t(i)]->d_func()->m_pHolder = this;
        vecNew[size_t(i)]->d_func()->m_iRowHint = iPosition + i;
    }
    return true;
}

bool CTreeViewItem::InsertChild(int iPosition, CTreeViewItem* pItem)
{
    Q_D(CTreeViewItem);
    if (iPosition < 0 || iPosition > ChildCount()) {
        qCWarning(lcOrvaGUIToolkit, "CTreeViewItem::InsertChild: iPosition out of range");
        return false;
    }
    if (!d->CanAdopt(pItem, "CTreeViewItem::InsertChild"))
        return false;
    d->Adopt(iPosition, pItem);
    return true;
}

bool CTreeViewItem::InsertChilds(int iPosition, const QList<CTreeViewItem*>& listItems)
{
    Q_D(CTreeViewItem);
    if (iPosition < 0 || iPosition > ChildCount()) {
        qCWarning(lcOrvaGUIToolkit, "CTreeViewItem::InsertChilds: iPosition out of range");
        return false;
    }
    for (int i = 0; i < listItems.count(); ++i) {
        if (!d->CanAdopt(listItems.at(i), "CTreeViewItem::InsertChilds"))
            return false;
        if (listItems.indexOf(listItems.at(i)) != i) {
            qCWarning(lcOrvaGUIToolkit, "CTreeViewItem::InsertChilds: an item is listed twice");
            return false;
        }
    }
    for (int i = 0; i < listItems.count(); ++i) {
        listItems.at(i)->SetParent(this);
        d->Adopt(iPosition + i, listItems.at(i));
    }
    return true;
}

bool CTreeViewItem::RemoveChildren(int iPosition, int iCount)
{
    Q_D(CTreeViewItem);
    if (iPosition < 0 || iCount < 0 || iPosition + qint64(iCount) > ChildCount()) {
        qCWarning(lcOrvaGUIToolkit, "CTreeViewItem::RemoveChildren: iPosition or iCount out of range");
        return false;
    }
    const auto itBegin = d->m_vecChildren.begin() + iPosition;
    const std::vector<CTreeViewItem*> vecRemoved(itBegin, itBegin + iCount);
    d->m_vecChildren.erase(itBegin, itBegin + iCount);
    for (CTreeViewItem* pChild : vecRemoved) {
        pChild->d_func()->m_pHolder = nullptr;
        if (d->m_bOwnsChildren)
            delete pChild;
    }
    return true;
}

bool CTreeViewItem::InsertColumns(int iPosition, int iColumns)
{
    Q_D(CTreeViewItem);
    if (iColumns < 1 || iPosition < 0 || iPosition > ColumnCount())
        return false;
    if (ColumnCount() + qint64(iColumns) > s_iMaxColumns) {
        qCWarning(lcOrvaGUIToolkit, "CTreeViewItem::InsertColumns: more than 65536 columns");
        return false;
    }
    d->m_vecColumnData.insert(d->m_vecColumnData.begin() + iPosition, size_t(iColumns),
                              CTreeViewItemPrivate::RoleValues());
    for (CTreeViewItem* pChild : d->m_vecChildren)
        pChild->InsertColumns(iPosition, iColumns);
    return true;
}

bool CTreeViewItem::RemoveColumns(int iPosition, int iColumns)
{
    Q_D(CTreeViewItem);
    if (iPosition < 0 || iColumns < 0) {
        qCWarning(lcOrvaGUIToolkit, "CTreeViewItem::RemoveColumns: iPosition < 0 || iColumns < 0");
        return false;
    }
    const int iFirst = qMin(iPosition, ColumnCount());
    const int iLast = int(qMin<qint64>(qint64(iPosition) + iColumns, ColumnCount()));
    d->m_vecColumnData.erase(d->m_vecColumnData.begin() + iFirst, d->m_vecColumnData.begin() + iLast);
    for (CTreeViewItem* pChild : d->m_vecChildren)
        pChild->RemoveColumns(iPosition, iColumns);
    return true;
}

void CTreeViewItem::SetText(int iColumn, const QString& strText)
{
    SetData(iColumn, Qt::DisplayRole, strText);
}

void CTreeViewItem::SetIcon(int iColumn, const QIcon& icon)
{
    SetData(iColumn, Qt::DecorationRole, icon);
}

void CTreeViewItem::SetToolTip(int iColumn, const QString& strToolTip)
{
    SetData(iColumn, Qt::ToolTipRole, strToolTip);
}

void CTreeViewItem::SetStatusTip(int iColumn, const QString& strStatusTip)
{
    SetData(iColumn, Qt::StatusTipRole, strStatusTip);
}

void CTreeViewItem::SetWhatsThis(int iColumn, const QString& strWhatsThis)
{
    SetData(iColumn, Qt::WhatsThisRole, strWhatsThis);
}

QFont CTreeViewItem::font(int iColumn) const
{
    return data(iColumn, Qt::FontRole).value<QFont>();
}

void CTreeViewItem::setFont(int iColumn, const QFont& font)
{
    SetData(iColumn, Qt::FontRole, font);
}

int CTreeViewItem::TextAlignment(int iColumn) const
{
    return data(iColumn, Qt::TextAlignmentRole).toInt();
}

void CTreeViewItem::SetTextAlignment(int iColumn, int iAlignment)
{
    SetData(iColumn, Qt::TextAlignmentRole, iAlignment);
}

QColor CTreeViewItem::BackgroundColor(int iColumn) const
{
    return data(iColumn, Qt::BackgroundRole).value<QColor>();
}

void CTreeViewItem::SetBackgroundColor(int iColumn, const QColor& color)
{
    SetData(iColumn, Qt::BackgroundRole, color);
}

QBrush CTreeViewItem::Background(int iColumn) const
{
    return data(iColumn, Qt::BackgroundRole).value<QBrush>();
}

void CTreeViewItem::SetBackground(int iColumn, const QBrush& brush)
{
    SetData(iColumn, Qt::BackgroundRole, brush);
}

QColor CTreeViewItem::TextColor(int iColumn) const
{
    return data(iColumn, Qt::ForegroundRole).value<QColor>();
}

void CTreeViewItem::SetTextColor(int iColumn, const QColor& color)
{
    SetData(iColumn, Qt::ForegroundRole, color);
}

QBrush CTreeViewItem::Foreground(int iColumn) const
{
    return data(iColumn, Qt::ForegroundRole).value<QBrush>();
}

void CTreeViewItem::SetForeground(int iColumn, const QBrush& brush)
{
    SetData(iColumn, Qt::ForegroundRole, brush);
}

int CTreeViewItem::checkState(int iColumn) const
{
    return data(iColumn, Qt::CheckStateRole).toInt();
}

void CTreeViewItem::SetCheckBoxState(int iColumn, Qt::CheckState enumState)
{
    SetData(iColumn, Qt::CheckStateRole, int(enumState));
}

void CTreeViewItem::SetCheckBoxState(int iColumn, bool bChecked)
{
    SetCheckBoxState(iColumn, bChecked ? Qt::Checked : Qt::Unchecked);
}

int CTreeViewItem::CheckBoxAlignment(int iColumn) const
{
    return data(iColumn, Qt::CheckStateRole).toInt();
}

void CTreeViewItem::SetCheckBoxAlignment(int iColumn, int iAlignment)
{
    SetData(iColumn, Qt::TextAlignmentRole, iAlignment);
}

Qt::ItemFlags CTreeViewItem::GetFlags(int iColumn) const
{
    const QVariant value = data(iColumn, s_iFlagsRole);
    return value.isValid() ? Qt::ItemFlags(value.toInt()) : s_enumDefaultFlags;
}

void CTreeViewItem::SetFlags(int iColumn, Qt::ItemFlags enumFlags)
{
    SetData(iColumn, s_iFlagsRole, int(enumFlags));
}

void CTreeViewItem::SetEnabled(int iColumn, bool bEnabled)
{
    ChangeFlags(iColumn, bEnabled, Qt::ItemIsEnabled);
}

void CTreeViewItem::ChangeFlags(int iColumn, bool bOn, Qt::ItemFlags enumFlags)
{
    Qt::ItemFlags enumResult = GetFlags(iColumn);
    if (bOn)
        enumResult |= enumFlags;
    else
        enumResult &= ~enumFlags;
    SetFlags(iColumn, enumResult);
}

} // namespace OrvaGUIToolkit
