#ifndef ORVAGUITOOLKIT_BUTTON_PUSHBUTTON_H
#define ORVAGUITOOLKIT_BUTTON_PUSHBUTTON_H

#include <OrvaGUIToolkit/OrvaGUIToolkitGlobal.h>

#include <QtWidgets/QPushButton>

namespace OrvaGUIToolkit {

// A push button that reports hover, shows ampersands literally instead of
// treating them as mnemonics, and drops its icon when it is too narrow to show
// both icon and text.
class ORVAGUITOOLKIT_EXPORT CPushButton : public QPushButton
{
    Q_OBJECT

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
    bool event(QEvent* pEvent) override;
    void paintEvent(QPaintEvent* pEvent) override;
    void enterEvent(EnterEvent* pEvent) override;
    void leaveEvent(QEvent* pEvent) override;
};

} // namespace OrvaGUIToolkit

#endif
