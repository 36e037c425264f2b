// Item-model helpers.

#include "foundation/ToolkitLogging.h"
#include <OrvaGUIToolkit/Foundation/GuiFunctions.h>

#include <QtGui/QStandardItemModel>

#include <algorithm>
#include <utility>
#include <vector>

namespace OrvaGUIToolkit {

namespace {

bool IsCounted(const QModelIndex& miItem, int iRole, const QVariant& value)
{
    if (iRole == -1)
        return !value.isValid();
    const QVariant data = miItem.data(iRole);
    return data.isValid() && data == value;
}

// True when miIndex lies below miAncestor, at any depth (an invalid
// miAncestor is the root, above every valid index).
bool IsBelow(const QModelIndex& miIndex, const QModelIndex& miAncestor)
{
    if (!miIndex.isValid())
        return false;
    for (QModelIndex miLevel = miIndex.parent();; miLevel = miLevel.parent()) {
        if (miLevel == miAncestor)
            return true;
        if (!miLevel.isValid())
            return false;
    }
}

// The item at miIndex, or null where there is none. QStandardItemModel's own
// itemFromIndex() would create a blank item there, changing a model that is
// only read.
QStandardItem* ExistingItem(QStandardItemModel* pModel, const QModelIndex& miIndex)
{
    std::vector<QModelIndex> vecPath;
    for (QModelIndex miLevel = miIndex; miLevel.isValid(); miLevel = miLevel.parent())
        vecPath.push_back(miLevel);
    QStandardItem* pItem = pModel->invisibleRootItem();
    for (auto it = vecPath.rbegin(); pItem && it != vecPath.rend(); ++it)
        pItem = pItem->child(it->row(), it->column());
    return pItem;
}

// One copied row: clones of the row's items (columns without an item left
// out) and, below the first column's item, the rows copied from its children.
struct CCopiedRow
{
    QList<QStandardItem*> listItems;
    std::vector<CCopiedRow> vecChildren;
};

// A row's children, read breadth first with a queue of rows still to fill, so
// that deep trees do not exhaust the stack.
std::vector<CCopiedRow> Snapshot(const QStandardItem* pParent)
{
    std::vector<CCopiedRow> vecTop;
    std::vector<std::pair<const QStandardItem*, std::vector<CCopiedRow>*>> vecPending{{pParent, &vecTop}};
    for (size_t i = 0; i < vecPending.size(); ++i) {
        const QStandardItem* pSource = vecPending[i].first;
        std::vector<CCopiedRow>& vecRows = *vecPending[i].second;
        if (!pSource)
            continue;
        vecRows.resize(static_cast<size_t>(pSource->rowCount()));
        for (int iRow = 0; iRow < pSource->rowCount(); ++iRow) {
            CCopiedRow& row = vecRows[static_cast<size_t>(iRow)];
            for (int iColumn = 0; iColumn < pSource->columnCount(); ++iColumn) {
                if (const QStandardItem* pItem = pSource->child(iRow, iColumn))
                    row.listItems << pItem->clone();
            }
            const QStandardItem* pFirst = pSource->child(iRow, 0);
            if (pFirst && pFirst->hasChildren())
                vecPending.emplace_back(pFirst, &row.vecChildren);
        }
    }
    return vecTop;
}

// Hands the clones to the destination, top rows at uInsertRow (appended when
// all bits are set), children appended under their row's first item.
void InsertSnapshot(const std::vector<CCopiedRow>& vecTop, QStandardItemModel* pDst, const QModelIndex& miDstParent,
                    unsigned uInsertRow)
{
    const unsigned uAppend = static_cast<unsigned>(-1);
    QStandardItem* pTopParent = pDst->itemFromIndex(miDstParent);
    if (!pTopParent)
        pTopParent = pDst->invisibleRootItem();
    std::vector<std::pair<QStandardItem*, const std::vector<CCopiedRow>*>> vecPending{{pTopParent, &vecTop}};
    for (size_t i = 0; i < vecPending.size(); ++i) {
        QStandardItem* pParent = vecPending[i].first;
        const bool bTop = i == 0;
        for (const CCopiedRow& row : *vecPending[i].second) {
            int iTarget = pParent->rowCount();
            if (bTop && uInsertRow != uAppend) {
                iTarget = static_cast<int>(std::min<quint64>(uInsertRow, static_cast<quint64>(iTarget)));
                ++uInsertRow;
            }
            // A row without any item still takes its place, as an empty row.
            pParent->insertRow(iTarget, row.listItems);
            if (!row.vecChildren.empty())
                vecPending.emplace_back(row.listItems.first(), &row.vecChildren);
        }
    }
}

} // namespace

bool SortIndexByRow(const QModelIndex& miLeft, const QModelIndex& miRight)
{
    return miLeft.row() < miRight.row();
}

int GetCheckCount(QAbstractItemModel* pModel, const QModelIndex& miParent, int iRole, const QVariant& value)
{
    if (!pModel)
        return 0;
    // Walked with a list of branches still to visit rather than by recursion,
    // so that a tree of any depth Qt can hold is counted without exhausting
    // the stack.
    int iCount = 0;
    std::vector<QModelIndex> vecBranches{miParent};
    while (!vecBranches.empty()) {
        const QModelIndex miBranch = vecBranches.back();
        vecBranches.pop_back();
        const int iRows = pModel->rowCount(miBranch);
        for (int iRow = 0; iRow < iRows; ++iRow) {
            const QModelIndex miItem = pModel->index(iRow, 0, miBranch);
            // Checked and partially checked items count; unchecked branches are skipped whole.
            if (!miItem.data(Qt::CheckStateRole).toBool())
                continue;
            if (IsCounted(miItem, iRole, value))
                ++iCount;
            if (pModel->hasChildren(miItem))
                vecBranches.push_back(miItem);
        }
    }
    return iCount;
}

void CopyModelData(QStandardItemModel* pSrc, const QModelIndex& miSrcParent,
                   QStandardItemModel* pDst, const QModelIndex& miDstParent, unsigned uInsertRow)
{
    if (!pSrc || !pDst) {
        qCWarning(lcOrvaGUIToolkit, "CopyModelData: pSrc == NULL || pDst == NULL");
        return;
    }
    if ((miSrcParent.isValid() && miSrcParent.model() != pSrc)
        || (miDstParent.isValid() && miDstParent.model() != pDst)) {
        qCWarning(lcOrvaGUIToolkit, "CopyModelData: miSrcParent or miDstParent belongs to another model");
        return;
    }
    if (pSrc == pDst && IsBelow(miDstParent, miSrcParent)) {
        qCWarning(lcOrvaGUIToolkit, "CopyModelData: miDstParent lies inside the copied rows");
        return;
    }
    // The rows are cloned before the first one is inserted, so that copying a
    // model onto itself copies what it held when the call began.
    const std::vector<CCopiedRow> vecRows = Snapshot(ExistingItem(pSrc, miSrcParent));
    InsertSnapshot(vecRows, pDst, miDstParent, uInsertRow);
}

} // namespace OrvaGUIToolkit
