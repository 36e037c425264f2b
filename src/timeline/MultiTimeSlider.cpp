#include "MultiTimeSliderPrivate.h"

#include "timeline/engine/AxisSeries.h"
#include "timeline/engine/BackGroundSeries.h"
#include "timeline/engine/LineSeries.h"
#include "timeline/engine/MouseTextSeries.h"
#include "timeline/engine/MultiChartView.h"
#include "timeline/engine/RectSeries.h"
#include "timeline/engine/SelectRectSeries.h"
#include "timeline/engine/TagSeries.h"
#include "timeline/engine/TimeRectSeries.h"
#include "TimeSilderPictureLabel.h"
#include "TimeSliderFilterPopup.h"
#include "foundation/GuiFunctionsInternal.h"

#include <OrvaGUIToolkit/Foundation/GuiFunctions.h>
#include <OrvaGUIToolkit/ScrollBar/ScrollBar.h>

#include <QtCore/QPointer>
#include <QtCore/QTimer>
#include <QtGui/QCursor>
#include <QtGui/QMouseEvent>
#include <QtWidgets/QGridLayout>

#include <cmath>

namespace OrvaGUIToolkit {

namespace {

constexpr int s_iHoverDelay = 1500;
constexpr int s_iThumbnailGap = 10;
// Rows SetShowIndex() accepts as visible without scrolling.
constexpr int s_iShownRows = 4;
// Pixel row of tags whose track is scrolled away: far above the view.
constexpr int s_iHiddenTag = 10000;
// Largest vertical scroll position taken as given, in pixels.
constexpr int s_iScrollLimit = 1000000;

} // namespace

constexpr CMultiTimeSliderPrivate::SLayout CMultiTimeSliderPrivate::s_layoutNormal;
constexpr CMultiTimeSliderPrivate::SLayout CMultiTimeSliderPrivate::s_layoutSimplify;

CMultiTimeSliderPrivate::CMultiTimeSliderPrivate()
    : CTimeSliderPrivate(new CMultiChartView)
{
}

CMultiTimeSliderPrivate::~CMultiTimeSliderPrivate() = default;

CMultiChartView* CMultiTimeSliderPrivate::View() const
{
    return static_cast<CMultiChartView*>(m_pChartView);
}

void CMultiTimeSliderPrivate::InitMulti()
{
    Q_Q(CMultiTimeSlider);
    CMultiChartView* pView = View();
    auto* pLayout = new QGridLayout(q);
    pLayout->setContentsMargins(0, 0, 0, 0);
    pLayout->setSpacing(0);
    pLayout->addWidget(pView, 0, 0);
    m_pScrollBar = new CScrollBar(Qt::Vertical, q);
    m_pScrollBar->setObjectName(QStringLiteral("MultiTimeSliderScrollBar"));
    m_pScrollBar->hide();
    pLayout->addWidget(m_pScrollBar, 0, 1);
    QObject::connect(m_pScrollBar, &QScrollBar::valueChanged, q, &CMultiTimeSlider::OnScrollBarValueChanged);
    // Queued: a receiver may delete the slider, which must not happen while
    // the scroll bar is still inside its own mouse handling.
    QObject::connect(m_pScrollBar, &QScrollBar::valueChanged, q, &CMultiTimeSlider::SignalVisibleRowsScrolled,
                     Qt::QueuedConnection);

    m_pFilterPopup = new CTimeSliderFilterPopup(q);
    QObject::connect(m_pFilterPopup, &CTimeSliderFilterPopup::SignalFilter, q, &CMultiTimeSlider::OnFilterTriggered);

    QObject::connect(pView, &CChartView::SignalMoveLeft, q, &CTimeSlider::MoveLeft);
    QObject::connect(pView, &CChartView::SignalMoveRight, q, &CTimeSlider::MoveRight);
    QObject::connect(pView, &CChartView::SignalDelayRelease, q, &CTimeSlider::OnSlotReleaseMove);
    QObject::connect(pView, &CChartView::SignalZoomOut, q, &CTimeSlider::OnSlotZoomOut);
    QObject::connect(pView, &CChartView::SignalZoomIn, q, &CTimeSlider::OnSlotZoomIn);
    QObject::connect(pView, &CMultiChartView::SignalFilterBtnClicked, q, &CMultiTimeSlider::OnPopupFilterMenu);
    QObject::connect(pView, &CChartView::SignalCalendarBtnClicked, q, &CMultiTimeSlider::SignalPopupCalendar);
    QObject::connect(pView, &CChartView::SignalCalendarDateChanged, q, &CMultiTimeSlider::SignalCalendarDateChanged);
    pView->installEventFilter(q);

    // Vertical values are pixels; scrolling shifts the vertical range.
    pView->GetYAxis()->SetReversed(false);
    pView->GetYAxis()->SetScaled(false);

    m_pHoverTimer = new QTimer(q);
    m_pHoverTimer->setSingleShot(true);
    QObject::connect(m_pHoverTimer, &QTimer::timeout, q, &CMultiTimeSlider::OnHoverTimerOut);
}

double CMultiTimeSliderPrivate::VerticalSpan() const
{
    return m_layout.iTop + double(m_layout.iRowHeight) * m_uCount;
}

int CMultiTimeSliderPrivate::ScrollOffset() const
{
    double dMin = 0.0;
    double dMax = 0.0;
    View()->GetYAxis()->GetRange(dMin, dMax);
    return int(dMin);
}

int CMultiTimeSliderPrivate::TrackAt(const QPoint& point) const
{
    // Bands keep the pixel rows of their last paint.
    for (int i = 0; i < int(m_uCount); ++i) {
        if (m_vecTracks.at(i)->HitTestPixelRow(point.y()))
            return i;
    }
    return -1;
}

void CMultiTimeSliderPrivate::PlaceTags()
{
    // Tags are drawn in pixels on the first track's band.
    int iTop = BandTop(0) - ScrollOffset();
    // A row scrolled under the time scale takes its tags out of sight.
    if (iTop - 2 < m_layout.iTop)
        iTop = -s_iHiddenTag;
    m_pTags->SetMarkerTop(iTop);
}

CTimeRectSeries* CMultiTimeSliderPrivate::NewTrack() const
{
    auto* pTrack = new CTimeRectSeries;
    pTrack->SetMapY(true);
    pTrack->SetTypeFilter(m_listFiltered);
    return pTrack;
}

void CMultiTimeSliderPrivate::AddTracks(int iCount)
{
    // New tracks go right after the last one, under the top band, the time
    // scale and the overlays, so that scrolled tracks never cover them.
    CMultiChartView* pView = View();
    while (m_vecTracks.size() < iCount) {
        int iPlace = 0;
        for (int i = 0; i < pView->GetSeriesCount(); ++i) {
            if (pView->GetSeries(i) == m_vecTracks.constLast())
                iPlace = i + 1;
        }
        CTimeRectSeries* pTrack = NewTrack();
        pView->InsertSeries(iPlace, pTrack);
        m_vecTracks.append(pTrack);
    }
}

void CMultiTimeSliderPrivate::FitRowPoints()
{
    // The row names and the play marks have one point per counted row; rows
    // beyond the count lose their marks, their names stay stored.
    const int iRows = int(m_uCount);
    if (m_pBackGround->GetPointCount() > iRows)
        m_pBackGround->Clear();
    while (m_pBackGround->GetPointCount() < iRows)
        m_pBackGround->AddPoint(0.0, RowTop(m_pBackGround->GetPointCount()));
    if (m_pPlayMarks->GetPointCount() > iRows) {
        QVector<double> vecMarks;
        for (int i = 0; i < iRows; ++i)
            vecMarks.append(m_pPlayMarks->GetXValue(i));
        m_pPlayMarks->Clear();
        for (int i = 0; i < iRows; ++i)
            m_pPlayMarks->AddPoint(vecMarks.at(i), RowTop(i));
    }
    while (m_pPlayMarks->GetPointCount() < iRows)
        m_pPlayMarks->AddPoint(-1.0, RowTop(m_pPlayMarks->GetPointCount()));
}

void CMultiTimeSliderPrivate::RebuildSelectSeries()
{
    // One row-selection series whatever the count: it is replaced, with its
    // selection and marquee, so that it stays the top layer.
    CMultiChartView* pView = View();
    int iMarqueeRow = -1;
    QList<QPair<double, double>> listRanges;
    if (m_pSelect) {
        m_pSelect->GetRanges(iMarqueeRow, listRanges);
        for (int i = 0; i < pView->GetSeriesCount(); ++i) {
            if (pView->GetSeries(i) == m_pSelect) {
                pView->RemoveSeries(i);
                break;
            }
        }
        m_pSelect = nullptr;
    }
    if (m_uCount <= 1)
        return;
    m_pSelect = new CSelectRectSeries;
    for (unsigned k = 0; k <= m_uCount; ++k)
        m_pSelect->AddPoint(0.0, RowTop(int(k)));
    m_pSelect->SetSelectedRow(m_iSelectedRow);
    for (const QPair<double, double>& range : qAsConst(listRanges))
        m_pSelect->AddRange(iMarqueeRow, range.first, range.second);
    pView->AddSeries(m_pSelect);
}

void CMultiTimeSliderPrivate::PlaceRows()
{
    for (int i = 0; i < m_pBackGround->GetPointCount(); ++i)
        m_pBackGround->SetPoint(i, 0.0, RowTop(i));
    for (int i = 0; i < m_pPlayMarks->GetPointCount(); ++i)
        m_pPlayMarks->SetPoint(i, m_pPlayMarks->GetXValue(i), RowTop(i));
    if (m_pSelect) {
        for (int i = 0; i < m_pSelect->GetPointCount(); ++i)
            m_pSelect->SetPoint(i, 0.0, RowTop(i));
    }
}

void CMultiTimeSliderPrivate::PlaceSegments()
{
    for (int i = 0; i < m_vecTracks.size(); ++i)
        m_vecTracks.at(i)->PlaceInBand(BandTop(i), BandTop(i) + m_layout.iRowHeight);
}

void CMultiTimeSliderPrivate::ApplyFilter()
{
    for (CTimeRectSeries* pTrack : qAsConst(m_vecTracks))
        pTrack->SetTypeFilter(m_listFiltered);
}

double CMultiTimeSliderPrivate::ValueAtX(int iX) const
{
    Q_Q(const CMultiTimeSlider);
    double dMin = 0.0;
    double dMax = 0.0;
    q->GetVisibleRange(dMin, dMax);
    const QRect rectChart = View()->GetChartRect();
    if (rectChart.width() <= 0)
        return dMin;
    const double dValue = dMin + (double(iX) - rectChart.left()) * (dMax - dMin) / rectChart.width();
    return qBound(dMin, dValue, dMax);
}

bool CMultiTimeSliderPrivate::InTopBand(const QPoint& point, bool bReduced) const
{
    CMultiChartView* pView = View();
    const QRect rectChart = pView->GetChartRect();
    if (!bReduced)
        return QRect(0, 0, rectChart.width(), m_layout.iTop).contains(point);
    int iLeft = 0;
    int iRight = 0;
    pView->GetMargins(iLeft, iRight);
    return QRect(iLeft, 0, pView->width() - iLeft - iRight, m_layout.iTop).contains(point);
}

void CMultiTimeSliderPrivate::UpdateMarquee(const QPoint& ptMouse)
{
    Q_Q(CMultiTimeSlider);
    if (!m_pSelect)
        return;
    int iRow = -1;
    QList<QPair<double, double>> listRanges;
    m_pSelect->GetRanges(iRow, listRanges);
    m_pSelect->ClearRow(iRow);
    // The ranges of earlier drags stay; this drag's range follows the mouse.
    for (const QPair<double, double>& range : qAsConst(m_listMarqueeBefore))
        m_pSelect->AddRange(m_iMarqueeRow, range.first, range.second);
    m_pSelect->AddRange(m_iMarqueeRow, ValueAtX(m_ptPress.x()), ValueAtX(ptMouse.x()));
    q->RepaintTimeSlider();
}

void CMultiTimeSliderPrivate::HideThumbnail()
{
    Q_Q(CMultiTimeSlider);
    if (m_pThumbnail && m_pThumbnail->isVisible()) {
        m_pThumbnail->hide();
        Q_EMIT q->SignalThumbnail(false);
    }
}

void CMultiTimeSliderPrivate::OnViewPress(QMouseEvent* pEvent)
{
    Q_Q(CMultiTimeSlider);
    if (pEvent->button() != Qt::LeftButton)
        return;
    CMultiChartView* pView = View();
    m_ptPress = MousePos(pEvent);
    m_bHasPress = true;
    const int iTrack = TrackAt(m_ptPress);
    if (pView->GetChartRect().contains(m_ptPress)) {
        // Any press in the chart holds the view still until the release.
        m_bMoving = true;
        m_enumDrag = InTopBand(m_ptPress, false) ? DragState::Scale : DragState::Pressed;
        if (m_enumDrag == DragState::Scale) {
            pView->setCursor(Qt::ClosedHandCursor);
        } else {
            pView->setCursor(Qt::ArrowCursor);
            if ((pEvent->modifiers() & Qt::ShiftModifier) && pView->IsOpenSelectRect() && m_pSelect) {
                m_iMarqueeRow = m_pSelect->RowAt(m_ptPress);
                if (m_iMarqueeRow >= 0 && m_iMarqueeRow < int(m_uCount)) {
                    int iRow = -1;
                    m_pSelect->GetRanges(iRow, m_listMarqueeBefore);
                    m_enumDrag = DragState::Marquee;
                }
            }
        }
        BeginDrag(m_ptPress);
    }
    if (iTrack >= 0)
        Q_EMIT q->SignalClicked(iTrack);
}

void CMultiTimeSliderPrivate::OnViewMove(QMouseEvent* pEvent)
{
    Q_Q(CMultiTimeSlider);
    const QPointer<CMultiTimeSlider> guard(q);
    const QPoint ptMouse = MousePos(pEvent);
    m_ptMouse = ptMouse;
    if (TrackAt(ptMouse) >= 0 && View()->GetChartRect().contains(ptMouse)) {
        m_pHoverTimer->start(s_iHoverDelay);
    } else {
        m_pHoverTimer->stop();
        HideThumbnail();
        if (!guard)
            return;
    }
    if (m_enumDrag == DragState::Scale) {
        DragTo(ptMouse);
        if (!guard)
            return;
    } else if (m_enumDrag == DragState::Marquee) {
        UpdateMarquee(ptMouse);
    } else if (m_enumDrag == DragState::None) {
        View()->setCursor(InTopBand(ptMouse, true) ? Qt::OpenHandCursor : Qt::ArrowCursor);
    }
    q->OnUpdateTimeSlider();
}

void CMultiTimeSliderPrivate::OnViewRelease(QMouseEvent* pEvent)
{
    Q_Q(CMultiTimeSlider);
    m_enumDrag = DragState::None;
    const QPoint ptPress = m_ptPress;
    const bool bHasPress = m_bHasPress;
    m_ptPress = QPoint();
    m_bHasPress = false;
    m_bMoving = false;
    if (pEvent->button() != Qt::LeftButton)
        return;
    const QPoint ptRelease = MousePos(pEvent);
    View()->setCursor(InTopBand(ptRelease, true) ? Qt::OpenHandCursor : Qt::ArrowCursor);
    // Only where the release lands counts: a press on the time scale, in the
    // margin or on another track still ends in a click or a selection.
    if (!bHasPress || !View()->GetChartRect().contains(ptRelease))
        return;
    const int iTrack = TrackAt(ptRelease);
    if (iTrack < 0)
        return;
    const time_t tTime = time_t(TimeAtX(ptRelease.x()));
    if (ptPress.x() != ptRelease.x()) {
        Q_EMIT q->SignalSelect(iTrack, time_t(TimeAtX(ptPress.x())), tTime);
        return;
    }
    const QPointer<CMultiTimeSlider> guard(q);
    Q_EMIT q->SignalMouseClick(tTime);
    if (guard)
        Q_EMIT q->SignalMouseClick(iTrack, tTime);
}

void CMultiTimeSliderPrivate::OnViewEnter()
{
    Q_Q(CMultiTimeSlider);
    m_pUpdateTimer->start(s_iUpdateInterval);
    Q_EMIT q->SignalMouseEnter();
}

void CMultiTimeSliderPrivate::OnViewLeave()
{
    Q_Q(CMultiTimeSlider);
    m_pHoverTimer->stop();
    EndHover();
    Q_EMIT q->SignalMouseLeave();
}

CMultiTimeSlider::CMultiTimeSlider(QWidget* pParent)
    : CTimeSlider(*new CMultiTimeSliderPrivate, pParent)
{
    Q_D(CMultiTimeSlider);
    qRegisterMetaType<time_t>("time_t");
    qRegisterMetaType<QList<int>>("QList<int>");
    d->InitMulti();
    LoadChartView();
    const QDate today = QDate::currentDate();
    SetTimeRange(today, today);
    ShowZoomByType(struTimeSliderData::ScaleDayBy2Hours);
    SetTimeSliderCount(1);
}

CMultiTimeSlider::~CMultiTimeSlider() = default;

void CMultiTimeSlider::LoadChartView()
{
    Q_D(CMultiTimeSlider);
    if (d->m_pBackGround)
        return;
    CMultiChartView* pView = d->View();
    const CMultiTimeSliderPrivate::SLayout& layout = d->m_layout;
    d->m_pBackGround = new CBackGroundSeries;
    d->m_pBackGround->AddPoint(0.0, d->RowTop(0));
    pView->AddSeries(d->m_pBackGround);
    d->m_vecTracks.append(d->NewTrack());
    pView->AddSeries(d->m_vecTracks.constFirst());
    d->m_pPlayMarks = new CLineSeries;
    d->m_pPlayMarks->AddPoint(-1.0, d->RowTop(0));
    pView->AddSeries(d->m_pPlayMarks);
    d->m_pTopBand = new CRectSeries;
    d->m_pTopBand->SetHeight(layout.iTop);
    pView->AddSeries(d->m_pTopBand);
    d->m_pAxis = new CAxisSeries(d->m_iBase);
    d->m_pAxis->SetTickTop(layout.iTop - 8);
    d->m_pAxis->SetLabelTop(layout.iTop - 18);
    pView->AddSeries(d->m_pAxis);
    d->m_pMouseText = new CMouseTextSeries;
    pView->AddSeries(d->m_pMouseText);
    d->m_pTags = new CTagSeries;
    pView->AddSeries(d->m_pTags);
}

void CMultiTimeSlider::SetTimeSliderCount(unsigned uCount)
{
    Q_D(CMultiTimeSlider);
    // 64 tracks at most; more are no mistake, the count just stops there.
    uCount = qMin(uCount, s_uMaxCount);
    // The segment series only grow; a lower count keeps them with their
    // segments, but the rows, the vertical range and the track indexes that
    // are accepted follow the count.
    d->AddTracks(int(uCount));
    d->m_uCount = uCount;
    d->FitRowPoints();
    d->RebuildSelectSeries();
    d->View()->GetYAxis()->SetRange(0.0, d->VerticalSpan());
    d->m_pScrollBar->setValue(0);
    UpdateTimeSlider();
    RepaintTimeSlider();
}

unsigned CMultiTimeSlider::GetTimeSliderCount() const
{
    Q_D(const CMultiTimeSlider);
    return d->m_uCount;
}

void CMultiTimeSlider::SetChartName(unsigned uIndex, const QString& strName)
{
    Q_D(CMultiTimeSlider);
    if (uIndex >= s_uMaxCount)
        return;
    d->m_pBackGround->SetName(int(uIndex), strName);
    RepaintTimeSlider();
}

void CMultiTimeSlider::SetChartNames(const QStringList& listNames)
{
    Q_D(CMultiTimeSlider);
    d->m_pBackGround->SetNames(listNames.mid(0, int(s_uMaxCount)));
    RepaintTimeSlider();
}

void CMultiTimeSlider::AddTime(const QList<struTimeSliderData::TimeSegmentParam>& listSegments, int iIndex)
{
    Q_D(CMultiTimeSlider);
    if (iIndex < 0 || iIndex >= int(d->m_uCount))
        return;
    CTimeRectSeries* pTrack = d->m_vecTracks.at(iIndex);
    const int iTop = d->BandTop(iIndex);
    const int iBottom = iTop + d->m_layout.iRowHeight;
    for (const struTimeSliderData::TimeSegmentParam& segment : listSegments) {
        qint64 iBegin = 0;
        qint64 iEnd = 0;
        if (d->SegmentToValues(segment.dtBegin, segment.dtEnd, iBegin, iEnd))
            pTrack->AddRect(iBegin, iEnd, iTop, iBottom, segment.brush, segment.iLevel);
    }
    RepaintTimeSlider();
}

void CMultiTimeSlider::AddTime(const QMap<unsigned, QList<struTimeSliderData::TimeSegmentParam>>& mapSegments)
{
    Q_D(CMultiTimeSlider);
    for (auto it = mapSegments.cbegin(); it != mapSegments.cend(); ++it) {
        if (it.key() < d->m_uCount)
            AddTime(it.value(), int(it.key()));
    }
}

void CMultiTimeSlider::AddTag(const QList<struTimeSliderData::TimeSegmentParam>& listTags)
{
    Q_D(CMultiTimeSlider);
    for (const struTimeSliderData::TimeSegmentParam& tag : listTags) {
        qint64 iBegin = 0;
        qint64 iEnd = 0;
        if (d->SegmentToValues(tag.dtBegin, tag.dtEnd, iBegin, iEnd))
            d->m_pTags->AddTag(iBegin, iEnd, 0, tag.strName);
    }
    d->PlaceTags();
    RepaintTimeSlider();
}

void CMultiTimeSlider::ClearTime(int iIndex)
{
    Q_D(CMultiTimeSlider);
    if (iIndex < 0 || iIndex >= int(d->m_uCount))
        return;
    d->m_vecTracks.at(iIndex)->Clear();
    if (d->m_pSelect)
        d->m_pSelect->ClearRow(iIndex);
    // The tracks show every level again; the pop-up keeps the choice last
    // confirmed there.
    d->m_listFiltered = {-1};
    d->ApplyFilter();
    d->m_pPlayMarks->SetXValue(iIndex, -1.0);
    RepaintTimeSlider();
}

void CMultiTimeSlider::RemoveTimeByTimeLevel(int iIndex, int iLevel)
{
    Q_D(CMultiTimeSlider);
    if (iIndex < 0 || iIndex >= int(d->m_uCount))
        return;
    d->m_vecTracks.at(iIndex)->ClearType(iLevel);
    RepaintTimeSlider();
}

void CMultiTimeSlider::ClearAllTimeRectSeries()
{
    Q_D(CMultiTimeSlider);
    for (CTimeRectSeries* pTrack : qAsConst(d->m_vecTracks))
        pTrack->Clear();
    d->m_pTags->Clear();
    ClearMarqueeArea();
    ClearSinglePlayLine(-1);
    RepaintTimeSlider();
}

void CMultiTimeSlider::ClearTag()
{
    Q_D(CMultiTimeSlider);
    d->m_pTags->Clear();
    RepaintTimeSlider();
}

void CMultiTimeSlider::SetPlayTime(unsigned uIndex, unsigned uTime, bool bFollow)
{
    Q_D(CMultiTimeSlider);
    if (uTime == s_uNoTime || IsSyncTime())
        return;
    qint64 iTime = uTime;
    if (d->m_dtBegin.isValid())
        iTime = qBound(d->m_iBeginSecs, iTime, d->m_iEndSecs);
    const double dValue = TimeToValue(iTime);
    // A row without a mark only loses the mark; the view still follows.
    if (uIndex < unsigned(d->m_pPlayMarks->GetPointCount()))
        d->m_pPlayMarks->SetXValue(int(uIndex), dValue);
    double dMin = 0.0;
    double dMax = 0.0;
    GetVisibleRange(dMin, dMax);
    RepaintTimeSlider();
    // Last: re-centring may report a new date to a receiver that deletes
    // the slider.
    if (bFollow && (dValue < dMin || dValue > dMax))
        OnPlayTime(unsigned(iTime));
}

void CMultiTimeSlider::ClearSinglePlayLine(int iIndex)
{
    Q_D(CMultiTimeSlider);
    CLineSeries* pMarks = d->m_pPlayMarks;
    if (iIndex >= 0 && iIndex < pMarks->GetPointCount()) {
        pMarks->SetXValue(iIndex, -1.0);
    } else {
        for (int i = 0; i < pMarks->GetPointCount(); ++i)
            pMarks->SetXValue(i, -1.0);
    }
    RepaintTimeSlider();
}

void CMultiTimeSlider::OpenSynTime()
{
    Q_D(CMultiTimeSlider);
    ClearSinglePlayLine(-1);
    d->View()->SetShowMidLine(true);
}

void CMultiTimeSlider::CloseSynTime()
{
    Q_D(CMultiTimeSlider);
    d->View()->SetShowMidLine(false);
}

bool CMultiTimeSlider::IsSyncTime() const
{
    Q_D(const CMultiTimeSlider);
    return d->View()->IsShowMidLine();
}

void CMultiTimeSlider::SetSyncTime(unsigned uTime)
{
    if (IsSyncTime())
        OnPlayTime(uTime);
}

void CMultiTimeSlider::SetCurrentTime(const QDateTime& dtTime)
{
    OnPlayTime(dtTime);
}

void CMultiTimeSlider::SetSelectIndex(unsigned uIndex)
{
    Q_D(CMultiTimeSlider);
    // Stored as given (0xFFFFFFFF is -1, no row); a row without a track
    // draws no outline.
    const int iRow = int(uIndex);
    if (iRow == d->m_iSelectedRow)
        return;
    d->m_iSelectedRow = iRow;
    if (d->m_pSelect)
        d->m_pSelect->SetSelectedRow(iRow);
    RepaintTimeSlider();
}

int CMultiTimeSlider::GetSelectIndex() const
{
    Q_D(const CMultiTimeSlider);
    return d->m_iSelectedRow;
}

void CMultiTimeSlider::ClearSelectTimeSlider()
{
    SetSelectIndex(s_uNoTime);
}

void CMultiTimeSlider::SetShowIndex(unsigned uIndex)
{
    Q_D(CMultiTimeSlider);
    if (uIndex >= d->m_uCount)
        return;
    const int iStep = qMax(1, d->m_pScrollBar->singleStep());
    const int iFirst = d->m_pScrollBar->value() / iStep;
    if (int(uIndex) >= iFirst && int(uIndex) < iFirst + s_iShownRows)
        return;
    d->m_pScrollBar->setValue(qMax(int(uIndex) - (s_iShownRows - 1), 0) * iStep);
}

bool CMultiTimeSlider::IsOpenSelectRect() const
{
    Q_D(const CMultiTimeSlider);
    return d->View()->IsOpenSelectRect();
}

void CMultiTimeSlider::GetMarqueeAreaRects(unsigned& uIndex, QList<struTimeSliderData::SelectedData>& listData) const
{
    Q_D(const CMultiTimeSlider);
    listData.clear();
    // One track has no row selection: then uIndex is left as it was.
    const CSelectRectSeries* pSelect = d->m_pSelect;
    if (!pSelect)
        return;
    // 0xFFFFFFFF while no row holds a marquee.
    int iRow = -1;
    QList<QPair<double, double>> listRanges;
    pSelect->GetRanges(iRow, listRanges);
    uIndex = unsigned(iRow);
    for (const QPair<double, double>& range : qAsConst(listRanges))
        listData.append({range.first, range.second});
}

void CMultiTimeSlider::GetValidMarqueeAreaRects(unsigned& uIndex,
                                                QList<struTimeSliderData::SelectedData>& listData) const
{
    Q_D(const CMultiTimeSlider);
    QList<struTimeSliderData::SelectedData> listAll;
    GetMarqueeAreaRects(uIndex, listAll);
    listData.clear();
    if (!d->m_pSelect || uIndex >= unsigned(d->m_vecTracks.size()))
        return;
    const CTimeRectSeries* pTrack = d->m_vecTracks.at(int(uIndex));
    for (const struTimeSliderData::SelectedData& range : qAsConst(listAll)) {
        // Whole seconds that reach into the range, then back inside it.
        qint64 iStart = 0;
        qint64 iEnd = 0;
        if (!pTrack->GetValidRange(qint64(std::floor(range.dStart)), qint64(std::ceil(range.dEnd)), iStart, iEnd))
            continue;
        const double dStart = qMax(range.dStart, double(iStart));
        const double dEnd = qMin(range.dEnd, double(iEnd));
        if (dStart <= dEnd)
            listData.append({dStart, dEnd});
    }
}

void CMultiTimeSlider::ClearMarqueeArea()
{
    Q_D(CMultiTimeSlider);
    CSelectRectSeries* pSelect = d->m_pSelect;
    if (!pSelect)
        return;
    pSelect->ClearRow(pSelect->GetMarqueeRow());
    RepaintTimeSlider();
}

void CMultiTimeSlider::AddTimeLevel(const QIcon& icon, const QString& strText, int iLevel)
{
    Q_D(CMultiTimeSlider);
    d->m_pFilterPopup->AddLevel(icon, strText, iLevel);
}

void CMultiTimeSlider::AddTimeLevels(const QList<int>& listLevels)
{
    // Unlike SetFilteredLevels(), an empty list is taken: no level shows.
    Q_D(CMultiTimeSlider);
    d->m_listFiltered = listLevels;
    d->ApplyFilter();
    d->m_pFilterPopup->SetFilteredLevels(listLevels);
    RepaintTimeSlider();
}

void CMultiTimeSlider::SetFilteredLevels(const QList<int>& listLevels)
{
    Q_D(CMultiTimeSlider);
    if (listLevels.isEmpty())
        return;
    d->m_listFiltered = listLevels;
    d->ApplyFilter();
    d->m_pFilterPopup->SetFilteredLevels(listLevels);
    RepaintTimeSlider();
}

QList<int> CMultiTimeSlider::GetFilteredLevels() const
{
    Q_D(const CMultiTimeSlider);
    return d->m_listFiltered;
}

void CMultiTimeSlider::ClearTimeLevel()
{
    Q_D(CMultiTimeSlider);
    d->m_listFiltered = {-1};
    d->ApplyFilter();
    d->m_pFilterPopup->ClearLevels();
    RepaintTimeSlider();
}

void CMultiTimeSlider::SetSpanType(struTimeSliderData::TimeSliderOneScale enumLevel)
{
    Q_D(CMultiTimeSlider);
    // Compared with the level set here before, not with the zoom level that
    // the buttons and the wheel change.
    if (int(enumLevel) == d->m_iSpanType)
        return;
    d->m_iSpanType = enumLevel;
    ShowZoomByType(enumLevel);
    RepaintTimeSlider();
}

void CMultiTimeSlider::SetShowSimplifyMode()
{
    Q_D(CMultiTimeSlider);
    if (d->m_bSimplify)
        return;
    d->m_bSimplify = true;
    d->m_layout = CMultiTimeSliderPrivate::s_layoutSimplify;
    d->View()->SetShowSimplifyMode();
    d->PlaceRows();
    d->PlaceSegments();
    d->m_pTopBand->SetHeight(d->m_layout.iTop);
    if (!d->m_pMouseText) {
        d->m_pMouseText = new CMouseTextSeries;
        d->View()->AddSeries(d->m_pMouseText);
    }
    d->m_pAxis->SetLabelAlignment(1);
    d->m_pAxis->SetLabelEvery(4);
    d->m_pAxis->SetTickTop(d->m_layout.iTop - 8);
    d->m_pAxis->SetLabelTop(d->m_layout.iTop - 10);
    d->m_pMouseText->SetTextTop(d->m_pAxis->GetLabelTop());
    d->m_pScrollBar->setSingleStep(d->m_layout.iRowHeight);
    d->View()->GetYAxis()->SetRange(0.0, d->VerticalSpan());
    d->m_pScrollBar->setValue(0);
    d->PlaceTags();
    UpdateTimeSlider();
    RepaintTimeSlider();
}

bool CMultiTimeSlider::IsSimplifyMode() const
{
    Q_D(const CMultiTimeSlider);
    return d->m_bSimplify;
}

void CMultiTimeSlider::SetCalendarHide(bool bHide)
{
    Q_D(CMultiTimeSlider);
    d->View()->SetCalendarBtnHidden(bHide);
}

void CMultiTimeSlider::ShowThumbnail(const QPixmap& pixmap)
{
    Q_D(CMultiTimeSlider);
    if (!d->m_pThumbnail)
        d->m_pThumbnail = new CTimeSilderPictureLabel(this);
    d->m_pThumbnail->PutPicture(pixmap);
    d->m_pThumbnail->show();
}

int CMultiTimeSlider::GetHintHeight() const
{
    Q_D(const CMultiTimeSlider);
    return d->m_layout.iTop + d->m_layout.iRowHeight + 4;
}

void CMultiTimeSlider::Reset()
{
    Q_D(CMultiTimeSlider);
    ClearSelectTimeSlider();
    ClearAllTimeRectSeries();
    const QDate today = QDate::currentDate();
    SetTimeRange(today, today);
    ShowZoomByType(d->m_iSpanType);
    RepaintTimeSlider();
}

void CMultiTimeSlider::UpdateTimeSlider()
{
    Q_D(CMultiTimeSlider);
    const int iContent = int(std::ceil(d->VerticalSpan()));
    d->m_pScrollBar->setSingleStep(d->m_layout.iRowHeight);
    d->m_pScrollBar->setPageStep(qMax(d->m_layout.iRowHeight, height()));
    if (iContent <= height()) {
        d->m_pScrollBar->setValue(0);
        d->m_pScrollBar->hide();
        return;
    }
    d->m_pScrollBar->setRange(0, iContent - height() + 2);
    d->m_pScrollBar->show();
}

QRect CMultiTimeSlider::GetTrackRect(int iTrack) const
{
    Q_D(const CMultiTimeSlider);
    if (iTrack < 0 || iTrack >= int(d->m_uCount))
        return QRect();
    const QRect rectChart = d->View()->GetChartRect();
    const QRect rectTrack(rectChart.left(), d->BandTop(iTrack) - d->ScrollOffset(), rectChart.width(),
                          d->m_layout.iRowHeight);
    return rectTrack.translated(d->View()->pos());
}

void CMultiTimeSlider::OnPopupFilterMenu()
{
    Q_D(CMultiTimeSlider);
    CTimeSliderFilterPopup* pPopup = d->m_pFilterPopup;
    if (pPopup->isVisible())
        return;
    pPopup->adjustSize();
    const QRect rectPlace = GetBorderAvailableGeometry(QRect(QCursor::pos(), QSize(2, 2)), pPopup);
    pPopup->move(rectPlace.left(), rectPlace.top() - pPopup->height());
    pPopup->show();
}

void CMultiTimeSlider::OnFilterTriggered(QList<int> listLevels)
{
    Q_D(CMultiTimeSlider);
    d->m_listFiltered = listLevels;
    d->m_pFilterPopup->SetFilteredLevels(listLevels);
    d->ApplyFilter();
    RepaintTimeSlider();
    Q_EMIT SignalFilterTriggered(listLevels);
}

void CMultiTimeSlider::OnScrollBarValueChanged(int iValue)
{
    Q_D(CMultiTimeSlider);
    // Any position shifts the rows, also one past them; only absurd ones are
    // limited, so that the pixel arithmetic of hit tests and tags never
    // overflows.
    const double dSpan = d->VerticalSpan();
    const double dValue = qBound(-double(s_iScrollLimit), double(iValue), double(s_iScrollLimit));
    d->View()->GetYAxis()->SetRange(dValue, dValue + dSpan);
    d->PlaceTags();
    RepaintTimeSlider();
}

void CMultiTimeSlider::OnHoverTimerOut()
{
    Q_D(CMultiTimeSlider);
    if (!d->m_pThumbnail)
        d->m_pThumbnail = new CTimeSilderPictureLabel(this);
    const qint64 iTime = d->TimeAtX(d->m_ptMouse.x());
    const QPoint ptCursor = QCursor::pos();
    d->m_pThumbnail->move(ptCursor.x() - d->m_pThumbnail->width() / 2,
                          ptCursor.y() - d->m_pThumbnail->height() - s_iThumbnailGap);
    Q_EMIT SignalThumbnail(true, time_t(iTime));
}

void CMultiTimeSlider::resizeEvent(QResizeEvent* pEvent)
{
    CTimeSlider::resizeEvent(pEvent);
    UpdateTimeSlider();
}

} // namespace OrvaGUIToolkit

#include "OrvaGUIToolkit/Timeline/moc_MultiTimeSlider.cpp"
