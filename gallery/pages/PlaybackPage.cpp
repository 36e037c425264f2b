#include "PlaybackPage.h"
#include "pages/PageKit.h"

#include "GalleryData.h"

#include <OrvaGUIToolkit/Button/PushButton.h>
#include <OrvaGUIToolkit/Timeline/MultiTimeSlider.h>
#include <OrvaGUIToolkit/Timeline/SingleTimeSlider.h>
#include <OrvaGUIToolkit/Timeline/TagEditDialog.h>

#include <QtCore/QRandomGenerator>
#include <QtCore/QTimer>
#include <QtGui/QMouseEvent>
#include <QtGui/QCursor>
#include <QtGui/QLinearGradient>
#include <QtGui/QPainter>
#include <QtGui/QPainterPath>
#include <QtWidgets/QGridLayout>
#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QLabel>
#include <QtWidgets/QListWidget>
#include <QtWidgets/QScrollBar>
#include <QtWidgets/QVBoxLayout>

#include <cmath>
#include <functional>

using namespace OrvaGUIToolkit;
using GalleryData::RecordingSegment;

namespace {

constexpr int s_iDays = 7;
constexpr int s_iCameraCount = 16;

const QColor s_colorContinuous(93, 128, 248);
const QColor s_colorEvent(197, 113, 45);
const QColor s_colorCommand(142, 212, 99);

QColor LevelColor(int iLevel)
{
    switch (iLevel) {
    case GalleryData::LevelEvent:
        return s_colorEvent;
    case GalleryData::LevelCommand:
        return s_colorCommand;
    default:
        return s_colorContinuous;
    }
}

QIcon LevelIcon(int iLevel)
{
    QPixmap pixmap(12, 12);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.fillRect(QRect(1, 1, 10, 10), LevelColor(iLevel));
    return QIcon(pixmap);
}

// Track bands touch each other; each band's brush leaves its top pixels
// clear and shades downwards, so neighbouring cameras stay apart.
QBrush TrackBrush(int iLevel)
{
    const QColor color = LevelColor(iLevel);
    QLinearGradient gradient(0, 0, 0, 1);
    gradient.setCoordinateMode(QGradient::ObjectMode);
    gradient.setColorAt(0.0, Qt::transparent);
    gradient.setColorAt(0.17, Qt::transparent);
    gradient.setColorAt(0.171, color.lighter(112));
    gradient.setColorAt(1.0, color.darker(125));
    return QBrush(gradient);
}

QList<struTimeSliderData::TimeSegmentParam> Segments(int iCamera, bool bTrack)
{
    QList<struTimeSliderData::TimeSegmentParam> listSegments;
    for (const RecordingSegment& segment : GalleryData::Recordings(iCamera, s_iDays)) {
        const QBrush brush = bTrack ? TrackBrush(segment.iLevel) : QBrush(LevelColor(segment.iLevel));
        listSegments.append({segment.dtBegin, segment.dtEnd, brush, segment.iLevel, {}});
    }
    return listSegments;
}

QList<struTimeSliderData::TimeSegmentParam> Tags(int iCamera)
{
    static const QStringList s_listNames = {
        QObject::tr("Plate mismatch"), QObject::tr("Tailgating"), QObject::tr("Loitering"),
        QObject::tr("Barrier forced"), QObject::tr("Wrong-way driver"), QObject::tr("Delivery without pass"),
        QObject::tr("Unattended bag")};
    QList<struTimeSliderData::TimeSegmentParam> listTags;
    int i = iCamera;
    for (const RecordingSegment& tag : GalleryData::Tags(iCamera, s_iDays)) {
        listTags.append({tag.dtBegin, tag.dtEnd, QBrush(), tag.iLevel, s_listNames.at(i % s_listNames.size())});
        ++i;
    }
    return listTags;
}

bool IsRecording(int iCamera, const QDateTime& dtTime)
{
    for (const RecordingSegment& segment : GalleryData::Recordings(iCamera, s_iDays)) {
        if (segment.dtBegin <= dtTime && dtTime < segment.dtEnd)
            return true;
    }
    return false;
}

// A camera picture at a moment: sky by the hour, the camera's own scene (a
// road with lanes, buildings, a barrier), vehicles placed by the second, and
// the on-screen text of a recorder.
void DrawCameraFrame(QPainter& painter, const QRectF& r, int iCamera, const QDateTime& dtTime, bool bRecording)
{
    painter.save();
    painter.setClipRect(r);
    painter.translate(r.topLeft());
    const double dW = r.width();
    const double dH = r.height();
    QRandomGenerator generator(quint32(700 + iCamera));
    const int iHour = dtTime.time().hour();
    const bool bNight = iHour < 6 || iHour >= 19;
    const double dHorizon = dH * (0.36 + generator.bounded(0.12));

    QLinearGradient sky(0, 0, 0, dHorizon);
    sky.setColorAt(0, bNight ? QColor(0x0c, 0x12, 0x1d) : QColor(0x6f, 0x93, 0xb8));
    sky.setColorAt(1, bNight ? QColor(0x1e, 0x26, 0x33) : QColor(0xc4, 0xcf, 0xd6));
    painter.fillRect(QRectF(0, 0, dW, dHorizon), sky);
    painter.fillRect(QRectF(0, dHorizon, dW, dH - dHorizon), bNight ? QColor(0x17, 0x1a, 0x1d) : QColor(0x5d, 0x63, 0x5c));

    // Buildings on the horizon, some windows lit at night.
    painter.setPen(Qt::NoPen);
    double dX = 0;
    while (dX < dW) {
        const double dBw = dW * (0.06 + generator.bounded(0.1));
        const double dBh = dH * (0.08 + generator.bounded(0.2));
        painter.setBrush(bNight ? QColor(0x26, 0x2c, 0x35) : QColor(0x8a, 0x90, 0x98));
        painter.drawRect(QRectF(dX, dHorizon - dBh, dBw - 2, dBh));
        if (bNight) {
            painter.setBrush(QColor(0xe8, 0xc8, 0x6a));
            for (int iWindow = 0; iWindow < 4; ++iWindow)
                painter.drawRect(QRectF(dX + dBw * 0.2 + iWindow % 2 * dBw * 0.35, dHorizon - dBh * (0.3 + iWindow / 2 * 0.35),
                                        dBw * 0.14, dBh * 0.1));
        }
        dX += dBw;
    }

    // The road in perspective with lane marks.
    const double dVanish = dW * (0.35 + generator.bounded(0.3));
    QPolygonF road;
    road << QPointF(dVanish - dW * 0.04, dHorizon) << QPointF(dVanish + dW * 0.04, dHorizon)
         << QPointF(dW * 1.05, dH) << QPointF(-dW * 0.05, dH);
    painter.setBrush(bNight ? QColor(0x24, 0x27, 0x2b) : QColor(0x4a, 0x4d, 0x52));
    painter.drawPolygon(road);
    painter.setPen(QPen(QColor(0xe8, 0xe2, 0xc8), qMax(1.0, dW / 200.0), Qt::DashLine));
    painter.drawLine(QPointF(dVanish, dHorizon + 2), QPointF(dW * 0.5, dH));

    // Vehicles drive down the road as the seconds pass.
    const int iSecond = dtTime.time().second() + 60 * dtTime.time().minute();
    for (int iCar = 0; iCar < 2; ++iCar) {
        const double dPhase = std::fmod((iSecond + iCar * 23 + iCamera * 7) / 40.0, 1.0);
        const double dDepth = 0.25 + 0.75 * dPhase;
        const double dCy = dHorizon + (dH - dHorizon) * dDepth * 0.85;
        const double dCw = dW * 0.26 * dDepth;
        const double dCx = dVanish + (dW * (iCar ? 0.72 : 0.3) - dVanish) * dDepth - dCw / 2;
        const QRectF car(dCx, dCy - dCw * 0.45, dCw, dCw * 0.55);
        static const QColor s_carColors[] = {QColor(0xc9, 0xcd, 0xd2), QColor(0x8c, 0x1f, 0x24), QColor(0x23, 0x3e, 0x6b),
                                             QColor(0x1d, 0x1f, 0x22), QColor(0xe4, 0xe6, 0xe8)};
        painter.setPen(Qt::NoPen);
        painter.setBrush(s_carColors[(iCamera + iCar * 3 + iSecond / 40) % 5]);
        painter.drawRoundedRect(car, dCw * 0.08, dCw * 0.08);
        painter.setBrush(QColor(0x1a, 0x22, 0x2b));
        painter.drawRoundedRect(car.adjusted(dCw * 0.12, dCw * 0.05, -dCw * 0.12, -car.height() * 0.55), 2, 2);
        painter.setBrush(bNight ? QColor(0xff, 0xf1, 0xb0) : QColor(0xd8, 0xd8, 0xc8));
        painter.drawEllipse(QRectF(car.left() + dCw * 0.06, car.bottom() - car.height() * 0.35, dCw * 0.12, dCw * 0.07));
        painter.drawEllipse(QRectF(car.right() - dCw * 0.18, car.bottom() - car.height() * 0.35, dCw * 0.12, dCw * 0.07));
        painter.setBrush(QColor(0xf3, 0xd5, 0x4e));
        painter.drawRect(QRectF(car.center().x() - dCw * 0.1, car.bottom() - car.height() * 0.22, dCw * 0.2, dCw * 0.06));
    }

    // Recorder text: camera, time stamp, recording state.
    QFont font = painter.font();
    font.setPixelSize(qMax(9, int(dH / 20)));
    font.setBold(true);
    painter.setFont(font);
    const QRectF rectText(6, 4, dW - 12, dH - 8);
    painter.setPen(QColor(0, 0, 0, 160));
    painter.drawText(rectText.translated(1, 1), Qt::AlignLeft | Qt::AlignTop, GalleryData::CameraNames().value(iCamera));
    painter.drawText(rectText.translated(1, 1), Qt::AlignLeft | Qt::AlignBottom,
                     dtTime.toString(QStringLiteral("yyyy-MM-dd ddd hh:mm:ss")));
    painter.setPen(Qt::white);
    painter.drawText(rectText, Qt::AlignLeft | Qt::AlignTop, GalleryData::CameraNames().value(iCamera));
    painter.drawText(rectText, Qt::AlignLeft | Qt::AlignBottom, dtTime.toString(QStringLiteral("yyyy-MM-dd ddd hh:mm:ss")));
    if (!bRecording) {
        painter.fillRect(QRectF(0, 0, dW, dH), QColor(0, 0, 0, 200));
        painter.setPen(QColor(0xae, 0xb8, 0xc4));
        painter.drawText(QRectF(0, 0, dW, dH), Qt::AlignCenter, QObject::tr("No recording"));
    }
    painter.restore();
}

} // namespace

