#ifndef ORVAGUITOOLKIT_FOUNDATION_FULLSCREENWIDGET_H
#define ORVAGUITOOLKIT_FOUNDATION_FULLSCREENWIDGET_H

#include <OrvaGUIToolkit/Foundation/WidgetSizeFactory.h>

#include <QtWidgets/QWidget>

#include <memory>

namespace OrvaGUIToolkit {

class CFullScreenWidgetPrivate;

// A widget, typically a video pane, that can leave its place in the layout and
// cover its parent's screen. While it is full screen its parent's window is
// hidden; Escape, ExitFullScreen() or OnChangeScreen() bring both back.
class ORVAGUITOOLKIT_EXPORT CFullScreenWidget : public QWidget
{
    Q_OBJECT
    Q_DECLARE_PRIVATE(CFullScreenWidget)

public:
    explicit CFullScreenWidget(QWidget* pParent = nullptr);
    ~CFullScreenWidget() override;

    void SetFullScreen(bool bFullScreen);
    void EnterFullScreen();
    void ExitFullScreen();
    bool IsFullScreen() const;

public Q_SLOTS:
    void OnChangeScreen();

Q_SIGNALS:
    // Emitted after the widget has entered or left full screen.
    void SignalScreenChanged();

protected:
    CFullScreenWidget(CFullScreenWidgetPrivate& dd, QWidget* pParent);
    void keyPressEvent(QKeyEvent* pEvent) override;

    const std::unique_ptr<CFullScreenWidgetPrivate> d_ptr;
};

} // namespace OrvaGUIToolkit

#endif
