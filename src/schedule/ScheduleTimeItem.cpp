#include "schedule/ScheduleTimeItem.h"

#include "schedule/GraphicsView.h"
#include "schedule/ScheduleDayScene.h"

#include <QtCore/QPointer>
#include <QtGui/QPainter>
#include <QtWidgets/QGraphicsSceneHoverEvent>
#include <QtWidgets/QGraphicsSceneMouseEvent>
#include <QtWidgets/QGraphicsView>
#include <QtWidgets/QStyleOptionGraphicsItem>

namespace OrvaGUIToolkit {

namespace {

constexpr qint64 SecondsPerDay = 86400;

} // namespace

ScheduleTimeItem::ScheduleTimeItem(int iMoveStep, int iResizeStep, ScheduleDayScene* pScene)
    : QGraphicsObject(nullptr)
    , m_rectScene(pScene ? pScene->sceneRect() : QRectF())
    , m_pScene(pScene)
    , m_iMoveStep(iMoveStep >= 2 ? iMoveStep : 1)
    , m_iResizeStep(iResizeStep >= 2 ? iResizeStep : 1)
{
    setFlags(ItemIsMovable | ItemIsSelectable | ItemSendsGeometryChanges);
    setAcceptHoverEvents(true);
}

QTime ScheduleTimeItem::XToTime(int iX, int iSceneWidth)
{
    if (iSceneWidth <= 0)
        return QTime(0, 0);
    const qint64 iSecs = qBound<qint64>(0, SecondsPerDay * iX / iSceneWidth, SecondsPerDay);
    // The right edge is the end of the day, which QTime cannot hold as 24:00.
    if (iSecs == SecondsPerDay)
        return QTime(0, 0).addSecs(int(SecondsPerDay - 1));
    return QTime(0, 0).addSecs(int(iSecs - iSecs % 60));
}

QColor ScheduleTimeItem::TypeColor(int iType)
{
    switch (iType) {
    case 1:
        return QColor(93, 128, 248);
    case 3:
        return QColor(142, 212, 99);
    case 16:
        return QColor(QStringLiteral("#a0aade"));
    default:
        return QColor(197, 113, 45);
    }
}

QRectF ScheduleTimeItem::boundingRect() const
{
    return QRectF(0, 0, m_iWidth + 1, m_rectScene.height());
}

void ScheduleTimeItem::paint(QPainter* pPainter, const QStyleOptionGraphicsItem* pOption, QWidget*)
{
    const QRectF rectBar(0, 0, m_iWidth, m_rectScene.height());
    pPainter->fillRect(rectBar, TypeColor(m_iType));
    // The dashed outline marks a selected span only on the selected day row,
    // so that one row at a time shows what Remove would delete.
    if (m_pScene && m_pScene->IsSelected() && (pOption->state & QStyle::State_Selected)) {
        pPainter->setPen(QPen(Qt::black, 1, Qt::DashLine));
        pPainter->setBrush(Qt::NoBrush);
        pPainter->drawRect(rectBar.adjusted(0, 0, -1, -1));
    }
}

void ScheduleTimeItem::SetEditable(bool bEditable)
{
    m_bEditable = bEditable;
}

bool ScheduleTimeItem::IsEditable() const
{
    return m_bEditable;
}

void ScheduleTimeItem::SetItemType(int iType)
{
    m_iType = iType;
    update();
}

int ScheduleTimeItem::GetItemType() const
{
    return m_iType;
}

int ScheduleTimeItem::GetMoveStep() const
{
    return m_iMoveStep;
}

int ScheduleTimeItem::GetResizeStep() const
{
    return m_iResizeStep;
}

void ScheduleTimeItem::SetItemRect(int iX, int iWidth)
{
    const int iStep = m_iResizeStep;
    const int iLeft = iX - ((iX % iStep) + iStep) % iStep;
    const int iEnd = iX + iWidth;
    const int iRight = iEnd + (iStep - ((iEnd % iStep) + iStep) % iStep) % iStep;
    prepareGeometryChange();
    m_iWidth = iRight - iLeft;
    // Stepping aside first makes the geometry change signal even when the
    // left edge stays where it was.
    setPos(iLeft - 1, m_rectScene.top());
    setPos(iLeft, m_rectScene.top());
}

int ScheduleTimeItem::GetWidth() const
{
    return m_iWidth;
}

qreal ScheduleTimeItem::GetRight() const
{
    return pos().x() + m_iWidth;
}

void ScheduleTimeItem::GetTime(QTime* pStart, QTime* pStop) const
{
    const int iX = int(pos().x());
    const int iSceneWidth = int(m_rectScene.width());
    if (pStart)
        *pStart = XToTime(iX, iSceneWidth);
    if (pStop)
        *pStop = XToTime(iX + m_iWidth, iSceneWidth);
}

Qt::CursorShape ScheduleTimeItem::CursorShapeAt(const QPointF& ptItem)
{
    if (!m_bEditable)
        return Qt::ArrowCursor;
    const QRectF rectBar = mapRectToScene(QRectF(0, 0, m_iWidth, m_rectScene.height()));
    // A one-pixel bar at a day edge can only grow away from that edge.
    qreal dLeftZone = 2;
    qreal dRightZone = 2;
    if (m_iWidth == 1) {
        const int iX = int(rectBar.left());
        dLeftZone = iX == 0 ? 0 : 1;
        dRightZone = iX == int(m_rectScene.right()) - 1 ? 0 : 1;
    }
    const QPointF ptScene = mapToScene(ptItem);
    const QRectF rectLeft(rectBar.left(), rectBar.top(), dLeftZone, rectBar.height());
    const QRectF rectRight(rectBar.right() - dRightZone, rectBar.top(), dRightZone, rectBar.height());
    const bool bLeft = rectLeft.contains(ptScene);
    const bool bRight = rectRight.contains(ptScene);
    if (!bLeft && !bRight)
        return Qt::OpenHandCursor;
    m_iResizeSide = bLeft && bRight ? 0 : (bLeft ? -1 : 1);
    return Qt::SizeHorCursor;
}

void ScheduleTimeItem::SetViewsCursor(const QCursor* pCursor)
{
    if (!scene())
        return;
    const auto views = scene()->views();
    for (QGraphicsView* pView : views) {
        if (!pView->underMouse())
            continue;
        if (pCursor)
            SetViewCursor(pView, *pCursor);
        else
            UnsetViewCursor(pView);
    }
}

void ScheduleTimeItem::hoverEnterEvent(QGraphicsSceneHoverEvent* pEvent)
{
    const QCursor cursor(CursorShapeAt(pEvent->pos()));
    SetViewsCursor(&cursor);
}

void ScheduleTimeItem::hoverMoveEvent(QGraphicsSceneHoverEvent* pEvent)
{
    const QCursor cursor(CursorShapeAt(pEvent->pos()));
    SetViewsCursor(&cursor);
}

void ScheduleTimeItem::hoverLeaveEvent(QGraphicsSceneHoverEvent*)
{
    SetViewsCursor(nullptr);
}

void ScheduleTimeItem::EmitTimeChange(const QPoint& ptScreen)
{
    GetTime(&m_timeStart, &m_timeStop);
    Q_EMIT SignalTimeItemChange(m_timeStart, m_timeStop, ptScreen);
}

void ScheduleTimeItem::mousePressEvent(QGraphicsSceneMouseEvent* pEvent)
{
    const Qt::CursorShape enumShape = CursorShapeAt(pEvent->pos());
    if (enumShape == Qt::OpenHandCursor) {
        m_enumDrag = DragState::Moving;
        const QCursor cursor(Qt::ClosedHandCursor);
        SetViewsCursor(&cursor);
    } else if (enumShape == Qt::SizeHorCursor) {
        m_enumDrag = DragState::Resizing;
    }
    m_ptPress = pEvent->scenePos();
    m_ptPosAtPress = pos();
    m_iWidthAtPress = m_iWidth;

    // A slot may delete the bar (and its scene) in answer to the signal.
    QPointer<ScheduleTimeItem> pGuard(this);
    EmitTimeChange(pEvent->screenPos());
    if (!pGuard)
        return;
    QGraphicsObject::mousePressEvent(pEvent);
}

int ScheduleTimeItem::SnapToStep(int iDelta, int iStep) const
{
    // A partial step counts as a whole step away from zero.
    int iSteps = iDelta / iStep;
    if (iDelta % iStep != 0)
        iSteps += iDelta > 0 ? 1 : -1;
    return iSteps * iStep;
}

qreal ScheduleTimeItem::ClampToNeighbours(qreal dDelta, bool bLeft, bool bRight) const
{
    const QList<ScheduleTimeItem*> lstItems = m_pScene ? m_pScene->GetItemsByX() : QList<ScheduleTimeItem*>();
    const int iIndex = lstItems.indexOf(const_cast<ScheduleTimeItem*>(this));
    const ScheduleTimeItem* pPrev = iIndex > 0 ? lstItems.at(iIndex - 1) : nullptr;
    const ScheduleTimeItem* pNext = iIndex >= 0 && iIndex + 1 < lstItems.size() ? lstItems.at(iIndex + 1) : nullptr;
    const qreal dX = m_ptPosAtPress.x();
    if (dDelta < 0 && bLeft && pPrev && dX + dDelta < pPrev->GetRight())
        dDelta = pPrev->GetRight() - dX;
    else if (dDelta > 0 && bRight && pNext && dX + m_iWidthAtPress + dDelta > pNext->pos().x())
        dDelta = pNext->pos().x() - (dX + m_iWidthAtPress);
    return dDelta;
}

qreal ScheduleTimeItem::ConstrainMove(qreal dDelta) const
{
    const qreal dX = m_ptPosAtPress.x();
    if (dX + dDelta < m_rectScene.left())
        dDelta = m_rectScene.left() - dX;
    if (dX + m_iWidthAtPress + dDelta > m_rectScene.right())
        dDelta = m_rectScene.right() - (dX + m_iWidthAtPress);
    return ClampToNeighbours(dDelta, true, true);
}

qreal ScheduleTimeItem::ConstrainResize(qreal dDelta)
{
    const qreal dX = m_ptPosAtPress.x();
    const int iWidth = m_iWidthAtPress;
    const int iMin = m_iResizeStep;
    if (m_iResizeSide == -1) {
        if (dX + dDelta < m_rectScene.left())
            dDelta = m_rectScene.left() - dX;
        if (iWidth - dDelta <= iMin)
            dDelta = iWidth - iMin;
    } else if (m_iResizeSide == 1) {
        if (dX + iWidth + dDelta > m_rectScene.right())
            dDelta = m_rectScene.right() - (dX + iWidth);
        if (iWidth + dDelta <= iMin)
            dDelta = iMin - iWidth;
    } else {
        // On a bar too narrow to tell its edges apart, the first drag
        // direction decides which edge moves.
        m_iResizeSide = dDelta < 0 ? -1 : 1;
    }
    return ClampToNeighbours(dDelta, m_iResizeSide == -1, m_iResizeSide == 1);
}

void ScheduleTimeItem::MoveBy(const QPointF& ptScene)
{
    const int iDelta = int(ConstrainMove(ptScene.x() - m_ptPress.x()));
    setPos(m_ptPosAtPress.x() + SnapToStep(iDelta, m_iMoveStep), pos().y());
}

void ScheduleTimeItem::ResizeBy(const QPointF& ptScene)
{
    prepareGeometryChange();
    const int iDelta = SnapToStep(int(ConstrainResize(ptScene.x() - m_ptPress.x())), m_iResizeStep);
    if (m_iResizeSide == -1) {
        setPos(m_ptPosAtPress.x() + iDelta, pos().y());
        m_iWidth = m_iWidthAtPress - iDelta;
    } else {
        m_iWidth = m_iWidthAtPress + iDelta;
        // A width change alone does not move the item; nudging it does, so
        // that views repaint the bar at once.
        moveBy(1, 0);
        moveBy(-1, 0);
    }
}

void ScheduleTimeItem::mouseMoveEvent(QGraphicsSceneMouseEvent* pEvent)
{
    if (!m_bEditable || m_enumDrag == DragState::None)
        return;
    const int iX0 = int(pos().x());
    const int iWidth0 = m_iWidth;
    if (m_enumDrag == DragState::Moving)
        MoveBy(pEvent->scenePos());
    else
        ResizeBy(pEvent->scenePos());
    if (int(pos().x()) == iX0 && m_iWidth == iWidth0)
        return;
    QPointer<ScheduleTimeItem> pGuard(this);
    EmitTimeChange(pEvent->screenPos());
    if (pGuard)
        Q_EMIT SignalTimeItemModify();
}

void ScheduleTimeItem::mouseReleaseEvent(QGraphicsSceneMouseEvent* pEvent)
{
    if (m_enumDrag == DragState::Moving) {
        const QCursor cursor(Qt::OpenHandCursor);
        SetViewsCursor(&cursor);
    }
    m_enumDrag = DragState::None;
    m_ptPress = QPointF();
    m_ptPosAtPress = QPointF();
    m_iWidthAtPress = 0;
    QGraphicsObject::mouseReleaseEvent(pEvent);
}

} // namespace OrvaGUIToolkit

#include "moc_ScheduleTimeItem.cpp"