// The player's picture: the selected camera at the playing time.
class CPlaybackScreen : public QWidget
{
public:
    explicit CPlaybackScreen(QWidget* pParent)
        : QWidget(pParent)
    {
        setMinimumSize(480, 270);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    }

    void Show(int iCamera, const QDateTime& dtTime, bool bPlaying)
    {
        m_iCamera = iCamera;
        m_dtTime = dtTime;
        m_bPlaying = bPlaying;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.fillRect(rect(), Qt::black);
        QSizeF size(16, 9);
        size.scale(QSizeF(rect().size()), Qt::KeepAspectRatio);
        const QRectF rectFrame(QPointF((width() - size.width()) / 2, (height() - size.height()) / 2), size);
        DrawCameraFrame(painter, rectFrame, m_iCamera, m_dtTime, IsRecording(m_iCamera, m_dtTime));
        painter.setPen(m_bPlaying ? QColor(0x8e, 0xd4, 0x63) : QColor(0xf5, 0xc5, 0x42));
        QFont font = painter.font();
        font.setBold(true);
        painter.setFont(font);
        painter.drawText(rectFrame.adjusted(8, 6, -8, -6), Qt::AlignRight | Qt::AlignTop,
                         m_bPlaying ? QObject::tr("\u25b6 PLAYBACK 1\u00d7") : QObject::tr("\u275a\u275a PAUSED"));
    }

private:
    int m_iCamera = 0;
    QDateTime m_dtTime;
    bool m_bPlaying = true;
};

