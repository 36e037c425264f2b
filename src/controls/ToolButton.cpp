#include <OrvaGUIToolkit/Button/ToolButton.h>

namespace OrvaGUIToolkit {

CToolButton::CToolButton(QWidget* pParent)
    : QToolButton(pParent)
{
    Init();
}

CToolButton::CToolButton(const QIcon& icon, const QString& strToolTip, QWidget* pParent)
    : QToolButton(pParent)
{
    Init();
    setIcon(icon);
    setToolTip(strToolTip);
}

CToolButton::~CToolButton() = default;

void CToolButton::Init()
{
    setAutoRaise(true);
    setToolButtonStyle(Qt::ToolButtonIconOnly);
    setCursor(Qt::PointingHandCursor);
    // Tool strips are driven by the mouse; a focus frame would only add noise.
    setFocusPolicy(Qt::NoFocus);
}

void CToolButton::enterEvent(EnterEvent* pEvent)
{
    Q_EMIT SignalMouseEnter();
    QToolButton::enterEvent(pEvent);
}

void CToolButton::leaveEvent(QEvent* pEvent)
{
    Q_EMIT SignalMouseLeave();
    QToolButton::leaveEvent(pEvent);
}

} // namespace OrvaGUIToolkit
