#ifndef ORVAGUITOOLKIT_TOOLTIP_TOOLTIP_H
#define ORVAGUITOOLKIT_TOOLTIP_TOOLTIP_H

#include <OrvaGUIToolkit/OrvaGUIToolkitGlobal.h>

#include <QtWidgets/QFrame>

#include <memory>

namespace OrvaGUIToolkit {

class CToolTipPrivate;

// The toolkit's tool tip: one frameless tool-tip window with a label, shared by
// every control. Style sheets address the window as "CToolTip" and its label as
// "m_pTextLabel". It hides itself after a while (longer for longer texts), when
// it is given an empty text, on any key or mouse press, and when the widget it
// was shown for is hidden or destroyed.
class ORVAGUITOOLKIT_EXPORT CToolTip : public QFrame
{
    Q_OBJECT
    Q_DECLARE_PRIVATE(CToolTip)

public:
    // Shows strText just below and right of ptGlobal (global coordinates), kept
    // on the available area of the screen there. pWidget is the widget the tip
    // is about; it may be null.
    static void ShowText(const QString& strText, const QPoint& ptGlobal, QWidget* pWidget = nullptr);
    static void HideText();

    static bool IsVisible();
    // The text shown, empty while hidden.
    static QString GetText();
    // The widget the visible tip was shown for (null while hidden).
    static QWidget* GetWidget();

    ~CToolTip() override;

protected:
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;

private:
    // The one tip window is made by ShowText() alone.
    CToolTip();

    const std::unique_ptr<CToolTipPrivate> d_ptr;
};

} // namespace OrvaGUIToolkit

#endif
