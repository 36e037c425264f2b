#include "schedule/GraphicsView.h"

#include "foundation/EventPosition.h"

#include <QtGui/QMouseEvent>

namespace OrvaGUIToolkit {

// The view carries the cursor, and so does its viewport, whose own cursor
// would otherwise hide the view's.
void SetViewCursor(QGraphicsView* pView, const QCursor& cursor)
{
    pView->setCursor(cursor);
    pView->viewport()->setCursor(cursor);
}

void UnsetViewCursor(QGraphicsView* pView)
{
    pView->unsetCursor();
    pView->viewport()->unsetCursor();
}

CGraphicsView::CGraphicsView(QGraphicsScene* pScene, QWidget* pParent)
    : QGraphicsView(pScene, pParent)
    , m_cursor(Qt::ArrowCursor)
{
    setBackgroundBrush(QBrush(m_pmBackground));
    setMouseTracking(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

QPixmap CGraphicsView::GetBackground() const
{
    return m_pmBackground;
}

void CGraphicsView::SetBackground(const QPixmap& pmBackground)
{
    m_pmBackground = pmBackground;
    setBackgroundBrush(QBrush(m_pmBackground));
}

void CGraphicsView::SetLocked(bool bLocked)
{
    m_bLocked = bLocked;
}

bool CGraphicsView::IsLocked() const
{
    return m_bLocked;
}

void CGraphicsView::SetCursor(const QCursor& cursor)
{
    m_cursor = cursor;
}

QCursor CGraphicsView::GetCursor() const
{
    return m_cursor;
}

bool CGraphicsView::IsOverItem(const QPoint& ptView) const
{
    return itemAt(ptView) != nullptr;
}

// Enter and leave of the view or its viewport: the type cursor over empty
// space while unlocked; a locked row shows no cursor of its own.
bool CGraphicsView::HandleCrossing(QEvent* pEvent)
{
    const QEvent::Type enumType = pEvent->type();
    if (enumType != QEvent::Enter && enumType != QEvent::Leave && enumType != QEvent::GraphicsSceneMouseMove)
        return false;
    // Leaving always drops the cursor; Qt has cleared the under-mouse state
    // by then.
    if (enumType == QEvent::Leave || (m_bLocked && underMouse()))
        UnsetViewCursor(this);
    if (m_bLocked)
        return true;
    if (enumType == QEvent::Enter && !IsOverItem(viewport()->mapFromGlobal(QCursor::pos())))
        SetViewCursor(this, m_cursor);
    return false;
}

bool CGraphicsView::event(QEvent* pEvent)
{
    if (HandleCrossing(pEvent))
        return true;
    return QGraphicsView::event(pEvent);
}

bool CGraphicsView::viewportEvent(QEvent* pEvent)
{
    if (HandleCrossing(pEvent))
        return true;
    return QGraphicsView::viewportEvent(pEvent);
}

void CGraphicsView::mouseMoveEvent(QMouseEvent* pEvent)
{
    if (m_bLocked)
        return;
    if (!IsOverItem(pEvent->pos()))
        SetViewCursor(this, m_cursor);
    QGraphicsView::mouseMoveEvent(pEvent);
}

} // namespace OrvaGUIToolkit

#include "moc_GraphicsView.cpp"
