#include "controls/ToolButtonPrivate.h"

#include <QtCore/QPointer>

namespace OrvaGUIToolkit {

CToolButton::CToolButton(QWidget* pParent)
    : CToolButton(*new CToolButtonPrivate, pParent)
{
}

CToolButton::CToolButton(const QIcon& icon, const QString& strToolTip, QWidget* pParent)
    : CToolButton(*new CToolButtonPrivate, pParent)
{
    setIcon(icon);
    setToolTip(strToolTip);
}

CToolButton::CToolButton(CToolButtonPrivate& dd, QWidget* pParent)
    : QToolButton(pParent)
    , d_ptr(&dd)
{
    Q_D(CToolButton);
    d->q_ptr = this;
    setAutoRaise(true);
    setToolButtonStyle(Qt::ToolButtonIconOnly);
    setCursor(Qt::PointingHandCursor);
    // Tool strips are driven by the mouse; a focus frame would only add noise.
    setFocusPolicy(Qt::NoFocus);
}

CToolButton::~CToolButton() = default;

// The hover signals go out before the base handling; a slot may delete the
// button, and then there is nothing left to handle.
void CToolButton::enterEvent(EnterEvent* pEvent)
{
    const QPointer<CToolButton> pThis(this);
    Q_EMIT SignalMouseEnter();
    if (pThis)
        QToolButton::enterEvent(pEvent);
}

void CToolButton::leaveEvent(QEvent* pEvent)
{
    const QPointer<CToolButton> pThis(this);
    Q_EMIT SignalMouseLeave();
    if (pThis)
        QToolButton::leaveEvent(pEvent);
}

} // namespace OrvaGUIToolkit

#include "OrvaGUIToolkit/Button/moc_ToolButton.cpp"