// The camera column beside the multi-track timeline: one name per track,
// level with its band and scrolled with it, the selected camera highlighted.
class CTrackNames : public QWidget
{
public:
    CTrackNames(CMultiTimeSlider* pSlider, QWidget* pParent)
        : QWidget(pParent)
        , m_pSlider(pSlider)
    {
        setObjectName(QStringLiteral("PlaybackTrackNames"));
        setFixedWidth(168);
        connect(pSlider, &CMultiTimeSlider::SignalVisibleRowsScrolled, this, [this](int iOffset) {
            m_iScroll = iOffset;
            update();
        });
    }

    void SetSelected(int iCamera)
    {
        m_iSelected = iCamera;
        update();
    }

    std::function<void(int)> m_onClicked;

protected:
    // Each name is level with its track's recordings, as the timeline draws
    // them now.
    QRect RowRect(int iRow) const
    {
        const QRect rectTrack = m_pSlider->GetTrackRect(iRow);
        return QRect(0, rectTrack.top(), width(), rectTrack.height());
    }

    // The header reaches down to where the first track starts unscrolled.
    int HeaderHeight() const { return m_pSlider->GetTrackRect(0).top() + m_iScroll; }

    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.fillRect(rect(), QColor(0x15, 0x19, 0x1e));
        const int iTop = HeaderHeight();
        painter.fillRect(QRect(0, 0, width(), iTop), QColor(0x12, 0x16, 0x1a));
        painter.setPen(QColor(0x8b, 0x96, 0xa3));
        painter.drawText(QRect(12, 0, width() - 12, iTop - 4), Qt::AlignLeft | Qt::AlignBottom,
                         QObject::tr("CAMERAS  (%1)").arg(s_iCameraCount));
        painter.setClipRect(QRect(0, iTop, width(), height() - iTop));
        const QStringList listNames = GalleryData::CameraNames();
        // Whether each camera is recording at the moment (the last minute).
        const QDateTime dtNow = GalleryData::ReferenceNow().addSecs(-60);
        for (int i = 0; i < s_iCameraCount; ++i) {
            const QRect rectRow = RowRect(i);
            if (i == m_iSelected)
                painter.fillRect(rectRow.adjusted(0, 4, 0, 0), QColor(0x3b, 0x8e, 0xea, 60));
            const bool bRecording = IsRecording(i, dtNow);
            painter.setPen(Qt::NoPen);
            painter.setBrush(bRecording ? QColor(0x8e, 0xd4, 0x63) : QColor(0x5a, 0x65, 0x71));
            painter.drawEllipse(QPointF(12, rectRow.center().y() + 2), 3.5, 3.5);
            painter.setPen(i == m_iSelected ? QColor(0xff, 0xff, 0xff) : QColor(0xc9, 0xd2, 0xdc));
            painter.drawText(rectRow.adjusted(22, 4, -4, 0), Qt::AlignLeft | Qt::AlignVCenter, listNames.value(i));
        }
    }

    void mousePressEvent(QMouseEvent* pEvent) override
    {
        for (int i = 0; i < s_iCameraCount; ++i) {
            if (RowRect(i).contains(pEvent->pos()) && pEvent->pos().y() >= HeaderHeight() && m_onClicked)
                m_onClicked(i);
        }
    }

