#include "TimeRectSeries.h"

#include "ChartAxis.h"
#include "ChartStyleOption.h"
#include "UncoveredParts.h"

#include <QtGui/QPainter>

#include <algorithm>
#include <climits>
#include <cmath>

namespace OrvaGUIToolkit {

namespace {

// Cached placement may differ from an exact one by rounding (at most two
// pixels), so the binary search keeps this many pixels of reserve on each side.
constexpr double s_dWindowReservePixels = 3.0;
// Pixel distances from which mapped values may meet the pixel limit.
constexpr double s_dFarPixels = CChartAxis::PixelLimit / 4.0;

int ClampToInt(qint64 iValue)
{
    return static_cast<int>(qBound(qint64(INT_MIN), iValue, qint64(INT_MAX)));
}

template <typename TSegment>
bool IsVisible(const TSegment& segment, double dMin, double dMax)
{
    const double dBegin = double(segment.iBegin);
    const double dEnd = double(segment.iEnd);
    return (dBegin >= dMin && dBegin <= dMax) || (dEnd >= dMin && dEnd <= dMax)
        || (dBegin <= dMin && dEnd >= dMax);
}

// The first index in [0, iCount) for which bBefore(index) is false, where
// bBefore is true for a prefix of the indexes. The search starts at the answer
// of the previous paint and widens its steps from there: a repaint at the same
// or a nearby range needs a handful of probes, while a plain binary search
// starts over, with every probe a cache miss after the pixmap was cleared.
template <typename TBefore>
int PartitionFrom(int iHint, int iCount, TBefore bBefore)
{
    iHint = qBound(0, iHint, iCount);
    // The answer lies in [iLow, iHigh] once the steps have bracketed it.
    qint64 iLow = 0;
    qint64 iHigh = iCount;
    if (iHint < iCount && bBefore(iHint)) {
        qint64 iBefore = iHint;
        for (qint64 iStep = 1;; iStep *= 2) {
            const qint64 iProbe = iBefore + iStep;
            if (iProbe >= iCount || !bBefore(int(iProbe))) {
                iLow = iBefore + 1;
                iHigh = qMin<qint64>(iProbe, iCount);
                break;
            }
            iBefore = iProbe;
        }
    } else if (iHint > 0 && !bBefore(iHint - 1)) {
        qint64 iAfter = iHint - 1;
        for (qint64 iStep = 1;; iStep *= 2) {
            const qint64 iProbe = iAfter - iStep;
            if (iProbe < 0 || bBefore(int(iProbe))) {
                iLow = qMax<qint64>(iProbe + 1, 0);
                iHigh = iAfter;
                break;
            }
            iAfter = iProbe;
        }
    } else {
        return iHint;
    }
    while (iLow < iHigh) {
        const qint64 iMiddle = iLow + (iHigh - iLow) / 2;
        if (bBefore(int(iMiddle)))
            iLow = iMiddle + 1;
        else
            iHigh = iMiddle;
    }
    return int(iLow);
}

bool IsOpaqueBrush(const QBrush& brush)
{
    return brush.style() == Qt::SolidPattern && IsOpaque(brush.color());
}

// Consecutive segments of one brush and height, gathered while they touch on
// screen and filled as one rectangle.
struct SRun
{
    qint64 iLeft = 0;
    qint64 iRight = -1;
    int iTop = 0;
    qint64 iHeight = 0;
    const QBrush* pBrush = nullptr;
    bool bOpaque = false;

