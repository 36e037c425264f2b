#include <OrvaGUIToolkit/Dialog/InformationDlg.h>

#include "dialogs/InformationDlgPrivate.h"

#include <OrvaGUIToolkit/Foundation/GuiFunctions.h>

#include <QtCore/QCoreApplication>
#include <QtCore/QPointer>
#include <QtCore/QPropertyAnimation>
#include <QtCore/QTimer>
#include <QtGui/QGuiApplication>
#include <QtGui/QScreen>
#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QLabel>

namespace OrvaGUIToolkit {

namespace {

const int s_iDisplayMs = 4000;
const int s_iFadeMs = 800;
const int s_iScreenMargin = 12;
const int s_iWidth = 320;

// The notice on screen; a new notice replaces it.
QPointer<CInformationDlg>& CurrentNotice()
{
    static QPointer<CInformationDlg> s_pNotice;
    return s_pNotice;
}

} // namespace

CInformationDlgPrivate::CInformationDlgPrivate(bool bAutoClose)
    : m_bAutoClose(bAutoClose)
{
}

CInformationDlgPrivate::~CInformationDlgPrivate() = default;

void CInformationDlgPrivate::InitNotice(const QString& strText)
{
    Q_Q(CInformationDlg);
    q->setObjectName(QStringLiteral("CInformationDlg"));
    // A notice floats above the client without taking the focus from it.
    q->setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    q->setAttribute(Qt::WA_ShowWithoutActivating);
    q->setAttribute(Qt::WA_DeleteOnClose);
    q->SetTitle(CInformationDlg::tr("Information"));
    q->SetTitleAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    q->SetCloseBtnVisible(true);

    auto* pContent = new QWidget(q);
    auto* pLayout = new QHBoxLayout(pContent);
    m_pIconLabel = new QLabel(pContent);
    m_pIconLabel->setObjectName(QStringLiteral("m_pIconLabel"));
    q->SetIcon(QStringCovertPixmap(QStringLiteral(":/OrvaDesk/Dialog/Images/Public/Control/Dialog/Information.png")));
    m_pTextLabel = new QLabel(strText, pContent);
    m_pTextLabel->setObjectName(QStringLiteral("m_pTextLabel"));
    m_pTextLabel->setWordWrap(true);
    pLayout->addWidget(m_pIconLabel, 0, Qt::AlignTop);
    pLayout->addWidget(m_pTextLabel, 1);
    q->SetContentWnd(pContent);
    q->setFixedWidth(s_iWidth);

    m_pFadeAnimation = new QPropertyAnimation(q, "windowOpacity", q);
    m_pFadeAnimation->setDuration(s_iFadeMs);
    m_pFadeAnimation->setStartValue(1.0);
    m_pFadeAnimation->setEndValue(0.0);
    QObject::connect(m_pFadeAnimation, &QPropertyAnimation::finished, q, &CInformationDlg::close);

    m_pDisplayTimer = new QTimer(q);
    m_pDisplayTimer->setSingleShot(true);
    m_pDisplayTimer->setInterval(s_iDisplayMs);
    QPropertyAnimation* pFade = m_pFadeAnimation;
    QObject::connect(m_pDisplayTimer, &QTimer::timeout, pFade, [pFade] { pFade->start(); });
    if (m_bAutoClose)
        m_pDisplayTimer->start();
}

void CInformationDlgPrivate::PlaceAtScreenRightBottom(const QWidget* pAnchor)
{
    Q_Q(CInformationDlg);
    const QScreen* pScreen = pAnchor ? pAnchor->screen() : QGuiApplication::primaryScreen();
    if (!pScreen)
        return;
    q->adjustSize();
    const QRect available = pScreen->availableGeometry();
    q->move(available.right() + 1 - s_iScreenMargin - q->width(),
            available.bottom() + 1 - s_iScreenMargin - q->height());
}

CInformationDlg::CInformationDlg(const QString& strText, QWidget* pParent, bool bAutoClose)
    : CBaseDialog(*new CInformationDlgPrivate(bAutoClose), pParent)
{
    Q_D(CInformationDlg);
    d->InitNotice(strText);
}

CInformationDlg::~CInformationDlg() = default;

CInformationDlg* CInformationDlg::ShowInformationAtScreenRightBottom(const QString& strText, QWidget* pParent,
                                                                    bool bAutoClose)
{
    QPointer<CInformationDlg>& pCurrent = CurrentNotice();
    if (pCurrent)
        pCurrent->close();
    auto* pNotice = new CInformationDlg(strText, pParent, bAutoClose);
    // Nothing owns a notice without parent: it goes at the latest with the event loop.
    if (!pParent && QCoreApplication::instance())
        connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, pNotice, &QObject::deleteLater);
    pNotice->d_func()->PlaceAtScreenRightBottom(pParent);
    pNotice->show();
    pCurrent = pNotice;
    return pNotice;
}

QString CInformationDlg::GetText() const
{
    Q_D(const CInformationDlg);
    return d->m_pTextLabel->text();
}

QPixmap CInformationDlg::GetIcon() const
{
    Q_D(const CInformationDlg);
    return d->m_pIconLabel->pixmap(Qt::ReturnByValue);
}

void CInformationDlg::SetIcon(const QPixmap& pixIcon)
{
    Q_D(CInformationDlg);
    d->m_pIconLabel->setPixmap(pixIcon);
    d->m_pIconLabel->setVisible(!pixIcon.isNull());
}

void CInformationDlg::enterEvent(EnterEvent* pEvent)
{
    Q_D(CInformationDlg);
    // The notice stays while the pointer rests on it, so it can be read.
    CBaseDialog::enterEvent(pEvent);
    if (!d->m_bAutoClose)
        return;
    d->m_pDisplayTimer->stop();
    d->m_pFadeAnimation->stop();
    setWindowOpacity(1.0);
}

void CInformationDlg::leaveEvent(QEvent* pEvent)
{
    Q_D(CInformationDlg);
    CBaseDialog::leaveEvent(pEvent);
    if (d->m_bAutoClose)
        d->m_pDisplayTimer->start();
}

} // namespace OrvaGUIToolkit

#include "OrvaGUIToolkit/Dialog/moc_InformationDlg.cpp"