private:
    CMultiTimeSlider* m_pSlider;
    int m_iSelected = -1;
    int m_iScroll = 0;
};

PlaybackPage::PlaybackPage(QWidget* pParent)
    : QWidget(pParent)
    , m_pPlayTimer(new QTimer(this))
{
    const QDateTime dtNow = GalleryData::ReferenceNow();
    m_dtPlaying = QDateTime(dtNow.date(), QTime(12, 31, 7));

    auto* pLayout = CreateFlushLayout(this, 8);

    auto* pTop = new QHBoxLayout;
    pTop->setSpacing(10);
    auto* pPlayer = new QWidget(this);
    pPlayer->setObjectName(QStringLiteral("PlaybackPlayer"));
    auto* pPlayerLayout = CreateFlushLayout(pPlayer, 0);
    m_pScreen = new CPlaybackScreen(pPlayer);
    m_pSingle = new CSingleTimeSlider(pPlayer);
    m_pSingle->setFixedHeight(60);
    m_pSingle->SetTimeRange(dtNow.date().addDays(1 - s_iDays), dtNow.date());
    pPlayerLayout->addWidget(m_pScreen, 1);
    pPlayerLayout->addWidget(m_pSingle);
    pTop->addWidget(pPlayer, 3);
    pTop->addWidget(CreatePlayerPanel(), 1);
    pLayout->addLayout(pTop, 1);

    auto* pTracks = new QHBoxLayout;
    pTracks->setSpacing(0);
    m_pMulti = new CMultiTimeSlider(this);
    m_pMulti->setMinimumHeight(280);
    m_pNames = new CTrackNames(m_pMulti, this);
    m_pNames->m_onClicked = [this](int iCamera) { SelectCamera(iCamera); };
    pTracks->addWidget(m_pNames);
    pTracks->addWidget(m_pMulti, 1);
    pLayout->addLayout(pTracks);
    FillMultiTimeline();

    connect(m_pSingle, &CSingleTimeSlider::SignalMouseClick, this, &PlaybackPage::OnSeek);
    connect(m_pMulti, QOverload<int, time_t>::of(&CMultiTimeSlider::SignalMouseClick), this,
            &PlaybackPage::OnTrackClicked);
    connect(m_pMulti, &CMultiTimeSlider::SignalClicked, this, &PlaybackPage::SelectCamera);
    connect(m_pMulti, QOverload<bool, time_t>::of(&CMultiTimeSlider::SignalThumbnail), this,
            &PlaybackPage::OnThumbnail);
    connect(m_pPlayTimer, &QTimer::timeout, this, &PlaybackPage::OnTick);

    SelectCamera(10);
    m_pSingle->ShowMaxsize();
    m_pSingle->ShowZoomByType(struTimeSliderData::Scale2HoursBy10Minutes);
    ShowPlayingTime();
    m_pPlayTimer->start(1000);
}

