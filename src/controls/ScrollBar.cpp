#include "controls/ScrollBarPrivate.h"

#include <QtGui/QCursor>
#include <QtGui/QMouseEvent>
#include <QtGui/QPainter>
#include <QtWidgets/QStyleOptionSlider>

namespace OrvaGUIToolkit {

namespace {

const int s_iThickness = 10;

} // namespace

QRect CScrollBarPrivate::HandleRect() const
{
    return SubControlRect(QStyle::SC_ScrollBarSlider);
}

QRect CScrollBarPrivate::SubControlRect(QStyle::SubControl enumControl) const
{
    Q_Q(const CScrollBar);
    QStyleOptionSlider option;
    q->initStyleOption(&option);
    return q->style()->subControlRect(QStyle::CC_ScrollBar, &option, enumControl, q);
}

void CScrollBarPrivate::PaintArrow(QPainter& painter, QStyle::SubControl enumControl) const
{
    Q_Q(const CScrollBar);
    // Styles (or style sheets) decide whether there are arrow buttons at all.
    const QRect area = SubControlRect(enumControl);
    if (area.width() < 4 || area.height() < 4)
        return;
    const qreal dDirection = enumControl == QStyle::SC_ScrollBarAddLine ? 1 : -1;
    const QPointF center = QRectF(area).center();
    const qreal dHalf = qMin(area.width(), area.height()) / 4.0;
    QPolygonF arrow;
    if (q->orientation() == Qt::Vertical) {
        arrow << center + QPointF(-dHalf, -dDirection * dHalf / 2) << center + QPointF(dHalf, -dDirection * dHalf / 2)
              << center + QPointF(0, dDirection * dHalf / 2);
    } else {
        arrow << center + QPointF(-dDirection * dHalf / 2, -dHalf) << center + QPointF(-dDirection * dHalf / 2, dHalf)
              << center + QPointF(dDirection * dHalf / 2, 0);
    }
    painter.setBrush(m_colorHandle);
    painter.drawPolygon(arrow);
}

void CScrollBarPrivate::TrackMouse(const QPoint& ptMouse)
{
    if (m_enumHandleState == HandleState::Dragged)
        return;
    SetHandleState(HandleRect().contains(ptMouse) ? HandleState::Hovered : HandleState::Normal);
}

void CScrollBarPrivate::SetHandleState(HandleState enumState)
{
    Q_Q(CScrollBar);
    if (m_enumHandleState == enumState)
        return;
    m_enumHandleState = enumState;
    q->update();
}

CScrollBar::CScrollBar(QWidget* pParent)
    : CScrollBar(Qt::Vertical, pParent)
{
}

CScrollBar::CScrollBar(Qt::Orientation enumOrientation, QWidget* pParent)
    : CScrollBar(*new CScrollBarPrivate, enumOrientation, pParent)
{
}

CScrollBar::CScrollBar(CScrollBarPrivate& dd, Qt::Orientation enumOrientation, QWidget* pParent)
    : QScrollBar(enumOrientation, pParent)
    , d_ptr(&dd)
{
    Q_D(CScrollBar);
    d->q_ptr = this;
    setMouseTracking(true);
    connect(this, &QAbstractSlider::sliderPressed, this,
            [d] { d->SetHandleState(CScrollBarPrivate::HandleState::Dragged); });
    connect(this, &QAbstractSlider::sliderReleased, this, [this, d] {
        d->SetHandleState(CScrollBarPrivate::HandleState::Normal);
        d->TrackMouse(mapFromGlobal(QCursor::pos()));
    });
}

CScrollBar::~CScrollBar() = default;

QColor CScrollBar::GetGrooveColor() const
{
    Q_D(const CScrollBar);
    return d->m_colorGroove;
}

void CScrollBar::SetGrooveColor(const QColor& color)
{
    Q_D(CScrollBar);
    d->m_colorGroove = color;
    update();
}

QColor CScrollBar::GetHandleColor() const
{
    Q_D(const CScrollBar);
    return d->m_colorHandle;
}

void CScrollBar::SetHandleColor(const QColor& color)
{
    Q_D(CScrollBar);
    d->m_colorHandle = color;
    update();
}

QColor CScrollBar::GetHandleHoverColor() const
{
    Q_D(const CScrollBar);
    return d->m_colorHandleHover;
}

void CScrollBar::SetHandleHoverColor(const QColor& color)
{
    Q_D(CScrollBar);
    d->m_colorHandleHover = color;
    update();
}

QSize CScrollBar::sizeHint() const
{
    const QSize base = QScrollBar::sizeHint();
    return orientation() == Qt::Vertical ? QSize(s_iThickness, base.height()) : QSize(base.width(), s_iThickness);
}

void CScrollBar::paintEvent(QPaintEvent*)
{
    Q_D(CScrollBar);
    QPainter painter(this);
    painter.fillRect(rect(), d->m_colorGroove);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    d->PaintArrow(painter, QStyle::SC_ScrollBarSubLine);
    d->PaintArrow(painter, QStyle::SC_ScrollBarAddLine);
    if (maximum() <= minimum())
        return;
    const QRect handle = d->HandleRect().adjusted(1, 1, -1, -1);
    const qreal dRadius = qMin(handle.width(), handle.height()) / 2.0;
    const bool bHighlighted = d->m_enumHandleState != CScrollBarPrivate::HandleState::Normal;
    painter.setBrush(bHighlighted ? d->m_colorHandleHover : d->m_colorHandle);
    painter.drawRoundedRect(handle, dRadius, dRadius);
}

void CScrollBar::mouseMoveEvent(QMouseEvent* pEvent)
{
    Q_D(CScrollBar);
    d->TrackMouse(pEvent->pos());
    QScrollBar::mouseMoveEvent(pEvent);
}

void CScrollBar::leaveEvent(QEvent* pEvent)
{
    Q_D(CScrollBar);
    if (d->m_enumHandleState == CScrollBarPrivate::HandleState::Hovered)
        d->SetHandleState(CScrollBarPrivate::HandleState::Normal);
    QScrollBar::leaveEvent(pEvent);
}

} // namespace OrvaGUIToolkit

#include "OrvaGUIToolkit/ScrollBar/moc_ScrollBar.cpp"
