#include "VideoWallPage.h"
#include "pages/PageKit.h"

#include "GalleryData.h"

#include <OrvaGUIToolkit/Layout/SelectCutNum.h>

#include <QtGui/QKeyEvent>
#include <QtGui/QLinearGradient>
#include <QtGui/QPainter>
#include <QtGui/QPainterPath>
#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QLabel>
#include <QtWidgets/QToolButton>
#include <QtWidgets/QVBoxLayout>

using namespace OrvaGUIToolkit;

namespace {

const char s_szLayouts[] = ":/gallery/layouts/VideoWallLayouts.xml";
const char s_szCutPictures[] = ":/OrvaDesk/CutWnd/Images/Public/Component/CutWnd/";
const int s_iWindowCount = 64;
const int s_iFirstSplitType = 7;

// One live camera: a painted scene (sky, ground, a road or a corridor, a
// vehicle on some), the camera's name and the time as on a live stream.
class CVideoWindow : public QWidget
{
    Q_OBJECT

public:
    CVideoWindow(int iCamera, QWidget* pParent)
        : QWidget(pParent)
        , m_iCamera(iCamera)
    {
        const QStringList listNames = GalleryData::CameraNames();
        m_strName = QStringLiteral("%1  %2")
                        .arg(iCamera + 1, 2, 10, QLatin1Char('0'))
                        .arg(listNames.at(iCamera % listNames.size()));
        if (iCamera >= listNames.size())
            m_strName += QStringLiteral(" %1").arg(QChar(QLatin1Char('A' + iCamera / listNames.size() - 1)));
        setObjectName(QStringLiteral("VideoWindow%1").arg(iCamera));
        setFocusPolicy(Qt::StrongFocus);
        setMinimumSize(8, 8);
    }

Q_SIGNALS:
    void SignalDoubleClicked(QWidget* pWindow);
    void SignalArrow(QWidget* pWindow, int iDirection);

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        PaintScene(painter);
        PaintCaption(painter);
        painter.setPen(QPen(hasFocus() ? QColor(0x3b, 0x8e, 0xea) : QColor(0x0d, 0x11, 0x16), hasFocus() ? 2 : 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
    }

    void mouseDoubleClickEvent(QMouseEvent*) override
    {
        Q_EMIT SignalDoubleClicked(this);
    }

    void keyPressEvent(QKeyEvent* pEvent) override
    {
        // Left and right step through the windows by number, up and down through the grid.
        static const QMap<int, int> s_mapKeys = {{Qt::Key_Left, CWidgetLayoutMgr::Previous},
                                                 {Qt::Key_Up, CWidgetLayoutMgr::Up},
                                                 {Qt::Key_Right, CWidgetLayoutMgr::Next},
                                                 {Qt::Key_Down, CWidgetLayoutMgr::Down}};
        if (!s_mapKeys.contains(pEvent->key())) {
            QWidget::keyPressEvent(pEvent);
            return;
        }
        Q_EMIT SignalArrow(this, s_mapKeys.value(pEvent->key()));
    }

    void focusInEvent(QFocusEvent*) override { update(); }
    void focusOutEvent(QFocusEvent*) override { update(); }

private:
    void PaintScene(QPainter& painter)
    {
        const QRectF rectAll(rect());
        const double dHorizon = rectAll.height() * (0.38 + 0.04 * (m_iCamera % 3));
        const bool bNight = m_iCamera % 5 == 3;
        QLinearGradient sky(0, 0, 0, dHorizon);
        sky.setColorAt(0, bNight ? QColor(0x0b, 0x12, 0x24) : QColor(0x5f, 0x7f, 0x9f));
        sky.setColorAt(1, bNight ? QColor(0x1c, 0x26, 0x3a) : QColor(0xa9, 0xbb, 0xc9));
        painter.fillRect(QRectF(0, 0, rectAll.width(), dHorizon), sky);
        const QColor colorGround = bNight ? QColor(0x1d, 0x22, 0x27) : QColor(0x4b, 0x55, 0x4c);
        painter.fillRect(QRectF(0, dHorizon, rectAll.width(), rectAll.height() - dHorizon), colorGround);
        PaintRoad(painter, rectAll, dHorizon, bNight);
    }

    // A road running to the horizon, with lane marks and, on some cameras, a car.
    void PaintRoad(QPainter& painter, const QRectF& rectAll, double dHorizon, bool bNight)
    {
        const double dVanish = rectAll.width() * (0.35 + 0.1 * (m_iCamera % 4));
        QPainterPath road;
        road.moveTo(dVanish - 2, dHorizon);
        road.lineTo(dVanish + 2, dHorizon);
        road.lineTo(rectAll.width() * 0.95, rectAll.height());
        road.lineTo(rectAll.width() * 0.05, rectAll.height());
        road.closeSubpath();
        painter.setPen(Qt::NoPen);
        painter.setBrush(bNight ? QColor(0x2a, 0x2e, 0x33) : QColor(0x6b, 0x6f, 0x73));
        painter.drawPath(road);
        painter.setPen(QPen(QColor(0xe8, 0xe2, 0xc0, 200), qMax(1.0, rectAll.width() / 160), Qt::DashLine));
        painter.drawLine(QPointF(dVanish, dHorizon), QPointF(rectAll.width() / 2, rectAll.height()));
        if (m_iCamera % 3 == 2)
            return;
        const double dScale = 0.55 + 0.1 * (m_iCamera % 4);
        const QRectF rectCar(rectAll.width() * (0.28 + 0.03 * (m_iCamera % 5)), rectAll.height() * (0.92 - dScale * 0.38),
                             rectAll.width() * 0.26 * dScale, rectAll.height() * 0.2 * dScale);
        static const QColor s_colors[] = {QColor(0xd8, 0xd8, 0xd8), QColor(0x23, 0x23, 0x26), QColor(0x9c, 0xa3, 0xab),
                                          QColor(0x2f, 0x5d, 0x9c), QColor(0xa8, 0x2d, 0x2d)};
        painter.setPen(Qt::NoPen);
        painter.setBrush(s_colors[m_iCamera % 5]);
        painter.drawRoundedRect(rectCar, rectCar.height() * 0.2, rectCar.height() * 0.2);
        painter.setBrush(QColor(0x18, 0x22, 0x2e, 220));
        painter.drawRect(rectCar.adjusted(rectCar.width() * 0.15, rectCar.height() * 0.12, -rectCar.width() * 0.15,
                                          -rectCar.height() * 0.55));
        painter.setBrush(bNight ? QColor(0xff, 0xf1, 0xb0) : QColor(0xf4, 0xf1, 0xe6));
        const double dLamp = rectCar.height() * 0.14;
        painter.drawEllipse(QPointF(rectCar.left() + dLamp * 1.5, rectCar.bottom() - dLamp * 1.8), dLamp, dLamp);
        painter.drawEllipse(QPointF(rectCar.right() - dLamp * 1.5, rectCar.bottom() - dLamp * 1.8), dLamp, dLamp);
    }

    void PaintCaption(QPainter& painter)
    {
        if (width() < 60 || height() < 36)
            return;
        QFont font = painter.font();
        font.setPixelSize(qBound(9, height() / 14, 13));
        painter.setFont(font);
        const int iBand = QFontMetrics(font).height() + 4;
        painter.fillRect(QRect(0, 0, width(), iBand), QColor(0, 0, 0, 120));
        painter.setPen(QColor(0xf2, 0xf5, 0xf8));
        const QRect rectText(6, 0, width() - 12, iBand);
        const QString strTime =
            GalleryData::ReferenceNow().addSecs(-7 * m_iCamera).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        const bool bTimeFits = QFontMetrics(font).horizontalAdvance(m_strName + strTime) + 24 < width();
        painter.drawText(rectText, Qt::AlignLeft | Qt::AlignVCenter,
                         QFontMetrics(font).elidedText(m_strName, Qt::ElideRight, rectText.width()));
        if (bTimeFits)
            painter.drawText(rectText, Qt::AlignRight | Qt::AlignVCenter, strTime);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0xe0, 0x4f, 0x4f));
        painter.drawEllipse(QPointF(10, height() - 10), 3.5, 3.5);
    }

