#include "TimelineEnginePage.h"

#include "GalleryData.h"

#include "foundation/GuiFunctionsInternal.h"
#include "timeline/AxisSeries.h"
#include "timeline/BackGroundSeries.h"
#include "timeline/ChartStyleOption.h"
#include "timeline/ChartView.h"
#include "timeline/LineSeries.h"
#include "timeline/MouseTextSeries.h"
#include "timeline/RectSeries.h"
#include "timeline/SelectRectSeries.h"
#include "timeline/TagSeries.h"
#include "timeline/TimeRectSeries.h"

#include <OrvaGUIToolkit/Button/PushButton.h>
#include <OrvaGUIToolkit/Button/ToolButton.h>
#include <OrvaGUIToolkit/Label/Label.h>

#include <QtCore/QRandomGenerator>
#include <QtGui/QMouseEvent>
#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QVBoxLayout>

using namespace OrvaGUIToolkit;

namespace {

constexpr int s_iTop = 64;
constexpr int s_iRowHeight = 24;
constexpr int s_iTracks = 4;

// Visible span and tick step of each zoom level.
struct SLevel { int iSpan; int iStep; int iLabelEvery; };
constexpr SLevel s_levels[] = {{86400, 3600, 2}, {43200, 1800, 2}, {21600, 1800, 1}, {7200, 600, 1}, {3600, 300, 1}};

const QColor s_colorContinuous(0x2f, 0x9e, 0x6f);
const QColor s_colorEvent(0xe0, 0x4f, 0x4f);
const QColor s_colorMotion(0xf0, 0xa5, 0x30);

} // namespace

// A chart view dressed like the multi-track timeline: dark top band, row
// names on the left, tags, a selected row with its marquee range.
class EngineChartView : public CChartView
{
    Q_OBJECT
    Q_PROPERTY(QColor m_colorTopBackground MEMBER m_colorTopBackground)
    Q_PROPERTY(QColor m_colorSelectGridLine MEMBER m_colorSelectGridLine)
    Q_PROPERTY(QColor m_colorSelectRect MEMBER m_colorSelectRect)
    Q_PROPERTY(QPixmap m_pixTag MEMBER m_pixTag)

public:
    // Horizontal values are local seconds relative to this base.
    const qint64 m_iBase = GetLocalUtcOffset();

    explicit EngineChartView(QWidget* pParent = nullptr)
        : CChartView(pParent)
    {
        setObjectName(QStringLiteral("EngineChartView"));
        SetMargins(125, 15);
        GetZoomInBtn()->setFixedSize(17, 16);
        GetZoomOutBtn()->setFixedSize(17, 16);
        GetCalendarBtn()->setFixedSize(165, 20);
        m_pixTag = QPixmap(QStringLiteral(":/OrvaDesk/Timeslider/Images/Public/Component/Timeslider/Tag.png"));
    }

    double ValueOf(const QDateTime& dt) const { return double(dt.toSecsSinceEpoch() + GetLocalUtcOffset() - m_iBase); }
    QDateTime TimeOf(double dValue) const
    {
        return QDateTime::fromSecsSinceEpoch(qint64(dValue) + m_iBase - GetLocalUtcOffset());
    }

    void InitChartStyleOption(CChartStyleOption& option) override
    {
        option.colorTopBackground = m_colorTopBackground;
        option.colorSelectGridLine = m_colorSelectGridLine;
        option.colorSelectRect = m_colorSelectRect;
        option.openSelectRect = true;
        option.selectRectOpacity = 0.45;
        option.pixTag = m_pixTag;
    }

Q_SIGNALS:
    void SignalClicked(const QDateTime& dtTime, int iRow);
    void SignalWheel(int iDirection);

protected:
    void resizeEvent(QResizeEvent* pEvent) override
    {
        GetZoomOutBtn()->move(width() - 4 - GetZoomOutBtn()->width(), 4);
        GetZoomInBtn()->move(GetZoomOutBtn()->x() - 4 - GetZoomInBtn()->width(), 4);
        GetCalendarBtn()->move((width() - GetCalendarBtn()->width()) / 2, 2);
        CChartView::resizeEvent(pEvent);
    }