QWidget* PlaybackPage::CreatePlayerPanel()
{
    auto* pPanel = new QWidget(this);
    pPanel->setObjectName(QStringLiteral("PlaybackPanel"));
    auto* pLayout = new QVBoxLayout(pPanel);
    pLayout->setContentsMargins(12, 10, 12, 10);
    pLayout->setSpacing(6);
    m_pCameraLabel = new QLabel(pPanel);
    m_pCameraLabel->setObjectName(QStringLiteral("PlaybackCamera"));
    m_pTimeLabel = new QLabel(pPanel);
    m_pTimeLabel->setObjectName(QStringLiteral("PlaybackTime"));
    m_pStateLabel = new QLabel(pPanel);
    m_pStateLabel->setObjectName(QStringLiteral("PlaybackState"));
    pLayout->addWidget(m_pCameraLabel);
    pLayout->addWidget(m_pTimeLabel);
    pLayout->addWidget(m_pStateLabel);

    auto* pLegend = new QGridLayout;
    pLegend->setHorizontalSpacing(6);
    const QList<QPair<int, QString>> listLevels = {{GalleryData::LevelContinuous, tr("Continuous")},
                                                   {GalleryData::LevelEvent, tr("Event")},
                                                   {GalleryData::LevelCommand, tr("Command")}};
    for (int i = 0; i < listLevels.size(); ++i) {
        auto* pSwatch = new QLabel(pPanel);
        pSwatch->setPixmap(LevelIcon(listLevels.at(i).first).pixmap(12, 12));
        pLegend->addWidget(pSwatch, 0, i * 2);
        pLegend->addWidget(new QLabel(listLevels.at(i).second, pPanel), 0, i * 2 + 1);
    }
    pLegend->setColumnStretch(6, 1);
    pLayout->addLayout(pLegend);

    auto* pTagsTitle = new QLabel(tr("Tags of this camera"), pPanel);
    pTagsTitle->setObjectName(QStringLiteral("PlaybackSection"));
    pLayout->addWidget(pTagsTitle);
    m_pTagList = new QListWidget(pPanel);
    m_pTagList->setObjectName(QStringLiteral("PlaybackTags"));
    pLayout->addWidget(m_pTagList, 1);
    connect(m_pTagList, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* pItem) {
        OnSeek(time_t(pItem->data(Qt::UserRole).toLongLong()));
    });

    auto* pButtons = new QHBoxLayout;
    m_pPlayBtn = new CPushButton(tr("Pause"), pPanel);
    m_pPlayBtn->setIcon(QIcon(QStringLiteral(":/OrvaDesk/Icon/Images/Public/Icon/Playback.png")));
    auto* pTagBtn = new CPushButton(tr("Add tag"), pPanel);
    auto* pSyncBtn = new CPushButton(tr("Sync all"), pPanel);
    pSyncBtn->setCheckable(true);
    pSyncBtn->setChecked(true);
    pButtons->addWidget(m_pPlayBtn);
    pButtons->addWidget(pTagBtn);
    pButtons->addWidget(pSyncBtn);
    pLayout->addLayout(pButtons);
    connect(m_pPlayBtn, &QPushButton::clicked, this, &PlaybackPage::OnPlayPause);
    connect(pTagBtn, &QPushButton::clicked, this, &PlaybackPage::OnAddTag);
    connect(pSyncBtn, &QPushButton::toggled, this, [this](bool bSync) {
        if (bSync) {
            m_pMulti->OpenSynTime();
            m_pMulti->SetSyncTime(unsigned(m_dtPlaying.toSecsSinceEpoch()));
        } else {
            m_pMulti->CloseSynTime();
            ShowPlayingTime();
        }
    });
    return pPanel;
}

