#include "SingleTimeSliderPrivate.h"

#include "timeline/engine/AxisSeries.h"
#include "timeline/engine/GrooveSeries.h"
#include "timeline/engine/MouseTextSeries.h"
#include "timeline/engine/SingleChartView.h"
#include "timeline/engine/TagSeries.h"
#include "timeline/engine/TimeRectSeries.h"

#include <QtCore/QPointer>
#include <QtCore/QTimer>
#include <QtGui/QMouseEvent>
#include <QtWidgets/QApplication>
#include <QtWidgets/QGridLayout>

namespace OrvaGUIToolkit {

namespace {

constexpr int s_iLeaveDelay = 500;

} // namespace

CSingleTimeSliderPrivate::CSingleTimeSliderPrivate()
    : CTimeSliderPrivate(new CSingleChartView)
{
}

CSingleTimeSliderPrivate::~CSingleTimeSliderPrivate() = default;

CSingleChartView* CSingleTimeSliderPrivate::View() const
{
    return static_cast<CSingleChartView*>(m_pChartView);
}

void CSingleTimeSliderPrivate::InitSingle()
{
    Q_Q(CSingleTimeSlider);
    CSingleChartView* pView = View();
    auto* pLayout = new QGridLayout(q);
    pLayout->setContentsMargins(0, 0, 0, 0);
    pLayout->setSpacing(0);
    pLayout->addWidget(pView, 0, 0);
    pView->installEventFilter(q);

    m_pLeaveTimer = new QTimer(q);
    m_pLeaveTimer->setSingleShot(true);
    m_pLeaveTimer->setInterval(s_iLeaveDelay);
    QObject::connect(m_pLeaveTimer, &QTimer::timeout, q, [this] { OnLeaveTimerOut(); });

    QObject::connect(pView, &CChartView::SignalMoveLeft, q, &CTimeSlider::MoveLeft);
    QObject::connect(pView, &CChartView::SignalMoveRight, q, &CTimeSlider::MoveRight);
    QObject::connect(pView, &CChartView::SignalDelayRelease, q, &CTimeSlider::OnSlotReleaseMove);
    QObject::connect(pView, &CChartView::SignalZoomOut, q, &CTimeSlider::OnSlotZoomOut);
    QObject::connect(pView, &CChartView::SignalZoomIn, q, &CTimeSlider::OnSlotZoomIn);
}

CSingleTimeSlider::CSingleTimeSlider(QWidget* pParent)
    : CTimeSlider(*new CSingleTimeSliderPrivate, pParent)
{
    Q_D(CSingleTimeSlider);
    qRegisterMetaType<time_t>("time_t");
    d->InitSingle();
    LoadChartView();
    const QDate today = QDate::currentDate();
    SetTimeRange(today, today);
    ShowZoomByType(struTimeSliderData::ScaleDayBy12Hours);
}

CSingleTimeSlider::~CSingleTimeSlider() = default;

void CSingleTimeSlider::LoadChartView()
{
    Q_D(CSingleTimeSlider);
    CSingleChartView* pView = d->View();
    if (pView->GetSeriesCount() > 0)
        return;
    auto* pGroove = new CGrooveSeries;
    pGroove->AddPoint(0.0, CSingleTimeSliderPrivate::s_iGrooveTop);
    pView->AddSeries(pGroove);
    pView->AddSeries(new CTimeRectSeries);
    // The detailed scale until ShowNormalSize() asks for the compact one; its
    // ticks and labels keep the series' own rows in both presentations.
    pView->AddSeries(new CAxisSeries(d->m_iBase));
    pView->AddSeries(new CMouseTextSeries);
}

void CSingleTimeSlider::LoadTagSeries()
{
    Q_D(CSingleTimeSlider);
    if (!d->View()->FindSeries(ChartSeriesTag))
        d->View()->AddSeries(new CTagSeries);
}

void CSingleTimeSlider::AddTime(const QDateTime& dtBegin, const QDateTime& dtEnd, const QBrush& brush, int iLevel)
{
    Q_D(CSingleTimeSlider);
    qint64 iBegin = 0;
    qint64 iEnd = 0;
    if (!d->SegmentToValues(dtBegin, dtEnd, iBegin, iEnd))
        return;
    auto* pSeries = static_cast<CTimeRectSeries*>(d->View()->FindSeries(ChartSeriesTimeRect));
    if (pSeries)
        pSeries->AddRect(iBegin, iEnd, CSingleTimeSliderPrivate::s_iBandTop, CSingleTimeSliderPrivate::s_iBandBottom,
                         brush, iLevel);
}

void CSingleTimeSlider::AddTime(const QList<struTimeSliderData::TimeSegmentParam>& listSegments)
{
    for (const struTimeSliderData::TimeSegmentParam& segment : listSegments)
        AddTime(segment.dtBegin, segment.dtEnd, segment.brush, segment.iLevel);
    RepaintTimeSlider();
}

void CSingleTimeSlider::AddTag(const QList<struTimeSliderData::TimeSegmentParam>& listTags)
{
    Q_D(CSingleTimeSlider);
    LoadTagSeries();
    auto* pTags = static_cast<CTagSeries*>(d->View()->FindSeries(ChartSeriesTag));
    for (const struTimeSliderData::TimeSegmentParam& tag : listTags) {
        qint64 iBegin = 0;
        qint64 iEnd = 0;
        if (d->SegmentToValues(tag.dtBegin, tag.dtEnd, iBegin, iEnd))
            pTags->AddTag(iBegin, iEnd, CSingleTimeSliderPrivate::s_iTagTop, tag.strName);
    }
    RepaintTimeSlider();
}

void CSingleTimeSlider::ClearTag()
{
    Q_D(CSingleTimeSlider);
    if (CChartSeries* pTags = d->View()->FindSeries(ChartSeriesTag))
        pTags->Clear();
    RepaintTimeSlider();
}

void CSingleTimeSlider::ShowMaxsize()
{
    Q_D(CSingleTimeSlider);
    d->m_bMaxsize = true;
    d->View()->SetMargins(CSingleChartView::s_iLeftMargin, CSingleChartView::s_iMaxRightMargin);
    d->View()->SetZoomBtnsVisible(true);
    if (CChartSeries* pAxis = d->View()->FindSeries(ChartSeriesAxis))
        pAxis->SetSimple(false);
    // The new margins change the chart rectangle the zoom maps through.
    d->View()->UpdateRects();
    ShowZoomByType(qMax<int>(GetZoomLevel(), struTimeSliderData::ScaleDayBy2Hours));
}

void CSingleTimeSlider::ShowNormalSize()
{
    Q_D(CSingleTimeSlider);
    d->m_bMaxsize = false;
    d->View()->SetMargins(CSingleChartView::s_iLeftMargin, CSingleChartView::s_iRightMargin);
    d->View()->SetZoomBtnsVisible(false);
    if (CChartSeries* pAxis = d->View()->FindSeries(ChartSeriesAxis))
        pAxis->SetSimple(true);
    d->View()->UpdateRects();
    ShowZoomByType(struTimeSliderData::ScaleDayBy12Hours);
}

bool CSingleTimeSlider::IsMaxsize() const
{
    Q_D(const CSingleTimeSlider);
    return d->m_bMaxsize;
}

void CSingleTimeSlider::Reset()
{
    Q_D(CSingleTimeSlider);
    Clear();
    // Clear() empties every series' points; the groove needs its top back.
    if (CChartSeries* pGroove = d->View()->GetSeries(0))
        pGroove->AddPoint(0.0, CSingleTimeSliderPrivate::s_iGrooveTop);
    RepaintTimeSlider();
}

void CSingleTimeSliderPrivate::OnViewPress(QMouseEvent* pEvent)
{
    CSingleChartView* pView = View();
    if (pEvent->button() != Qt::LeftButton || !pView->GetChartRect().contains(MousePos(pEvent)))
        return;
    m_bMoving = true;
    m_enumDrag = DragState::Pressed;
    m_bClick = true;
    m_ptPress = MousePos(pEvent);
    if (pView->underMouse())
        pView->setCursor(Qt::OpenHandCursor);
    BeginDrag(m_ptPress);
}

void CSingleTimeSliderPrivate::OnViewMove(QMouseEvent* pEvent)
{
    Q_Q(CSingleTimeSlider);
    const QPoint ptMouse = MousePos(pEvent);
    m_ptMouse = ptMouse;
    // From the press to the release every move drags the scale, whatever
    // buttons the event reports; only the first move that changes x starts it.
    if (m_enumDrag == DragState::Pressed && ptMouse.x() != m_ptPress.x()) {
        m_enumDrag = DragState::Dragging;
        View()->setCursor(Qt::ClosedHandCursor);
    }
    // A hand that shakes by less than the drag distance still clicks. The
    // distance in 64 bits: the mouse may be reported far outside.
    const qint64 iDistance = qAbs(qint64(ptMouse.x()) - m_ptPress.x()) + qAbs(qint64(ptMouse.y()) - m_ptPress.y());
    if (m_enumDrag != DragState::None && iDistance >= QApplication::startDragDistance())
        m_bClick = false;
    // The time under the mouse follows it, not only the periodic refresh.
    q->OnUpdateTimeSlider();
    if (m_enumDrag == DragState::Dragging)
        DragTo(ptMouse);
}

void CSingleTimeSliderPrivate::OnViewRelease(QMouseEvent* pEvent)
{
    Q_Q(CSingleTimeSlider);
    // Every release lets the play time move the view again, also after a
    // step button or a press outside the chart.
    m_bMoving = false;
    if (pEvent->button() != Qt::LeftButton || m_enumDrag == DragState::None)
        return;
    const bool bClick = m_bClick;
    m_enumDrag = DragState::None;
    View()->unsetCursor();
    if (bClick && View()->GetChartRect().contains(MousePos(pEvent)))
        Q_EMIT q->SignalMouseClick(time_t(TimeAtX(MousePos(pEvent).x())));
}

void CSingleTimeSliderPrivate::OnViewEnter()
{
    Q_Q(CSingleTimeSlider);
    m_pUpdateTimer->start(s_iUpdateInterval);
    // Coming back within the leave delay is no new visit.
    if (m_pLeaveTimer->isActive())
        m_pLeaveTimer->stop();
    else
        Q_EMIT q->SignalMouseEnter();
}

void CSingleTimeSliderPrivate::OnViewLeave()
{
    m_pLeaveTimer->start();
    EndHover();
}

void CSingleTimeSliderPrivate::OnLeaveTimerOut()
{
    Q_Q(CSingleTimeSlider);
    m_pLeaveTimer->stop();
    Q_EMIT q->SignalMouseLeave();
}

} // namespace OrvaGUIToolkit

#include "OrvaGUIToolkit/Timeline/moc_SingleTimeSlider.cpp"
