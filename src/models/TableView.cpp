#include <OrvaGUIToolkit/ItemView/TableView.h>

#include <OrvaGUIToolkit/ItemView/MoreRightPixmapDelegate.h>

#include "models/AbstractItemViewPrivate.h"

#include <QtGui/QMouseEvent>

namespace OrvaGUIToolkit {

namespace {

// Role 31 of a CTreeViewItem: the item flags.
const int s_iFlagsRole = Qt::UserRole - 1;

} // namespace

CTableView::CTableView(QWidget* pParent)
    : CAbstractItemView(*new CAbstractItemViewPrivate, pParent)
{
    InitTable();
}

CTableView::CTableView(CAbstractItemViewPrivate& dd, QWidget* pParent)
    : CAbstractItemView(dd, pParent)
{
    InitTable();
}

CTableView::~CTableView() = default;

void CTableView::InitTable()
{
    QAbstractItemDelegate* pOld = itemDelegate();
    setItemDelegate(new CMoreRightPixmapDelegate(this));
    delete pOld;
    setIndentation(0);
    setExpandsOnDoubleClick(false);
    setRootIsDecorated(false);
}

void CTableView::SetPixmapLeftMargin(int iMargin)
{
    if (auto* pDelegate = qobject_cast<CTableDelegate*>(itemDelegate()))
        pDelegate->SetPixmapLeftMargin(iMargin);
}

void CTableView::SetPixmapSpace(int iSpace)
{
    if (auto* pDelegate = qobject_cast<CTableDelegate*>(itemDelegate()))
        pDelegate->SetPixmapSpace(iSpace);
}

// A press on an editable cell opens the editor as a double click would, so
// that one click is enough where double clicks start editing.
bool CTableView::edit(const QModelIndex& miIndex, EditTrigger enumTrigger, QEvent* pEvent)
{
    const bool bPress = enumTrigger == NoEditTriggers && pEvent && pEvent->type() == QEvent::MouseButtonPress
        && static_cast<QMouseEvent*>(pEvent)->button() == Qt::LeftButton;
    if (bPress && (Qt::ItemFlags(miIndex.data(s_iFlagsRole).toInt()) & Qt::ItemIsEditable))
        return CAbstractItemView::edit(miIndex, DoubleClicked, pEvent);
    return CAbstractItemView::edit(miIndex, enumTrigger, pEvent);
}

} // namespace OrvaGUIToolkit

#include "OrvaGUIToolkit/ItemView/moc_TableView.cpp"
