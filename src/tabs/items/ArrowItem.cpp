#include "ArrowItem.h"

#include <QtGui/QPainter>
#include <QtGui/QPolygonF>
#include <QtWidgets/QGraphicsSceneMouseEvent>

namespace OrvaGUIToolkit {

namespace {

constexpr int s_iShortSide = 17;
constexpr int s_iLongSide = 41;

} // namespace

CArrowItem::CArrowItem(QGraphicsItem* pParent)
    : QGraphicsObject(pParent)
{
    setAcceptHoverEvents(true);
    setAcceptedMouseButtons(Qt::LeftButton);
}

QRectF CArrowItem::boundingRect() const
{
    return m_bVertical ? QRectF(0, 0, s_iLongSide, s_iShortSide) : QRectF(0, 0, s_iShortSide, s_iLongSide);
}

void CArrowItem::SetVertical(bool bVertical)
{
    if (m_bVertical == bVertical)
        return;
    prepareGeometryChange();
    m_bVertical = bVertical;
}

void CArrowItem::SetPixmaps(const QPixmap& pmArrow, const QPixmap& pmSel, const QPixmap& pmHover, const QPixmap& pmUnSel)
{
    m_pmArrow = pmArrow;
    m_pmSel = pmSel;
    m_pmHover = pmHover;
    m_pmUnSel = pmUnSel;
    update();
}

void CArrowItem::paint(QPainter* pPainter, const QStyleOptionGraphicsItem*, QWidget*)
{
    const QRectF rect = boundingRect();
    const QPixmap& pmBackground = m_bPressed ? m_pmSel : (m_bHover ? m_pmHover : m_pmUnSel);
    if (!pmBackground.isNull())
        pPainter->drawPixmap(rect.toRect(), pmBackground);
    if (!m_pmArrow.isNull()) {
        const QPointF ptArrow = rect.center() - QPointF(m_pmArrow.width() / 2.0, m_pmArrow.height() / 2.0);
        pPainter->drawPixmap(ptArrow, m_pmArrow);
    } else {
        PaintChevron(pPainter);
    }
}

void CArrowItem::PaintChevron(QPainter* pPainter) const
{
    // Without artwork the arrow still reads as "more": a small triangle
    // pointing along the strip.
    const QPointF ptCenter = boundingRect().center();
    QPolygonF polygon;
    if (m_bVertical)
        polygon << ptCenter + QPointF(-4, -2) << ptCenter + QPointF(4, -2) << ptCenter + QPointF(0, 3);
    else
        polygon << ptCenter + QPointF(-2, -4) << ptCenter + QPointF(-2, 4) << ptCenter + QPointF(3, 0);
    pPainter->save();
    pPainter->setRenderHint(QPainter::Antialiasing);
    pPainter->setPen(Qt::NoPen);
    pPainter->setBrush(m_bHover || m_bPressed ? QColor(0xff, 0xff, 0xff) : QColor(0x99, 0x99, 0x99));
    pPainter->drawPolygon(polygon);
    pPainter->restore();
}

void CArrowItem::OnMenuHide()
{
    m_bPressed = false;
    update();
}

void CArrowItem::mousePressEvent(QGraphicsSceneMouseEvent* pEvent)
{
    pEvent->accept();
    m_bPressed = true;
    update();
    Q_EMIT SignalArrowClicked();
}

void CArrowItem::hoverEnterEvent(QGraphicsSceneHoverEvent*)
{
    m_bHover = true;
    update();
}

void CArrowItem::hoverLeaveEvent(QGraphicsSceneHoverEvent*)
{
    m_bHover = false;
    update();
}

} // namespace OrvaGUIToolkit

#include "moc_ArrowItem.cpp"
