#ifndef ORVAGUITOOLKIT_BUTTON_TOOLBUTTON_H
#define ORVAGUITOOLKIT_BUTTON_TOOLBUTTON_H

#include <OrvaGUIToolkit/OrvaGUIToolkitGlobal.h>

#include <QtWidgets/QToolButton>

#include <memory>

namespace OrvaGUIToolkit {

class CToolButtonPrivate;

// A flat, icon-only tool button for tool strips and the timelines' zoom
// buttons. It raises itself under the mouse, shows the pointing-hand cursor and
// reports hover. Style sheets give it its pictures (qproperty-icon or image)
// and address it by object name.
class ORVAGUITOOLKIT_EXPORT CToolButton : public QToolButton
{
    Q_OBJECT
    Q_DECLARE_PRIVATE(CToolButton)

public:
    explicit CToolButton(QWidget* pParent = nullptr);
    CToolButton(const QIcon& icon, const QString& strToolTip, QWidget* pParent = nullptr);
    ~CToolButton() override;

Q_SIGNALS:
    void SignalMouseEnter();
    void SignalMouseLeave();

protected:
    // For buttons that extend the state: dd derives from the button's state
    // and is owned by the button from here on.
    CToolButton(CToolButtonPrivate& dd, QWidget* pParent);
    void enterEvent(EnterEvent* pEvent) override;
    void leaveEvent(QEvent* pEvent) override;

    const std::unique_ptr<CToolButtonPrivate> d_ptr;
};

} // namespace OrvaGUIToolkit

#endif
