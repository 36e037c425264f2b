#include <OrvaGUIToolkit/Dialog/InformationDlg.h>

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

CInformationDlg::CInformationDlg(const QString& strText, QWidget* pParent, bool bAutoClose)
    : CBaseDialog(pParent)
    , m_bAutoClose(bAutoClose)
{
    setObjectName(QStringLiteral("CInformationDlg"));
    // A notice floats above the client without taking the focus from it.
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_DeleteOnClose);
    SetTitle(tr("Information"));
    SetTitleAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    SetCloseBtnVisible(true);

    auto* pContent = new QWidget(this);
    auto* pLayout = new QHBoxLayout(pContent);
    m_pIconLabel = new QLabel(pContent);
    m_pIconLabel->setObjectName(QStringLiteral("m_pIconLabel"));
    SetIcon(QStringCovertPixmap(QStringLiteral(":/OrvaDesk/Dialog/Images/Public/Control/Dialog/Information.png")));
    m_pTextLabel = new QLabel(strText, pContent);
    m_pTextLabel->setObjectName(QStringLiteral("m_pTextLabel"));
    m_pTextLabel->setWordWrap(true);
    pLayout->addWidget(m_pIconLabel, 0, Qt::AlignTop);
    pLayout->addWidget(m_pTextLabel, 1);
    SetContentWnd(pContent);
    setFixedWidth(s_iWidth);

    m_pFadeAnimation = new QPropertyAnimation(this, "windowOpacity", this);
    m_pFadeAnimation->setDuration(s_iFadeMs);
    m_pFadeAnimation->setStartValue(1.0);
    m_pFadeAnimation->setEndValue(0.0);
    connect(m_pFadeAnimation, &QPropertyAnimation::finished, this, &CInformationDlg::close);

    m_pDisplayTimer = new QTimer(this);
    m_pDisplayTimer->setSingleShot(true);
    m_pDisplayTimer->setInterval(s_iDisplayMs);
    connect(m_pDisplayTimer, &QTimer::timeout, this, &CInformationDlg::StartFadeOut);
    if (m_bAutoClose)
        m_pDisplayTimer->start();
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
    pNotice->PlaceAtScreenRightBottom(pParent);
    pNotice->show();
    pCurrent = pNotice;
    return pNotice;
}

QString CInformationDlg::GetText() const
{
    return m_pTextLabel->text();
}

QPixmap CInformationDlg::GetIcon() const
{
    return m_pIconLabel->pixmap(Qt::ReturnByValue);
}

void CInformationDlg::SetIcon(const QPixmap& pixIcon)
{
    m_pIconLabel->setPixmap(pixIcon);
    m_pIconLabel->setVisible(!pixIcon.isNull());
}

void CInformationDlg::PlaceAtScreenRightBottom(const QWidget* pAnchor)
{
    const QScreen* pScreen = pAnchor ? pAnchor->screen() : QGuiApplication::primaryScreen();
    if (!pScreen)
        return;
    adjustSize();
    const QRect available = pScreen->availableGeometry();
    move(available.right() + 1 - s_iScreenMargin - width(), available.bottom() + 1 - s_iScreenMargin - height());
}

void CInformationDlg::StartFadeOut()
{
    m_pFadeAnimation->start();
}

void CInformationDlg::enterEvent(EnterEvent* pEvent)
{
    // The notice stays while the pointer rests on it, so it can be read.
    CBaseDialog::enterEvent(pEvent);
    if (!m_bAutoClose)
        return;
    m_pDisplayTimer->stop();
    m_pFadeAnimation->stop();
    setWindowOpacity(1.0);
}

void CInformationDlg::leaveEvent(QEvent* pEvent)
{
    CBaseDialog::leaveEvent(pEvent);
    if (m_bAutoClose)
        m_pDisplayTimer->start();
}

} // namespace OrvaGUIToolkit
