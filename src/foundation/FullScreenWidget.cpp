#include <OrvaGUIToolkit/Foundation/FullScreenWidget.h>

#include "foundation/FullScreenWidgetPrivate.h"

#include <OrvaGUIToolkit/Foundation/GuiFunctions.h>

#include <QtGui/QKeyEvent>

namespace OrvaGUIToolkit {

CFullScreenWidgetPrivate::CFullScreenWidgetPrivate() = default;

CFullScreenWidgetPrivate::~CFullScreenWidgetPrivate() = default;

void CFullScreenWidgetPrivate::Enter()
{
    Q_Q(CFullScreenWidget);
    QWidget* pParentWindow = GetIndependentWindow(q->parentWidget());
    m_enumEmbeddedFlags = q->windowFlags();
    m_rectEmbedded = q->geometry();
    q->setWindowFlags(m_enumEmbeddedFlags | Qt::Window | Qt::FramelessWindowHint);
    m_sizeFactory.ShowFullScreen(q, false);
    q->activateWindow();
    q->setFocus(Qt::OtherFocusReason);
    if (pParentWindow)
        pParentWindow->hide();
}

void CFullScreenWidgetPrivate::Leave()
{
    Q_Q(CFullScreenWidget);
    QWidget* pParentWindow = GetIndependentWindow(q->parentWidget());
    q->setWindowFlags(m_enumEmbeddedFlags);
    m_sizeFactory.ShowNormal(q, QSize(), false);
    q->setGeometry(m_rectEmbedded);
    q->show();
    q->updateGeometry();
    if (pParentWindow)
        pParentWindow->show();
}

CFullScreenWidget::CFullScreenWidget(QWidget* pParent)
    : CFullScreenWidget(*new CFullScreenWidgetPrivate, pParent)
{
}

CFullScreenWidget::CFullScreenWidget(CFullScreenWidgetPrivate& dd, QWidget* pParent)
    : QWidget(pParent)
    , d_ptr(&dd)
{
    Q_D(CFullScreenWidget);
    d->q_ptr = this;
    d->m_enumEmbeddedFlags = windowFlags();
}

CFullScreenWidget::~CFullScreenWidget() = default;

void CFullScreenWidget::SetFullScreen(bool bFullScreen)
{
    Q_D(CFullScreenWidget);
    if (bFullScreen == IsFullScreen())
        return;
    if (bFullScreen)
        d->Enter();
    else
        d->Leave();
    // Last: a slot may delete the widget.
    Q_EMIT SignalScreenChanged();
}

void CFullScreenWidget::EnterFullScreen()
{
    SetFullScreen(true);
}

void CFullScreenWidget::ExitFullScreen()
{
    SetFullScreen(false);
}

bool CFullScreenWidget::IsFullScreen() const
{
    Q_D(const CFullScreenWidget);
    return d->m_sizeFactory.IsFullScreen(this);
}

void CFullScreenWidget::OnChangeScreen()
{
    SetFullScreen(!IsFullScreen());
}

void CFullScreenWidget::keyPressEvent(QKeyEvent* pEvent)
{
    if (pEvent->key() == Qt::Key_Escape) {
        // Accepted first: leaving full screen may delete this widget.
        pEvent->accept();
        ExitFullScreen();
        return;
    }
    QWidget::keyPressEvent(pEvent);
}

} // namespace OrvaGUIToolkit

#include "OrvaGUIToolkit/Foundation/moc_FullScreenWidget.cpp"
