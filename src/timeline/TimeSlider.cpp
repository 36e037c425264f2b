#include "TimeSliderPrivate.h"

#include "foundation/ToolkitLogging.h"

#include "timeline/engine/AxisSeries.h"
#include "timeline/engine/ChartView.h"
#include "timeline/engine/MouseTextSeries.h"
#include "foundation/GuiFunctionsInternal.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QPointer>
#include <QtCore/QTimer>
#include <QtGui/QWheelEvent>

#include <climits>
#include <cmath>

namespace OrvaGUIToolkit {

namespace {

constexpr int s_iDay = 86400;
constexpr int s_iHalfDay = 43200;

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

// Whole seconds of a double, saturated at the ends of qint64 (0 for NaN):
// pixel and range arithmetic at the extremes must never overflow.
qint64 SaturatedSeconds(double dValue)
{
    if (std::isnan(dValue))
        return 0;
    constexpr double dLimit = 9.0e18;
    return qint64(qBound(-dLimit, std::trunc(dValue), dLimit));
}

} // namespace

CTimeSliderPrivate::CTimeSliderPrivate(CChartView* pChartView)
    : m_pChartView(pChartView)
{
}

CTimeSliderPrivate::~CTimeSliderPrivate() = default;

void CTimeSliderPrivate::Init()
{
    Q_Q(CTimeSlider);
    m_pChartView->setParent(q);
    m_iBase = GetLocalUtcOffset();
    const QDate today = QDate::currentDate();
    m_iRangeMin = LocalMidnight(today) + GetLocalUtcOffset() - m_iBase;
    m_iRangeMax = LocalMidnight(today.addDays(1)) + GetLocalUtcOffset() - m_iBase;
    q->setMouseTracking(true);

    m_pUpdateTimer = new QTimer(q);
    QObject::connect(m_pUpdateTimer, &QTimer::timeout, q, &CTimeSlider::OnUpdateTimeSlider);
    QObject::connect(q, &CTimeSlider::SignalMouseEnter, q, &CTimeSlider::OnUpdateTimeSlider);
}

CTimeSlider::CTimeSlider(CTimeSliderPrivate& dd, QWidget* pParent)
    : QFrame(pParent)
    , d_ptr(&dd)
{
    Q_D(CTimeSlider);
    d->q_ptr = this;
    d->Init();
}

CTimeSlider::~CTimeSlider() = default;

void CTimeSlider::SetTimeRange(const QDate& dtFirst, const QDate& dtLast)
{
    Q_D(CTimeSlider);
    if (!dtFirst.isValid() || !dtLast.isValid() || dtFirst > dtLast)
        return;
    const QDateTime dtBegin(dtFirst, QTime(0, 0));
    const QDateTime dtEnd(dtLast.addDays(1), QTime(0, 0));
    if (!dtBegin.isValid() || !dtEnd.isValid() || (dtBegin == d->m_dtBegin && dtEnd == d->m_dtEnd))
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
    Q_D(const CTimeSlider);
    dtFirst = d->m_dtBegin;
    dtLast = d->m_dtEnd.isValid() ? d->m_dtEnd.addSecs(-1) : QDateTime();
}

void CTimeSlider::ShowZoomByType(int iLevel)
{
    Q_D(CTimeSlider);
    d->m_iLevel = iLevel;
    SetMinMaxBySpan(GetShowSpan(iLevel));
    if (CChartSeries* pAxis = d->m_pChartView->FindSeries(ChartSeriesAxis))
        pAxis->SetInterval(GetOneStepSpan(iLevel));
    RepaintTimeSlider();
}

void CTimeSlider::SetMinMaxBySpan(double dSpan)
{
    Q_D(CTimeSlider);
    if (!std::isfinite(dSpan) || dSpan < 0.0) {
        qCWarning(lcOrvaGUIToolkit, "CTimeSlider::SetMinMaxBySpan: dSpan is not a finite span");
        return;
    }
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
    d->SetVisibleRange(dNewMin, dNewMin + dSpan);
}

int CTimeSlider::GetZoomLevel() const
{
    Q_D(const CTimeSlider);
    return d->m_iLevel;
}

QDateTime CTimeSlider::CurrentTime() const
{
    Q_D(const CTimeSlider);
    return d->m_pChartView->GetCurrentDateTime();
}

void CTimeSlider::GetVisibleRange(double& dMin, double& dMax) const
{
    Q_D(const CTimeSlider);
    d->m_pChartView->GetXAxis()->GetRange(dMin, dMax);
}

double CTimeSlider::TimeToValue(qint64 iTime) const
{
    Q_D(const CTimeSlider);
    // In doubles: times near the ends of qint64 must not wrap.
    return double(iTime) + double(GetLocalUtcOffset() - d->m_iBase);
}

qint64 CTimeSlider::ValueToTime(double dValue) const
{
    Q_D(const CTimeSlider);
    if (!std::isfinite(dValue))
        return 0;
    return SaturatedSeconds(std::floor(dValue) + double(d->m_iBase - GetLocalUtcOffset()));
}

void CTimeSlider::RepaintTimeSlider()
{
    Q_D(CTimeSlider);
    d->m_pChartView->PostUpdateChart();
}

void CTimeSlider::Clear()
{
    Q_D(CTimeSlider);
    for (int i = 0; i < d->m_pChartView->GetSeriesCount(); ++i)
        d->m_pChartView->GetSeries(i)->Clear();
}

void CTimeSlider::Reset()
{
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
    Q_D(CTimeSlider);
    if (d->m_iLevel > struTimeSliderData::ScaleDayBy2Hours)
        ShowZoomByType(d->m_iLevel - 1);
}

void CTimeSlider::OnSlotZoomOut()
{
    Q_D(CTimeSlider);
    // Any level but the narrowest goes one further; the largest int has no
    // next level.
    if (d->m_iLevel != struTimeSliderData::Scale12MinutesByMinute && d->m_iLevel != INT_MAX)
        ShowZoomByType(d->m_iLevel + 1);
}

bool CTimeSlider::eventFilter(QObject* pWatched, QEvent* pEvent)
{
    Q_D(CTimeSlider);
    if (pWatched != d->m_pChartView)
        return QWidget::eventFilter(pWatched, pEvent);
    // A receiver of a signal emitted below may delete the slider, and the
    // view with it: then the event is done with.
    const QPointer<CTimeSlider> guard(this);
    switch (pEvent->type()) {
    case QEvent::MouseButtonPress:
        d->OnViewPress(static_cast<QMouseEvent*>(pEvent));
        break;
    case QEvent::MouseMove:
        d->OnViewMove(static_cast<QMouseEvent*>(pEvent));
        break;
    case QEvent::MouseButtonRelease:
        d->OnViewRelease(static_cast<QMouseEvent*>(pEvent));
        break;
    case QEvent::Enter:
        d->OnViewEnter();
        break;
    case QEvent::Leave:
        d->OnViewLeave();
        break;
    default:
        break;
    }
    return !guard || QWidget::eventFilter(pWatched, pEvent);
}

void CTimeSlider::wheelEvent(QWheelEvent* pEvent)
{
    Q_D(CTimeSlider);
    d->m_ptMouse = d->m_pChartView->mapFrom(this, SaturatedPoint(pEvent->position()));
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
    Q_D(CTimeSlider);
    d->MoveByStep(1);
}

void CTimeSlider::MoveLeft()
{
    Q_D(CTimeSlider);
    d->MoveByStep(-1);
}

void CTimeSlider::OnSlotReleaseMove()
{
    Q_D(CTimeSlider);
    d->m_bMoving = false;
}

void CTimeSlider::OnPlayTime(unsigned uTime)
{
    Q_D(CTimeSlider);
    if (uTime == s_uNoTime || d->m_bMoving)
        return;
    qint64 iTime = uTime;
    if (d->m_dtBegin.isValid() && d->m_dtEnd.isValid())
        iTime = qBound(d->m_iBeginSecs, iTime, d->m_iEndSecs);
    double dMin = 0.0;
    double dMax = 0.0;
    GetVisibleRange(dMin, dMax);
    const double dHalf = (dMax - dMin) / 2.0;
    const double dTime = TimeToValue(iTime);
    d->SetVisibleRange(dTime - dHalf, dTime + dHalf);
    if (d->ShowDateTime(iTime))
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
    Q_D(CTimeSlider);
    auto* pText = static_cast<CMouseTextSeries*>(d->m_pChartView->FindSeries(ChartSeriesMouseText));
    if (pText) {
        if (d->m_pChartView->GetChartRect().contains(d->m_ptMouse)) {
            const qint64 iTime = d->TimeAtX(d->m_ptMouse.x());
            pText->SetTime(TimeToValue(iTime));
            pText->SetText(QDateTime::fromSecsSinceEpoch(iTime).toString(QStringLiteral("hh:mm:ss")));
        } else {
            pText->Clear();
        }
    }
    RepaintTimeSlider();
}

void CTimeSliderPrivate::MoveByStep(int iDirection)
{
    Q_Q(CTimeSlider);
    m_bMoving = true;
    double dMin = 0.0;
    double dMax = 0.0;
    q->GetVisibleRange(dMin, dMax);
    const double dSpan = dMax - dMin;
    const double dStep = CTimeSlider::GetOneStepSpan(m_iLevel);
    // The leading edge moves one tick step, stopping at the browsable range;
    // the span stays.
    if (iDirection > 0)
        dMin = qMin<double>(dMax + dStep, m_iRangeMax) - dSpan;
    else
        dMin = qMax<double>(dMin - dStep, m_iRangeMin);
    SetVisibleRange(dMin, dMin + dSpan);
    if (ShowCentreDateTime())
        q->RepaintTimeSlider();
}

void CTimeSliderPrivate::ClearMouseText()
{
    if (CChartSeries* pText = m_pChartView->FindSeries(ChartSeriesMouseText))
        pText->Clear();
}

void CTimeSliderPrivate::EndHover()
{
    Q_Q(CTimeSlider);
    ClearMouseText();
    m_pUpdateTimer->stop();
    if (m_pChartView->cursor().shape() == Qt::OpenHandCursor)
        m_pChartView->unsetCursor();
    q->RepaintTimeSlider();
}

qint64 CTimeSliderPrivate::TimeAtX(int iX) const
{
    Q_Q(const CTimeSlider);
    const QRect rectChart = m_pChartView->GetChartRect();
    double dMin = 0.0;
    double dMax = 0.0;
    q->GetVisibleRange(dMin, dMax);
    if (rectChart.width() <= 0)
        return q->ValueToTime(dMin);
    const double dValue = (double(iX) - rectChart.left()) * (dMax - dMin) / rectChart.width() + dMin;
    return SaturatedSeconds(SaturatedSeconds(dValue) + double(m_iBase - GetLocalUtcOffset()));
}

void CTimeSliderPrivate::BeginDrag(const QPoint& ptPress)
{
    Q_Q(CTimeSlider);
    q->GetVisibleRange(m_dPressMin, m_dPressMax);
    const QRect rectChart = m_pChartView->GetChartRect();
    m_iPressOffset = rectChart.width() > 0
        ? SaturatedSeconds((double(ptPress.x()) - rectChart.left()) * (m_dPressMax - m_dPressMin) / rectChart.width())
        : 0;
}

void CTimeSliderPrivate::DragTo(const QPoint& ptMouse)
{
    Q_Q(CTimeSlider);
    const QRect rectChart = m_pChartView->GetChartRect();
    if (rectChart.width() <= 0)
        return;
    const double dSpan = m_dPressMax - m_dPressMin;
    // In doubles and 64-bit seconds: a mouse far outside the window or a huge
    // span must still move the range, never wrap.
    const qint64 iOffset = SaturatedSeconds((double(ptMouse.x()) - rectChart.left()) * dSpan / rectChart.width());
    const double dDelta = double(iOffset) - double(m_iPressOffset);
    const int iSlack = CTimeSlider::GetLeftSpace(m_iLevel);
    double dMin = m_dPressMin - dDelta;
    if (dDelta < 0) {
        // Dragged to the left: later times come in from the right.
        const double dLimit = double(m_iRangeMax) - s_iHalfDay + iSlack;
        if (m_dPressMax - dDelta > dLimit)
            dMin = dLimit - dSpan;
    } else {
        const double dLimit = double(m_iRangeMin) + s_iHalfDay - iSlack;
        if (m_dPressMin - dDelta < dLimit)
            dMin = dLimit;
    }
    SetVisibleRange(dMin, dMin + dSpan);
    if (ShowCentreDateTime())
        q->RepaintTimeSlider();
}

void CTimeSliderPrivate::SetVisibleRange(double dMin, double dMax)
{
    if (std::isfinite(dMin) && std::isfinite(dMax))
        m_pChartView->GetXAxis()->SetRange(dMin, dMax);
}

bool CTimeSliderPrivate::SegmentToValues(const QDateTime& dtBegin, const QDateTime& dtEnd, qint64& iBegin,
                                         qint64& iEnd) const
{
    if (!dtBegin.isValid() || !dtEnd.isValid() || !m_dtBegin.isValid())
        return false;
    // Whole seconds throughout: every local date-time conversion costs a
    // time-zone look-up, and clients hand over segments by the hundred thousand.
    const qint64 iSegmentBegin = dtBegin.toSecsSinceEpoch();
    const qint64 iSegmentEnd = dtEnd.toSecsSinceEpoch();
    if (iSegmentEnd < iSegmentBegin)
        return false;
    const bool bPoint = iSegmentBegin == iSegmentEnd;
    if (bPoint ? (iSegmentBegin < m_iBeginSecs || iSegmentBegin >= m_iEndSecs)
               : (iSegmentBegin >= m_iEndSecs || iSegmentEnd <= m_iBeginSecs))
        return false;
    const qint64 iClippedBegin = qMax(iSegmentBegin, m_iBeginSecs);
    const qint64 iClippedEnd = qMin(iSegmentEnd, m_iEndSecs);
    iBegin = m_iRangeMin + s_iHalfDay + (iClippedBegin - m_iBeginSecs);
    iEnd = iBegin + (iClippedEnd - iClippedBegin);
    return true;
}

bool CTimeSliderPrivate::ShowDateTime(qint64 iTime)
{
    Q_Q(CTimeSlider);
    const QPointer<CTimeSlider> guard(q);
    m_pChartView->SetCurrentDateTime(QDateTime::fromSecsSinceEpoch(iTime));
    return guard;
}

bool CTimeSliderPrivate::ShowCentreDateTime()
{
    Q_Q(CTimeSlider);
    double dMin = 0.0;
    double dMax = 0.0;
    q->GetVisibleRange(dMin, dMax);
    return ShowDateTime(q->ValueToTime(std::round((dMin + dMax) / 2.0)));
}

} // namespace OrvaGUIToolkit

#include "OrvaGUIToolkit/Timeline/moc_TimeSlider.cpp"