    int m_iCamera;
    QString m_strName;
};

} // namespace

VideoWallPage::VideoWallPage(QWidget* pParent)
    : QWidget(pParent)
{
    auto* pLayout = CreateFlushLayout(this, 6);
    pLayout->addWidget(CreateToolBar());
    m_pWall = new QWidget(this);
    m_pWall->setObjectName(QStringLiteral("VideoWallArea"));
    m_pWall->setAttribute(Qt::WA_StyledBackground);
    pLayout->addWidget(m_pWall, 1);
    for (int i = 0; i < s_iWindowCount; ++i) {
        auto* pWindow = new CVideoWindow(i, m_pWall);
        connect(pWindow, &CVideoWindow::SignalDoubleClicked, this, &VideoWallPage::OnWindowDoubleClicked);
        connect(pWindow, &CVideoWindow::SignalArrow, this, &VideoWallPage::OnWindowArrow);
        m_listWindows << pWindow;
    }
    m_layoutMgr.Init(QString::fromLatin1(s_szLayouts), m_pWall, m_listWindows, s_iFirstSplitType);
    ShowSplitType(s_iFirstSplitType);
}

VideoWallPage::~VideoWallPage() = default;

QWidget* VideoWallPage::CreateToolBar()
{
    auto* pBar = new QWidget(this);
    auto* pLayout = CreateFlushLayout<QHBoxLayout>(pBar);
    m_pSplitBtn = new QToolButton(pBar);
    m_pSplitBtn->setObjectName(QStringLiteral("VideoWallSplitBtn"));
    m_pSplitBtn->setText(tr("Split"));
    m_pSplitBtn->setToolTip(tr("Choose how the video area is split"));
    m_pSplitBtn->setIconSize(QSize(21, 19));
    m_pSplitBtn->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    connect(m_pSplitBtn, &QToolButton::clicked, this, &VideoWallPage::OnSplitButtonClicked);
    m_pStatus = new QLabel(pBar);
    m_pStatus->setObjectName(QStringLiteral("VideoWallStatus"));
    QLabel* pHint = CreateHint(tr("Double-click a window to show it alone; arrow keys move between windows."), pBar,
                               QStringLiteral("VideoWallHint"));
    pLayout->addWidget(m_pSplitBtn);
    pLayout->addWidget(m_pStatus);
    pLayout->addStretch(1);
    pLayout->addWidget(pHint);
    return pBar;
}