void PlaybackPage::FillMultiTimeline()
{
    const QDate today = GalleryData::ReferenceNow().date();
    m_pMulti->SetTimeRange(today.addDays(1 - s_iDays), today);
    m_pMulti->SetTimeSliderCount(s_iCameraCount);
    QMap<unsigned, QList<struTimeSliderData::TimeSegmentParam>> mapSegments;
    for (int i = 0; i < s_iCameraCount; ++i)
        mapSegments.insert(unsigned(i), Segments(i, true));
    m_pMulti->AddTime(mapSegments);
    m_pMulti->AddTag(Tags(0));
    m_pMulti->AddTimeLevel(LevelIcon(GalleryData::LevelContinuous), tr("Continuous"), GalleryData::LevelContinuous);
    m_pMulti->AddTimeLevel(LevelIcon(GalleryData::LevelEvent), tr("Event & alarm"), GalleryData::LevelEvent);
    m_pMulti->AddTimeLevel(LevelIcon(GalleryData::LevelCommand), tr("Command"), GalleryData::LevelCommand);
    m_pMulti->SetFilteredLevels({GalleryData::LevelContinuous, GalleryData::LevelEvent, GalleryData::LevelCommand});
}

void PlaybackPage::SelectCamera(int iCamera)
{
    if (iCamera < 0 || iCamera >= s_iCameraCount)
        return;
    m_iCamera = iCamera;
    m_pMulti->SetSelectIndex(unsigned(iCamera));
    m_pMulti->SetShowIndex(unsigned(iCamera));
    m_pNames->SetSelected(iCamera);
    m_pSingle->Reset();
    m_pSingle->ClearTag();
    m_pSingle->AddTime(Segments(iCamera, false));
    const QList<struTimeSliderData::TimeSegmentParam> listTags = Tags(iCamera);
    m_pSingle->AddTag(listTags);
    m_pTagList->clear();
    for (auto it = listTags.crbegin(); it != listTags.crend(); ++it) {
        auto* pItem = new QListWidgetItem(QStringLiteral("%1   %2").arg(it->dtBegin.toString(QStringLiteral("MM-dd hh:mm")),
                                                                        it->strName), m_pTagList);
        pItem->setData(Qt::UserRole, it->dtBegin.toSecsSinceEpoch());
    }
    m_pCameraLabel->setText(GalleryData::CameraNames().value(iCamera));
    ShowPlayingTime();
}

