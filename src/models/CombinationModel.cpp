#include <OrvaGUIToolkit/ItemView/CombinationModel.h>

#include <OrvaGUIToolkit/ItemView/ItemDataRole.h>

#include "foundation/ToolkitLogging.h"
#include "models/CombinationModelPrivate.h"

#include <QtCore/QPointer>
#include <QtGui/QColor>
#include <QtGui/QStandardItemModel>

#include <algorithm>

namespace OrvaGUIToolkit {

namespace {

const QColor s_colorKeyword(220, 82, 82, 255);
constexpr int s_iMaxColumns = 4096;

} // namespace

CCombination_ModelPrivate::CCombination_ModelPrivate() = default;

CCombination_ModelPrivate::~CCombination_ModelPrivate()
{
    for (CCombinationRecord* pRecord : m_vecTopRecords)
        DeleteTree(pRecord);
}

int CCombination_ModelPrivate::IndexOfModel(const QObject* pModel) const
{
    for (size_t i = 0; i < m_vecTopRecords.size(); ++i) {
        if (m_vecTopRecords[i]->pSourceObject == pModel)
            return int(i);
    }
    return -1;
}

CCombinationRecord* CCombination_ModelPrivate::TopRecord(const QObject* pModel) const
{
    const int iPosition = IndexOfModel(pModel);
    return iPosition < 0 ? nullptr : m_vecTopRecords[size_t(iPosition)];
}

// Offsets never decrease along the list and an empty model shares its offset
// with the next one, so the last record starting at or before iRow holds it.
CCombinationRecord* CCombination_ModelPrivate::TopRecordAtRow(int iRow) const
{
    if (iRow < 0 || iRow >= m_iTopRows)
        return nullptr;
    auto it = std::upper_bound(m_vecTopRecords.begin(), m_vecTopRecords.end(), iRow,
                               [](int iValue, const CCombinationRecord* pRecord) { return iValue < pRecord->iOffset; });
    if (it == m_vecTopRecords.begin())
        return nullptr;
    CCombinationRecord* pRecord = *(it - 1);
    return iRow < pRecord->iOffset + pRecord->iRows ? pRecord : nullptr;
}

void CCombination_ModelPrivate::RecomputeOffsets()
{
    int iOffset = 0;
    for (CCombinationRecord* pRecord : m_vecTopRecords) {
        pRecord->iOffset = iOffset;
        iOffset += pRecord->iRows;
    }
    m_iTopRows = iOffset;
}

int CCombination_ModelPrivate::RowsBefore(int iPosition) const
{
    return size_t(iPosition) < m_vecTopRecords.size() ? m_vecTopRecords[size_t(iPosition)]->iOffset : m_iTopRows;
}

CCombinationRecord* CCombination_ModelPrivate::FindRecord(const QModelIndex& miSourceParent,
                                                          const QAbstractItemModel* pModel) const
{
    if (!miSourceParent.isValid())
        return TopRecord(pModel);
    return m_hashMapping.value(miSourceParent, nullptr);
}

CCombinationRecord* CCombination_ModelPrivate::EnsureRecord(const QModelIndex& miSourceParent,
                                                            QAbstractItemModel* pModel)
{
    if (!miSourceParent.isValid())
        return TopRecord(pModel);
    if (miSourceParent.model() != pModel)
        return nullptr;
    if (CCombinationRecord* pRecord = m_hashMapping.value(miSourceParent, nullptr))
        return pRecord;
    CCombinationRecord* pParentRecord = EnsureRecord(miSourceParent.parent(), pModel);
    return pParentRecord ? NewRecord(miSourceParent, pModel, pParentRecord) : nullptr;
}

CCombinationRecord* CCombination_ModelPrivate::NewRecord(const QModelIndex& miSourceParent,
                                                         QAbstractItemModel* pModel,
                                                         CCombinationRecord* pParentRecord)
{
    auto* pRecord = new CCombinationRecord;
    pRecord->pModel = pModel;
    pRecord->pSourceObject = pModel;
    pRecord->pParentRecord = pParentRecord;
    pRecord->iRows = pModel->rowCount(miSourceParent);
    pRecord->iColumns = pModel->columnCount(miSourceParent);
    if (pParentRecord) {
        pRecord->pmiSourceParent = miSourceParent;
        pRecord->miKey = miSourceParent;
        m_hashMapping.insert(miSourceParent, pRecord);
        pParentRecord->vecChildren.push_back(pRecord);
    }
    return pRecord;
}

// Records for every parent with rows below pRecord, so that the first
// changes a source reports find their parent already mapped.
void CCombination_ModelPrivate::BuildTree(CCombinationRecord* pRecord)
{
    const QModelIndex miParent = pRecord->pmiSourceParent;
    for (int iRow = 0; iRow < pRecord->iRows; ++iRow) {
        const QModelIndex miChild = pRecord->pModel->index(iRow, 0, miParent);
        if (pRecord->pModel->hasChildren(miChild))
            BuildTree(NewRecord(miChild, pRecord->pModel, pRecord));
    }
}

void CCombination_ModelPrivate::DeleteRecord(CCombinationRecord* pRecord)
{
    if (CCombinationRecord* pParentRecord = pRecord->pParentRecord) {
        auto& vecSiblings = pParentRecord->vecChildren;
        vecSiblings.erase(std::find(vecSiblings.begin(), vecSiblings.end(), pRecord));
    }
    DeleteTree(pRecord);
}

void CCombination_ModelPrivate::DeleteTree(CCombinationRecord* pRecord)
{
    for (CCombinationRecord* pChild : pRecord->vecChildren)
        DeleteTree(pChild);
    if (pRecord->pParentRecord) {
        auto it = m_hashMapping.find(pRecord->miKey);
        if (it != m_hashMapping.end() && it.value() == pRecord)
            m_hashMapping.erase(it);
    }
    delete pRecord;
}

void CCombination_ModelPrivate::DeleteChildrenInRange(CCombinationRecord* pRecord, bool bRows, int iFirst,
                                                      int iLast)
{
    std::vector<CCombinationRecord*> vecDoomed;
    for (CCombinationRecord* pChild : pRecord->vecChildren) {
        const int iPosition = bRows ? pChild->pmiSourceParent.row() : pChild->pmiSourceParent.column();
        if (iPosition >= iFirst && iPosition <= iLast)
            vecDoomed.push_back(pChild);
    }
    for (CCombinationRecord* pChild : vecDoomed)
        DeleteRecord(pChild);
}

// The source has moved the parents of some child records; file them under
// their current indexes. All stale keys leave first, because a moved record
// may take over the old key of a sibling that has not been refiled yet.
void CCombination_ModelPrivate::RefileChildren(CCombinationRecord* pRecord)
{
    std::vector<CCombinationRecord*> vecMoved;
    std::vector<CCombinationRecord*> vecLost;
    for (CCombinationRecord* pChild : pRecord->vecChildren) {
        if (!pChild->pmiSourceParent.isValid())
            vecLost.push_back(pChild);
        else if (pChild->miKey != pChild->pmiSourceParent)
            vecMoved.push_back(pChild);
    }
    for (CCombinationRecord* pChild : vecMoved) {
        auto it = m_hashMapping.find(pChild->miKey);
        if (it != m_hashMapping.end() && it.value() == pChild)
            m_hashMapping.erase(it);
    }
    for (CCombinationRecord* pChild : vecMoved) {
        pChild->miKey = pChild->pmiSourceParent;
        m_hashMapping.insert(pChild->miKey, pChild);
    }
    for (CCombinationRecord* pChild : vecLost)
        DeleteRecord(pChild);
}

bool CCombination_ModelPrivate::IsRootRow(const QModelIndex& miIndex) const
{
    return miIndex.isValid() && miIndex.model() == q_func() && !miIndex.internalPointer();
}

bool CCombination_ModelPrivate::HasRootLevel() const
{
    Root();
    return m_iRootRows > 0;
}

QModelIndex CCombination_ModelPrivate::TopParent() const
{
    return HasRootLevel() ? q_func()->createIndex(0, 0, nullptr) : QModelIndex();
}

// The root model, or the fallback root made the first time a root is needed.
QAbstractItemModel* CCombination_ModelPrivate::Root() const
{
    if (m_pRootModel)
        return m_pRootModel;
    if (!m_pFallbackRoot) {
        auto* pThis = const_cast<CCombination_ModelPrivate*>(this);
        pThis->m_pFallbackRoot = new QStandardItemModel(pThis->q_func());
        pThis->ConnectRoot(m_pFallbackRoot);
    }
    return m_pFallbackRoot;
}

void CCombination_ModelPrivate::ConnectRoot(QAbstractItemModel* pRoot)
{
    Q_Q(CCombination_Model);
    m_pRootObject = pRoot;
    m_iRootRows = pRoot->rowCount();
    m_iColumns = pRoot->columnCount();
    QObject::connect(pRoot, &QAbstractItemModel::dataChanged, q, &CCombination_Model::OnRootDataChanged);
    QObject::connect(pRoot, &QAbstractItemModel::headerDataChanged, q,
                     &CCombination_Model::OnRootHeaderDataChanged);
    QObject::connect(pRoot, &QAbstractItemModel::rowsAboutToBeInserted, q,
                     &CCombination_Model::OnRootRowsAboutToBeInserted);
    QObject::connect(pRoot, &QAbstractItemModel::rowsInserted, q, &CCombination_Model::OnRootRowsInserted);
    QObject::connect(pRoot, &QAbstractItemModel::rowsAboutToBeRemoved, q,
                     &CCombination_Model::OnRootRowsAboutToBeRemoved);
    QObject::connect(pRoot, &QAbstractItemModel::rowsRemoved, q, &CCombination_Model::OnRootRowsRemoved);
    QObject::connect(pRoot, &QObject::destroyed, q, &CCombination_Model::OnRootModelDestroyed);
    // The root's columns are the columns of every level; views hear of them
    // at the top level, where the header lives.
    QObject::connect(pRoot, &QAbstractItemModel::columnsAboutToBeInserted, q,
                     [this](const QModelIndex& miParent, int iFirst, int iLast) {
                         if (!miParent.isValid())
                             q_func()->beginInsertColumns(QModelIndex(), iFirst, iLast);
                     });
    QObject::connect(pRoot, &QAbstractItemModel::columnsInserted, q, [this, pRoot](const QModelIndex& miParent) {
        if (miParent.isValid())
            return;
        m_iColumns = pRoot->columnCount();
        q_func()->endInsertColumns();
    });
    QObject::connect(pRoot, &QAbstractItemModel::columnsAboutToBeRemoved, q,
                     [this](const QModelIndex& miParent, int iFirst, int iLast) {
                         if (!miParent.isValid())
                             q_func()->beginRemoveColumns(QModelIndex(), iFirst, iLast);
                     });
    QObject::connect(pRoot, &QAbstractItemModel::columnsRemoved, q, [this, pRoot](const QModelIndex& miParent) {
        if (miParent.isValid())
            return;
        m_iColumns = pRoot->columnCount();
        q_func()->endRemoveColumns();
    });
}

// Row, column and data signals reach the handlers with their model bound:
// looking the sender up costs a walk over every connection of the
// combination, which grows with the number of sources.
void CCombination_ModelPrivate::ConnectSource(QAbstractItemModel* pModel)
{
    Q_Q(CCombination_Model);
    using M = CCombination_Model;
    using S = QAbstractItemModel;
    using Range = void (CCombination_ModelPrivate::*)(QAbstractItemModel*, const QModelIndex&, int, int);
    using Parent = void (CCombination_ModelPrivate::*)(QAbstractItemModel*, const QModelIndex&);
    const auto forRange = [this, pModel](Range pHandler) {
        return [this, pModel, pHandler](const QModelIndex& miParent, int iStart, int iEnd) {
            if (pModel != m_pModelBeingDestroyed)
                (this->*pHandler)(pModel, miParent, iStart, iEnd);
        };
    };
    const auto forParent = [this, pModel](Parent pHandler) {
        return [this, pModel, pHandler](const QModelIndex& miParent) {
            if (pModel != m_pModelBeingDestroyed)
                (this->*pHandler)(pModel, miParent);
        };
    };
    QObject::connect(pModel, &S::dataChanged, q,
                     [this, pModel](const QModelIndex& miTopLeft, const QModelIndex& miBottomRight) {
                         if (pModel != m_pModelBeingDestroyed)
                             DataChanged(pModel, miTopLeft, miBottomRight);
                     });
    QObject::connect(pModel, &S::rowsAboutToBeInserted, q, forParent(&CCombination_ModelPrivate::RowsAboutToBeInserted));
    QObject::connect(pModel, &S::rowsInserted, q, forRange(&CCombination_ModelPrivate::RowsInserted));
    QObject::connect(pModel, &S::columnsAboutToBeInserted, q,
                     forParent(&CCombination_ModelPrivate::RowsAboutToBeInserted));
    QObject::connect(pModel, &S::columnsInserted, q, forRange(&CCombination_ModelPrivate::ColumnsInserted));
    QObject::connect(pModel, &S::rowsAboutToBeRemoved, q, forRange(&CCombination_ModelPrivate::RowsAboutToBeRemoved));
    QObject::connect(pModel, &S::rowsRemoved, q, forParent(&CCombination_ModelPrivate::RowsRemoved));
    QObject::connect(pModel, &S::columnsAboutToBeRemoved, q,
                     forRange(&CCombination_ModelPrivate::ColumnsAboutToBeRemoved));
    QObject::connect(pModel, &S::columnsRemoved, q, forParent(&CCombination_ModelPrivate::ColumnsRemoved));
    QObject::connect(pModel, &S::layoutAboutToBeChanged, q, &M::OnSourceLayoutAboutToBeChanged);
    QObject::connect(pModel, &S::layoutChanged, q, &M::OnSourceLayoutChanged);
    QObject::connect(pModel, &S::modelAboutToBeReset, q, &M::OnSourceAboutToBeReset);
    QObject::connect(pModel, &S::modelReset, q, &M::OnSourceReset);
    QObject::connect(pModel, &QObject::destroyed, q, &M::OnSourceModelDestroyed);
    // A move is shown as the removal of the rows followed by their insertion
    // at the destination, so that views never see rows the source no longer
    // has where they were.
    QObject::connect(pModel, &S::rowsAboutToBeMoved, q, forRange(&CCombination_ModelPrivate::RowsAboutToBeRemoved));
    QObject::connect(pModel, &S::rowsMoved, q,
                     [this, pModel](const QModelIndex& miParent, int iStart, int iEnd,
                                    const QModelIndex& miDestination, int iRow) {
                         RowsMoved(pModel, miParent, iStart, iEnd, miDestination, iRow);
                     });
}

// A source connected by the caller to the public slots is found by sender.
QAbstractItemModel* CCombination_ModelPrivate::SenderModel() const
{
    CCombinationRecord* pRecord = TopRecord(q_func()->sender());
    return pRecord && pRecord->pModel != m_pModelBeingDestroyed ? pRecord->pModel : nullptr;
}

void CCombination_ModelPrivate::DataChanged(QAbstractItemModel* pModel, const QModelIndex& miTopLeft,
                                            const QModelIndex& miBottomRight)
{
    Q_Q(CCombination_Model);
    if (!miTopLeft.isValid() || !miBottomRight.isValid())
        return;
    const CCombinationRecord* pRecord = EnsureRecord(miTopLeft.parent(), pModel);
    if (!pRecord)
        return;
    int iFirst = -1;
    int iLast = -1;
    for (int iRow = miTopLeft.row(); iRow <= miBottomRight.row(); ++iRow) {
        const int iPosition = pRecord->SourceToProxyRow(iRow);
        if (iPosition < 0)
            continue;
        if (iFirst < 0)
            iFirst = iPosition;
        iLast = iPosition;
    }
    int iColumn = -1;
    for (int i = miTopLeft.column(); i <= miBottomRight.column() && iColumn < 0; ++i)
        iColumn = pRecord->SourceToProxyColumn(i);
    const int iLastColumn = q->columnCount() - 1;
    if (iFirst < 0 || iColumn < 0 || iColumn > iLastColumn)
        return;
    auto* pKey = const_cast<CCombinationRecord*>(pRecord);
    Q_EMIT q->dataChanged(q->createIndex(iFirst + pRecord->iOffset, iColumn, pKey),
                          q->createIndex(iLast + pRecord->iOffset, iLastColumn, pKey));
}

void CCombination_ModelPrivate::RowsAboutToBeInserted(QAbstractItemModel* pModel, const QModelIndex& miParent)
{
    EnsureRecord(miParent, pModel);
}

void CCombination_ModelPrivate::RowsInserted(QAbstractItemModel* pModel, const QModelIndex& miParent, int iStart,
                                             int iEnd)
{
    Q_Q(CCombination_Model);
    if (iStart < 0 || iEnd < iStart)
        return;
    const int iCount = iEnd - iStart + 1;
    const bool bKnown = FindRecord(miParent, pModel) != nullptr;
    CCombinationRecord* pRecord = EnsureRecord(miParent, pModel);
    if (!pRecord)
        return;
    if (!bKnown)
        pRecord->iRows = std::max(0, pRecord->iRows - iCount);
    if (iStart > pRecord->iRows) {
        qCWarning(lcOrvaGUIToolkit, "CCombinationModel: invalid inserted rows reported by source model");
        if (pRecord->pParentRecord)
            DropRecord(pRecord);
        return;
    }
    // The source already holds the new rows: hide them while the views learn
    // of them, so that the views still see the old rows until the announcement.
    pRecord->iHiddenRow = iStart;
    pRecord->iHiddenRows = iCount;
    RefileChildren(pRecord);
    const QModelIndex miProxyParent = miParent.isValid() ? q->MapFromSource(miParent) : TopParent();
    const bool bVisible = !miParent.isValid() || miProxyParent.isValid();
    const int iOffset = pRecord->iOffset;
    if (bVisible)
        q->beginInsertRows(miProxyParent, iStart + iOffset, iEnd + iOffset);
    if (pRecord->iRows == 0)
        pRecord->iColumns = pModel->columnCount(miParent);
    pRecord->iHiddenRows = 0;
    pRecord->iRows += iCount;
    if (!pRecord->pParentRecord)
        RecomputeOffsets();
    if (bVisible)
        q->endInsertRows();
}

// A record that no longer matches its source: the views forget its rows.
void CCombination_ModelPrivate::DropRecord(CCombinationRecord* pRecord)
{
    Q_Q(CCombination_Model);
    const QModelIndex miProxyParent = q->MapFromSource(pRecord->pmiSourceParent);
    const bool bAnnounce = miProxyParent.isValid() && pRecord->iRows > 0;
    if (bAnnounce)
        q->beginRemoveRows(miProxyParent, 0, pRecord->iRows - 1);
    DeleteRecord(pRecord);
    if (bAnnounce)
        q->endRemoveRows();
}

void CCombination_ModelPrivate::RowsAboutToBeRemoved(QAbstractItemModel* pModel, const QModelIndex& miParent,
                                                     int iStart, int iEnd)
{
    Q_Q(CCombination_Model);
    CCombinationRecord* pRecord = FindRecord(miParent, pModel);
    if (!pRecord || iStart < 0 || iEnd < iStart || iEnd >= pRecord->iRows)
        return;
    const QModelIndex miProxyParent = miParent.isValid() ? q->MapFromSource(miParent) : TopParent();
    const bool bVisible = !miParent.isValid() || miProxyParent.isValid();
    const int iOffset = pRecord->iOffset;
    if (bVisible)
        q->beginRemoveRows(miProxyParent, iStart + iOffset, iEnd + iOffset);
    DeleteChildrenInRange(pRecord, true, iStart, iEnd);
    // The source still holds the rows until it reports them removed.
    pRecord->iHiddenRow = iStart;
    pRecord->iHiddenRows = iEnd - iStart + 1;
    pRecord->iRows -= pRecord->iHiddenRows;
    if (!pRecord->pParentRecord)
        RecomputeOffsets();
    if (bVisible)
        q->endRemoveRows();
}

void CCombination_ModelPrivate::RowsRemoved(QAbstractItemModel* pModel, const QModelIndex& miParent)
{
    CCombinationRecord* pRecord = FindRecord(miParent, pModel);
    if (!pRecord || pRecord->iHiddenRows == 0)
        return;
    pRecord->iHiddenRows = 0;
    RefileChildren(pRecord);
    if (pRecord->pParentRecord && pRecord->iRows == 0)
        DeleteRecord(pRecord);
}

void CCombination_ModelPrivate::RowsMoved(QAbstractItemModel* pModel, const QModelIndex& miParent, int iStart,
                                          int iEnd, const QModelIndex& miDestination, int iRow)
{
    const int iCount = iEnd - iStart + 1;
    // Before the move the source parent sat where the destination parent's
    // persistent record now says; refile first so both are found.
    if (CCombinationRecord* pRecord = FindRecord(miParent, pModel)) {
        pRecord->iHiddenRows = 0;
        RefileChildren(pRecord);
    } else if (CCombinationRecord* pTop = TopRecord(pModel)) {
        RefileChildren(pTop);
    }
    const bool bSameParent = miParent == miDestination;
    const int iFirst = bSameParent && iRow > iEnd ? iRow - iCount : iRow;
    RowsInserted(pModel, miDestination, iFirst, iFirst + iCount - 1);
}

void CCombination_ModelPrivate::ColumnsInserted(QAbstractItemModel* pModel, const QModelIndex& miParent,
                                                int iStart, int iEnd)
{
    Q_Q(CCombination_Model);
    CCombinationRecord* pRecord = EnsureRecord(miParent, pModel);
    if (!pRecord || iStart < 0 || iEnd < iStart)
        return;
    if (iStart > pRecord->iColumns) {
        qCWarning(lcOrvaGUIToolkit, "CCombinationModel: invalid inserted rows reported by source model");
        if (pRecord->pParentRecord)
            DropRecord(pRecord);
        return;
    }
    pRecord->iHiddenColumn = iStart;
    pRecord->iHiddenColumns = iEnd - iStart + 1;
    RefileChildren(pRecord);
    const QModelIndex miProxyParent = miParent.isValid() ? q->MapFromSource(miParent) : TopParent();
    const bool bAnnounce = (!miParent.isValid() || miProxyParent.isValid()) && iStart <= m_iColumns;
    if (bAnnounce)
        q->beginInsertColumns(miProxyParent, iStart, iEnd);
    pRecord->iColumns += pRecord->iHiddenColumns;
    pRecord->iHiddenColumns = 0;
    if (bAnnounce)
        q->endInsertColumns();
}

void CCombination_ModelPrivate::ColumnsAboutToBeRemoved(QAbstractItemModel* pModel, const QModelIndex& miParent,
                                                        int iStart, int iEnd)
{
    Q_Q(CCombination_Model);
    CCombinationRecord* pRecord = FindRecord(miParent, pModel);
    if (!pRecord || iStart < 0 || iEnd < iStart || iEnd >= pRecord->iColumns)
        return;
    const QModelIndex miProxyParent = miParent.isValid() ? q->MapFromSource(miParent) : TopParent();
    const bool bAnnounce = (!miParent.isValid() || miProxyParent.isValid()) && iEnd < m_iColumns;
    if (bAnnounce)
        q->beginRemoveColumns(miProxyParent, iStart, iEnd);
    DeleteChildrenInRange(pRecord, false, iStart, iEnd);
    pRecord->iHiddenColumn = iStart;
    pRecord->iHiddenColumns = iEnd - iStart + 1;
    pRecord->iColumns -= pRecord->iHiddenColumns;
    if (bAnnounce)
        q->endRemoveColumns();
}

void CCombination_ModelPrivate::ColumnsRemoved(QAbstractItemModel* pModel, const QModelIndex& miParent)
{
    CCombinationRecord* pRecord = FindRecord(miParent, pModel);
    if (!pRecord || pRecord->iHiddenColumns == 0)
        return;
    pRecord->iHiddenColumns = 0;
    RefileChildren(pRecord);
}

void CCombination_ModelPrivate::RemoveAt(int iPosition)
{
    Q_Q(CCombination_Model);
    CCombinationRecord* pRecord = m_vecTopRecords[size_t(iPosition)];
    const QObject* pObject = pRecord->pSourceObject;
    const int iRows = pRecord->iRows;
    QObject::disconnect(pObject, nullptr, q, nullptr);
    if (iRows > 0)
        q->beginRemoveRows(TopParent(), pRecord->iOffset, pRecord->iOffset + iRows - 1);
    m_vecTopRecords.erase(m_vecTopRecords.begin() + iPosition);
    DeleteTree(pRecord);
    RecomputeOffsets();
    // Last: a view's slot may delete the combination.
    if (iRows > 0)
        q->endRemoveRows();
}

void CCombination_ModelPrivate::ClearMapping()
{
    Q_Q(CCombination_Model);
    for (CCombinationRecord* pRecord : m_vecTopRecords) {
        QObject::disconnect(pRecord->pSourceObject, nullptr, q, nullptr);
        DeleteTree(pRecord);
    }
    m_vecTopRecords.clear();
    m_hashMapping.clear();
    m_iTopRows = 0;
}

CCombination_Model::CCombination_Model(QObject* pParent)
    : CCombination_Model(*new CCombination_ModelPrivate, pParent)
{
}

CCombination_Model::CCombination_Model(CCombination_ModelPrivate& dd, QObject* pParent)
    : QAbstractItemModel(pParent)
    , d_ptr(&dd)
{
    d_ptr->q_ptr = this;
}

CCombination_Model::~CCombination_Model()
{
    Q_D(CCombination_Model);
    for (CCombinationRecord* pRecord : d->m_vecTopRecords)
        disconnect(pRecord->pSourceObject, nullptr, this, nullptr);
    if (d->m_pRootObject)
        disconnect(d->m_pRootObject, nullptr, this, nullptr);
}

void CCombination_Model::SetRootModel(QAbstractItemModel* pModel)
{
    Q_D(CCombination_Model);
    // Refused silently: no model, or a root is already in use.
    if (!pModel || !d->m_vecTopRecords.empty() || d->m_pFallbackRoot || d->m_pRootModel)
        return;
    d->m_pRootModel = pModel;
    d->ConnectRoot(pModel);
}

QAbstractItemModel* CCombination_Model::GetRootModel() const
{
    return d_func()->Root();
}

void CCombination_Model::SetColumnCount(int iCount)
{
    // More columns than any header could show would only exhaust memory.
    if (iCount < 0 || iCount > s_iMaxColumns) {
        qCWarning(lcOrvaGUIToolkit, "CCombination_Model::SetColumnCount: iCount out of range");
        return;
    }
    const int iColumns = columnCount();
    if (iCount > iColumns)
        insertColumns(iColumns, iCount - iColumns);
    else if (iCount < iColumns)
        removeColumns(iCount, iColumns - iCount);
}

bool CCombination_Model::AddModel(QAbstractItemModel* pModel)
{
    return InsertModel(GetModelCount(), pModel);
}

bool CCombination_Model::InsertModel(int iPosition, QAbstractItemModel* pModel)
{
    Q_D(CCombination_Model);
    // Refusals are plain false returns: a position out of range, no model, a
    // model already in use, or no column yet.
    if (iPosition < 0 || iPosition > GetModelCount() || !pModel || d->IndexOfModel(pModel) >= 0
        || pModel == d->m_pRootObject || columnCount() == 0)
        return false;
    const int iFirst = d->RowsBefore(iPosition);
    const int iRows = pModel->rowCount();
    if (iRows > 0)
        beginInsertRows(d->TopParent(), iFirst, iFirst + iRows - 1);
    CCombinationRecord* pRecord = d->NewRecord(QModelIndex(), pModel, nullptr);
    d->m_vecTopRecords.insert(d->m_vecTopRecords.begin() + iPosition, pRecord);
    d->ConnectSource(pModel);
    d->RecomputeOffsets();
    d->BuildTree(pRecord);
    if (iRows > 0)
        endInsertRows();
    return true;
}

bool CCombination_Model::RemoveModel(QAbstractItemModel* pModel)
{
    Q_D(CCombination_Model);
    const int iPosition = pModel ? d->IndexOfModel(pModel) : -1;
    if (iPosition < 0)
        return false;
    d->RemoveAt(iPosition);
    return true;
}

bool CCombination_Model::DeleteModel(QAbstractItemModel* pModel)
{
    if (!RemoveModel(pModel))
        return false;
    delete pModel;
    return true;
}

void CCombination_Model::RemoveAllModels()
{
    for (int i = GetModelCount(); i > 0; --i)
        RemoveModel(GetModel(0));
}

void CCombination_Model::DeleteAllModels()
{
    for (int i = GetModelCount(); i > 0; --i)
        DeleteModel(GetModel(0));
}

QAbstractItemModel* CCombination_Model::GetModel(int iIndex) const
{
    Q_D(const CCombination_Model);
    if (iIndex < 0 || iIndex >= GetModelCount())
        return nullptr;
    return d->m_vecTopRecords[size_t(iIndex)]->pModel;
}

int CCombination_Model::GetModelCount() const
{
    return int(d_func()->m_vecTopRecords.size());
}

void CCombination_Model::GetAllModels(QVector<QAbstractItemModel*>& vecModels) const
{
    vecModels.clear();
    for (const CCombinationRecord* pRecord : d_func()->m_vecTopRecords)
        vecModels.append(pRecord->pModel);
}

QAbstractItemModel* CCombination_Model::GetModelByProxyIndex(const QModelIndex& miIndex) const
{
    Q_D(const CCombination_Model);
    if (!miIndex.isValid() || miIndex.model() != this)
        return nullptr;
    if (d->IsRootRow(miIndex)) {
        const CCombinationRecord* pRecord = d->TopRecordAtRow(0);
        return pRecord ? pRecord->pModel : nullptr;
    }
    const auto* pRecord = static_cast<const CCombinationRecord*>(miIndex.internalPointer());
    const int iPosition = miIndex.row() - pRecord->iOffset;
    return iPosition >= 0 && iPosition < pRecord->iRows ? pRecord->pModel : nullptr;
}

QModelIndex CCombination_Model::MapToSource(const QModelIndex& miIndex) const
{
    Q_D(const CCombination_Model);
    if (!miIndex.isValid())
        return QModelIndex();
    if (miIndex.model() != this) {
        qCWarning(lcOrvaGUIToolkit, "CCombinationModel: index from wrong model passed to ProxyToSource");
        return QModelIndex();
    }
    if (!miIndex.internalPointer())
        return d->Root()->index(miIndex.row(), miIndex.column());
    const auto* pRecord = static_cast<const CCombinationRecord*>(miIndex.internalPointer());
    if (pRecord->pModel == d->m_pModelBeingDestroyed)
        return QModelIndex();
    const int iRow = pRecord->ProxyToSourceRow(miIndex.row() - pRecord->iOffset);
    const int iColumn = pRecord->ProxyToSourceColumn(miIndex.column());
    if (iRow < 0 || iColumn < 0)
        return QModelIndex();
    return pRecord->pModel->index(iRow, iColumn, pRecord->pmiSourceParent);
}

QModelIndex CCombination_Model::MapFromSource(const QModelIndex& miSource) const
{
    Q_D(const CCombination_Model);
    if (!miSource.isValid())
        return d->TopParent();
    if (miSource.model() == d->m_pModelBeingDestroyed)
        return QModelIndex();
    CCombinationRecord* pRecord = d->FindRecord(miSource.parent(), miSource.model());
    if (!pRecord)
        return QModelIndex();
    const int iRow = pRecord->SourceToProxyRow(miSource.row());
    const int iColumn = pRecord->SourceToProxyColumn(miSource.column());
    if (iRow < 0 || iColumn < 0)
        return QModelIndex();
    return createIndex(iRow + pRecord->iOffset, iColumn, pRecord);
}

QModelIndex CCombination_Model::index(int iRow, int iColumn, const QModelIndex& miParent) const
{
    Q_D(const CCombination_Model);
    // A column is limited by the source alone: a record maps every column of
    // its source, whatever the header shows.
    if (iRow < 0 || iColumn < 0)
        return QModelIndex();
    if (!miParent.isValid() && d->HasRootLevel())
        return iRow == 0 ? createIndex(0, iColumn, nullptr) : QModelIndex();
    CCombinationRecord* pRecord = nullptr;
    if (!miParent.isValid() || d->IsRootRow(miParent)) {
        if (miParent.column() > 0)
            return QModelIndex();
        pRecord = d->TopRecordAtRow(iRow);
    } else {
        const QModelIndex miSourceParent = miParent.model() == this ? MapToSource(miParent) : QModelIndex();
        if (!miSourceParent.isValid())
            return QModelIndex();
        auto* pThis = const_cast<CCombination_ModelPrivate*>(d);
        pRecord = pThis->EnsureRecord(miSourceParent, const_cast<QAbstractItemModel*>(miSourceParent.model()));
    }
    if (!pRecord || pRecord->ProxyToSourceRow(iRow - pRecord->iOffset) < 0
        || pRecord->ProxyToSourceColumn(iColumn) < 0)
        return QModelIndex();
    return createIndex(iRow, iColumn, pRecord);
}

QModelIndex CCombination_Model::parent(const QModelIndex& miIndex) const
{
    Q_D(const CCombination_Model);
    if (!miIndex.isValid() || miIndex.model() != this || !miIndex.internalPointer())
        return QModelIndex();
    const auto* pRecord = static_cast<const CCombinationRecord*>(miIndex.internalPointer());
    CCombinationRecord* pParentRecord = pRecord->pParentRecord;
    if (!pParentRecord)
        return d->TopParent();
    // The record's key holds the source parent's row and column as last filed;
    // no call reaches the source, which may be in its destructor.
    const int iRow = pParentRecord->SourceToProxyRow(pRecord->miKey.row());
    const int iColumn = pParentRecord->SourceToProxyColumn(pRecord->miKey.column());
    if (iRow < 0 || iColumn < 0)
        return QModelIndex();
    return createIndex(iRow + pParentRecord->iOffset, iColumn, pParentRecord);
}

int CCombination_Model::rowCount(const QModelIndex& miParent) const
{
    Q_D(const CCombination_Model);
    if (!miParent.isValid())
        return d->HasRootLevel() ? 1 : d->m_iTopRows;
    if (d->IsRootRow(miParent))
        return miParent.column() == 0 ? d->m_iTopRows : 0;
    if (miParent.model() != this)
        return 0;
    const QModelIndex miSourceParent = MapToSource(miParent);
    if (!miSourceParent.isValid())
        return 0;
    QAbstractItemModel* pModel = const_cast<QAbstractItemModel*>(miSourceParent.model());
    const CCombinationRecord* pRecord = d->FindRecord(miSourceParent, pModel);
    if (!pRecord && pModel->hasChildren(miSourceParent))
        pRecord = const_cast<CCombination_ModelPrivate*>(d)->EnsureRecord(miSourceParent, pModel);
    return pRecord ? pRecord->iRows : 0;
}

int CCombination_Model::columnCount(const QModelIndex&) const
{
    Q_D(const CCombination_Model);
    d->Root();
    return d->m_iColumns;
}

bool CCombination_Model::hasChildren(const QModelIndex& miParent) const
{
    Q_D(const CCombination_Model);
    if (!miParent.isValid())
        return d->HasRootLevel() || d->m_iTopRows > 0;
    if (d->IsRootRow(miParent))
        return miParent.column() == 0 && d->m_iTopRows > 0;
    if (miParent.model() != this)
        return false;
    const QModelIndex miSourceParent = MapToSource(miParent);
    if (!miSourceParent.isValid())
        return false;
    QAbstractItemModel* pModel = const_cast<QAbstractItemModel*>(miSourceParent.model());
    if (!pModel->hasChildren(miSourceParent))
        return false;
    const CCombinationRecord* pRecord =
        const_cast<CCombination_ModelPrivate*>(d)->EnsureRecord(miSourceParent, pModel);
    return pRecord && pRecord->iRows > 0 && pRecord->iColumns > 0;
}

QVariant CCombination_Model::data(const QModelIndex& miIndex, int iRole) const
{
    Q_D(const CCombination_Model);
    if (!miIndex.isValid() || miIndex.model() != this)
        return QVariant();
    QModelIndex miRead = miIndex;
    int iReadRole = iRole;
    int iTargetColumn = 0;
    int iTargetRole = 0;
    if (GetMapping(miIndex.column(), iRole, iTargetColumn, iTargetRole)) {
        // MapToSource() refuses a column the source lacks.
        miRead = iTargetColumn >= 0 ? createIndex(miIndex.row(), iTargetColumn, miIndex.internalPointer())
                                    : QModelIndex();
        iReadRole = iTargetRole;
    }
    if (iRole == Qt::ForegroundRole) {
        const QStringList listKeywords = headerData(0, Qt::Horizontal, HighlightKeywordsRole).toStringList();
        if (!listKeywords.isEmpty()) {
            const QString strText = data(miIndex, Qt::DisplayRole).toString();
            for (const QString& strKeyword : listKeywords) {
                if (!strKeyword.isNull() && strText.contains(strKeyword, Qt::CaseInsensitive))
                    return s_colorKeyword;
            }
        }
    }
    if (d->IsRootRow(miIndex)) {
        QAbstractItemModel* pRoot = d->Root();
        return pRoot->data(pRoot->index(0, 0), iReadRole);
    }
    const QModelIndex miSource = MapToSource(miRead);
    return miSource.isValid() ? miSource.model()->data(miSource, iReadRole) : QVariant();
}

bool CCombination_Model::setData(const QModelIndex& miIndex, const QVariant& value, int iRole)
{
    Q_D(CCombination_Model);
    if (d->IsRootRow(miIndex)) {
        QAbstractItemModel* pRoot = d->Root();
        return pRoot->setData(pRoot->index(0, 0), value, iRole);
    }
    const QModelIndex miSource = MapToSource(miIndex);
    if (!miSource.isValid())
        return false;
    return const_cast<QAbstractItemModel*>(miSource.model())->setData(miSource, value, iRole);
}

QVariant CCombination_Model::headerData(int iSection, Qt::Orientation enumOrientation, int iRole) const
{
    return d_func()->Root()->headerData(iSection, enumOrientation, iRole);
}

bool CCombination_Model::setHeaderData(int iSection, Qt::Orientation enumOrientation, const QVariant& value,
                                       int iRole)
{
    Q_D(CCombination_Model);
    if (!d->Root()->setHeaderData(iSection, enumOrientation, value, iRole))
        return false;
    for (CCombinationRecord* pRecord : d->m_vecTopRecords) {
        if (pRecord->pModel != d->m_pModelBeingDestroyed)
            pRecord->pModel->setHeaderData(iSection, enumOrientation, value, iRole);
    }
    return true;
}

bool CCombination_Model::insertRows(int, int, const QModelIndex&)
{
    return false;
}

bool CCombination_Model::insertColumns(int iColumn, int iCount, const QModelIndex&)
{
    if (iCount > s_iMaxColumns - columnCount()) {
        qCWarning(lcOrvaGUIToolkit, "CCombination_Model::insertColumns: count out of range");
        return false;
    }
    return d_func()->Root()->insertColumns(iColumn, iCount);
}

bool CCombination_Model::removeRows(int, int, const QModelIndex&)
{
    return false;
}

bool CCombination_Model::removeColumns(int iColumn, int iCount, const QModelIndex&)
{
    return d_func()->Root()->removeColumns(iColumn, iCount);
}

Qt::ItemFlags CCombination_Model::flags(const QModelIndex& miIndex) const
{
    Q_D(const CCombination_Model);
    if (d->IsRootRow(miIndex)) {
        QAbstractItemModel* pRoot = d->Root();
        return pRoot->flags(pRoot->index(0, 0));
    }
    QModelIndex miRead = miIndex;
    int iTargetColumn = 0;
    int iTargetRole = 0;
    if (miIndex.isValid() && GetMapping(miIndex.column(), ItemFlagsRole, iTargetColumn, iTargetRole))
        miRead = createIndex(miIndex.row(), iTargetColumn, miIndex.internalPointer());
    const QModelIndex miSource = miIndex.model() == this ? MapToSource(miRead) : QModelIndex();
    if (!miSource.isValid())
        return QAbstractItemModel::flags(miIndex);
    return miSource.model()->flags(miSource);
}

void CCombination_Model::OnSourceDataChanged(const QModelIndex& miTopLeft, const QModelIndex& miBottomRight)
{
    Q_D(CCombination_Model);
    if (QAbstractItemModel* pModel = d->SenderModel())
        d->DataChanged(pModel, miTopLeft, miBottomRight);
}

// A source reset or re-layout is not forwarded: the records keep their rows.
void CCombination_Model::OnSourceAboutToBeReset()
{
}

void CCombination_Model::OnSourceReset()
{
}

void CCombination_Model::OnSourceModelDestroyed(QObject* pObject)
{
    Q_D(CCombination_Model);
    const int iPosition = d->IndexOfModel(pObject);
    if (iPosition < 0)
        return;
    const QPointer<CCombination_Model> pGuard(this);
    d->m_pModelBeingDestroyed = d->m_vecTopRecords[size_t(iPosition)]->pModel;
    d->RemoveAt(iPosition);
    qCWarning(lcOrvaGUIToolkit, "---CCombination_ModelPrivate::OnSourceModelDestroyed--");
    if (pGuard)
        d->m_pModelBeingDestroyed = nullptr;
}

void CCombination_Model::OnSourceLayoutAboutToBeChanged()
{
}

void CCombination_Model::OnSourceLayoutChanged()
{
}

void CCombination_Model::OnSourceRowsAboutToBeInserted(const QModelIndex& miParent, int, int)
{
    Q_D(CCombination_Model);
    if (QAbstractItemModel* pModel = d->SenderModel())
        d->RowsAboutToBeInserted(pModel, miParent);
}

void CCombination_Model::OnSourceRowsInserted(const QModelIndex& miParent, int iStart, int iEnd)
{
    Q_D(CCombination_Model);
    if (QAbstractItemModel* pModel = d->SenderModel())
        d->RowsInserted(pModel, miParent, iStart, iEnd);
}

void CCombination_Model::OnSourceRowsAboutToBeRemoved(const QModelIndex& miParent, int iStart, int iEnd)
{
    Q_D(CCombination_Model);
    if (QAbstractItemModel* pModel = d->SenderModel())
        d->RowsAboutToBeRemoved(pModel, miParent, iStart, iEnd);
}

void CCombination_Model::OnSourceRowsRemoved(const QModelIndex& miParent, int, int)
{
    Q_D(CCombination_Model);
    if (QAbstractItemModel* pModel = d->SenderModel())
        d->RowsRemoved(pModel, miParent);
}

void CCombination_Model::OnSourceColumnsAboutToBeInserted(const QModelIndex& miParent, int, int)
{
    Q_D(CCombination_Model);
    if (QAbstractItemModel* pModel = d->SenderModel())
        d->RowsAboutToBeInserted(pModel, miParent);
}

void CCombination_Model::OnSourceColumnsInserted(const QModelIndex& miParent, int iStart, int iEnd)
{
    Q_D(CCombination_Model);
    if (QAbstractItemModel* pModel = d->SenderModel())
        d->ColumnsInserted(pModel, miParent, iStart, iEnd);
}

void CCombination_Model::OnSourceColumnsAboutToBeRemoved(const QModelIndex& miParent, int iStart, int iEnd)
{
    Q_D(CCombination_Model);
    if (QAbstractItemModel* pModel = d->SenderModel())
        d->ColumnsAboutToBeRemoved(pModel, miParent, iStart, iEnd);
}

void CCombination_Model::OnSourceColumnsRemoved(const QModelIndex& miParent, int, int)
{
    Q_D(CCombination_Model);
    if (QAbstractItemModel* pModel = d->SenderModel())
        d->ColumnsRemoved(pModel, miParent);
}

// Called directly, the views are told by a reset; inside the removal of a
// root row the removal itself tells them.
void CCombination_Model::OnClearMapping()
{
    Q_D(CCombination_Model);
    if (d->m_bInRootRemoval) {
        d->ClearMapping();
        return;
    }
    beginResetModel();
    d->ClearMapping();
    endResetModel();
}

void CCombination_Model::OnRootDataChanged(const QModelIndex& miTopLeft, const QModelIndex& miBottomRight)
{
    Q_D(CCombination_Model);
    if (!miTopLeft.isValid() || !miBottomRight.isValid() || miTopLeft.parent().isValid() || miTopLeft.row() != 0
        || !d->HasRootLevel())
        return;
    const int iLastColumn = std::min(miBottomRight.column(), columnCount() - 1);
    if (miTopLeft.column() <= iLastColumn)
        Q_EMIT dataChanged(createIndex(0, miTopLeft.column(), nullptr), createIndex(0, iLastColumn, nullptr));
}

void CCombination_Model::OnRootHeaderDataChanged(Qt::Orientation enumOrientation, int iFirst, int iLast)
{
    Q_EMIT headerDataChanged(enumOrientation, iFirst, iLast);
}

void CCombination_Model::OnRootRowsAboutToBeInserted(const QModelIndex&, int, int)
{
    d_func()->Root();
}

// Only the root's first row is shown; the sources' rows move under it when
// the root gains its first row, which the views learn through a reset.
void CCombination_Model::OnRootRowsInserted(const QModelIndex& miParent, int iStart, int iEnd)
{
    Q_D(CCombination_Model);
    if (miParent.isValid() || iStart < 0 || iEnd < iStart)
        return;
    const int iRows = std::max(d->m_iRootRows, 0) + iEnd - iStart + 1;
    if (d->m_iRootRows > 0) {
        d->m_iRootRows = iRows;
        return;
    }
    if (d->m_iTopRows > 0) {
        beginResetModel();
        d->m_iRootRows = iRows;
        endResetModel();
        return;
    }
    beginInsertRows(QModelIndex(), 0, 0);
    d->m_iRootRows = iRows;
    endInsertRows();
}

// Removing any root row drops every source model.
void CCombination_Model::OnRootRowsAboutToBeRemoved(const QModelIndex& miParent, int iStart, int iEnd)
{
    Q_D(CCombination_Model);
    if (miParent.isValid() || iStart < 0 || iEnd < iStart || d->m_iRootRows <= 0)
        return;
    const int iRemaining = std::max(0, d->m_iRootRows - (iEnd - iStart + 1));
    const QPointer<CCombination_Model> pGuard(this);
    d->m_bInRootRemoval = true;
    if (iRemaining > 0) {
        const bool bAnnounce = d->m_iTopRows > 0;
        if (bAnnounce)
            beginRemoveRows(createIndex(0, 0, nullptr), 0, d->m_iTopRows - 1);
        OnClearMapping();
        d->m_iRootRows = iRemaining;
        if (bAnnounce)
            endRemoveRows();
    } else {
        beginRemoveRows(QModelIndex(), 0, 0);
        OnClearMapping();
        d->m_iRootRows = 0;
        endRemoveRows();
    }
    if (pGuard)
        d->m_bInRootRemoval = false;
}

void CCombination_Model::OnRootRowsRemoved(const QModelIndex&, int, int)
{
}

void CCombination_Model::OnRootModelDestroyed(QObject* pObject)
{
    Q_D(CCombination_Model);
    if (!pObject || pObject != d->m_pRootObject || !d->m_pRootModel)
        return;
    qCWarning(lcOrvaGUIToolkit, "---CCombination_ModelPrivate::OnRootModelDestroyed---");
    disconnect(pObject, nullptr, this, nullptr);
    // An empty fallback takes the dying root's place. The views still hold the
    // old root's rows and columns: both are taken away with announcements.
    const int iRootRows = d->m_iRootRows;
    const int iColumns = d->m_iColumns;
    d->m_pRootModel = nullptr;
    d->m_pFallbackRoot = new QStandardItemModel(this);
    d->ConnectRoot(d->m_pFallbackRoot);
    d->m_iRootRows = iRootRows;
    d->m_iColumns = iColumns;
    const QPointer<CCombination_Model> pGuard(this);
    if (iRootRows > 0)
        OnRootRowsAboutToBeRemoved(QModelIndex(), 0, iRootRows - 1);
    if (!pGuard)
        return;
    if (iColumns > 0) {
        beginRemoveColumns(QModelIndex(), 0, iColumns - 1);
        d->m_iColumns = 0;
        endRemoveColumns();
    }
}

} // namespace OrvaGUIToolkit

#include "OrvaGUIToolkit/ItemView/moc_CombinationModel.cpp"
