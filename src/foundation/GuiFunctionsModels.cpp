// Item-model helpers.

#include "foundation/ToolkitLogging.h"
#include <OrvaGUIToolkit/Foundation/GuiFunctions.h>

#include <QtGui/QStandardItemModel>

namespace OrvaGUIToolkit {

bool SortIndexByRow(const QModelIndex& miLeft, const QModelIndex& miRight)
{
    return miLeft.row() < miRight.row();
}

int GetCheckCount(QAbstractItemModel* pModel, const QModelIndex& miParent, int iRole, const QVariant& value)
{
    if (!pModel)
        return 0;
    int iCount = 0;
    const int iRows = pModel->rowCount(miParent);
    for (int iRow = 0; iRow < iRows; ++iRow) {
        const QModelIndex miItem = pModel->index(iRow, 0, miParent);
        // Checked and partially checked items count; unchecked branches are skipped whole.
        if (!miItem.data(Qt::CheckStateRole).toBool())
            continue;
        if (iRole == -1) {
            if (!value.isValid())
                ++iCount;
        } else {
            const QVariant data = miItem.data(iRole);
            if (data.isValid() && data == value)
                ++iCount;
        }
        if (pModel->hasChildren(miItem))
            iCount += GetCheckCount(pModel, miItem, iRole, value);
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
    const unsigned uAppend = static_cast<unsigned>(-1);
    const int iRows = pSrc->rowCount(miSrcParent);
    const int iColumns = pSrc->columnCount(miSrcParent);
    for (int iRow = 0; iRow < iRows; ++iRow) {
        QList<QStandardItem*> listRow;
        for (int iColumn = 0; iColumn < iColumns; ++iColumn) {
            const QStandardItem* pItem = pSrc->itemFromIndex(pSrc->index(iRow, iColumn, miSrcParent));
            if (pItem)
                listRow << pItem->clone();
        }
        if (listRow.isEmpty())
            continue;

        int iTarget = pDst->rowCount(miDstParent);
        if (uInsertRow != uAppend) {
            iTarget = static_cast<int>(qMin<quint64>(uInsertRow, static_cast<quint64>(iTarget)));
            ++uInsertRow;
        }
        if (QStandardItem* pParent = pDst->itemFromIndex(miDstParent))
            pParent->insertRow(iTarget, listRow);
        else
            pDst->insertRow(iTarget, listRow);

        CopyModelData(pSrc, pSrc->index(iRow, 0, miSrcParent), pDst,
                      pDst->index(iTarget, 0, miDstParent), uAppend);
    }
}

} // namespace OrvaGUIToolkit
