#ifndef ORVAGUITOOLKIT_CONTROLS_SCROLLBARPRIVATE_H
#define ORVAGUITOOLKIT_CONTROLS_SCROLLBARPRIVATE_H

#include <OrvaGUIToolkit/ScrollBar/ScrollBar.h>

#include <QtWidgets/QStyle>

QT_BEGIN_NAMESPACE
class QPainter;
QT_END_NAMESPACE

namespace OrvaGUIToolkit {

class CScrollBarPrivate
{
    Q_DECLARE_PUBLIC(CScrollBar)

public:
    // What the mouse does with the handle.
    enum class HandleState { Normal, Hovered, Dragged };

    virtual ~CScrollBarPrivate() = default;

    // The handle's rectangle in widget coordinates.
    QRect HandleRect() const;
    QRect SubControlRect(QStyle::SubControl enumControl) const;
    void PaintArrow(QPainter& painter, QStyle::SubControl enumControl) const;
    // Hovered when the point is over the handle, else normal; a drag keeps
    // its state until the handle is released.
    void TrackMouse(const QPoint& ptMouse);
    void SetHandleState(HandleState enumState);

    CScrollBar* q_ptr = nullptr;
    QColor m_colorGroove{0x1b, 0x1f, 0x24};
    QColor m_colorHandle{0x3a, 0x44, 0x52};
    QColor m_colorHandleHover{0x4f, 0x5d, 0x70};
    HandleState m_enumHandleState = HandleState::Normal;
};

} // namespace OrvaGUIToolkit

#endif
