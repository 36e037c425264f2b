#include "CapturedPicturesPage.h"
#include "pages/PageKit.h"

#include <OrvaGUIToolkit/Picture/PicLabelList.h>

#include <QtCore/QEvent>
#include <QtCore/QRandomGenerator>
#include <QtCore/QTimer>
#include <QtGui/QImage>
#include <QtGui/QLinearGradient>
#include <QtGui/QPainter>
#include <QtGui/QPainterPath>
#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QLabel>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QVBoxLayout>

using namespace OrvaGUIToolkit;
using GalleryData::VehicleRecord;

namespace {

constexpr int s_iPictureCount = 320;
const QSize s_sizeSnapshot(320, 240);

QColor BodyColor(const QString& strColor)
{
    static const QHash<QString, QColor> s_hashColors = {
        {QStringLiteral("White"), QColor(226, 228, 230)}, {QStringLiteral("Black"), QColor(34, 36, 40)},
        {QStringLiteral("Silver"), QColor(160, 166, 172)}, {QStringLiteral("Blue"), QColor(38, 78, 150)},
        {QStringLiteral("Red"), QColor(164, 34, 38)},      {QStringLiteral("Grey"), QColor(98, 102, 108)}};
    return s_hashColors.value(strColor, QColor(120, 120, 120));
}

// A lane camera's view from above and in front: the road, lane markings and
// the front of the vehicle with its plate, under the camera's caption strip.
QImage DrawSnapshot(const VehicleRecord& record, int iSeed)
{
    QRandomGenerator generator{quint32(iSeed)};
    QImage image(s_sizeSnapshot, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const bool bNight = record.dtPassed.time().hour() < 6 || record.dtPassed.time().hour() >= 20;
    QLinearGradient road(0, 0, 0, image.height());
    road.setColorAt(0, bNight ? QColor(28, 30, 34) : QColor(92, 96, 100));
    road.setColorAt(1, bNight ? QColor(44, 46, 50) : QColor(128, 130, 134));
    painter.fillRect(image.rect(), road);
    painter.setPen(QPen(QColor(230, 226, 200, bNight ? 110 : 200), 5, Qt::DashLine));
    for (int iLane : {20, 300})
        painter.drawLine(iLane, 0, iLane + (iLane < 160 ? -14 : 14), image.height());

    const int iShift = generator.bounded(-30, 31);
    const QRectF body(70 + iShift, 50 + generator.bounded(0, 20), 180, 150);
    const QColor colorBody = BodyColor(record.strColor);
    QLinearGradient paint(body.topLeft(), body.bottomLeft());
    paint.setColorAt(0, colorBody.lighter(125));
    paint.setColorAt(1, colorBody.darker(140));
    painter.setPen(QPen(colorBody.darker(180), 2));
    painter.setBrush(paint);
    painter.drawRoundedRect(body, 26, 22);
    QPainterPath windshield;
    windshield.moveTo(body.left() + 28, body.top() + 58);
    windshield.lineTo(body.left() + 42, body.top() + 12);
    windshield.lineTo(body.right() - 42, body.top() + 12);
    windshield.lineTo(body.right() - 28, body.top() + 58);
    windshield.closeSubpath();
    painter.setBrush(QColor(40, 52, 66, 230));
    painter.drawPath(windshield);
    painter.setBrush(bNight ? QColor(255, 250, 210) : QColor(220, 224, 228));
    painter.drawEllipse(QRectF(body.left() + 14, body.top() + 78, 34, 18));
    painter.drawEllipse(QRectF(body.right() - 48, body.top() + 78, 34, 18));

    const QRectF plate(body.center().x() - 46, body.top() + 104, 92, 24);
    painter.setPen(QPen(QColor(20, 20, 20), 1.5));
    painter.setBrush(record.strType == QStringLiteral("Bus") || record.strType == QStringLiteral("Truck")
                         ? QColor(240, 196, 40)
                         : QColor(244, 244, 238));
    painter.drawRoundedRect(plate, 3, 3);
    QFont font(QStringLiteral("DejaVu Sans Mono"));
    font.setPixelSize(15);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(plate, Qt::AlignCenter, record.strPlate);

    painter.fillRect(QRect(0, 0, image.width(), 18), QColor(0, 0, 0, 150));
    font.setPixelSize(11);
    font.setBold(false);
    painter.setFont(font);
    painter.setPen(QColor(255, 255, 255));
    painter.drawText(QRect(6, 0, image.width() - 12, 18), Qt::AlignVCenter | Qt::AlignLeft, record.strCamera);
    painter.drawText(QRect(6, 0, image.width() - 12, 18), Qt::AlignVCenter | Qt::AlignRight,
                     record.dtPassed.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
    return image;
}

} // namespace

CapturedPicturesPage::CapturedPicturesPage(QWidget* pParent)
    : QWidget(pParent)
{
    auto* pLayout = CreateFlushLayout(this, 8);

    auto* pBar = new QHBoxLayout;
    m_pPrevBtn = new QPushButton(tr("< Previous"), this);
    m_pNextBtn = new QPushButton(tr("Next >"), this);
    m_pPageLabel = new QLabel(this);
    m_pPageLabel->setMinimumWidth(110);
    m_pPageLabel->setAlignment(Qt::AlignCenter);
    m_pCountLabel = new QLabel(this);
    m_pCountLabel->setObjectName(QStringLiteral("CapturedSelectionCount"));
    auto* pSelectAll = new QPushButton(tr("Select page"), this);
    auto* pClear = new QPushButton(tr("Clear selection"), this);
    pBar->addWidget(m_pPrevBtn);
    pBar->addWidget(m_pPageLabel);
    pBar->addWidget(m_pNextBtn);
    pBar->addSpacing(16);
    pBar->addWidget(m_pCountLabel);
    pBar->addStretch(1);
    pBar->addWidget(pSelectAll);
    pBar->addWidget(pClear);
    pLayout->addLayout(pBar);

    m_pList = new CPicLabelList(172, 140, this);
    m_pList->SetPicLabelGap(8);
    m_pList->SetPictureMargin(3, 3, 3, 3);
    m_pList->SetPicLabelBroadColor(QColor(240, 180, 41));
    pLayout->addWidget(m_pList, 1);
    m_pDetailLabel = new QLabel(tr("Drag across the pictures to select them; Ctrl adds to the selection; "
                                   "double-click a picture for its record."),
                                this);
    m_pDetailLabel->setObjectName(QStringLiteral("CapturedDetail"));
    pLayout->addWidget(m_pDetailLabel);

    connect(m_pList, &CPicLabelList::SignalSetPageInfo, this, &CapturedPicturesPage::OnPageInfo);
    connect(m_pList, &CPicLabelList::SignalPicSelectChanged, this, &CapturedPicturesPage::OnSelectionChanged);
    connect(m_pList, &CPicLabelList::SignalLabelDbClicked, this, &CapturedPicturesPage::OnOpened);
    connect(m_pPrevBtn, &QPushButton::clicked, this, [this]() { OnTurn(-1); });
    connect(m_pNextBtn, &QPushButton::clicked, this, [this]() { OnTurn(1); });
    connect(pSelectAll, &QPushButton::clicked, this, [this]() {
        m_pList->SelectAllPics();
        ShowCount();
    });
    connect(pClear, &QPushButton::clicked, this, [this]() {
        m_pList->SetNoSelectedPic();
        ShowCount();
    });
    m_pList->installEventFilter(this);
    FillPictures();
    ShowCount();
}

void CapturedPicturesPage::FillPictures()
{
    m_listRecords = GalleryData::VehicleRecords(s_iPictureCount);
    QList<QString> listPaths;
    QList<QString> listTips;
    for (int i = 0; i < m_listRecords.size(); ++i) {
        const VehicleRecord& record = m_listRecords.at(i);
        const QString strPath = m_dirSnapshots.filePath(QStringLiteral("capture_%1.jpg").arg(i, 4, 10, QLatin1Char('0')));
        DrawSnapshot(record, i).save(strPath, "JPG", 85);
        listPaths.append(strPath);
        listTips.append(tr("%1 - %2 %3\n%4, %5\nConfidence %6%")
                            .arg(record.strPlate, record.strColor, record.strType, record.strCamera,
                                 record.dtPassed.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")))
                            .arg(record.iConfidence));
    }
    const QList<unsigned> listLsh = m_pList->AddPics(listPaths);
    for (int i = 0; i < listLsh.size(); ++i)
        m_pList->SetPicText(listLsh.at(i), m_listRecords.at(i).strPlate);
    m_pList->SetLabelTips(listTips);
}

bool CapturedPicturesPage::eventFilter(QObject* pWatched, QEvent* pEvent)
{
    // The list deals its pictures out over its own size: page again whenever the page gets a new size.
    if (pWatched == m_pList && pEvent->type() == QEvent::Resize) {
        m_pList->RefreshCurrentPage();
        ShowCount();
    }
    return QWidget::eventFilter(pWatched, pEvent);
}

void CapturedPicturesPage::showEvent(QShowEvent* pEvent)
{
    QWidget::showEvent(pEvent);
    if (!m_bFirstShow)
        return;
    m_bFirstShow = false;
    // Once laid out, the page opens with a few plates picked for export, as after a search.
    QTimer::singleShot(0, this, [this]() {
        for (unsigned uLsh : {2u, 3u, 8u, 9u, 14u})
            m_pList->SetPicSelected(uLsh, true);
        ShowCount();
    });
}

void CapturedPicturesPage::OnPageInfo(unsigned uTotal, unsigned uCurrent)
{
    m_pPageLabel->setText(tr("Page %1 of %2").arg(uCurrent).arg(uTotal));
    m_pPrevBtn->setEnabled(uCurrent > 1);
    m_pNextBtn->setEnabled(uCurrent < uTotal);
}

void CapturedPicturesPage::OnTurn(int iStep)
{
    const unsigned uPage = m_pList->GetCurrentPage() + unsigned(iStep);
    m_pList->OnShowPage(uPage);
    OnPageInfo(m_pList->GetTotalPageNum(), m_pList->GetCurrentPage());
    ShowCount();
}

void CapturedPicturesPage::OnSelectionChanged()
{
    ShowCount();
}

void CapturedPicturesPage::ShowCount()
{
    m_pCountLabel->setText(
        tr("%1 of %2 pictures selected").arg(m_pList->GetSelectedPicCount()).arg(m_pList->GetPictureCount()));
}

void CapturedPicturesPage::OnOpened(unsigned uLsh)
{
    const int iIndex = m_pList->IsContain(uLsh);
    if (iIndex < 0 || iIndex >= m_listRecords.size())
        return;
    const VehicleRecord& record = m_listRecords.at(iIndex);
    m_pDetailLabel->setText(tr("%1: %2 %3 at %4, %5, confidence %6%")
                                .arg(record.strPlate, record.strColor, record.strType, record.strCamera,
                                     record.dtPassed.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")))
                                .arg(record.iConfidence));
}
