#include <OrvaGUIToolkit/Timeline/SingleTimeSlider.h>

#include "timeline/engine/AxisSeries.h"
#include "timeline/engine/GrooveSeries.h"
#include "timeline/engine/MouseTextSeries.h"
#include "timeline/engine/SingleChartView.h"
#include "timeline/engine/TagSeries.h"
#include "timeline/engine/TimeRectSeries.h"

#include <QtCore/QTimer>
#include <QtGui/QMouseEvent>
#include <QtWidgets/QApplication>
#include <QtWidgets/QGridLayout>

namespace OrvaGUIToolkit {

namespace {

constexpr int s_iLeaveDelay = 500;

} // namespace

CSingleTimeSlider::CSingleTimeSlider(QWidget* pParent)
    : CTimeSlider(new CSingleChartView, pParent)
    , m_pView(static_cast<CSingleChartView*>(GetChartView()))
    , m_pLeaveTimer(new QTimer(this))
{
    qRegisterMetaType<time_t>("time_t");
    auto* pLayout = new QGridLayout(this);
    pLayout->setContentsMargins(0, 0, 0, 0);
    pLayout->setSpacing(0);
    pLayout->addWidget(m_pView, 0, 0);
    m_pView->installEventFilter(this);

    m_pLeaveTimer->setSingleShot(true);
    m_pLeaveTimer->setInterval(s_iLeaveDelay);
    connect(m_pLeaveTimer, &QTimer::timeout, this, &CSingleTimeSlider::OnLeaveTimerOut);

    connect(m_pView, &CChartView::SignalMoveLeft, this, &CTimeSlider::MoveLeft);
    connect(m_pView, &CChartView::SignalMoveRight, this, &CTimeSlider::MoveRight);
    connect(m_pView, &CChartView::SignalDelayRelease, this, &CTimeSlider::OnSlotReleaseMove);
    connect(m_pView, &CChartView::SignalZoomOut, this, &CTimeSlider::OnSlotZoomOut);
    connect(m_pView, &CChartView::SignalZoomIn, this, &CTimeSlider::OnSlotZoomIn);

    LoadChartView();
    const QDate today = QDate::currentDate();
    SetTimeRange(today, today);
    ShowZoomByType(struTimeSliderData::ScaleDayBy12Hours);
}

CSingleTimeSlider::~CSingleTimeSlider() = default;

void CSingleTimeSlider::LoadChartView()
{
    auto* pGroove = new CGrooveSeries;
    pGroove->AddPoint(0.0, s_iGrooveTop);
    m_pView->AddSeries(pGroove);
    m_pView->AddSeries(new CTimeRectSeries);
    auto* pAxis = new CAxisSeries(GetBase());
    pAxis->SetSimple(true);
    pAxis->SetTickTop(s_iTickTop);
    pAxis->SetLabelTop(s_iSimpleLabelTop);
    m_pView->AddSeries(pAxis);
    m_pView->AddSeries(new CMouseTextSeries);
}

void CSingleTimeSlider::LoadTagSeries()
{
    if (!m_pView->FindSeries(ChartSeriesTag))
        m_pView->AddSeries(new CTagSeries);
}

void CSingleTimeSlider::AddTime(const QDateTime& dtBegin, const QDateTime& dtEnd, const QBrush& brush, int iLevel)
{
    int iBegin = 0;
    int iEnd = 0;
    if (!SegmentToValues(dtBegin, dtEnd, iBegin, iEnd))
        return;
    auto* pSeries = static_cast<CTimeRectSeries*>(m_pView->FindSeries(ChartSeriesTimeRect));
    if (pSeries)
        pSeries->AddRect(QPoint(iBegin, s_iBandTop), QPoint(iEnd, s_iBandBottom), brush, iLevel);
}

void CSingleTimeSlider::AddTime(const QList<struTimeSliderData::TimeSegmentParam>& listSegments)
{
    for (const struTimeSliderData::TimeSegmentParam& segment : listSegments)
        AddTime(segment.dtBegin, segment.dtEnd, segment.brush, segment.iLevel);
    RepaintTimeSlider();
}

void CSingleTimeSlider::AddTag(const QList<struTimeSliderData::TimeSegmentParam>& listTags)
{
    LoadTagSeries();
    auto* pTags = static_cast<CTagSeries*>(m_pView->FindSeries(ChartSeriesTag));
    for (const struTimeSliderData::TimeSegmentParam& tag : listTags) {
        int iBegin = 0;
        int iEnd = 0;
        if (SegmentToValues(tag.dtBegin, tag.dtEnd, iBegin, iEnd))
            pTags->AddTag(QPoint(iBegin, s_iTagTop), QPoint(iEnd, s_iTagTop), tag.strName);
    }
    RepaintTimeSlider();
}

void CSingleTimeSlider::ClearTag()
{
    if (CChartSeries* pTags = m_pView->FindSeries(ChartSeriesTag))
        pTags->Clear();
    RepaintTimeSlider();
}

void CSingleTimeSlider::ShowMaxsize()
{
    m_bMaxsize = true;
    m_pView->SetMargins(CSingleChartView::s_iLeftMargin, CSingleChartView::s_iMaxRightMargin);
    m_pView->SetZoomBtnsVisible(true);
    if (auto* pAxis = static_cast<CAxisSeries*>(m_pView->FindSeries(ChartSeriesAxis))) {
        pAxis->SetSimple(false);
        pAxis->SetLabelTop(s_iLabelTop);
    }
    // The new margins change the chart rectangle the zoom maps through.
    m_pView->UpdateRects();
    ShowZoomByType(qMax<int>(GetZoomLevel(), struTimeSliderData::ScaleDayBy2Hours));
}

void CSingleTimeSlider::ShowNormalSize()
{
    m_bMaxsize = false;
    m_pView->SetMargins(CSingleChartView::s_iLeftMargin, CSingleChartView::s_iRightMargin);
    m_pView->SetZoomBtnsVisible(false);
    if (auto* pAxis = static_cast<CAxisSeries*>(m_pView->FindSeries(ChartSeriesAxis))) {
        pAxis->SetSimple(true);
        pAxis->SetLabelTop(s_iSimpleLabelTop);
    }
    m_pView->UpdateRects();
    ShowZoomByType(struTimeSliderData::ScaleDayBy12Hours);
}

bool CSingleTimeSlider::IsMaxsize() const
{
    return m_bMaxsize;
}

void CSingleTimeSlider::Reset()
{
    Clear();
    // Clear() empties every series' points; the groove needs its top back.
    if (CChartSeries* pGroove = m_pView->GetSeries(0))
        pGroove->AddPoint(0.0, s_iGrooveTop);
    RepaintTimeSlider();
}

bool CSingleTimeSlider::eventFilter(QObject* pWatched, QEvent* pEvent)
{
    if (pWatched != m_pView)
        return CTimeSlider::eventFilter(pWatched, pEvent);
    switch (pEvent->type()) {
    case QEvent::MouseButtonPress:
        OnViewPress(static_cast<QMouseEvent*>(pEvent));
        break;
    case QEvent::MouseMove:
        OnViewMove(static_cast<QMouseEvent*>(pEvent));
        break;
    case QEvent::MouseButtonRelease:
        OnViewRelease(static_cast<QMouseEvent*>(pEvent));
        break;
    case QEvent::Enter:
        OnViewEnter();
        break;
    case QEvent::Leave:
        OnViewLeave();
        break;
    default:
        break;
    }
    return CTimeSlider::eventFilter(pWatched, pEvent);
}

void CSingleTimeSlider::OnViewPress(QMouseEvent* pEvent)
{
    if (pEvent->button() != Qt::LeftButton || !m_pView->GetChartRect().contains(pEvent->pos()))
        return;
    SetMoving(true);
    m_bPressed = true;
    m_bDragged = false;
    m_ptPress = pEvent->pos();
    if (m_pView->underMouse())
        m_pView->setCursor(Qt::OpenHandCursor);
    BeginDrag(m_ptPress);
}

void CSingleTimeSlider::OnViewMove(QMouseEvent* pEvent)
{
    SetMousePos(pEvent->pos());
    if (m_bPressed && (pEvent->buttons() & Qt::LeftButton)) {
        if (!m_bDragged && (pEvent->pos() - m_ptPress).manhattanLength() >= QApplication::startDragDistance()) {
            m_bDragged = true;
            m_pView->setCursor(Qt::ClosedHandCursor);
        }
        if (m_bDragged)
            DragTo(pEvent->pos());
    }
    // The time under the mouse follows it, not only the periodic refresh.
    OnUpdateTimeSlider();
}

void CSingleTimeSlider::OnViewRelease(QMouseEvent* pEvent)
{
    if (pEvent->button() != Qt::LeftButton || !m_bPressed)
        return;
    m_bPressed = false;
    SetMoving(false);
    m_pView->unsetCursor();
    if (!m_bDragged && m_pView->GetChartRect().contains(pEvent->pos()))
        Q_EMIT SignalMouseClick(time_t(TimeAtX(pEvent->pos().x())));
    m_bDragged = false;
}

void CSingleTimeSlider::OnViewEnter()
{
    // Coming back within the leave delay is no new visit.
    if (m_pLeaveTimer->isActive())
        m_pLeaveTimer->stop();
    else
        Q_EMIT SignalMouseEnter();
    StartUpdateTimer();
}

void CSingleTimeSlider::OnViewLeave()
{
    ClearMouseText();
    StopUpdateTimer();
    m_pLeaveTimer->start();
    if (m_pView->cursor().shape() == Qt::OpenHandCursor)
        m_pView->unsetCursor();
    RepaintTimeSlider();
}

void CSingleTimeSlider::OnLeaveTimerOut()
{
    m_pLeaveTimer->stop();
    Q_EMIT SignalMouseLeave();
}

} // namespace OrvaGUIToolkit
