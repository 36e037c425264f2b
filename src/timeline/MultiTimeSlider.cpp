#include "foundation/ToolkitLogging.h"
#include <OrvaGUIToolkit/Timeline/MultiTimeSlider.h>

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

struct SLayout
{
    int iTop;
    int iRowHeight;
    int iBandOffset;
};

constexpr SLayout s_layoutNormal = {50, 24, 10};
constexpr SLayout s_layoutSimplify = {10, 10, 1};

} // namespace

class CMultiTimeSliderPrivate
{
public:
    explicit CMultiTimeSliderPrivate(CMultiTimeSlider* pSlider)
        : q(pSlider)
    {
    }

    CTimeRectSeries* NewTrack() const;
    // Vertical value of the top of track iRow's band. Names, play marks, the
    // selected row's outline and the marquee use it too, so that they frame
    // the track's recordings exactly.
    int RowTop(int iRow) const { return m_layout.iTop + iRow * m_layout.iRowHeight + m_layout.iBandOffset; }
    void AddTracks(int iCount);
    void RebuildSelectSeries();
    void PlaceRows();
    void ApplyFilter();
    double VerticalSpan() const;
    // The horizontal value under a view x, inside the visible range.
    double ValueAtX(int iX) const;
    bool InTopBand(const QPoint& point, bool bReduced) const;
    void UpdateMarquee(const QPoint& ptMouse);
    // Tags sit on the first track's row; they are drawn in pixels, so they
    // are placed again whenever the tracks scroll.
    void PlaceTags();
    void HideThumbnail();

    void OnPress(QMouseEvent* pEvent);
    void OnMove(QMouseEvent* pEvent);
    void OnRelease(QMouseEvent* pEvent);
    void OnEnter();
    void OnLeave();

    CMultiTimeSlider* q;
    CMultiChartView* m_pView = nullptr;
    CScrollBar* m_pScrollBar = nullptr;
    CTimeSliderFilterPopup* m_pFilterPopup = nullptr;
    CTimeSilderPictureLabel* m_pThumbnail = nullptr;
    QTimer* m_pHoverTimer = nullptr;

    CBackGroundSeries* m_pBackGround = nullptr;
    QVector<CTimeRectSeries*> m_vecTracks;
    CLineSeries* m_pPlayMarks = nullptr;
    CRectSeries* m_pTopBand = nullptr;
    CAxisSeries* m_pAxis = nullptr;
    CMouseTextSeries* m_pMouseText = nullptr;
    CTagSeries* m_pTags = nullptr;
    CSelectRectSeries* m_pSelect = nullptr;

    SLayout m_layout = s_layoutNormal;
    bool m_bSimplify = false;
    unsigned m_uCount = 0;
    int m_iSelectedRow = -1;
    int m_iSpanType = struTimeSliderData::ScaleDayBy2Hours;
    QList<int> m_listFiltered = {-1};
    int m_iThumbnailIndex = -1;

    QPoint m_ptPress;
    bool m_bPressed = false;
    bool m_bScaleDrag = false;
    bool m_bMarqueeDrag = false;
    int m_iMarqueeRow = -1;
    QList<QPair<double, double>> m_listMarqueeBefore;
};

void CMultiTimeSliderPrivate::PlaceTags()
{
    double dMin = 0.0;
    double dMax = 0.0;
    m_pView->GetYAxis()->GetRange(dMin, dMax);
    int iTop = RowTop(0) - int(dMin);
    // A row scrolled under the time scale takes its tags out of sight.
    if (iTop - 2 < m_layout.iTop)
        iTop = -s_iHiddenTag;
    const QVector<STagInfo> vecTags = m_pTags->GetTags();
    m_pTags->Clear();
    for (const STagInfo& tag : vecTags)
        m_pTags->AddTag(QPoint(tag.begin.x(), iTop), QPoint(tag.end.x(), iTop), tag.name);
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
    while (m_vecTracks.size() < iCount) {
        const int iIndex = m_vecTracks.size();
        int iPlace = 0;
        for (int i = 0; i < m_pView->GetSeriesCount(); ++i) {
            if (m_pView->GetSeries(i) == m_vecTracks.constLast())
                iPlace = i + 1;
        }
        CTimeRectSeries* pTrack = NewTrack();
        m_pView->InsertSeries(iPlace, pTrack);
        m_vecTracks.append(pTrack);
        m_pBackGround->AddPoint(0.0, RowTop(iIndex));
        m_pPlayMarks->AddPoint(-1.0, RowTop(iIndex));
    }
}

