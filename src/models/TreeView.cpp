#include <OrvaGUIToolkit/ItemView/TreeView.h>

#include "models/TreeViewPrivate.h"

#include <QtCore/QPersistentModelIndex>

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

bool CTreeViewPrivate::CanPropagate(const QModelIndex& miIndex) const
{
    return m_bAutoChangeCheckbox && q_func()->model() && miIndex.isValid()
        && miIndex.data(Qt::CheckStateRole).isValid();
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
    if (QAbstractItemModel* pOld = model()) {
        disconnect(pOld, &QAbstractItemModel::rowsInserted, this, &CTreeView::OnUpdateCheckState);
        disconnect(pOld, &QAbstractItemModel::rowsRemoved, this, &CTreeView::OnUpdateCheckState);
    }
    CAbstractItemView::setModel(pModel);
    if (pModel) {
        connect(pModel, &QAbstractItemModel::rowsInserted, this, &CTreeView::OnUpdateCheckState);
        connect(pModel, &QAbstractItemModel::rowsRemoved, this, &CTreeView::OnUpdateCheckState);
    }
}

// A node's new check state goes down to its children and up to its parent.
// Every write to the parent raises dataChanged for the parent in turn, so the
// change climbs to the top by itself. Slots of the model may remove rows
// meanwhile, hence the persistent indexes.
void CTreeView::dataChanged(const QModelIndex& miTopLeft, const QModelIndex& miBottomRight,
                            const QVector<int>& vecRoles)
{
    Q_D(CTreeView);
    if (!d->CanPropagate(miTopLeft)) {
        CAbstractItemView::dataChanged(miTopLeft, miBottomRight, vecRoles);
        return;
    }
    const QPersistentModelIndex miTop(miTopLeft);
    const QPersistentModelIndex miBottom(miBottomRight);
    UpdateChildCheckState(miTop);
    if (!miTop.isValid())
        return;
    const int iState = miTop.data(Qt::CheckStateRole).toInt();
    const QModelIndex miParent = miTop.parent();
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
    if (miTop.isValid() && model())
        CAbstractItemView::dataChanged(miTop, miBottom.isValid() ? QModelIndex(miBottom) : QModelIndex(miTop),
                                       vecRoles);
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
    if (!d->CanPropagate(miIndex))
        return;
    const int iState = miIndex.data(Qt::CheckStateRole).toInt();
    if (iState != Qt::Unchecked && iState != Qt::Checked)
        return;
    const QPersistentModelIndex miNode(miIndex);
    bool bAllTaken = true;
    for (int iRow = 0; miNode.isValid() && model() && iRow < model()->rowCount(miNode); ++iRow) {
        if (!model()->setData(model()->index(iRow, 0, miNode), iState, Qt::CheckStateRole))
            bAllTaken = false;
    }
    if (!bAllTaken && miNode.isValid())
        OnUpdateCheckState(miNode);
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