void VideoWallPage::OpenScreenshotPopup()
{
    OnSplitButtonClicked();
}

// The selector is made on first use and kept, as the client does.
void VideoWallPage::OnSplitButtonClicked()
{
    if (!m_pSelector) {
        m_pSelector = new CSelectCutNum(&m_layoutMgr, this);
        m_pSelector->setObjectName(QStringLiteral("VideoWallSelector"));
        connect(m_pSelector, &CSelectCutNum::SignalClickedBtn, this, &VideoWallPage::OnSplitTypeChosen);
        m_pSelector->UpdateBtnText();
        m_pSelector->SetMaxWndNum(m_listWindows.size());
    }
    m_pSelector->adjustSize();
    m_pSelector->move(m_pSplitBtn->mapToGlobal(QPoint(0, m_pSplitBtn->height() + 2)));
    m_pSelector->show();
}

void VideoWallPage::OnSplitTypeChosen(int iSplitType)
{
    m_pSelector->hide();
    ShowSplitType(iSplitType);
}

void VideoWallPage::ShowSplitType(int iSplitType)
{
    m_layoutMgr.ReDisplay(iSplitType);
    QList<QWidget*> listShown;
    m_layoutMgr.GetLayoutWidgets(listShown);
    if (!listShown.isEmpty())
        listShown.first()->setFocus();
    UpdateStatus();
}

void VideoWallPage::UpdateStatus()
{
    const int iType = m_layoutMgr.GetSplitType();
    static const QMap<int, QString> s_mapPictures = {
        {1, QStringLiteral("Cut_1_1")},     {2, QStringLiteral("Cut_2_4")},     {3, QStringLiteral("Cut_3_6")},
        {5, QStringLiteral("Cut_4_8")},     {4, QStringLiteral("Cut_3_9")},     {7, QStringLiteral("Cut_4_13")},
        {8, QStringLiteral("Cut_4_16")},    {15, QStringLiteral("Cut_5_25")},   {16, QStringLiteral("Cut_7_32")},
        {18, QStringLiteral("Cut_6_36")},   {17, QStringLiteral("Cut_8_64")},   {100, QStringLiteral("Cut_3_4_4")},
        {101, QStringLiteral("Cut_3_4_6")}, {104, QStringLiteral("Cut_6_8_7")}, {102, QStringLiteral("Cut_3_4_9")},
        {103, QStringLiteral("Cut_3_4_12")}, {105, QStringLiteral("Cut_6_8_16")}, {106, QStringLiteral("Cut_6_8_24")},
        {107, QStringLiteral("Cut_6_8_36")}, {108, QStringLiteral("Cut_6_8_48")}};
    m_pSplitBtn->setIcon(QIcon(QLatin1String(s_szCutPictures) + s_mapPictures.value(iType) + QStringLiteral(".png")));
    const int iShown = m_layoutMgr.GetWndCountByType(iType);
    m_pStatus->setText(tr("%1 of %2 cameras on the wall").arg(iShown).arg(m_listWindows.size()));
}

void VideoWallPage::OnWindowDoubleClicked(QWidget* pWindow)
{
    if (m_layoutMgr.Maximized(pWindow))
        m_layoutMgr.ShowNormal();
    else
        m_layoutMgr.ShowMaximized(pWindow);
    pWindow->setFocus();
}

void VideoWallPage::OnWindowArrow(QWidget* pWindow, int iDirection)
{
    QWidget* pNeighbour = m_layoutMgr.GetWidget(pWindow, CWidgetLayoutMgr::Direction(iDirection));
    if (pNeighbour && pNeighbour->isVisible())
        pNeighbour->setFocus();
}

#include "VideoWallPage.moc"
