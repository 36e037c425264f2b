#include <OrvaGUIToolkit/ItemView/TreeView.h>

#include "models/TreeViewPrivate.h"


namespace OrvaGUIToolkit {

Qt::CheckState CTreeViewPrivate::DerivedCheckState(const QModelIndex& miParent) const
{
    Q_Q(const CTreeView);
    const QAbstractItemModel* pModel = q->model();
    bool bSomeChecked = false;
    bool bSomeUnchecked = false;
    const int iRows = pModel->rowCount(miParent);
    for (int iRow = 0; iRow < iRows && !(bSomeChecked && bSomeUnchecked); ++iRow) {
        if (pModel->index(iRow, 0, miParent).data(Qt::CheckStateRole).toInt() == Qt::Checked)
            bSomeChecked = true;
        else
            bSomeUnchecked = true;
    }
    if (!bSomeChecked)
        return Qt::Unchecked;
    return bSomeUnchecked ? Qt::PartiallyChecked : Qt::Checked;
}

bool CTreeViewPrivate::HasCheckedChild(const QModelIndex& miParent) const
{
    Q_Q(const CTreeView);
    const QAbstractItemModel* pModel = q->model();
    const int iRows = pModel->rowCount(miParent);
    for (int iRow = 0; iRow < iRows; ++iRow) {
        if (pModel->index(iRow, 0, miParent).data(Qt::CheckStateRole).toBool())
            return true;
    }
    return false;
}

void CTreeViewPrivate::ConnectStructureWatch(QAbstractItemModel* pModel)
{
    Q_Q(CTreeView);
    const auto count = [this]() { ++m_uStructureChanges; };
    m_listStructureWatch = {
        QObject::connect(pModel, &QAbstractItemModel::rowsInserted, q, count),
        QObject::connect(pModel, &QAbstractItemModel::rowsAboutToBeRemoved, q, count),
        QObject::connect(pModel, &QAbstractItemModel::rowsAboutToBeMoved, q, count),
        QObject::connect(pModel, &QAbstractItemModel::layoutAboutToBeChanged, q, count),
        QObject::connect(pModel, &QAbstractItemModel::modelAboutToBeReset, q, count),
        QObject::connect(pModel, &QObject::destroyed, q, count),
    };
}

void CTreeViewPrivate::DisconnectStructureWatch()
{
    for (const QMetaObject::Connection& connection : qAsConst(m_listStructureWatch))
        QObject::disconnect(connection);
    m_listStructureWatch.clear();
}

bool CTreeViewPrivate::CanPropagate(const QModelIndex& miIndex) const
{
    return m_bAutoChangeCheckbox && q_func()->model() && miIndex.isValid()
        && miIndex.data(Qt::CheckStateRole).isValid();
}

void CTreeViewPrivate::PushStateDown(const QModelIndex& miIndex, int iState)
{
    Q_Q(CTreeView);
    if (iState != Qt::Unchecked && iState != Qt::Checked)
        return;
    QAbstractItemModel* pModel = q->model();
    const quint64 uStructure = m_uStructureChanges;
    bool bAllTaken = true;
    const int iRows = pModel->rowCount(miIndex);
    for (int iRow = 0; iRow < iRows; ++iRow) {
        if (!pModel->setData(pModel->index(iRow, 0, miIndex), iState, Qt::CheckStateRole))
            bAllTaken = false;
        if (m_uStructureChanges != uStructure)
            return;
    }
    if (!bAllTaken)
        q->OnUpdateCheckState(miIndex);
}

CTreeView::CTreeView(QWidget* pParent)
    : CTreeView(*new CTreeViewPrivate, pParent)
{
}

CTreeView::CTreeView(CTreeViewPrivate& dd, QWidget* pParent)
    : CAbstractItemView(dd, pParent)
{
    ShowGridLine(false);
}

CTreeView::~CTreeView() = default;

void CTreeView::SetAutoChangeCheckbox(bool bAuto)
{
    d_func()->m_bAutoChangeCheckbox = bAuto;
}

bool CTreeView::IsAutoChangeCheckbox() const
{
    return d_func()->m_bAutoChangeCheckbox;
}

void CTreeView::setModel(QAbstractItemModel* pModel)
{
    Q_D(CTreeView);
    d->DisconnectStructureWatch();
    ++d->m_uStructureChanges;
    if (QAbstractItemModel* pOld = model()) {
        disconnect(pOld, &QAbstractItemModel::rowsInserted, this, &CTreeView::OnUpdateCheckState);
        disconnect(pOld, &QAbstractItemModel::rowsRemoved, this, &CTreeView::OnUpdateCheckState);
    }
    CAbstractItemView::setModel(pModel);
    if (pModel) {
        d->ConnectStructureWatch(pModel);
        connect(pModel, &QAbstractItemModel::rowsInserted, this, &CTreeView::OnUpdateCheckState);
        connect(pModel, &QAbstractItemModel::rowsRemoved, this, &CTreeView::OnUpdateCheckState);
    }
}

// A node's new check state goes down to its children and up to its parent.
// Every write to the parent raises dataChanged for the parent in turn, so the
// change climbs to the top by itself. A slot of the model may add or remove
// rows meanwhile; the indexes at hand are then stale and the work stops (the
// model's row signals re-derive the parents concerned).
void CTreeView::dataChanged(const QModelIndex& miTopLeft, const QModelIndex& miBottomRight,
                            const QVector<int>& vecRoles)
{
    Q_D(CTreeView);
    const QVariant check = miTopLeft.data(Qt::CheckStateRole);
    if (!d->m_bAutoChangeCheckbox || !model() || !check.isValid()) {
        CAbstractItemView::dataChanged(miTopLeft, miBottomRight, vecRoles);
        return;
    }
    const quint64 uStructure = d->m_uStructureChanges;
    d->PushStateDown(miTopLeft, check.toInt());
    if (d->m_uStructureChanges != uStructure)
        return;
    // A child that refused the state has had the node re-derived meanwhile.
    const int iState = miTopLeft.data(Qt::CheckStateRole).toInt();
    const QModelIndex miParent = miTopLeft.parent();
    if (miParent.isValid()) {
        const int iParentState = miParent.data(Qt::CheckStateRole).toInt();
        if (iState == Qt::Checked && iParentState != Qt::Checked) {
            model()->setData(miParent, int(d->DerivedCheckState(miParent)), Qt::CheckStateRole);
        } else if (iState == Qt::Unchecked && iParentState != Qt::Unchecked) {
            if (miParent.data(Qt::CheckStateRole).isValid())
                model()->setData(miParent, int(d->HasCheckedChild(miParent) ? Qt::PartiallyChecked : Qt::Unchecked),
                                 Qt::CheckStateRole);
        } else if (iState == Qt::PartiallyChecked) {
            model()->setData(miParent, int(Qt::PartiallyChecked), Qt::CheckStateRole);
        }
    }
    if (d->m_uStructureChanges == uStructure)
        CAbstractItemView::dataChanged(miTopLeft, miBottomRight, vecRoles);
}

void CTreeView::OnUpdateCheckState(const QModelIndex& miParent)
{
    Q_D(CTreeView);
    if (d->CanPropagate(miParent))
        model()->setData(miParent, int(d->DerivedCheckState(miParent)), Qt::CheckStateRole);
}

void CTreeView::UpdateChildCheckState(const QModelIndex& miIndex)
{
    Q_D(CTreeView);
    if (d->CanPropagate(miIndex))
        d->PushStateDown(miIndex, miIndex.data(Qt::CheckStateRole).toInt());
}

void CTreeView::ExpandAll(const QModelIndex& miIndex)
{
    if (!model())
        return;
    expand(miIndex);
    for (int iRow = 0; iRow < model()->rowCount(miIndex); ++iRow)
        ExpandAll(model()->index(iRow, 0, miIndex));
}

void CTreeView::CollapseAll(const QModelIndex& miIndex)
{
    if (!model())
        return;
    collapse(miIndex);
    for (int iRow = 0; iRow < model()->rowCount(miIndex); ++iRow)
        CollapseAll(model()->index(iRow, 0, miIndex));
}

bool CTreeView::GetExpandState(ExpandState& enumState, const QModelIndex& miIndex) const
{
    if (!model() || model()->rowCount(miIndex) == 0)
        return false;
    bool bAllExpanded = isExpanded(miIndex);
    bool bAllCollapsed = !bAllExpanded;
    for (int iRow = 0; iRow < model()->rowCount(miIndex) && (bAllExpanded || bAllCollapsed); ++iRow) {
        ExpandState enumChild = AllCollapsed;
        if (!GetExpandState(enumChild, model()->index(iRow, 0, miIndex)))
            continue;
        if (enumChild != AllExpanded)
            bAllExpanded = false;
        if (enumChild != AllCollapsed)
            bAllCollapsed = false;
    }
    enumState = bAllCollapsed ? AllCollapsed : bAllExpanded ? AllExpanded : PartlyExpanded;
    return true;
}

} // namespace OrvaGUIToolkit

#include "OrvaGUIToolkit/ItemView/moc_TreeView.cpp"