void PlaybackPage::ShowPlayingTime()
{
    const unsigned uTime = unsigned(m_dtPlaying.toSecsSinceEpoch());
    m_pSingle->OnPlayTime(uTime);
    if (m_pMulti->IsSyncTime())
        m_pMulti->SetSyncTime(uTime);
    else
        m_pMulti->SetPlayTime(unsigned(m_iCamera), uTime, true);
    const bool bPlaying = m_pPlayTimer->isActive() || m_pPlayBtn->text() == tr("Pause");
    m_pScreen->Show(m_iCamera, m_dtPlaying, bPlaying);
    m_pTimeLabel->setText(m_dtPlaying.toString(QStringLiteral("yyyy-MM-dd  hh:mm:ss")));
    m_pStateLabel->setText(IsRecording(m_iCamera, m_dtPlaying) ? tr("Recording found \u2014 playing at 1\u00d7")
                                                               : tr("Gap in the recording"));
}

void PlaybackPage::OnTick()
{
    if (m_dtPlaying >= GalleryData::ReferenceNow())
        return;
    m_dtPlaying = m_dtPlaying.addSecs(1);
    ShowPlayingTime();
}

void PlaybackPage::OnSeek(time_t tTime)
{
    m_dtPlaying = qMin(QDateTime::fromSecsSinceEpoch(tTime), GalleryData::ReferenceNow());
    ShowPlayingTime();
}

void PlaybackPage::OnTrackClicked(int iIndex, time_t tTime)
{
    SelectCamera(iIndex);
    OnSeek(tTime);
}

void PlaybackPage::OnThumbnail(bool bShow, time_t tTime)
{
    // The camera whose track the mouse rests on.
    const QPoint ptMouse = m_pMulti->mapFromGlobal(QCursor::pos());
    int iCamera = -1;
    for (int i = 0; i < s_iCameraCount && iCamera < 0; ++i) {
        if (m_pMulti->GetTrackRect(i).contains(ptMouse))
            iCamera = i;
    }
    if (!bShow || iCamera < 0)
        return;
    QPixmap pixmap(192, 108);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QDateTime dtTime = QDateTime::fromSecsSinceEpoch(tTime);
    DrawCameraFrame(painter, pixmap.rect(), iCamera, dtTime, IsRecording(iCamera, dtTime));
    painter.end();
    m_pMulti->ShowThumbnail(pixmap);
}

void PlaybackPage::OnPlayPause()
{
    if (m_pPlayTimer->isActive()) {
        m_pPlayTimer->stop();
        m_pPlayBtn->setText(tr("Play"));
    } else {
        m_pPlayTimer->start(1000);
        m_pPlayBtn->setText(tr("Pause"));
    }
    ShowPlayingTime();
}

void PlaybackPage::OnAddTag()
{
    auto* pDialog = new CTagEditDialog(this);
    pDialog->setAttribute(Qt::WA_DeleteOnClose);
    const QDateTime dtTag = m_dtPlaying;
    pDialog->SetTagTime(dtTag.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")));
    connect(pDialog, &CTagEditDialog::SignalSaveInput, this, [this, dtTag](const QString&, const QString& strName) {
        m_pSingle->AddTag({{dtTag, dtTag, QBrush(), GalleryData::LevelEvent, strName}});
        auto* pItem = new QListWidgetItem(QStringLiteral("%1   %2").arg(dtTag.toString(QStringLiteral("MM-dd hh:mm")),
                                                                        strName));
        pItem->setData(Qt::UserRole, dtTag.toSecsSinceEpoch());
        m_pTagList->insertItem(0, pItem);
    });
    pDialog->show();
}
