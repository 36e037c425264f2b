#include <OrvaGUIToolkit/ScrollBar/ScrollBar.h>

#include <QtGui/QMouseEvent>
#include <QtGui/QPainter>
#include <QtWidgets/QStyleOptionSlider>

namespace OrvaGUIToolkit {

namespace {

const int s_iThickness = 10;

} // namespace

CScrollBar::CScrollBar(QWidget* pParent)
    : CScrollBar(Qt::Vertical, pParent)
{
}

CScrollBar::CScrollBar(Qt::Orientation enumOrientation, QWidget* pParent)
    : QScrollBar(enumOrientation, pParent)
    , m_colorGroove(0x1b, 0x1f, 0x24)
    , m_colorHandle(0x3a, 0x44, 0x52)
    , m_colorHandleHover(0x4f, 0x5d, 0x70)
{
    setMouseTracking(true);
}

CScrollBar::~CScrollBar() = default;

QColor CScrollBar::GetGrooveColor() const
{
    return m_colorGroove;
}

void CScrollBar::SetGrooveColor(const QColor& color)
{
    m_colorGroove = color;
    update();
}

QColor CScrollBar::GetHandleColor() const
{
    return m_colorHandle;
}

void CScrollBar::SetHandleColor(const QColor& color)
{
    m_colorHandle = color;
    update();
}

QColor CScrollBar::GetHandleHoverColor() const
{
    return m_colorHandleHover;
}

void CScrollBar::SetHandleHoverColor(const QColor& color)
{
    m_colorHandleHover = color;
    update();
}

QSize CScrollBar::sizeHint() const
{
    const QSize base = QScrollBar::sizeHint();
    return orientation() == Qt::Vertical ? QSize(s_iThickness, base.height()) : QSize(base.width(), s_iThickness);
}

QRect CScrollBar::HandleRect() const
{
    return SubControlRect(QStyle::SC_ScrollBarSlider);
}

QRect CScrollBar::SubControlRect(QStyle::SubControl enumControl) const
{
    QStyleOptionSlider option;
    initStyleOption(&option);
    return style()->subControlRect(QStyle::CC_ScrollBar, &option, enumControl, this);
}

void CScrollBar::PaintArrow(QPainter& painter, QStyle::SubControl enumControl) const
{
    // Styles (or style sheets) decide whether there are arrow buttons at all.
    const QRect area = SubControlRect(enumControl);
    if (area.width() < 4 || area.height() < 4)
        return;
    const bool bForward = enumControl == QStyle::SC_ScrollBarAddLine;
    const QPointF center = QRectF(area).center();
    const qreal d = qMin(area.width(), area.height()) / 4.0;
    QPolygonF arrow;
    if (orientation() == Qt::Vertical) {
        const qreal dir = bForward ? 1 : -1;
        arrow << center + QPointF(-d, -dir * d / 2) << center + QPointF(d, -dir * d / 2) << center + QPointF(0, dir * d / 2);
    } else {
        const qreal dir = bForward ? 1 : -1;
        arrow << center + QPointF(-dir * d / 2, -d) << center + QPointF(-dir * d / 2, d) << center + QPointF(dir * d / 2, 0);
    }
    painter.setBrush(m_colorHandle);
    painter.drawPolygon(arrow);
}

bool CScrollBar::IsHandleHovered() const
{
    return m_bHandleHovered;
}

void CScrollBar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_colorGroove);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    PaintArrow(painter, QStyle::SC_ScrollBarSubLine);
    PaintArrow(painter, QStyle::SC_ScrollBarAddLine);
    if (maximum() <= minimum())
        return;
    const QRect handle = HandleRect().adjusted(1, 1, -1, -1);
    const qreal dRadius = qMin(handle.width(), handle.height()) / 2.0;
    painter.setBrush(m_bHandleHovered || isSliderDown() ? m_colorHandleHover : m_colorHandle);
    painter.drawRoundedRect(handle, dRadius, dRadius);
}

void CScrollBar::mouseMoveEvent(QMouseEvent* pEvent)
{
    SetHandleHovered(HandleRect().contains(pEvent->pos()));
    QScrollBar::mouseMoveEvent(pEvent);
}

void CScrollBar::leaveEvent(QEvent* pEvent)
{
    SetHandleHovered(false);
    QScrollBar::leaveEvent(pEvent);
}

void CScrollBar::SetHandleHovered(bool bHovered)
{
    if (m_bHandleHovered == bHovered)
        return;
    m_bHandleHovered = bHovered;
    update();
}

} // namespace OrvaGUIToolkit
