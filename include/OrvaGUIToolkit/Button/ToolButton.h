#ifndef ORVAGUITOOLKIT_BUTTON_TOOLBUTTON_H
#define ORVAGUITOOLKIT_BUTTON_TOOLBUTTON_H

#include <OrvaGUIToolkit/OrvaGUIToolkitGlobal.h>

#include <QtWidgets/QToolButton>

namespace OrvaGUIToolkit {

// A flat, icon-only tool button for tool strips and the timelines' zoom
// buttons. It raises itself under the mouse, shows the pointing-hand cursor and
// reports hover. Style sheets give it its pictures (qproperty-icon or image)
// and address it by object name.
class ORVAGUITOOLKIT_EXPORT CToolButton : public QToolButton
{
    Q_OBJECT

public:
    explicit CToolButton(QWidget* pParent = nullptr);
    CToolButton(const QIcon& icon, const QString& strToolTip, QWidget* pParent = nullptr);
    ~CToolButton() override;

Q_SIGNALS:
    void SignalMouseEnter();
    void SignalMouseLeave();

protected:
    void enterEvent(EnterEvent* pEvent) override;
    void leaveEvent(QEvent* pEvent) override;

private:
    void Init();
};

} // namespace OrvaGUIToolkit

#endif
