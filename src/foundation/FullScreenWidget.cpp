#include <OrvaGUIToolkit/Foundation/FullScreenWidget.h>

#include <OrvaGUIToolkit/Foundation/GuiFunctions.h>

#include <QtGui/QKeyEvent>

namespace OrvaGUIToolkit {

CFullScreenWidget::CFullScreenWidget(QWidget* pParent)
    : QWidget(pParent)
    , m_enumEmbeddedFlags(windowFlags())
{
}

CFullScreenWidget::~CFullScreenWidget() = default;

void CFullScreenWidget::SetFullScreen(bool bFullScreen)
{
    // Without a parent there is no place to come back to and no screen to cover.
    if (bFullScreen == IsFullScreen() || (bFullScreen && !parentWidget()))
        return;
    QWidget* pParentWindow = GetIndependentWindow(parentWidget());
    if (bFullScreen) {
        m_enumEmbeddedFlags = windowFlags();
        m_rectEmbedded = geometry();
        setWindowFlags(m_enumEmbeddedFlags | Qt::Window | Qt::FramelessWindowHint);
        m_sizeFactory.ShowFullScreen(this, false);
        activateWindow();
        setFocus(Qt::OtherFocusReason);
        if (pParentWindow)
            pParentWindow->hide();
    } else {
        setWindowFlags(m_enumEmbeddedFlags);
        m_sizeFactory.ShowNormal(this, QSize(), false);
        setGeometry(m_rectEmbedded);
        show();
        updateGeometry();
        if (pParentWindow)
            pParentWindow->show();
    }
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
    return m_sizeFactory.IsFullScreen(this);
}

void CFullScreenWidget::OnChangeScreen()
{
    SetFullScreen(!IsFullScreen());
}

void CFullScreenWidget::keyPressEvent(QKeyEvent* pEvent)
{
    if (pEvent->key() == Qt::Key_Escape) {
        ExitFullScreen();
        pEvent->accept();
        return;
    }
    QWidget::keyPressEvent(pEvent);
}

} // namespace OrvaGUIToolkit
