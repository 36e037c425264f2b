#include <OrvaGUIToolkit/ToolTip/ToolTip.h>

#include <QtCore/QCoreApplication>
#include <QtGui/QGuiApplication>
#include <QtGui/QScreen>
#include <QtWidgets/QApplication>
#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QLabel>
#include <QtWidgets/QToolTip>

namespace OrvaGUIToolkit {

namespace {

// Where a tip goes relative to the point it is shown at: the usual tool-tip
// offset, so that a pointer at that point does not cover the text.
const QPoint s_ptOffset(2, 16);

// A tip stays long enough to be read: a base time plus a little per character.
int DisplayTime(const QString& strText)
{
    return 4000 + 40 * strText.size();
}

QPointer<CToolTip>& InstancePointer()
{
    static QPointer<CToolTip> s_pInstance;
    return s_pInstance;
}

} // namespace

CToolTip::CToolTip()
    : QFrame(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::BypassGraphicsProxyWidget)
{
    setObjectName(QStringLiteral("CToolTip"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    // Defaults for a client without a style sheet: the platform's tool-tip look.
    setPalette(QToolTip::palette());
    setFont(QToolTip::font());
    setBackgroundRole(QPalette::ToolTipBase);
    setForegroundRole(QPalette::ToolTipText);
    setAutoFillBackground(true);
    setFrameStyle(QFrame::Box | QFrame::Plain);

    m_pTextLabel = new QLabel(this);
    m_pTextLabel->setObjectName(QStringLiteral("m_pTextLabel"));
    m_pTextLabel->setForegroundRole(QPalette::ToolTipText);
    m_pTextLabel->setTextInteractionFlags(Qt::NoTextInteraction);
    auto* pLayout = new QHBoxLayout(this);
    pLayout->setContentsMargins(4, 2, 4, 2);
    pLayout->addWidget(m_pTextLabel);

    m_timerHide.setSingleShot(true);
    connect(&m_timerHide, &QTimer::timeout, this, &CToolTip::HideTip);
}

CToolTip::~CToolTip() = default;

void CToolTip::ShowText(const QString& strText, const QPoint& ptGlobal, QWidget* pWidget)
{
    if (strText.isEmpty()) {
        HideText();
        return;
    }
    Instance()->ShowFor(strText, ptGlobal, pWidget);
}

void CToolTip::HideText()
{
    if (CToolTip* pTip = InstancePointer())
        pTip->HideTip();
}

bool CToolTip::IsVisible()
{
    const CToolTip* pTip = InstancePointer();
    return pTip && pTip->isVisible();
}

QString CToolTip::GetText()
{
    return IsVisible() ? InstancePointer()->m_pTextLabel->text() : QString();
}

QWidget* CToolTip::GetWidget()
{
    return IsVisible() ? InstancePointer()->m_pWidget.data() : nullptr;
}

CToolTip* CToolTip::GetInstance()
{
    return InstancePointer();
}

// The tip is one parentless window for the whole process; it is deleted with
// the application object, before Qt tears down its windowing system.
CToolTip* CToolTip::Instance()
{
    QPointer<CToolTip>& pInstance = InstancePointer();
    if (!pInstance) {
        pInstance = new CToolTip;
        qAddPostRoutine(&CToolTip::DestroyInstance);
    }
    return pInstance;
}

void CToolTip::DestroyInstance()
{
    delete InstancePointer().data();
}

void CToolTip::ShowFor(const QString& strText, const QPoint& ptGlobal, QWidget* pWidget)
{
    WatchWidget(pWidget);
    m_pTextLabel->setText(strText);
    ensurePolished();
    adjustSize();
    Place(ptGlobal, pWidget);
    if (!isVisible()) {
        qApp->installEventFilter(this);
        show();
    }
    m_timerHide.start(DisplayTime(strText));
}

void CToolTip::HideTip()
{
    m_timerHide.stop();
    qApp->removeEventFilter(this);
    WatchWidget(nullptr);
    hide();
}

void CToolTip::Place(const QPoint& ptGlobal, const QWidget* pWidget)
{
    QScreen* pScreen = QGuiApplication::screenAt(ptGlobal);
    if (!pScreen && pWidget)
        pScreen = pWidget->screen();
    if (!pScreen)
        pScreen = QGuiApplication::primaryScreen();
    QPoint ptTopLeft = ptGlobal + s_ptOffset;
    if (pScreen) {
        const QRect rectAvailable = pScreen->availableGeometry();
        // No room below the point: show the tip above it instead.
        if (ptTopLeft.y() + height() > rectAvailable.bottom() + 1)
            ptTopLeft.setY(ptGlobal.y() - height() - 4);
        // Whatever the point, the whole tip stays on the screen.
        ptTopLeft.setX(qBound(rectAvailable.left(), ptTopLeft.x(), qMax(rectAvailable.left(), rectAvailable.right() + 1 - width())));
        ptTopLeft.setY(qBound(rectAvailable.top(), ptTopLeft.y(), qMax(rectAvailable.top(), rectAvailable.bottom() + 1 - height())));
    }
    move(ptTopLeft);
}

void CToolTip::WatchWidget(QWidget* pWidget)
{
    if (m_pWidget == pWidget)
        return;
    if (m_pWidget) {
        m_pWidget->removeEventFilter(this);
        disconnect(m_pWidget, &QObject::destroyed, this, &CToolTip::HideTip);
    }
    m_pWidget = pWidget;
    if (m_pWidget) {
        m_pWidget->installEventFilter(this);
        connect(m_pWidget, &QObject::destroyed, this, &CToolTip::HideTip);
    }
}

bool CToolTip::eventFilter(QObject* pWatched, QEvent* pEvent)
{
    switch (pEvent->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
        HideTip();
        break;
    case QEvent::Hide:
        if (pWatched == m_pWidget)
            HideTip();
        break;
    default:
        break;
    }
    return QFrame::eventFilter(pWatched, pEvent);
}

} // namespace OrvaGUIToolkit
