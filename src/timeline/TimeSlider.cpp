#include "foundation/ToolkitLogging.h"
#include <OrvaGUIToolkit/Timeline/TimeSlider.h>

#include "timeline/engine/AxisSeries.h"
#include "timeline/engine/ChartView.h"
#include "timeline/engine/MouseTextSeries.h"
#include "foundation/GuiFunctionsInternal.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QTimer>
#include <QtGui/QWheelEvent>

#include <climits>
#include <cmath>

namespace OrvaGUIToolkit {

namespace {

constexpr int s_iDay = 86400;
constexpr int s_iHalfDay = 43200;
constexpr int s_iUpdateInterval = 5000;

struct SLevel
{
    int iLevel;
    int iSpan;
    int iStep;
    int iSlack;
};

constexpr SLevel s_levels[] = {
    {struTimeSliderData::ScaleDayBy12Hours, 86400, 43200, 43200},
    {struTimeSliderData::ScaleDayBy6Hours, 86400, 21600, 43200},
    {struTimeSliderData::ScaleDayBy2Hours, 86400, 7200, 43200},
    {struTimeSliderData::ScaleHalfDayByHour, 43200, 3600, 21600},
    {struTimeSliderData::Scale6HoursBy30Minutes, 21600, 1800, 10800},
    {struTimeSliderData::Scale2HoursBy10Minutes, 7200, 600, 3600},
    {struTimeSliderData::ScaleHourBy5Minutes, 3600, 300, 1800},
    {struTimeSliderData::Scale12MinutesByMinute, 720, 60, 150},
};

const SLevel* FindLevel(int iLevel)
{
    for (const SLevel& level : s_levels) {
        if (level.iLevel == iLevel)
            return &level;
    }
    return nullptr;
}

qint64 LocalMidnight(const QDate& date)
{
    return QDateTime(date, QTime(0, 0)).toSecsSinceEpoch();
}

} // namespace

class CTimeSliderPrivate
{
public:
    CChartView* m_pChartView = nullptr;
    bool m_bMoving = false;
    int m_iBase = 0;
    QDateTime m_dtBegin;
    QDateTime m_dtEnd;
    // The same as time_t, for converting segments without date-time arithmetic.
    qint64 m_iBeginSecs = 0;
    qint64 m_iEndSecs = 0;
    qint64 m_iRangeMin = 0;
    qint64 m_iRangeMax = 0;
    int m_iLevel = struTimeSliderData::ScaleDayBy12Hours;
    int m_iPressOffset = 0;
    QPoint m_ptMouse;
    bool m_bZoomAtMouse = false;
    double m_dPressMin = 0.0;
    double m_dPressMax = 0.0;
    QTimer* m_pUpdateTimer = nullptr;
};

CTimeSlider::CTimeSlider(CChartView* pChartView, QWidget* pParent)
    : QFrame(pParent)
    , d(new CTimeSliderPrivate)
{
    if (!pChartView)
        qCWarning(lcOrvaGUIToolkit, "CTimeSlider::CTimeSlider: pChartView == NULL");
    d->m_pChartView = pChartView;
    if (pChartView)
        pChartView->setParent(this);
    d->m_iBase = GetLocalUtcOffset();
    const QDate today = QDate::currentDate();
    d->m_iRangeMin = LocalMidnight(today) + GetLocalUtcOffset() - d->m_iBase;
    d->m_iRangeMax = LocalMidnight(today.addDays(1)) + GetLocalUtcOffset() - d->m_iBase;
    setMouseTracking(true);

    d->m_pUpdateTimer = new QTimer(this);
    connect(d->m_pUpdateTimer, &QTimer::timeout, this, &CTimeSlider::OnUpdateTimeSlider);
    connect(this, &CTimeSlider::SignalMouseEnter, this, &CTimeSlider::OnUpdateTimeSlider);
}

CTimeSlider::~CTimeSlider() = default;

void CTimeSlider::SetTimeRange(const QDate& dtFirst, const QDate& dtLast)
{
    if (!dtFirst.isValid() || !dtLast.isValid() || dtFirst > dtLast)
        return;
    const QDateTime dtBegin(dtFirst, QTime(0, 0));
    const QDateTime dtEnd(dtLast.addDays(1), QTime(0, 0));
    if (dtBegin == d->m_dtBegin && dtEnd == d->m_dtEnd)
        return;
    d->m_dtBegin = dtBegin;
    d->m_dtEnd = dtEnd;
    d->m_iBeginSecs = dtBegin.toSecsSinceEpoch();
    d->m_iEndSecs = dtEnd.toSecsSinceEpoch();
    d->m_iRangeMin = d->m_iBeginSecs - s_iHalfDay - d->m_iBase + GetLocalUtcOffset();
    d->m_iRangeMax = d->m_iEndSecs + s_iHalfDay - d->m_iBase + GetLocalUtcOffset();
}

void CTimeSlider::GetTimeRange(QDateTime& dtFirst, QDateTime& dtLast) const
{
    dtFirst = d->m_dtBegin;
    dtLast = d->m_dtEnd.isValid() ? d->m_dtEnd.addSecs(-1) : QDateTime();
}

void CTimeSlider::ShowZoomByType(int iLevel)
{
    d->m_iLevel = iLevel;
    SetMinMaxBySpan(GetShowSpan(iLevel));
    if (d->m_pChartView) {
        if (CChartSeries* pAxis = d->m_pChartView->FindSeries(ChartSeriesAxis))
            pAxis->SetInterval(GetOneStepSpan(iLevel));
    }
    RepaintTimeSlider();
}

void CTimeSlider::SetMinMaxBySpan(double dSpan)
{
    if (!d->m_pChartView)
        return;
    CChartAxis* pAxis = d->m_pChartView->GetXAxis();
    double dMin = 0.0;
    double dMax = 0.0;
    pAxis->GetRange(dMin, dMax);
    double dNewMin = 0.0;
    if (d->m_bZoomAtMouse && dMax > dMin) {
        const double dTime = pAxis->PixelToValue(d->m_ptMouse.x());
        const double dRatio = (dTime - dMin) / (dMax - dMin);
        dNewMin = dTime - dSpan * dRatio;
    } else {
        dNewMin = (dMin + dMax) / 2.0 - dSpan / 2.0;
    }
    if (dNewMin < d->m_iRangeMin)
        dNewMin = d->m_iRangeMin;
    else if (dNewMin + dSpan > d->m_iRangeMax)
        dNewMin = d->m_iRangeMax - dSpan;
    pAxis->SetRange(dNewMin, dNewMin + dSpan);
}

int CTimeSlider::GetZoomLevel() const
{
    return d->m_iLevel;
}

void CTimeSlider::SetZoomLevel(int iLevel)
{
    d->m_iLevel = iLevel;
}

QDateTime CTimeSlider::CurrentTime() const
{
    return d->m_pChartView ? d->m_pChartView->GetCurrentDateTime() : QDateTime();
}

void CTimeSlider::GetVisibleRange(double& dMin, double& dMax) const
{
    dMin = 0.0;
    dMax = 0.0;
    if (d->m_pChartView)
        d->m_pChartView->GetXAxis()->GetRange(dMin, dMax);
}

qint64 CTimeSlider::GetRangeMin() const
{
    return d->m_iRangeMin;
}

qint64 CTimeSlider::GetRangeMax() const
{
    return d->m_iRangeMax;
}

int CTimeSlider::GetBase() const
{
    return d->m_iBase;
}

bool CTimeSlider::IsMoving() const
{
    return d->m_bMoving;
}

void CTimeSlider::SetMoving(bool bMoving)
{
    d->m_bMoving = bMoving;
}

double CTimeSlider::TimeToValue(qint64 iTime) const
{
    return double(iTime + GetLocalUtcOffset() - d->m_iBase);
}

qint64 CTimeSlider::ValueToTime(double dValue) const
{
    if (!std::isfinite(dValue))
        return 0;
    return qint64(std::floor(dValue)) + d->m_iBase - GetLocalUtcOffset();
}

void CTimeSlider::RepaintTimeSlider()
{
    if (d->m_pChartView)
        d->m_pChartView->PostUpdateChart();
}

void CTimeSlider::Clear()
{
    if (!d->m_pChartView)
        return;
    for (int i = 0; i < d->m_pChartView->GetSeriesCount(); ++i)
        d->m_pChartView->GetSeries(i)->Clear();
}

void CTimeSlider::Reset()
{
}

CChartView* CTimeSlider::GetChartView() const
{
    return d->m_pChartView;
}

int CTimeSlider::GetShowSpan(int iLevel)
{
    const SLevel* pLevel = FindLevel(iLevel);
    return pLevel ? pLevel->iSpan : s_iDay;
}

int CTimeSlider::GetOneStepSpan(int iLevel)
{
    const SLevel* pLevel = FindLevel(iLevel);
    return pLevel ? pLevel->iStep : 0;
}

int CTimeSlider::GetLeftSpace(int iLevel)
{
    const SLevel* pLevel = FindLevel(iLevel);
    return pLevel ? pLevel->iSlack : 0;
}

void CTimeSlider::OnSlotZoomIn()
{
    if (d->m_iLevel > struTimeSliderData::ScaleDayBy2Hours
        && d->m_iLevel <= struTimeSliderData::Scale12MinutesByMinute)
        ShowZoomByType(d->m_iLevel - 1);
}

void CTimeSlider::OnSlotZoomOut()
{
    if (d->m_iLevel >= struTimeSliderData::ScaleDayBy12Hours
        && d->m_iLevel < struTimeSliderData::Scale12MinutesByMinute)
        ShowZoomByType(d->m_iLevel + 1);
}

void CTimeSlider::wheelEvent(QWheelEvent* pEvent)
{
    if (d->m_pChartView)
        d->m_ptMouse = d->m_pChartView->mapFrom(this, pEvent->position().toPoint());
    d->m_bZoomAtMouse = true;
    if (pEvent->angleDelta().y() < 1)
        OnSlotZoomOut();
    else
        OnSlotZoomIn();
    d->m_bZoomAtMouse = false;
    pEvent->accept();
}

void CTimeSlider::MoveRight()
{
    MoveByStep(1);
}

void CTimeSlider::MoveLeft()
{
    MoveByStep(-1);
}

void CTimeSlider::MoveByStep(int iDirection)
{
    if (!d->m_pChartView)
        return;
    d->m_bMoving = true;
    double dMin = 0.0;
    double dMax = 0.0;
    GetVisibleRange(dMin, dMax);
    const double dSpan = dMax - dMin;
    const double dStep = GetOneStepSpan(d->m_iLevel);
    // The leading edge moves one tick step, stopping at the browsable range;
    // the span stays.
    if (iDirection > 0)
        dMin = qMin<double>(dMax + dStep, d->m_iRangeMax) - dSpan;
    else
        dMin = qMax<double>(dMin - dStep, d->m_iRangeMin);
    d->m_pChartView->GetXAxis()->SetRange(dMin, dMin + dSpan);
    UpdateCurrentDateTimeFromCentre();
    RepaintTimeSlider();
}

void CTimeSlider::OnSlotReleaseMove()
{
    d->m_bMoving = false;
}

void CTimeSlider::OnPlayTime(unsigned uTime)
{
    if (uTime == s_uNoTime || d->m_bMoving || !d->m_pChartView)
        return;
    qint64 iTime = uTime;
    if (d->m_dtBegin.isValid() && d->m_dtEnd.isValid())
        iTime = qBound(d->m_iBeginSecs, iTime, d->m_iEndSecs);
    double dMin = 0.0;
    double dMax = 0.0;
    GetVisibleRange(dMin, dMax);
    const double dHalf = (dMax - dMin) / 2.0;
    const double dTime = TimeToValue(iTime);
    d->m_pChartView->GetXAxis()->SetRange(dTime - dHalf, dTime + dHalf);
    d->m_pChartView->SetCurrentDateTime(QDateTime::fromSecsSinceEpoch(iTime));
    RepaintTimeSlider();
}

void CTimeSlider::OnPlayTime(const QDateTime& dtTime)
{
    if (!dtTime.isValid())
        return;
    const qint64 iTime = dtTime.toSecsSinceEpoch();
    // Times a 32-bit playing time cannot carry are pinned to its ends.
    OnPlayTime(unsigned(qBound<qint64>(0, iTime, qint64(s_uNoTime) - 1)));
}

void CTimeSlider::OnUpdateTimeSlider()
{
    if (!d->m_pChartView)
        return;
    auto* pText = static_cast<CMouseTextSeries*>(d->m_pChartView->FindSeries(ChartSeriesMouseText));
    if (pText) {
        if (d->m_pChartView->GetChartRect().contains(d->m_ptMouse)) {
            const qint64 iTime = TimeAtX(d->m_ptMouse.x());
            pText->SetTime(TimeToValue(iTime));
            pText->SetText(QDateTime::fromSecsSinceEpoch(iTime).toString(QStringLiteral("hh:mm:ss")));
        } else {
            pText->Clear();
        }
    }
    RepaintTimeSlider();
}

void CTimeSlider::ClearMouseText()
{
    if (!d->m_pChartView)
        return;
    if (CChartSeries* pText = d->m_pChartView->FindSeries(ChartSeriesMouseText))
        pText->Clear();
}

void CTimeSlider::StartUpdateTimer()
{
    d->m_pUpdateTimer->start(s_iUpdateInterval);
}

void CTimeSlider::StopUpdateTimer()
{
    d->m_pUpdateTimer->stop();
}

void CTimeSlider::SetMousePos(const QPoint& ptMouse)
{
    d->m_ptMouse = ptMouse;
}

QPoint CTimeSlider::GetMousePos() const
{
    return d->m_ptMouse;
}

qint64 CTimeSlider::TimeAtX(int iX) const
{
    if (!d->m_pChartView)
        return 0;
    const QRect rectChart = d->m_pChartView->GetChartRect();
    double dMin = 0.0;
    double dMax = 0.0;
    GetVisibleRange(dMin, dMax);
    if (rectChart.width() <= 0)
        return ValueToTime(dMin);
    const double dValue = double(iX - rectChart.left()) * (dMax - dMin) / rectChart.width() + dMin;
    return qint64(std::trunc(dValue)) + d->m_iBase - GetLocalUtcOffset();
}

void CTimeSlider::BeginDrag(const QPoint& ptPress)
{
    if (!d->m_pChartView)
        return;
    GetVisibleRange(d->m_dPressMin, d->m_dPressMax);
    const QRect rectChart = d->m_pChartView->GetChartRect();
    d->m_iPressOffset = rectChart.width() > 0
        ? int((ptPress.x() - rectChart.left()) * (d->m_dPressMax - d->m_dPressMin) / rectChart.width())
        : 0;
}

void CTimeSlider::DragTo(const QPoint& ptMouse)
{
    if (!d->m_pChartView)
        return;
    const QRect rectChart = d->m_pChartView->GetChartRect();
    if (rectChart.width() <= 0)
        return;
    const double dSpan = d->m_dPressMax - d->m_dPressMin;
    const int iOffset = int((ptMouse.x() - rectChart.left()) * dSpan / rectChart.width());
    const int iDelta = iOffset - d->m_iPressOffset;
    const int iSlack = GetLeftSpace(d->m_iLevel);
    double dMin = d->m_dPressMin - iDelta;
    if (iDelta < 0) {
        // Dragged to the left: later times come in from the right.
        const double dLimit = double(d->m_iRangeMax) - s_iHalfDay + iSlack;
        if (d->m_dPressMax - iDelta > dLimit)
            dMin = dLimit - dSpan;
    } else {
        const double dLimit = double(d->m_iRangeMin) + s_iHalfDay - iSlack;
        if (d->m_dPressMin - iDelta < dLimit)
            dMin = dLimit;
    }
    d->m_pChartView->GetXAxis()->SetRange(dMin, dMin + dSpan);
    UpdateCurrentDateTimeFromCentre();
    RepaintTimeSlider();
}

bool CTimeSlider::SegmentToValues(const QDateTime& dtBegin, const QDateTime& dtEnd, int& iBegin, int& iEnd) const
{
    if (!dtBegin.isValid() || !dtEnd.isValid() || !d->m_dtBegin.isValid())
        return false;
    // Whole seconds throughout: every local date-time conversion costs a
    // time-zone look-up, and clients hand over segments by the hundred thousand.
    const qint64 iSegmentBegin = dtBegin.toSecsSinceEpoch();
    const qint64 iSegmentEnd = dtEnd.toSecsSinceEpoch();
    if (iSegmentEnd < iSegmentBegin)
        return false;
    const bool bPoint = iSegmentBegin == iSegmentEnd;
    if (bPoint ? (iSegmentBegin < d->m_iBeginSecs || iSegmentBegin >= d->m_iEndSecs)
               : (iSegmentBegin >= d->m_iEndSecs || iSegmentEnd <= d->m_iBeginSecs))
        return false;
    const qint64 iClippedBegin = qMax(iSegmentBegin, d->m_iBeginSecs);
    const qint64 iClippedEnd = qMin(iSegmentEnd, d->m_iEndSecs);
    const qint64 iValueBegin = d->m_iRangeMin + s_iHalfDay + (iClippedBegin - d->m_iBeginSecs);
    const qint64 iValueEnd = iValueBegin + (iClippedEnd - iClippedBegin);
    if (iValueBegin < INT_MIN || iValueEnd > INT_MAX)
        return false;
    iBegin = int(iValueBegin);
    iEnd = int(iValueEnd);
    return true;
}

void CTimeSlider::UpdateCurrentDateTimeFromCentre()
{
    double dMin = 0.0;
    double dMax = 0.0;
    GetVisibleRange(dMin, dMax);
    const qint64 iCentre = ValueToTime(std::round((dMin + dMax) / 2.0));
    d->m_pChartView->SetCurrentDateTime(QDateTime::fromSecsSinceEpoch(iCentre));
}

} // namespace OrvaGUIToolkit