void CMultiTimeSliderPrivate::RebuildSelectSeries()
{
    // One row-selection series whatever the count: it is replaced, with its
    // selection and marquee, so that it stays the top layer.
    int iMarqueeRow = -1;
    QList<QPair<double, double>> listRanges;
    if (m_pSelect) {
        m_pSelect->GetRanges(iMarqueeRow, listRanges);
        for (int i = 0; i < m_pView->GetSeriesCount(); ++i) {
            if (m_pView->GetSeries(i) == m_pSelect) {
                m_pView->RemoveSeries(i);
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
    m_pView->AddSeries(m_pSelect);
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

void CMultiTimeSliderPrivate::ApplyFilter()
{
    for (CTimeRectSeries* pTrack : qAsConst(m_vecTracks))
        pTrack->SetTypeFilter(m_listFiltered);
}

double CMultiTimeSliderPrivate::VerticalSpan() const
{
    // The last band ends a band offset below the last row's boundary.
    return m_layout.iTop + double(m_layout.iRowHeight) * m_uCount + m_layout.iBandOffset;
}

double CMultiTimeSliderPrivate::ValueAtX(int iX) const
{
    double dMin = 0.0;
    double dMax = 0.0;
    q->GetVisibleRange(dMin, dMax);
    const QRect rectChart = m_pView->GetChartRect();
    if (rectChart.width() <= 0)
        return dMin;
    const double dValue = dMin + double(iX - rectChart.left()) * (dMax - dMin) / rectChart.width();
    return qBound(dMin, dValue, dMax);
}

bool CMultiTimeSliderPrivate::InTopBand(const QPoint& point, bool bReduced) const
{
    const QRect rectChart = m_pView->GetChartRect();
    if (!bReduced)
        return QRect(0, 0, rectChart.width(), m_layout.iTop).contains(point);
    int iLeft = 0;
    int iRight = 0;
    m_pView->GetMargins(iLeft, iRight);
    return QRect(iLeft, 0, m_pView->width() - iLeft - iRight, m_layout.iTop).contains(point);
}

void CMultiTimeSliderPrivate::UpdateMarquee(const QPoint& ptMouse)
{
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
    q->UpdateTimeSlider();
    q->RepaintTimeSlider();
}

void CMultiTimeSliderPrivate::HideThumbnail()
{
    if (m_pThumbnail && m_pThumbnail->isVisible()) {
        m_pThumbnail->hide();
        Q_EMIT q->SignalThumbnail(false);
    }
}

void CMultiTimeSliderPrivate::OnPress(QMouseEvent* pEvent)
{
    if (pEvent->button() != Qt::LeftButton)
        return;
    m_ptPress = pEvent->pos();
    const int iTrack = q->TrackAt(m_ptPress);
    if (iTrack >= 0)
        Q_EMIT q->SignalClicked(iTrack);
    if (!m_pView->GetChartRect().contains(m_ptPress))
        return;
    m_bPressed = true;
    m_bScaleDrag = InTopBand(m_ptPress, false);
    m_bMarqueeDrag = false;
    if (m_bScaleDrag) {
        m_pView->setCursor(Qt::ClosedHandCursor);
        q->SetMoving(true);
    } else {
        m_pView->setCursor(Qt::ArrowCursor);
        if ((pEvent->modifiers() & Qt::ShiftModifier) && m_pView->IsOpenSelectRect() && m_pSelect) {
            m_iMarqueeRow = m_pSelect->RowAt(m_ptPress);
            if (m_iMarqueeRow >= 0 && m_iMarqueeRow < int(m_uCount)) {
                int iRow = -1;
                m_pSelect->GetRanges(iRow, m_listMarqueeBefore);
                m_bMarqueeDrag = true;
            }
        }
    }
    q->BeginDrag(m_ptPress);
}

void CMultiTimeSliderPrivate::OnMove(QMouseEvent* pEvent)
{
    const QPoint ptMouse = pEvent->pos();
    q->SetMousePos(ptMouse);
    if (q->TrackAt(ptMouse) >= 0 && m_pView->GetChartRect().contains(ptMouse)) {
        m_pHoverTimer->start(s_iHoverDelay);
    } else {
        m_pHoverTimer->stop();
        HideThumbnail();
    }
    if (m_bPressed && m_bScaleDrag) {
        q->DragTo(ptMouse);
    } else if (m_bPressed && m_bMarqueeDrag) {
        UpdateMarquee(ptMouse);
    } else if (!m_bPressed) {
        m_pView->setCursor(InTopBand(ptMouse, true) ? Qt::OpenHandCursor : Qt::ArrowCursor);
    }
    q->OnUpdateTimeSlider();
}

void CMultiTimeSliderPrivate::OnRelease(QMouseEvent* pEvent)
{
    const bool bWasPressed = m_bPressed;
    const bool bScaleDrag = m_bScaleDrag;
    const bool bMarqueeDrag = m_bMarqueeDrag;
    m_bPressed = false;
    m_bScaleDrag = false;
    m_bMarqueeDrag = false;
    const QPoint ptPress = m_ptPress;
    m_ptPress = QPoint();
    if (bScaleDrag)
        q->SetMoving(false);
    if (pEvent->button() != Qt::LeftButton)
        return;
    const QPoint ptRelease = pEvent->pos();
    m_pView->setCursor(InTopBand(ptRelease, true) ? Qt::OpenHandCursor : Qt::ArrowCursor);
    if (!bWasPressed || bScaleDrag || bMarqueeDrag || !m_pView->GetChartRect().contains(ptRelease))
        return;
    const int iTrack = q->TrackAt(ptRelease);
    if (iTrack < 0)
        return;
    const time_t tTime = time_t(q->TimeAtX(ptRelease.x()));
    if (ptPress.x() != ptRelease.x()) {
        Q_EMIT q->SignalSelect(iTrack, time_t(q->TimeAtX(ptPress.x())), tTime);
    } else {
        Q_EMIT q->SignalMouseClick(tTime);
        Q_EMIT q->SignalMouseClick(iTrack, tTime);
    }
}

void CMultiTimeSliderPrivate::OnEnter()
{
    Q_EMIT q->SignalMouseEnter();
    q->StartUpdateTimer();
}

void CMultiTimeSliderPrivate::OnLeave()
{
    q->ClearMouseText();
    q->StopUpdateTimer();
    m_pHoverTimer->stop();
    Q_EMIT q->SignalMouseLeave();
    if (m_pView->cursor().shape() == Qt::OpenHandCursor)
        m_pView->unsetCursor();
    q->RepaintTimeSlider();
}

CMultiTimeSlider::CMultiTimeSlider(QWidget* pParent)
    : CTimeSlider(new CMultiChartView, pParent)
    , dMulti(new CMultiTimeSliderPrivate(this))
{
    qRegisterMetaType<time_t>("time_t");
    qRegisterMetaType<QList<int>>("QList<int>");
    dMulti->m_pView = static_cast<CMultiChartView*>(GetChartView());
    CMultiChartView* pView = dMulti->m_pView;

    auto* pLayout = new QGridLayout(this);
    pLayout->setContentsMargins(0, 0, 0, 0);
    pLayout->setSpacing(0);
    pLayout->addWidget(pView, 0, 0);
    dMulti->m_pScrollBar = new CScrollBar(Qt::Vertical, this);
    dMulti->m_pScrollBar->setObjectName(QStringLiteral("MultiTimeSliderScrollBar"));
    dMulti->m_pScrollBar->hide();
    pLayout->addWidget(dMulti->m_pScrollBar, 0, 1);
    connect(dMulti->m_pScrollBar, &QScrollBar::valueChanged, this, &CMultiTimeSlider::OnScrollBarValueChanged);

    dMulti->m_pFilterPopup = new CTimeSliderFilterPopup(this);
    connect(dMulti->m_pFilterPopup, &CTimeSliderFilterPopup::SignalFilter, this,
            &CMultiTimeSlider::OnFilterTriggered);

    connect(pView, &CChartView::SignalMoveLeft, this, &CTimeSlider::MoveLeft);
    connect(pView, &CChartView::SignalMoveRight, this, &CTimeSlider::MoveRight);
    connect(pView, &CChartView::SignalDelayRelease, this, &CTimeSlider::OnSlotReleaseMove);
    connect(pView, &CChartView::SignalZoomOut, this, &CTimeSlider::OnSlotZoomOut);
    connect(pView, &CChartView::SignalZoomIn, this, &CTimeSlider::OnSlotZoomIn);
    connect(pView, &CMultiChartView::SignalFilterBtnClicked, this, &CMultiTimeSlider::OnPopupFilterMenu);
    connect(pView, &CChartView::SignalCalendarBtnClicked, this, &CMultiTimeSlider::SignalPopupCalendar);
    connect(pView, &CChartView::SignalCalendarDateChanged, this, &CMultiTimeSlider::SignalCalendarDateChanged);
    pView->installEventFilter(this);

    // Vertical values are pixels; scrolling shifts the vertical range.
    pView->GetYAxis()->SetReversed(false);
    pView->GetYAxis()->SetScaled(false);

    LoadChartView();
    const QDate today = QDate::currentDate();
    SetTimeRange(today, today);
    ShowZoomByType(struTimeSliderData::ScaleDayBy2Hours);
    SetTimeSliderCount(1);

    dMulti->m_pHoverTimer = new QTimer(this);
    dMulti->m_pHoverTimer->setSingleShot(true);
    connect(dMulti->m_pHoverTimer, &QTimer::timeout, this, &CMultiTimeSlider::OnHoverTimerOut);
}

CMultiTimeSlider::~CMultiTimeSlider() = default;

void CMultiTimeSlider::LoadChartView()
{
    CMultiTimeSliderPrivate& p = *dMulti;
    if (p.m_pBackGround)
        return;
    const SLayout& layout = p.m_layout;
    p.m_pBackGround = new CBackGroundSeries;
    p.m_pBackGround->AddPoint(0.0, p.RowTop(0));
    p.m_pView->AddSeries(p.m_pBackGround);
    p.m_vecTracks.append(p.NewTrack());
    p.m_pView->AddSeries(p.m_vecTracks.constFirst());
    p.m_pPlayMarks = new CLineSeries;
    p.m_pPlayMarks->AddPoint(-1.0, p.RowTop(0));
    p.m_pView->AddSeries(p.m_pPlayMarks);
    p.m_pTopBand = new CRectSeries;
    p.m_pTopBand->SetHeight(layout.iTop);
    p.m_pView->AddSeries(p.m_pTopBand);
    p.m_pAxis = new CAxisSeries(GetBase());
    p.m_pAxis->SetTickTop(layout.iTop - 8);
    p.m_pAxis->SetLabelTop(layout.iTop - 18);
    p.m_pView->AddSeries(p.m_pAxis);
    p.m_pMouseText = new CMouseTextSeries;
    p.m_pView->AddSeries(p.m_pMouseText);
    p.m_pTags = new CTagSeries;
    p.m_pView->AddSeries(p.m_pTags);
}

void CMultiTimeSlider::SetTimeSliderCount(unsigned uCount)
{
    CMultiTimeSliderPrivate& p = *dMulti;
    if (uCount == 0) {
        qCWarning(lcOrvaGUIToolkit, "CMultiTimeSlider::SetTimeSliderCount: uCount == 0");
        return;
    }
    if (uCount > s_uMaxCount) {
        qCWarning(lcOrvaGUIToolkit, "CMultiTimeSlider::SetTimeSliderCount: uCount > 64");
        uCount = s_uMaxCount;
    }
    p.AddTracks(int(uCount));
    p.m_uCount = qMax<unsigned>(uCount, unsigned(p.m_vecTracks.size()));
    p.RebuildSelectSeries();
    p.m_pView->GetYAxis()->SetRange(0.0, p.VerticalSpan());
    p.m_pScrollBar->setValue(0);
    UpdateTimeSlider();
    RepaintTimeSlider();
}

unsigned CMultiTimeSlider::GetTimeSliderCount() const
{
    return dMulti->m_uCount;
}

void CMultiTimeSlider::SetChartName(unsigned uIndex, const QString& strName)
{
    if (uIndex >= s_uMaxCount)
        return;
    dMulti->m_pBackGround->SetName(int(uIndex), strName);
    RepaintTimeSlider();
}

void CMultiTimeSlider::SetChartNames(const QStringList& listNames)
{
    dMulti->m_pBackGround->SetNames(listNames.mid(0, int(s_uMaxCount)));
    RepaintTimeSlider();
}

void CMultiTimeSlider::AddTime(const QList<struTimeSliderData::TimeSegmentParam>& listSegments, int iIndex)
{
    CMultiTimeSliderPrivate& p = *dMulti;
    if (iIndex < 0 || iIndex >= int(p.m_uCount))
        return;
    CTimeRectSeries* pTrack = p.m_vecTracks.at(iIndex);
    const int iTop = p.RowTop(iIndex);
    for (const struTimeSliderData::TimeSegmentParam& segment : listSegments) {
        int iBegin = 0;
        int iEnd = 0;
        if (SegmentToValues(segment.dtBegin, segment.dtEnd, iBegin, iEnd))
            pTrack->AddRect(QPoint(iBegin, iTop), QPoint(iEnd, iTop + p.m_layout.iRowHeight), segment.brush,
                            segment.iLevel);
    }
    RepaintTimeSlider();
}

void CMultiTimeSlider::AddTime(const QMap<unsigned, QList<struTimeSliderData::TimeSegmentParam>>& mapSegments)
{
    for (auto it = mapSegments.cbegin(); it != mapSegments.cend(); ++it) {
        if (it.key() < dMulti->m_uCount)
            AddTime(it.value(), int(it.key()));
    }
}

void CMultiTimeSlider::AddTag(const QList<struTimeSliderData::TimeSegmentParam>& listTags)
{
    CMultiTimeSliderPrivate& p = *dMulti;
    for (const struTimeSliderData::TimeSegmentParam& tag : listTags) {
        int iBegin = 0;
        int iEnd = 0;
        if (SegmentToValues(tag.dtBegin, tag.dtEnd, iBegin, iEnd))
            p.m_pTags->AddTag(QPoint(iBegin, 0), QPoint(iEnd, 0), tag.strName);
    }
    p.PlaceTags();
    RepaintTimeSlider();
}

void CMultiTimeSlider::ClearTime(int iIndex)
{
    CMultiTimeSliderPrivate& p = *dMulti;
    if (iIndex < 0 || iIndex >= int(p.m_uCount))
        return;
    p.m_vecTracks.at(iIndex)->Clear();
    if (p.m_pSelect)
        p.m_pSelect->ClearRow(iIndex);
    p.m_pPlayMarks->SetXValue(iIndex, -1.0);
    RepaintTimeSlider();
}

void CMultiTimeSlider::RemoveTimeByTimeLevel(int iIndex, int iLevel)
{
    CMultiTimeSliderPrivate& p = *dMulti;
    if (iIndex < 0 || iIndex >= int(p.m_uCount))
        return;
    p.m_vecTracks.at(iIndex)->ClearType(iLevel);
    RepaintTimeSlider();
}

void CMultiTimeSlider::ClearAllTimeRectSeries()
{
    CMultiTimeSliderPrivate& p = *dMulti;
    for (CTimeRectSeries* pTrack : qAsConst(p.m_vecTracks))
        pTrack->Clear();
    p.m_pTags->Clear();
    ClearMarqueeArea();
    ClearSinglePlayLine(-1);
    RepaintTimeSlider();
}

void CMultiTimeSlider::ClearTag()
{
    dMulti->m_pTags->Clear();
    RepaintTimeSlider();
}

void CMultiTimeSlider::SetPlayTime(unsigned uIndex, unsigned uTime, bool bFollow)
{
    CMultiTimeSliderPrivate& p = *dMulti;
    if (uTime == s_uNoTime || IsSyncTime())
        return;
    qint64 iTime = uTime;
    QDateTime dtFirst;
    QDateTime dtLast;
    GetTimeRange(dtFirst, dtLast);
    if (dtFirst.isValid())
        iTime = qBound(dtFirst.toSecsSinceEpoch(), iTime, dtLast.toSecsSinceEpoch() + 1);
    if (uIndex >= unsigned(p.m_pPlayMarks->GetPointCount()) || uIndex >= p.m_uCount)
        return;
    p.m_pPlayMarks->SetXValue(int(uIndex), TimeToValue(iTime));
    double dMin = 0.0;
    double dMax = 0.0;
    GetVisibleRange(dMin, dMax);
    const double dValue = TimeToValue(iTime);
    if (bFollow && (dValue < dMin || dValue > dMax))
        OnPlayTime(unsigned(iTime));
    RepaintTimeSlider();
}

void CMultiTimeSlider::ClearSinglePlayLine(int iIndex)
{
    CLineSeries* pMarks = dMulti->m_pPlayMarks;
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
    ClearSinglePlayLine(-1);
    dMulti->m_pView->SetShowMidLine(true);
}

void CMultiTimeSlider::CloseSynTime()
{
    dMulti->m_pView->SetShowMidLine(false);
}

bool CMultiTimeSlider::IsSyncTime() const
{
    return dMulti->m_pView->IsShowMidLine();
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
    CMultiTimeSliderPrivate& p = *dMulti;
    const int iRow = uIndex < p.m_uCount ? int(uIndex) : -1;
    if (iRow == p.m_iSelectedRow)
        return;
    p.m_iSelectedRow = iRow;
    if (p.m_pSelect)
        p.m_pSelect->SetSelectedRow(iRow);
    RepaintTimeSlider();
}

int CMultiTimeSlider::GetSelectIndex() const
{
    return dMulti->m_iSelectedRow;
}

void CMultiTimeSlider::ClearSelectTimeSlider()
{
    SetSelectIndex(s_uNoTime);
}

void CMultiTimeSlider::SetShowIndex(unsigned uIndex)
{
    CMultiTimeSliderPrivate& p = *dMulti;
    if (uIndex >= p.m_uCount)
        return;
    const int iStep = qMax(1, p.m_pScrollBar->singleStep());
    const int iFirst = p.m_pScrollBar->value() / iStep;
    if (int(uIndex) >= iFirst && int(uIndex) < iFirst + s_iShownRows)
        return;
    p.m_pScrollBar->setValue(qMax(int(uIndex) - (s_iShownRows - 1), 0) * iStep);
}

bool CMultiTimeSlider::IsOpenSelectRect() const
{
    return dMulti->m_pView->IsOpenSelectRect();
}

void CMultiTimeSlider::GetMarqueeAreaRects(unsigned& uIndex, QList<struTimeSliderData::SelectedData>& listData) const
{
    listData.clear();
    const CSelectRectSeries* pSelect = dMulti->m_pSelect;
    if (!pSelect)
        return;
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
    QList<struTimeSliderData::SelectedData> listAll;
    GetMarqueeAreaRects(uIndex, listAll);
    listData.clear();
    if (uIndex >= unsigned(dMulti->m_vecTracks.size()))
        return;
    const CTimeRectSeries* pTrack = dMulti->m_vecTracks.at(int(uIndex));
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
    CSelectRectSeries* pSelect = dMulti->m_pSelect;
    if (!pSelect)
        return;
    pSelect->ClearRow(pSelect->GetMarqueeRow());
    RepaintTimeSlider();
}

void CMultiTimeSlider::AddTimeLevel(const QIcon& icon, const QString& strText, int iLevel)
{
    dMulti->m_pFilterPopup->AddLevel(icon, strText, iLevel);
}

void CMultiTimeSlider::AddTimeLevels(const QList<int>& listLevels)
{
    CMultiTimeSliderPrivate& p = *dMulti;
    if (listLevels.isEmpty())
        return;
    if (p.m_listFiltered.contains(-1))
        p.m_listFiltered.clear();
    for (int iLevel : listLevels) {
        if (!p.m_listFiltered.contains(iLevel))
            p.m_listFiltered.append(iLevel);
    }
    p.ApplyFilter();
    p.m_pFilterPopup->SetFilteredLevels(p.m_listFiltered);
    RepaintTimeSlider();
}

void CMultiTimeSlider::SetFilteredLevels(const QList<int>& listLevels)
{
    CMultiTimeSliderPrivate& p = *dMulti;
    if (listLevels.isEmpty())
        return;
    p.m_listFiltered = listLevels;
    p.ApplyFilter();
    p.m_pFilterPopup->SetFilteredLevels(listLevels);
    RepaintTimeSlider();
}

QList<int> CMultiTimeSlider::GetFilteredLevels() const
{
    return dMulti->m_listFiltered;
}

void CMultiTimeSlider::ClearTimeLevel()
{
    CMultiTimeSliderPrivate& p = *dMulti;
    p.m_listFiltered = {-1};
    p.ApplyFilter();
    p.m_pFilterPopup->ClearLevels();
    RepaintTimeSlider();
}

void CMultiTimeSlider::SetSpanType(struTimeSliderData::TimeSliderOneScale enumLevel)
{
    dMulti->m_iSpanType = enumLevel;
    if (int(enumLevel) == GetZoomLevel())
        return;
    ShowZoomByType(enumLevel);
    RepaintTimeSlider();
}

void CMultiTimeSlider::SetShowSimplifyMode()
{
    CMultiTimeSliderPrivate& p = *dMulti;
    if (p.m_bSimplify)
        return;
    p.m_bSimplify = true;
    p.m_layout = s_layoutSimplify;
    p.m_pView->SetShowSimplifyMode();
    p.PlaceRows();
    p.m_pTopBand->SetHeight(p.m_layout.iTop);
    if (!p.m_pMouseText) {
        p.m_pMouseText = new CMouseTextSeries;
        p.m_pView->AddSeries(p.m_pMouseText);
    }
    p.m_pAxis->SetLabelAlignment(1);
    p.m_pAxis->SetLabelEvery(4);
    p.m_pAxis->SetTickTop(p.m_layout.iTop - 8);
    p.m_pAxis->SetLabelTop(p.m_layout.iTop - 10);
    p.m_pMouseText->SetTextTop(p.m_pAxis->GetLabelTop());
    p.m_pScrollBar->setSingleStep(p.m_layout.iRowHeight);
    p.m_pView->GetYAxis()->SetRange(0.0, p.VerticalSpan());
    p.m_pScrollBar->setValue(0);
    p.PlaceTags();
    UpdateTimeSlider();
    RepaintTimeSlider();
}

bool CMultiTimeSlider::IsSimplifyMode() const
{
    return dMulti->m_bSimplify;
}

void CMultiTimeSlider::SetCalendarHide(bool bHide)
{
    dMulti->m_pView->SetCalendarBtnHidden(bHide);
}

void CMultiTimeSlider::ShowThumbnail(const QPixmap& pixmap)
{
    CMultiTimeSliderPrivate& p = *dMulti;
    if (!p.m_pThumbnail)
        p.m_pThumbnail = new CTimeSilderPictureLabel(this);
    p.m_pThumbnail->PutPicture(pixmap);
    p.m_pThumbnail->show();
}

int CMultiTimeSlider::GetThumbnailIndex() const
{
    return dMulti->m_iThumbnailIndex;
}

int CMultiTimeSlider::GetHintHeight() const
{
    return dMulti->m_layout.iTop + dMulti->m_layout.iRowHeight + 4;
}

void CMultiTimeSlider::Reset()
{
    ClearSelectTimeSlider();
    ClearAllTimeRectSeries();
    const QDate today = QDate::currentDate();
    SetTimeRange(today, today);
    ShowZoomByType(dMulti->m_iSpanType);
    RepaintTimeSlider();
}

void CMultiTimeSlider::UpdateTimeSlider()
{
    CMultiTimeSliderPrivate& p = *dMulti;
    const int iContent = int(std::ceil(p.VerticalSpan()));
    p.m_pScrollBar->setSingleStep(p.m_layout.iRowHeight);
    p.m_pScrollBar->setPageStep(qMax(p.m_layout.iRowHeight, height()));
    if (iContent <= height()) {
        p.m_pScrollBar->setValue(0);
        p.m_pScrollBar->hide();
        return;
    }
    p.m_pScrollBar->setRange(0, iContent - height() + 2);
    p.m_pScrollBar->show();
}

int CMultiTimeSlider::GetTop() const
{
    return dMulti->m_layout.iTop;
}

int CMultiTimeSlider::GetRowHeight() const
{
    return dMulti->m_layout.iRowHeight;
}

int CMultiTimeSlider::GetBandOffset() const
{
    return dMulti->m_layout.iBandOffset;
}

int CMultiTimeSlider::TrackAt(const QPoint& point) const
{
    const CMultiTimeSliderPrivate& p = *dMulti;
    // Bands keep the pixels of their last paint; the point is compared in
    // vertical values, which differ from pixels by the scroll position.
    double dMin = 0.0;
    double dMax = 0.0;
    p.m_pView->GetYAxis()->GetRange(dMin, dMax);
    const QPoint ptValue(point.x(), point.y() + int(dMin));
    for (int i = 0; i < int(p.m_uCount); ++i) {
        if (p.m_vecTracks.at(i)->HitTest(ptValue))
            return i;
    }
    return -1;
}

void CMultiTimeSlider::OnPopupFilterMenu()
{
    CTimeSliderFilterPopup* pPopup = dMulti->m_pFilterPopup;
    if (pPopup->isVisible())
        return;
    pPopup->adjustSize();
    const QRect rectPlace = GetBorderAvailableGeometry(QRect(QCursor::pos(), QSize(2, 2)), pPopup);
    pPopup->move(rectPlace.left(), rectPlace.top() - pPopup->height());
    pPopup->show();
}

void CMultiTimeSlider::OnFilterTriggered(QList<int> listLevels)
{
    CMultiTimeSliderPrivate& p = *dMulti;
    p.m_listFiltered = listLevels;
    p.m_pFilterPopup->SetFilteredLevels(listLevels);
    p.ApplyFilter();
    Q_EMIT SignalFilterTriggered(listLevels);
    RepaintTimeSlider();
}

void CMultiTimeSlider::OnScrollBarValueChanged(int iValue)
{
    dMulti->m_pView->GetYAxis()->SetRange(iValue, iValue + dMulti->VerticalSpan());
    dMulti->PlaceTags();
    RepaintTimeSlider();
}

void CMultiTimeSlider::OnHoverTimerOut()
{
    CMultiTimeSliderPrivate& p = *dMulti;
    if (!p.m_pThumbnail)
        p.m_pThumbnail = new CTimeSilderPictureLabel(this);
    const QPoint ptMouse = GetMousePos();
    p.m_iThumbnailIndex = TrackAt(ptMouse);
    const qint64 iTime = TimeAtX(ptMouse.x());
    const QPoint ptCursor = QCursor::pos();
    p.m_pThumbnail->move(ptCursor.x() - p.m_pThumbnail->width() / 2,
                         ptCursor.y() - p.m_pThumbnail->height() - s_iThumbnailGap);
    Q_EMIT SignalThumbnail(true, time_t(iTime));
}

bool CMultiTimeSlider::eventFilter(QObject* pWatched, QEvent* pEvent)
{
    if (pWatched == dMulti->m_pView) {
        switch (pEvent->type()) {
        case QEvent::MouseButtonPress:
            dMulti->OnPress(static_cast<QMouseEvent*>(pEvent));
            break;
        case QEvent::MouseMove:
            dMulti->OnMove(static_cast<QMouseEvent*>(pEvent));
            break;
        case QEvent::MouseButtonRelease:
            dMulti->OnRelease(static_cast<QMouseEvent*>(pEvent));
            break;
        case QEvent::Enter:
            dMulti->OnEnter();
            break;
        case QEvent::Leave:
            dMulti->OnLeave();
            break;
        default:
            break;
        }
    }
    return CTimeSlider::eventFilter(pWatched, pEvent);
}

void CMultiTimeSlider::resizeEvent(QResizeEvent* pEvent)
{
    CTimeSlider::resizeEvent(pEvent);
    UpdateTimeSlider();
}

} // namespace OrvaGUIToolkit