    void mouseMoveEvent(QMouseEvent* pEvent) override
    {
        auto* pText = static_cast<CMouseTextSeries*>(FindSeries(ChartSeriesMouseText));
        if (GetChartRect().contains(pEvent->pos())) {
            const double dValue = GetXAxis()->PixelToValue(pEvent->pos().x());
            pText->SetTime(dValue);
            pText->SetText(TimeOf(dValue).toString(QStringLiteral("hh:mm:ss")));
        } else {
            pText->Clear();
        }
        PostUpdateChart();
    }

    void leaveEvent(QEvent* pEvent) override
    {
        FindSeries(ChartSeriesMouseText)->Clear();
        PostUpdateChart();
        CChartView::leaveEvent(pEvent);
    }

    void mousePressEvent(QMouseEvent* pEvent) override
    {
        if (pEvent->button() != Qt::LeftButton || !GetChartRect().contains(pEvent->pos()))
            return;
        const double dValue = GetXAxis()->PixelToValue(pEvent->pos().x());
        auto* pSelect = static_cast<CSelectRectSeries*>(FindSeries(ChartSeriesSelectRect));
        pSelect->SelectRowAt(pEvent->pos());
        FindSeries(ChartSeriesLine)->SetXValue(0, dValue);
        SetCurrentDateTime(TimeOf(dValue));
        PostUpdateChart();
        Q_EMIT SignalClicked(TimeOf(dValue), pSelect->RowAt(pEvent->pos()));
    }

    void wheelEvent(QWheelEvent* pEvent) override { Q_EMIT SignalWheel(pEvent->angleDelta().y() > 0 ? 1 : -1); }

private:
    QColor m_colorTopBackground = Qt::black;
    QColor m_colorSelectGridLine = Qt::red;
    QColor m_colorSelectRect = QColor(84, 90, 93);
    QPixmap m_pixTag;
};