    QRect Rect() const
    {
        // Sides within the pixel limit (the top is too): the rectangle's far
        // edges fit an int.
        return QRect(CChartAxis::BoundPixel(iLeft), iTop, CChartAxis::BoundPixel(iRight - iLeft + 1),
                     CChartAxis::BoundPixel(iHeight));
    }
    // Overlapping fills of a translucent brush would blend twice.
    bool CanTake(qint64 iNewLeft, qint64 iNewRight) const
    {
        const bool bTouches = iNewLeft <= iRight + 1 && iNewRight >= iLeft - 1;
        const bool bOverlaps = iNewLeft <= iRight && iNewRight >= iLeft;
        return pBrush && bTouches && (bOpaque || !bOverlaps);
    }
};

} // namespace

CTimeRectSeries::CTimeRectSeries()
    : m_axisCalculated(nullptr, true, false)
    , m_listTypeFilter({-1})
    , m_axisLaidOutX(nullptr, true, false)
    , m_axisLaidOutY(nullptr, false, true)
{
}

void CTimeRectSeries::Clear()
{
    CChartSeries::Clear();
    m_mapGroups.clear();
}

int CTimeRectSeries::SeriesType() const
{
    return ChartSeriesTimeRect;
}

void CTimeRectSeries::AddRect(const QPoint& begin, const QPoint& end, const QBrush& brush, int iType)
{
    AddRect(begin.x(), end.x(), begin.y(), end.y(), brush, iType);
}

void CTimeRectSeries::AddRect(qint64 iBegin, qint64 iEnd, int iTop, int iBottom, const QBrush& brush, int iType)
{
    auto it = m_mapGroups.find(iType);
    if (it == m_mapGroups.end()) {
        it = m_mapGroups.insert(iType, SGroup());
        it->bAdmitted = IsAdmitted(iType);
    }
    SGroup& group = *it;
    SSegment segment{iBegin, iEnd, iTop, iBottom, brush, false, IsOpaqueBrush(brush)};
    const qint64 iLow = qMin(iBegin, iEnd);
    const qint64 iHigh = qMax(iBegin, iEnd);
    if (!group.vecSegments.isEmpty()) {
        const SSegment& last = group.vecSegments.constLast();
        if (iLow < qMin(last.iBegin, last.iEnd))
            group.bSorted = false;
        segment.bSameAsPrevious = last.brush == brush && qint64(last.iBottom) - last.iTop == qint64(iBottom) - iTop;
        // Recorders hand over the same few brushes again and again: share one.
        if (segment.bSameAsPrevious)
            segment.brush = last.brush;
    }
    group.vecReach.append(group.vecReach.isEmpty() ? iHigh : qMax(group.vecReach.constLast(), iHigh));
    group.vecSegments.append(segment);
    SetDirty(true);
}

void CTimeRectSeries::PlaceInBand(int iTop, int iBottom)
{
    for (SGroup& group : m_mapGroups) {
        const SSegment* pPrevious = nullptr;
        for (SSegment& segment : group.vecSegments) {
            segment.iTop = iTop;
            segment.iBottom = iBottom;
            // All heights are equal now, so only the brushes tell runs apart.
            segment.bSameAsPrevious = pPrevious && pPrevious->brush == segment.brush;
            pPrevious = &segment;
        }
    }
    SetDirty(true);
}

void CTimeRectSeries::ClearType(int iType)
{
    const auto it = m_mapGroups.find(iType);
    if (it == m_mapGroups.end())
        return;
    const bool bAdmitted = it->bAdmitted;
    *it = SGroup();
    it->bAdmitted = bAdmitted;
    SetDirty(true);
}

bool CTimeRectSeries::HasRects() const
{
    return !m_mapGroups.isEmpty();
}

void CTimeRectSeries::SetTypeFilter(const QList<int>& listTypes)
{
    m_listTypeFilter = listTypes;
    // Decided once per group here rather than per group and paint.
    for (auto it = m_mapGroups.begin(); it != m_mapGroups.end(); ++it)
        it->bAdmitted = IsAdmitted(it.key());
    SetDirty(true);
}

QVector<STimeRect> CTimeRectSeries::GetRects(int iType) const
{
    QVector<STimeRect> vecRects;
    const auto it = m_mapGroups.constFind(iType);
    if (it == m_mapGroups.constEnd())
        return vecRects;
    vecRects.reserve(it->vecSegments.size());
    for (const SSegment& segment : it->vecSegments) {
        STimeRect rect;
        rect.begin = QPoint(ClampToInt(segment.iBegin), segment.iTop);
        rect.end = QPoint(ClampToInt(segment.iEnd), segment.iBottom);
        rect.brush = segment.brush;
        rect.type = iType;
        CachedPixels(segment, rect.pixelX, rect.pixelWidth);
        vecRects.append(rect);
    }
    return vecRects;
}

int CTimeRectSeries::GetRectCount() const
{
    int iCount = 0;
    for (const SGroup& group : m_mapGroups)
        iCount += group.vecSegments.size();
    return iCount;
}

void CTimeRectSeries::Calculate()
{
    if (!GetXAxis())
        return;
    m_axisCalculated = *GetXAxis();
    m_bCalculated = true;
    m_bLayoutCurrent = false;
}

void CTimeRectSeries::CachedPixels(const SSegment& segment, int& iPixelX, int& iPixelWidth) const
{
    if (!m_bCalculated) {
        iPixelX = 0;
        iPixelWidth = 0;
        return;
    }
    iPixelX = m_axisCalculated.ValueToPixel(double(segment.iBegin));
    iPixelWidth = ClampToInt(qint64(m_axisCalculated.ValueToPixel(double(segment.iEnd))) - iPixelX + 1);
}

void CTimeRectSeries::PreparePaint(const CChartStyleOption& option, QVector<QRect>& vecCover)
{
    Q_UNUSED(option)
    LayOut();
    for (const SFill& fill : m_vecFills) {
        if (fill.bOpaque)
            AddCover(vecCover, fill.rect);
    }
}

void CTimeRectSeries::Paint(QPainter* pPainter, const CChartStyleOption& option)
{
    Q_UNUSED(option)
    // Normally laid out by PreparePaint() just before, which this reuses.
    LayOut();
    for (const SFill& fill : m_vecFills) {
        // A plain colour takes QPainter's quickest path, which skips the
        // brush's pattern and gradient checks.
        if (fill.pBrush->style() == Qt::SolidPattern)
            pPainter->fillRect(fill.rect, fill.pBrush->color());
        else
            pPainter->fillRect(fill.rect, *fill.pBrush);
    }
}

void CTimeRectSeries::LayOut()
{
    if (IsLayoutCurrent())
        return;
    m_vecFills.clear();
    m_iBandTop = -1;
    m_iBandBottom = -1;
    m_bLayoutCurrent = false;
    if (!GetXAxis())
        return;
    double dMin = 0.0;
    double dMax = 0.0;
    GetXAxis()->GetRange(dMin, dMax);
    // Scrolled so far at one scale that cached pixels would be pinned: place
    // the segments anew.
    if (m_bCalculated && !(qAbs(dMin - m_axisCalculated.GetMin()) * GetXAxis()->GetScale() < s_dFarPixels))
        Calculate();
    const int iPixelMin = ValueToX(dMin);
    const int iPixelMax = ValueToX(dMax);
    for (const SGroup& group : qAsConst(m_mapGroups)) {
        if (group.bAdmitted)
            LayOutGroup(group, dMin, dMax, iPixelMin, iPixelMax);
    }
    m_axisLaidOutX = *GetXAxis();
    if (GetYAxis())
        m_axisLaidOutY = *GetYAxis();
    m_bLayoutCurrent = true;
}

bool CTimeRectSeries::IsLayoutCurrent() const
{
    // Any change of the segments, the filter or the band marks the series
    // dirty, and the panel recalculates it before laying it out.
    return m_bLayoutCurrent && !IsDirty() && GetXAxis() && GetXAxis()->MapsAlike(m_axisLaidOutX)
        && (!m_bMapY || !GetYAxis() || GetYAxis()->MapsAlike(m_axisLaidOutY));
}

void CTimeRectSeries::LayOutGroup(const SGroup& group, double dMin, double dMax, int iPixelMin, int iPixelMax)
{
    int iFirst = 0;
    int iLast = 0;
    VisibleWindow(group, dMin, dMax, iFirst, iLast);
    const SSegment* const pSegments = group.vecSegments.constData();

    // The first visible segment is placed exactly and anchors the group.
    int i = iFirst;
    while (i < iLast && !IsVisible(pSegments[i], dMin, dMax))
        ++i;
    if (i >= iLast)
        return;
    const SSegment& first = pSegments[i];
    m_iBandTop = MapY(first.iTop);
    m_iBandBottom = MapY(first.iBottom);
    SRun run;
    run.iLeft = ValueToX(qMax(double(first.iBegin), dMin));
    run.iRight = ValueToX(qMin(double(first.iEnd), dMax));
    run.iTop = m_iBandTop;
    run.iHeight = qint64(first.iBottom) - first.iTop;
    run.pBrush = &first.brush;
    run.bOpaque = first.bOpaque;
    // The shift is taken at the segment's begin, unless that lies so far left
    // of the chart that its pixels would be pinned and hide the shift (a
    // segment that started decades earlier): then at the chart's start, which
    // gives the same shift at an unchanged scale up to rounding.
    const bool bBeginFar = !((dMin - double(first.iBegin)) * GetXAxis()->GetScale() < s_dFarPixels);
    const double dAnchor = bBeginFar ? dMin : double(first.iBegin);
    const qint64 iShift = qint64(ValueToX(dAnchor))
        - (m_bCalculated ? m_axisCalculated.ValueToPixel(dAnchor) : 0);
    int iPixelX = 0;
    int iPixelWidth = 0;

    // Whether every segment since the run's last one continued its brush.
    bool bSameAsRun = true;
    for (++i; i < iLast; ++i) {
        const SSegment& segment = pSegments[i];
        bSameAsRun = bSameAsRun && segment.bSameAsPrevious;
        CachedPixels(segment, iPixelX, iPixelWidth);
        const qint64 iLeft = qMax<qint64>(iPixelX + iShift, iPixelMin);
        const qint64 iRight = qMin<qint64>(iPixelX + iShift + iPixelWidth - 1, iPixelMax);
        if (iLeft > iPixelMax || iRight < iPixelMin || iLeft > iRight)
            continue;
        if (bSameAsRun && run.CanTake(iLeft, iRight)) {
            run.iLeft = qMin(run.iLeft, iLeft);
            run.iRight = qMax(run.iRight, iRight);
            continue;
        }
        m_vecFills.push_back({run.Rect(), run.pBrush, run.bOpaque});
        run.iLeft = iLeft;
        run.iRight = iRight;
        run.iHeight = qint64(segment.iBottom) - segment.iTop;
        run.pBrush = &segment.brush;
        run.bOpaque = segment.bOpaque;
        bSameAsRun = true;
    }
    m_vecFills.push_back({run.Rect(), run.pBrush, run.bOpaque});
}

void CTimeRectSeries::VisibleWindow(const SGroup& group, double dMin, double dMax, int& iFirst, int& iLast) const
{
    iFirst = 0;
    iLast = group.vecSegments.size();
    const double dScale = GetXAxis()->GetScale();
    if (!group.bSorted || !(dScale > 0.0) || !std::isfinite(dScale) || !(dMin <= dMax))
        return;
    const double dReserve = s_dWindowReservePixels / dScale;
    const double dLow = dMin - dReserve;
    const double dHigh = dMax + dReserve;
    if (dLow == group.dHintLow && dHigh == group.dHintHigh && iLast == group.iHintCount) {
        iFirst = group.iHintFirst;
        iLast = group.iHintLast;
        return;
    }
    // Segments start in ascending order: the ones after iLast start right of the chart.
    const SSegment* const pSegments = group.vecSegments.constData();
    iLast = PartitionFrom(group.iHintLast, iLast, [pSegments, dHigh](int i) {
        return double(qMin(pSegments[i].iBegin, pSegments[i].iEnd)) <= dHigh;
    });
    // No segment before iFirst reaches into the chart.
    const qint64* const pReach = group.vecReach.constData();
    iFirst = PartitionFrom(group.iHintFirst, group.vecReach.size(),
                           [pReach, dLow](int i) { return double(pReach[i]) < dLow; });
    group.iHintFirst = iFirst;
    group.iHintLast = iLast;
    group.dHintLow = dLow;
    group.dHintHigh = dHigh;
    group.iHintCount = group.vecSegments.size();
}

bool CTimeRectSeries::KeepsPainterState() const
{
    return true;
}

bool CTimeRectSeries::IsAdmitted(int iType) const
{
    return m_listTypeFilter.contains(-1) || m_listTypeFilter.contains(iType);
}

int CTimeRectSeries::MapY(int iY) const
{
    return m_bMapY && GetYAxis() ? GetYAxis()->ValueToPixel(iY) : CChartAxis::BoundPixel(iY);
}

bool CTimeRectSeries::HitTest(const QPoint& point) const
{
    if (m_iBandTop == -1 && m_iBandBottom == -1)
        return false;
    return HitTestPixelRow(MapY(point.y()));
}

bool CTimeRectSeries::HitTestPixelRow(int iPixelY) const
{
    if (m_iBandTop == -1 && m_iBandBottom == -1)
        return false;
    // Rows at the pixel limit stand for anything beyond it, far outside the
    // chart: a band pinned there is not hit by another far-away row.
    if (qAbs(qint64(iPixelY)) >= CChartAxis::PixelLimit)
        return false;
    return m_iBandTop <= iPixelY && iPixelY <= m_iBandBottom;
}

bool CTimeRectSeries::HasTimeIn(qint64 iTime1, qint64 iTime2) const
{
    for (const SGroup& group : m_mapGroups) {
        for (const SSegment& segment : group.vecSegments) {
            const qint64 iBegin = segment.iBegin;
            const qint64 iEnd = segment.iEnd;
            if ((iBegin <= iTime1 && iTime1 <= iEnd) || (iBegin <= iTime2 && iTime2 <= iEnd)
                || (iTime1 <= iBegin && iEnd <= iTime2))
                return true;
        }
    }
    return false;
}

bool CTimeRectSeries::GetValidRange(qint64 iTime1, qint64 iTime2, qint64& iStart, qint64& iEnd) const
{
    if (!HasTimeIn(iTime1, iTime2))
        return false;
    iStart = iTime2;
    iEnd = iTime1;
    bool bStartCovered = false;
    bool bEndCovered = false;
    for (const SGroup& group : m_mapGroups) {
        for (const SSegment& segment : group.vecSegments) {
            const qint64 iBegin = segment.iBegin;
            const qint64 iFinish = segment.iEnd;
            if (!bStartCovered) {
                if (iBegin <= iTime1 && iTime1 <= iFinish) {
                    iStart = iTime1;
                    bStartCovered = true;
                } else if (iBegin > iTime1) {
                    iStart = qMin(iStart, iBegin);
                }
            }
            if (!bEndCovered) {
                if (iBegin <= iTime2 && iTime2 <= iFinish) {
                    iEnd = iTime2;
                    bEndCovered = true;
                } else if (iFinish < iTime2) {
                    iEnd = qMax(iEnd, iFinish);
                }
            }
        }
    }
    return iStart <= iEnd;
}

} // namespace OrvaGUIToolkit
