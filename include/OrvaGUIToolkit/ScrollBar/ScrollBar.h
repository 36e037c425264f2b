#ifndef ORVAGUITOOLKIT_SCROLLBAR_SCROLLBAR_H
#define ORVAGUITOOLKIT_SCROLLBAR_SCROLLBAR_H

#include <OrvaGUIToolkit/OrvaGUIToolkitGlobal.h>

#include <QtGui/QColor>
#include <QtWidgets/QScrollBar>
#include <QtWidgets/QStyle>

QT_BEGIN_NAMESPACE
class QPainter;
QT_END_NAMESPACE

namespace OrvaGUIToolkit {

// A slim flat scroll bar: a plain groove, a rounded handle and, where the
// style has arrow buttons, small arrows, in colours that style sheets set
// through its properties.
class ORVAGUITOOLKIT_EXPORT CScrollBar : public QScrollBar
{
    Q_OBJECT
    Q_PROPERTY(QColor m_colorGroove READ GetGrooveColor WRITE SetGrooveColor)
    Q_PROPERTY(QColor m_colorHandle READ GetHandleColor WRITE SetHandleColor)
    Q_PROPERTY(QColor m_colorHandleHover READ GetHandleHoverColor WRITE SetHandleHoverColor)

public:
    explicit CScrollBar(QWidget* pParent = nullptr);
    explicit CScrollBar(Qt::Orientation enumOrientation, QWidget* pParent = nullptr);
    ~CScrollBar() override;

    QColor GetGrooveColor() const;
    void SetGrooveColor(const QColor& color);
    QColor GetHandleColor() const;
    void SetHandleColor(const QColor& color);
    QColor GetHandleHoverColor() const;
    void SetHandleHoverColor(const QColor& color);

    QSize sizeHint() const override;
    // The handle's rectangle in widget coordinates.
    QRect HandleRect() const;
    bool IsHandleHovered() const;

protected:
    void paintEvent(QPaintEvent* pEvent) override;
    void mouseMoveEvent(QMouseEvent* pEvent) override;
    void leaveEvent(QEvent* pEvent) override;

private:
    void SetHandleHovered(bool bHovered);
    QRect SubControlRect(QStyle::SubControl enumControl) const;
    void PaintArrow(QPainter& painter, QStyle::SubControl enumControl) const;

    QColor m_colorGroove;
    QColor m_colorHandle;
    QColor m_colorHandleHover;
    bool m_bHandleHovered = false;
};

} // namespace OrvaGUIToolkit

#endif
