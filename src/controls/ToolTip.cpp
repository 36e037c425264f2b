#include "controls/ToolTipPrivate.h"

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
// The gap left above the point when the tip has to go above it.
const int s_iGapAbove = 4;

// A tip stays long enough to be read: a base time plus a little per
// character, a minute at most.
int DisplayTime(const QString& strText)
{
    return int(qMin<qint64>(4000 + 40 * qint64(strText.size()), 60000));
}

QPointer<CToolTip>& InstancePointer()
{
    static QPointer<CToolTip> s_pInstance;
    return s_pInstance;
}

// A coordinate pushed into [iLow, iHigh], or just into [iLow, iLow] when the
// range is empty (a tip larger than the screen starts at its top left).
int Clamp(qint64 llValue, int iLow, qint64 llHigh)
{
    return int(qBound<qint64>(iLow, llValue, qMax<qint64>(iLow, llHigh)));
}

} // namespace

// The tip is one parentless window for the whole process; it is deleted with
// the application object, before Qt tears down its windowing system.
CToolTip* CToolTipPrivate::Instance()
{
    QPointer<CToolTip>& pInstance = InstancePointer();
    if (!pInstance) {
        pInstance = new CToolTip;
        qAddPostRoutine(&CToolTipPrivate::DestroyInstance);
    }
    return pInstance;
}

CToolTip* CToolTipPrivate::Existing()
{
    return InstancePointer();
}

void CToolTipPrivate::DestroyInstance()
{
    delete InstancePointer().data();
}

void CToolTipPrivate::ShowFor(const QString& strText, const QPoint& ptGlobal, QWidget* pWidget)
{
    Q_Q(CToolTip);
    WatchWidget(pWidget);
    m_pTextLabel->setText(strText);
    q->ensurePolished();
    q->adjustSize();
    Place(ptGlobal, pWidget);
    if (!q->isVisible()) {
        qApp->installEventFilter(q);
        q->show();
    }
    m_timerHide.start(DisplayTime(strText));
}

void CToolTipPrivate::HideTip()
{
    Q_Q(CToolTip);
    m_timerHide.stop();
    qApp->removeEventFilter(q);
    WatchWidget(nullptr);
    q->hide();
}

// Points come from widgets mapped to global coordinates and may lie anywhere
// in the int range; the offsets are added in 64 bits and the result is put
// back on the screen before it becomes a position again.
void CToolTipPrivate::Place(const QPoint& ptGlobal, const QWidget* pWidget)
{
    Q_Q(CToolTip);
    QScreen* pScreen = QGuiApplication::screenAt(ptGlobal);
    if (!pScreen && pWidget)
        pScreen = pWidget->screen();
    if (!pScreen)
        pScreen = QGuiApplication::primaryScreen();
    // Without any screen the tip still gets a position a window can have.
    QRect rectAvailable(-QWIDGETSIZE_MAX, -QWIDGETSIZE_MAX, QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    if (pScreen)
        rectAvailable = pScreen->availableGeometry();
    const qint64 llX = qint64(ptGlobal.x()) + s_ptOffset.x();
    qint64 llY = qint64(ptGlobal.y()) + s_ptOffset.y();
    // No room below the point: show the tip above it instead.
    if (llY + q->height() > qint64(rectAvailable.bottom()) + 1)
        llY = qint64(ptGlobal.y()) - q->height() - s_iGapAbove;
    // Whatever the point, the whole tip stays on the screen.
    q->move(Clamp(llX, rectAvailable.left(), qint64(rectAvailable.right()) + 1 - q->width()),
            Clamp(llY, rectAvailable.top(), qint64(rectAvailable.bottom()) + 1 - q->height()));
}

void CToolTipPrivate::WatchWidget(QWidget* pWidget)
{
    Q_Q(CToolTip);
    if (m_pWidget == pWidget)
        return;
    if (m_pWidget) {
        m_pWidget->removeEventFilter(q);
        QObject::disconnect(m_pWidget, &QObject::destroyed, q, nullptr);
    }
    m_pWidget = pWidget;
    if (m_pWidget) {
        m_pWidget->installEventFilter(q);
        QObject::connect(m_pWidget, &QObject::destroyed, q, [this] { HideTip(); });
    }
}

CToolTip::CToolTip()
    : QFrame(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::BypassGraphicsProxyWidget)
    , d_ptr(new CToolTipPrivate)
{
    Q_D(CToolTip);
    d->q_ptr = this;
    setObjectName(QStringLiteral("CToolTip"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    // Defaults for a client without a style sheet: the platform's tool-tip look.
    setPalette(QToolTip::palette());
    setFont(QToolTip::font());
    setBackgroundRole(QPalette::ToolTipBase);
    setForegroundRole(QPalette::ToolTipText);
    setAutoFillBackground(true);
    setFrameStyle(QFrame::Box | QFrame::Plain);

    d->m_pTextLabel = new QLabel(this);
    d->m_pTextLabel->setObjectName(QStringLiteral("m_pTextLabel"));
    d->m_pTextLabel->setForegroundRole(QPalette::ToolTipText);
    d->m_pTextLabel->setTextInteractionFlags(Qt::NoTextInteraction);
    auto* pLayout = new QHBoxLayout(this);
    pLayout->setContentsMargins(4, 2, 4, 2);
    pLayout->addWidget(d->m_pTextLabel);

    d->m_timerHide.setSingleShot(true);
    connect(&d->m_timerHide, &QTimer::timeout, this, [d] { d->HideTip(); });
}

CToolTip::~CToolTip() = default;

void CToolTip::ShowText(const QString& strText, const QPoint& ptGlobal, QWidget* pWidget)
{
    if (strText.isEmpty()) {
        HideText();
        return;
    }
    CToolTipPrivate::Instance()->d_func()->ShowFor(strText, ptGlobal, pWidget);
}

void CToolTip::HideText()
{
    if (CToolTip* pTip = CToolTipPrivate::Existing())
        pTip->d_func()->HideTip();
}

bool CToolTip::IsVisible()
{
    const CToolTip* pTip = CToolTipPrivate::Existing();
    return pTip && pTip->isVisible();
}

QString CToolTip::GetText()
{
    return IsVisible() ? CToolTipPrivate::Existing()->d_func()->m_pTextLabel->text() : QString();
}

QWidget* CToolTip::GetWidget()
{
    return IsVisible() ? CToolTipPrivate::Existing()->d_func()->m_pWidget.data() : nullptr;
}

bool CToolTip::eventFilter(QObject* pWatched, QEvent* pEvent)
{
    Q_D(CToolTip);
    switch (pEvent->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
        d->HideTip();
        break;
    case QEvent::Hide:
        if (pWatched == d->m_pWidget)
            d->HideTip();
        break;
    default:
        break;
    }
    return QFrame::eventFilter(pWatched, pEvent);
}

} // namespace OrvaGUIToolkit

#include "OrvaGUIToolkit/ToolTip/moc_ToolTip.cpp"
