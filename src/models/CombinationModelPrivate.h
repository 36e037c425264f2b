#ifndef ORVAGUITOOLKIT_MODELS_COMBINATIONMODELPRIVATE_H
#define ORVAGUITOOLKIT_MODELS_COMBINATIONMODELPRIVATE_H

#include <OrvaGUIToolkit/ItemView/CombinationModel.h>

#include <QtCore/QHash>
#include <QtCore/QPersistentModelIndex>

#include <vector>

QT_BEGIN_NAMESPACE
class QStandardItemModel;
QT_END_NAMESPACE

namespace OrvaGUIToolkit {

// The rows and columns of one source parent as the combination shows them.
// Every source row and column is shown in source order, so a count and an
// offset describe the mapping; only while a source change is being announced
// does a block of source rows (or columns) stay hidden: rows that the source
// has inserted but the views do not know yet, or rows the views have already
// dropped but the source still holds.
struct CCombinationRecord
{
    QAbstractItemModel* pModel = nullptr;
    // The same model as a plain object, compared with senders even while the
    // model is being destroyed.
    const QObject* pSourceObject = nullptr;
    CCombinationRecord* pParentRecord = nullptr;
    // Source parent, kept current by the source; invalid for the top level.
    QPersistentModelIndex pmiSourceParent;
    // The key under which the record is filed (the source parent when last filed).
    QModelIndex miKey;
    int iOffset = 0;
    int iRows = 0;
    int iColumns = 0;
    int iHiddenRow = 0;
    int iHiddenRows = 0;
    int iHiddenColumn = 0;
    int iHiddenColumns = 0;
    std::vector<CCombinationRecord*> vecChildren;

    int ProxyToSourceRow(int iPosition) const
    {
        if (iPosition < 0 || iPosition >= iRows)
            return -1;
        return iPosition >= iHiddenRow ? iPosition + iHiddenRows : iPosition;
    }
    int SourceToProxyRow(int iSourceRow) const
    {
        int iPosition = iSourceRow;
        if (iSourceRow >= iHiddenRow) {
            if (iSourceRow < iHiddenRow + iHiddenRows)
                return -1;
            iPosition -= iHiddenRows;
        }
        return iPosition >= 0 && iPosition < iRows ? iPosition : -1;
    }
    int ProxyToSourceColumn(int iPosition) const
    {
        if (iPosition < 0 || iPosition >= iColumns)
            return -1;
        return iPosition >= iHiddenColumn ? iPosition + iHiddenColumns : iPosition;
    }
    int SourceToProxyColumn(int iSourceColumn) const
    {
        int iPosition = iSourceColumn;
        if (iSourceColumn >= iHiddenColumn) {
            if (iSourceColumn < iHiddenColumn + iHiddenColumns)
                return -1;
            iPosition -= iHiddenColumns;
        }
        return iPosition >= 0 && iPosition < iColumns ? iPosition : -1;
    }
};

class CCombination_ModelPrivate : public QObject
{
    Q_DECLARE_PUBLIC(CCombination_Model)

public:
    CCombination_ModelPrivate();
    ~CCombination_ModelPrivate() override;

    // Source model list and its top-level records.
    int IndexOfModel(const QObject* pModel) const;
    CCombinationRecord* TopRecord(const QObject* pModel) const;
    CCombinationRecord* TopRecordAtRow(int iRow) const;
    void RecomputeOffsets();
    int RowsBefore(int iPosition) const;

    // Records below the top level.
    CCombinationRecord* FindRecord(const QModelIndex& miSourceParent, const QAbstractItemModel* pModel) const;
    CCombinationRecord* EnsureRecord(const QModelIndex& miSourceParent, QAbstractItemModel* pModel);
    CCombinationRecord* NewRecord(const QModelIndex& miSourceParent, QAbstractItemModel* pModel,
                                  CCombinationRecord* pParentRecord);
    void BuildTree(CCombinationRecord* pRecord);
    void DeleteRecord(CCombinationRecord* pRecord);
    void DeleteTree(CCombinationRecord* pRecord);
    void RemoveAt(int iPosition);
    void DeleteChildrenInRange(CCombinationRecord* pRecord, bool bRows, int iFirst, int iLast);
    void RefileChildren(CCombinationRecord* pRecord);

    bool IsRootRow(const QModelIndex& miIndex) const;
    bool HasRootLevel() const;
    QModelIndex TopParent() const;
    QAbstractItemModel* Root() const;
    void ConnectRoot(QAbstractItemModel* pRoot);
    void ConnectSource(QAbstractItemModel* pModel);

    // Source changes, with the model they come from.
    void DataChanged(QAbstractItemModel* pModel, const QModelIndex& miTopLeft, const QModelIndex& miBottomRight);
    void RowsAboutToBeInserted(QAbstractItemModel* pModel, const QModelIndex& miParent);
    void RowsInserted(QAbstractItemModel* pModel, const QModelIndex& miParent, int iStart, int iEnd);
    void RowsAboutToBeRemoved(QAbstractItemModel* pModel, const QModelIndex& miParent, int iStart, int iEnd);
    void RowsRemoved(QAbstractItemModel* pModel, const QModelIndex& miParent);
    void RowsMoved(QAbstractItemModel* pModel, const QModelIndex& miParent, int iStart, int iEnd,
                   const QModelIndex& miDestination, int iRow);
    QAbstractItemModel* SenderModel() const;
    void ColumnsInserted(QAbstractItemModel* pModel, const QModelIndex& miParent, int iStart, int iEnd);
    void ColumnsAboutToBeRemoved(QAbstractItemModel* pModel, const QModelIndex& miParent, int iStart, int iEnd);
    void ColumnsRemoved(QAbstractItemModel* pModel, const QModelIndex& miParent);
    void DropRecord(CCombinationRecord* pRecord);
    void ClearMapping();

    CCombination_Model* q_ptr = nullptr;
    // Records below the top level, filed under their source parent.
    QHash<QModelIndex, CCombinationRecord*> m_hashMapping;
    // Source models in order, each with its top-level record.
    std::vector<CCombinationRecord*> m_vecTopRecords;
    QAbstractItemModel* m_pModelBeingDestroyed = nullptr;
    // Rows of the root model the views know; -1 before the root is first used.
    int m_iRootRows = -1;
    QAbstractItemModel* m_pRootModel = nullptr;
    const QObject* m_pRootObject = nullptr;
    QStandardItemModel* m_pFallbackRoot = nullptr;
    // Top-level rows of all sources together, and the root's column count.
    int m_iTopRows = 0;
    int m_iColumns = 0;
    bool m_bInRootRemoval = false;
};

} // namespace OrvaGUIToolkit

#endif
