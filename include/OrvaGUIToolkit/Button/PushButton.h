#ifndef ORVAGUITOOLKIT_BUTTON_PUSHBUTTON_H
#define ORVAGUITOOLKIT_BUTTON_PUSHBUTTON_H

#include <OrvaGUIToolkit/OrvaGUIToolkitGlobal.h>

#include <QtWidgets/QPushButton>

#include <memory>

namespace OrvaGUIToolkit {

class CPushButtonPrivate;

// A push button that reports hover, shows ampersands literally instead of
// treating them as mnemonics, and drops its icon when it is too narrow to show
// both icon and text.
class ORVAGUITOOLKIT_EXPORT CPushButton : public QPushButton
{
    Q_OBJECT
    Q_DECLARE_PRIVATE(CPushButton)

public:
    explicit CPushButton(QWidget* pParent = nullptr);
    explicit CPushButton(const QString& strText, QWidget* pParent = nullptr);
    CPushButton(const QIcon& icon, const QString& strText, QWidget* pParent = nullptr);
    ~CPushButton() override;

    // Wide enough for the literal ampersands and for icon and text side by side.
    QSize sizeHint() const override;

Q_SIGNALS:
    void SignalMouseEnter();
    void SignalMouseLeave();

protected:
    // For buttons that extend the state: dd derives from the button's state
    // and is owned by the button from here on.
    CPushButton(CPushButtonPrivate& dd, QWidget* pParent);
    bool event(QEvent* pEvent) override;
    void paintEvent(QPaintEvent* pEvent) override;
    void enterEvent(EnterEvent* pEvent) override;
    void leaveEvent(QEvent* pEvent) override;

    const std::unique_ptr<CPushButtonPrivate> d_ptr;
};

} // namespace OrvaGUIToolkit

#endif
