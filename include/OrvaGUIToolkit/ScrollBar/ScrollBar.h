#ifndef ORVAGUITOOLKIT_SCROLLBAR_SCROLLBAR_H
#define ORVAGUITOOLKIT_SCROLLBAR_SCROLLBAR_H

#include <OrvaGUIToolkit/OrvaGUIToolkitGlobal.h>

#include <QtGui/QColor>
#include <QtWidgets/QScrollBar>

#include <memory>

namespace OrvaGUIToolkit {

class CScrollBarPrivate;

// A slim flat scroll bar: a plain groove, a rounded handle and, where the
// style has arrow buttons, small arrows, in colours that style sheets set
// through its properties. The handle takes the hover colour under the mouse
// and while it is dragged.
class ORVAGUITOOLKIT_EXPORT CScrollBar : public QScrollBar
{
    Q_OBJECT
    Q_DECLARE_PRIVATE(CScrollBar)
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

protected:
    // For scroll bars that extend the state: dd derives from the scroll bar's
    // state and is owned by the scroll bar from here on.
    CScrollBar(CScrollBarPrivate& dd, Qt::Orientation enumOrientation, QWidget* pParent);
    void paintEvent(QPaintEvent* pEvent) override;
    void mouseMoveEvent(QMouseEvent* pEvent) override;
    void leaveEvent(QEvent* pEvent) override;

    const std::unique_ptr<CScrollBarPrivate> d_ptr;
};

} // namespace OrvaGUIToolkit

#endif
