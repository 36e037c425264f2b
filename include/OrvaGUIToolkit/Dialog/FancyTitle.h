#ifndef ORVAGUITOOLKIT_DIALOG_FANCYTITLE_H
#define ORVAGUITOOLKIT_DIALOG_FANCYTITLE_H

#include <OrvaGUIToolkit/Foundation/WidgetSizeFactory.h>

#include <QtWidgets/QFrame>

#include <memory>

namespace OrvaGUIToolkit {

class CFancyTitlePrivate;

// The title strip of a frameless window. Dragging it with the left button
// moves the window (never off the available screen area, never while full
// screen); a left double click maximises or restores the window once enabled.
class ORVAGUITOOLKIT_EXPORT CFancyTitle : public QFrame, public CWidgetSizeFactory
{
    Q_OBJECT
    Q_DECLARE_PRIVATE(CFancyTitle)

public:
    explicit CFancyTitle(QWidget* pParent = nullptr);
    ~CFancyTitle() override;

    void SetOpenWidgetMoveEnable(bool bEnable);
    void SetOpenDoubleClickEnable(bool bEnable);

public Q_SLOTS:
    // Maximises (or goes full screen, by the process-wide maximise mode) or
    // restores the title's window, as a double click on the title does.
    void OnImitateDoubleClick();

Q_SIGNALS:
    // The window may have changed between normal, maximised and full screen.
    void SignalWndSizeStatusChanged();

protected:
    // For title bars that extend the state: dd derives from the base's state
    // and is owned by the title from here on.
    CFancyTitle(CFancyTitlePrivate& dd, QWidget* pParent);
    void mousePressEvent(QMouseEvent* pEvent) override;
    void mouseMoveEvent(QMouseEvent* pEvent) override;
    void mouseReleaseEvent(QMouseEvent* pEvent) override;
    void mouseDoubleClickEvent(QMouseEvent* pEvent) override;
    void resizeEvent(QResizeEvent* pEvent) override;

    const std::unique_ptr<CFancyTitlePrivate> d_ptr;
};

} // namespace OrvaGUIToolkit

#endif