TimelineEnginePage::TimelineEnginePage(QWidget* pParent)
    : QWidget(pParent)
    , m_pView(new EngineChartView(this))
    , m_pLogLine(new CLabel(tr("Click a track, turn the wheel or use the zoom buttons."), this))
{
    m_pLogLine->setObjectName(QStringLiteral("GalleryLogLine"));
    m_pView->setFixedHeight(s_iTop + s_iRowHeight * s_iTracks + 8);
    auto* pLayout = new QVBoxLayout(this);
    pLayout->setContentsMargins(0, 0, 0, 0);
    pLayout->setSpacing(14);
    pLayout->addWidget(m_pView);
    pLayout->addWidget(CreateLegend());
    pLayout->addStretch(1);
    pLayout->addWidget(m_pLogLine);

    LoadSeries();
    LoadRecordings();

    connect(m_pView, &CChartView::SignalZoomIn, this, [this] { Zoom(1); });
    connect(m_pView, &CChartView::SignalZoomOut, this, [this] { Zoom(-1); });
    connect(m_pView, &EngineChartView::SignalWheel, this, &TimelineEnginePage::Zoom);
    connect(m_pView, &CChartView::SignalCalendarBtnClicked, this, [this] {
        Log(tr("Calendar button clicked at %1").arg(m_pView->GetCurrentDateTime().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"))));
    });
    connect(m_pView, &EngineChartView::SignalClicked, this, [this](const QDateTime& dtTime, int iRow) {
        const QString strCamera = iRow >= 0 ? GalleryData::CameraNames().at(iRow) : tr("the time scale");
        Log(tr("Seek to %1 on %2").arg(dtTime.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")), strCamera));
    });
}

QWidget* TimelineEnginePage::CreateLegend()
{
    auto* pLegend = new QWidget(this);
    auto* pLayout = new QHBoxLayout(pLegend);
    pLayout->setContentsMargins(4, 0, 0, 0);
    pLayout->setSpacing(18);
    const QList<QPair<QColor, QString>> listEntries = {
        {s_colorContinuous, tr("Continuous recording")}, {s_colorMotion, tr("Motion recording")},
        {s_colorEvent, tr("Alarm recording")}, {QColor(0x3b, 0x8e, 0xea), tr("Marquee selection")},
        {QColor(0xf5, 0xc5, 0x42), tr("Play position and tags")}};
    for (const QPair<QColor, QString>& entry : listEntries) {
        auto* pEntry = new CLabel(QStringLiteral("<span style=\"color:%1\">&#9632;</span>&nbsp;%2")
                                      .arg(entry.first.name(), entry.second.toHtmlEscaped()),
                                  pLegend);
        pEntry->setObjectName(QStringLiteral("GalleryLegendEntry"));
        pLayout->addWidget(pEntry);
    }
    pLayout->addStretch(1);
    return pLegend;
}

void TimelineEnginePage::LoadSeries()
{
    m_pView->GetYAxis()->SetReversed(false);
    m_pView->GetYAxis()->SetScaled(false);
    m_pView->GetYAxis()->SetRange(0.0, s_iTop + s_iRowHeight * s_iTracks);

    auto* pBackground = new CBackGroundSeries;
    const QStringList listCameras = GalleryData::CameraNames();
    for (int i = 0; i < s_iTracks; ++i) {
        pBackground->AddPoint(0, s_iTop + i * s_iRowHeight);
        pBackground->SetName(i, listCameras.at(i));
    }
    m_pView->AddSeries(pBackground);
    auto* pTopBand = new CRectSeries;
    pTopBand->SetHeight(s_iTop - 2);
    m_pView->AddSeries(pTopBand);
    for (int i = 0; i < s_iTracks; ++i) {
        auto* pTrack = new CTimeRectSeries;
        pTrack->SetMapY(true);
        m_pView->AddSeries(pTrack);
    }
    auto* pSelect = new CSelectRectSeries;
    for (int k = 0; k <= s_iTracks; ++k)
        pSelect->AddPoint(0, s_iTop + k * s_iRowHeight);
    m_pView->AddSeries(pSelect);
    auto* pPlayMark = new CLineSeries;
    pPlayMark->AddPoint(-1, s_iTop);
    m_pView->AddSeries(pPlayMark);
    auto* pAxis = new CAxisSeries(m_pView->m_iBase);
    pAxis->SetTickTop(s_iTop - 9);
    pAxis->SetLabelTop(s_iTop - 20);
    m_pView->AddSeries(pAxis);
    auto* pMouseText = new CMouseTextSeries;
    pMouseText->SetTextTop(s_iTop - 38);
    m_pView->AddSeries(pMouseText);
    m_pView->AddSeries(new CTagSeries);
}

void TimelineEnginePage::LoadRecordings()
{
    const QDateTime dtNow = GalleryData::ReferenceNow();
    const QDateTime dtWeekStart(dtNow.date().addDays(-6), QTime(0, 0));
    QList<CChartSeries*> listTracks;
    m_pView->FindAllSeries(ChartSeriesTimeRect, listTracks);
    QRandomGenerator generator(20261205);
    for (int iTrack = 0; iTrack < listTracks.size(); ++iTrack) {
        auto* pTrack = static_cast<CTimeRectSeries*>(listTracks.at(iTrack));
        const int iTop = s_iTop + iTrack * s_iRowHeight + 6;
        const int iBottom = iTop + 13;
        // Cameras 0 and 2 record around the clock; 1 and 3 record on motion only.
        const bool bContinuous = iTrack % 2 == 0;
        QDateTime dtCursor = dtWeekStart;
        while (dtCursor < dtNow) {
            const int iLength = bContinuous ? generator.bounded(1800, 7200) : generator.bounded(60, 900);
            QDateTime dtEnd = qMin(dtCursor.addSecs(iLength), dtNow);
            const int iLevel = bContinuous ? 1 : (generator.bounded(4) == 0 ? 2 : 3);
            const QColor color = iLevel == 1 ? s_colorContinuous : (iLevel == 2 ? s_colorEvent : s_colorMotion);
            pTrack->AddRect(QPoint(int(m_pView->ValueOf(dtCursor)), iTop), QPoint(int(m_pView->ValueOf(dtEnd)), iBottom),
                            color, iLevel);
            const int iGap = bContinuous ? generator.bounded(0, 400) : generator.bounded(300, 5400);
            dtCursor = dtEnd.addSecs(iGap);
        }
        // Alarm recordings on top of the continuous ones.
        if (bContinuous) {
            for (int i = 0; i < 40; ++i) {
                const QDateTime dtAlarm = dtWeekStart.addSecs(generator.bounded(7 * 86400));
                if (dtAlarm > dtNow)
                    continue;
                pTrack->AddRect(QPoint(int(m_pView->ValueOf(dtAlarm)), iTop),
                                QPoint(int(m_pView->ValueOf(dtAlarm.addSecs(generator.bounded(120, 600)))), iBottom),
                                s_colorEvent, 2);
            }
        }
    }

    auto* pTags = static_cast<CTagSeries*>(m_pView->FindSeries(ChartSeriesTag));
    const QStringList listTags = {tr("Barrier forced"), tr("Plate mismatch"), tr("Delivery"), tr("Shift change")};
    for (int iHour : {2, 7, 9, 13, 15}) {
        const int iValue = int(m_pView->ValueOf(QDateTime(dtNow.date(), QTime(iHour, 20))));
        pTags->AddTag(QPoint(iValue, 30), QPoint(iValue, 30), listTags.at(iHour % listTags.size()));
    }

    auto* pSelect = static_cast<CSelectRectSeries*>(m_pView->FindSeries(ChartSeriesSelectRect));
    pSelect->SetSelectedRow(1);
    pSelect->AddRange(1, m_pView->ValueOf(QDateTime(dtNow.date(), QTime(10, 5))),
                      m_pView->ValueOf(QDateTime(dtNow.date(), QTime(11, 40))));
    const double dPlay = m_pView->ValueOf(dtNow.addSecs(-3 * 3600));
    m_pView->FindSeries(ChartSeriesLine)->SetXValue(0, dPlay);
    m_pView->SetCurrentDateTime(dtNow);
    const double dCentre = m_pView->ValueOf(dtNow.addSecs(-4 * 3600));
    m_pView->GetXAxis()->SetRange(dCentre - 43200, dCentre + 43200);
    Zoom(0);
}

void TimelineEnginePage::Zoom(int iDirection)
{
    const int iLevels = int(sizeof(s_levels) / sizeof(s_levels[0]));
    m_iLevel = qBound(0, m_iLevel + iDirection, iLevels - 1);
    const SLevel& level = s_levels[m_iLevel];
    double dMin = 0.0;
    double dMax = 0.0;
    m_pView->GetXAxis()->GetRange(dMin, dMax);
    const double dCentre = (dMin + dMax) / 2;
    m_pView->GetXAxis()->SetRange(dCentre - level.iSpan / 2.0, dCentre + level.iSpan / 2.0);
    auto* pAxis = static_cast<CAxisSeries*>(m_pView->FindSeries(ChartSeriesAxis));
    pAxis->SetInterval(level.iStep);
    pAxis->SetLabelEvery(level.iLabelEvery);
    m_pView->PostUpdateChart();
    if (iDirection != 0)
        Log(tr("Visible span %1 minutes").arg(level.iSpan / 60));
}

void TimelineEnginePage::Log(const QString& strMessage)
{
    m_pLogLine->setText(strMessage);
}

#include "TimelineEnginePage.moc"
