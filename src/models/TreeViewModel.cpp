#include <OrvaGUIToolkit/ItemView/TreeViewModel.h>

#include "foundation/ToolkitLogging.h"
#include "models/TreeViewItemPrivate.h"
#include "models/TreeViewModelPrivate.h"

namespace OrvaGUIToolkit {

CTreeViewModelPrivate::~CTreeViewModelPrivate() = default;

bool CTreeViewModelPrivate::IsOwnParent(const QModelIndex& miParent) const
{
    return !miParent.isValid() || miParent.model() == q_ptr;
}

bool CTreeViewModelPrivate::CanInsert(const QList<CTreeViewItem*>& listItems, int iRow,
                                      const QModelIndex& miParent, const char* pszFunction) const
{
    Q_Q(const CTreeViewModel);
    if (iRow < 0 || iRow > q->rowCount(miParent) || !IsOwnParent(miParent)) {
        qCWarning(lcOrvaGUIToolkit, "CTreeViewModel::%s: row < 0 || row > rowCount(parent)", pszFunction);
        return false;
    }
    const CTreeViewItem* pNode = q->GetItem(miParent);
    for (int i = 0; i < listItems.count(); ++i) {
        if (!CTreeViewItemPrivate::Get(pNode)->CanAdopt(listItems.at(i),
                                                        qPrintable(QStringLiteral("CTreeViewModel::")
                                                                   + QLatin1String(pszFunction))))
            return false;
        if (listItems.indexOf(listItems.at(i)) != i) {
            qCWarning(lcOrvaGUIToolkit, "CTreeViewModel::%s: an item is listed twice", pszFunction);
            return false;
        }
    }
    return true;
}

CTreeViewModel::CTreeViewModel(QObject* pParent)
    : CTreeViewModel(*new CTreeViewModelPrivate, pParent)
{
}

CTreeViewModel::CTreeViewModel(CTreeViewModelPrivate& dd, QObject* pParent)
    : QAbstractItemModel(pParent)
    , d_ptr(&dd)
{
    d_ptr->q_ptr = this;
}

CTreeViewModel::~CTreeViewModel() = default;

CTreeViewItem* CTreeViewModel::RootItem() const
{
    return d_func()->m_pRootItem.get();
}

CTreeViewItem* CTreeViewModel::GetItem(const QModelIndex& miIndex) const
{
    // The internal pointer of another model's index is no node of ours.
    if (miIndex.isValid() && miIndex.internalPointer() && miIndex.model() == this)
        return static_cast<CTreeViewItem*>(miIndex.internalPointer());
    return RootItem();
}

QModelIndex CTreeViewModel::index(int iRow, int iColumn, const QModelIndex& miParent) const
{
    // No upper column limit: a node keeps as many columns as were written to
    // it, and reading a column it lacks gives an invalid value.
    if (iColumn < 0 || !d_func()->IsOwnParent(miParent))
        return QModelIndex();
    CTreeViewItem* pChild = GetItem(miParent)->Child(iRow);
    return pChild ? createIndex(iRow, iColumn, pChild) : QModelIndex();
}

QModelIndex CTreeViewModel::parent(const QModelIndex& miIndex) const
{
    if (!miIndex.isValid())
        return QModelIndex();
    CTreeViewItem* pParent = GetItem(miIndex)->parent();
    if (!pParent || pParent == RootItem())
        return QModelIndex();
    return createIndex(pParent->ChildNumber(), 0, pParent);
}

int CTreeViewModel::rowCount(const QModelIndex& miParent) const
{
    if (!d_func()->IsOwnParent(miParent))
        return 0;
    return GetItem(miParent)->ChildCount();
}

int CTreeViewModel::columnCount(const QModelIndex& /*miParent*/) const
{
    return RootItem()->ColumnCount();
}

QVariant CTreeViewModel::data(const QModelIndex& miIndex, int iRole) const
{
    if (!miIndex.isValid() || miIndex.model() != this)
        return QVariant();
    return GetItem(miIndex)->data(miIndex.column(), iRole);
}

bool CTreeViewModel::setData(const QModelIndex& miIndex, const QVariant& value, int iRole)
{
    if (!miIndex.isValid() || miIndex.model() != this)
        return false;
    const bool bResult = GetItem(miIndex)->SetData(miIndex.column(), iRole, value);
    if (bResult)
        Q_EMIT dataChanged(miIndex, miIndex);
    return bResult;
}

QVariant CTreeViewModel::headerData(int iSection, Qt::Orientation enumOrientation, int iRole) const
{
    if (iRole == Qt::TextAlignmentRole)
        return int(Qt::AlignLeft | Qt::AlignVCenter);
    if (enumOrientation == Qt::Vertical)
        return QVariant();
    return RootItem()->data(iSection, iRole);
}

bool CTreeViewModel::setHeaderData(int iSection, Qt::Orientation enumOrientation, const QVariant& value, int iRole)
{
    const bool bResult = RootItem()->SetData(iSection, iRole, value);
    if (bResult)
        Q_EMIT headerDataChanged(enumOrientation, iSection, iSection);
    return bResult;
}

Qt::ItemFlags CTreeViewModel::flags(const QModelIndex& miIndex) const
{
    const bool bOwn = miIndex.isValid() && miIndex.model() == this;
    return GetItem(miIndex)->GetFlags(bOwn ? miIndex.column() : -1);
}

bool CTreeViewModel::insertColumns(int iPosition, int iColumns, const QModelIndex& miParent)
{
    // The columns are the root's, whatever the parent the change is announced under.
    if (iColumns < 1 || iPosition < 0 || iPosition > columnCount() || !d_func()->IsOwnParent(miParent)) {
        qCWarning(lcOrvaGUIToolkit, "CTreeViewModel::insertColumns: position or columns out of range");
        return false;
    }
    beginInsertColumns(miParent, iPosition, iPosition + iColumns - 1);
    const bool bResult = RootItem()->InsertColumns(iPosition, iColumns);
    endInsertColumns();
    return bResult;
}

bool CTreeViewModel::removeColumns(int iPosition, int iColumns, const QModelIndex& miParent)
{
    if (iColumns < 1 || iPosition < 0 || iPosition + qint64(iColumns) > columnCount() || miParent.isValid()) {
        qCWarning(lcOrvaGUIToolkit, "CTreeViewModel::removeColumns: position or columns out of range");
        return false;
    }
    beginRemoveColumns(miParent, iPosition, iPosition + iColumns - 1);
    const bool bResult = RootItem()->RemoveColumns(iPosition, iColumns);
    endRemoveColumns();
    if (RootItem()->ColumnCount() == 0 && rowCount() > 0)
        removeRows(0, rowCount(), QModelIndex());
    return bResult;
}

bool CTreeViewModel::insertRows(int iPosition, int iRows, const QModelIndex& miParent)
{
    if (iRows == 0 && iPosition >= 0 && iPosition <= rowCount(miParent) && d_func()->IsOwnParent(miParent))
        return true; // nothing to insert, nothing to announce
    // Bad bounds are refused before anything is announced: views must never see
    // an insertion that does not happen.
    if (iRows < 1 || iRows > s_iMaxNewChildren || iPosition < 0 || iPosition > rowCount(miParent)
        || !d_func()->IsOwnParent(miParent)) {
        qCWarning(lcOrvaGUIToolkit, "CTreeViewModel::insertRows: position or rows out of range");
        return false;
    }
    beginInsertRows(miParent, iPosition, iPosition + iRows - 1);
    const bool bResult = GetItem(miParent)->InsertChildren(iPosition, iRows, columnCount());
    endInsertRows();
    return bResult;
}

bool CTreeViewModel::insertRow(CTreeViewItem* pItem, int iRow, const QModelIndex& miParent)
{
    Q_D(CTreeViewModel);
    if (!d->CanInsert(QList<CTreeViewItem*>() << pItem, iRow, miParent, "insertRow"))
        return false;
    beginInsertRows(miParent, iRow, iRow);
    CTreeViewItem* pNode = GetItem(miParent);
    pItem->SetParent(pNode);
    pNode->InsertChild(iRow, pItem);
    endInsertRows();
    return true;
}

bool CTreeViewModel::insertRows(int iRow, const QList<CTreeViewItem*>& listItems, const QModelIndex& miParent)
{
    Q_D(CTreeViewModel);
    if (listItems.isEmpty() || !d->CanInsert(listItems, iRow, miParent, "insertRows"))
        return false;
    beginInsertRows(miParent, iRow, iRow + listItems.count() - 1);
    const bool bResult = GetItem(miParent)->InsertChilds(iRow, listItems);
    endInsertRows();
    return bResult;
}

bool CTreeViewModel::removeRows(int iPosition, int iRows, const QModelIndex& miParent)
{
    if (iRows == 0)
        return false;
    if (iPosition < 0 || iRows < 1 || iPosition + qint64(iRows) > rowCount(miParent)
        || !d_func()->IsOwnParent(miParent)) {
        qCWarning(lcOrvaGUIToolkit, "CTreeViewModel::removeRows: position or rows out of range");
        return false;
    }
    beginRemoveRows(miParent, iPosition, iPosition + iRows - 1);
    const bool bResult = GetItem(miParent)->RemoveChildren(iPosition, iRows);
    endRemoveRows();
    return bResult;
}

void CTreeViewModel::Clear()
{
    removeRows(0, RootItem()->ChildCount(), QModelIndex());
    beginResetModel();
    endResetModel();
}

} // namespace OrvaGUIToolkit

#include "OrvaGUIToolkit/ItemView/moc_TreeViewModel.cpp"
