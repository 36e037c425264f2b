#include "TimeRectSeries.h"

#include "ChartAxis.h"
#include "ChartStyleOption.h"

#include <QtGui/QPainter>

#include <algorithm>
#include <climits>
#include <cmath>

namespace OrvaGUIToolkit {

namespace {

// Cached placement may differ from an exact one by rounding (at most two
// pixels), so the binary search keeps this many pixels of reserve on each side.
constexpr double s_dWindowReservePixels = 3.0;

int ClampToInt(qint64 iValue)
{
    return static_cast<int>(qBound(qint64(INT_MIN), iValue, qint64(INT_MAX)));
}

bool IsVisible(const STimeRect& rect, double dMin, double dMax)
{
    const double dBegin = rect.begin.x();
    const double dEnd = rect.end.x();
    return (dBegin >= dMin && dBegin <= dMax) || (dEnd >= dMin && dEnd <= dMax)
        || (dBegin <= dMin && dEnd >= dMax);
}

void FillBand(QPainter* pPainter, qint64 iLeft, qint64 iRight, int iTop, const STimeRect& rect)
{
    const qint64 iHeight = qint64(rect.end.y()) - rect.begin.y();
    pPainter->fillRect(QRect(ClampToInt(iLeft), iTop, ClampToInt(iRight - iLeft + 1), ClampToInt(iHeight)),
                       rect.brush);
}

} // namespace

CTimeRectSeries::CTimeRectSeries()
    : m_axisCalculated(nullptr, true, false)
    , m_listTypeFilter({-1})
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
    STimeRect rect;
    rect.begin = begin;
    rect.end = end;
    rect.brush = brush;
    rect.type = iType;

    SGroup& group = m_mapGroups[iType];
    const int iLow = qMin(begin.x(), end.x());
    const int iHigh = qMax(begin.x(), end.x());
    if (!group.vecRects.isEmpty()) {
        const STimeRect& last = group.vecRects.constLast();
        if (iLow < qMin(last.begin.x(), last.end.x()))
            group.bSorted = false;
    }
    group.vecReach.append(group.vecReach.isEmpty() ? iHigh : qMax(group.vecReach.constLast(), iHigh));
    group.vecRects.append(rect);
    SetDirty(true);
}

void CTimeRectSeries::ClearType(int iType)
{
    const auto it = m_mapGroups.find(iType);
    if (it == m_mapGroups.end())
        return;
    *it = SGroup();
    SetDirty(true);
}

bool CTimeRectSeries::HasRects() const
{
    return !m_mapGroups.isEmpty();
}

QVector<STimeRect> CTimeRectSeries::GetRects(int iType) const
{
    QVector<STimeRect> vecRects = m_mapGroups.value(iType).vecRects;
    for (STimeRect& rect : vecRects)
        CachedPixels(rect, rect.pixelX, rect.pixelWidth);
    return vecRects;
}

int CTimeRectSeries::GetRectCount() const
{
    int iCount = 0;
    for (const SGroup& group : m_mapGroups)
        iCount += group.vecRects.size();
    return iCount;
}

void CTimeRectSeries::Calculate()
{
    if (!GetXAxis())
        return;
    m_axisCalculated = *GetXAxis();
    m_bCalculated = true;
}

void CTimeRectSeries::CachedPixels(const STimeRect& rect, int& iPixelX, int& iPixelWidth) const
{
    if (!m_bCalculated) {
        iPixelX = 0;
        iPixelWidth = 0;
        return;
    }
    iPixelX = m_axisCalculated.ValueToPixel(rect.begin.x());
    iPixelWidth = ClampToInt(qint64(m_axisCalculated.ValueToPixel(rect.end.x())) - iPixelX + 1);
}

void CTimeRectSeries::Paint(QPainter* pPainter, const CChartStyleOption& option)
{
    Q_UNUSED(option)
    m_iBandTop = -1;
    m_iBandBottom = -1;
    if (!GetXAxis())
        return;
    double dMin = 0.0;
    double dMax = 0.0;
    GetXAxis()->GetRange(dMin, dMax);
    const int iPixelMin = ValueToX(dMin);
    const int iPixelMax = ValueToX(dMax);
    for (auto it = m_mapGroups.cbegin(); it != m_mapGroups.cend(); ++it) {
        if (IsAdmitted(it.key()))
            PaintGroup(pPainter, it.value(), dMin, dMax, iPixelMin, iPixelMax);
    }
}

void CTimeRectSeries::PaintGroup(QPainter* pPainter, const SGroup& group, double dMin, double dMax,
                                 int iPixelMin, int iPixelMax)
{
    int iFirst = 0;
    int iLast = 0;
    VisibleWindow(group, dMin, dMax, iFirst, iLast);
    const STimeRect* const pRects = group.vecRects.constData();

    // The first visible segment is placed exactly and anchors the group.
    int i = iFirst;
    while (i < iLast && !IsVisible(pRects[i], dMin, dMax))
        ++i;
    if (i >= iLast)
        return;
    const STimeRect& first = pRects[i];
    m_iBandTop = MapY(first.begin.y());
    m_iBandBottom = MapY(first.end.y());
    const int iBandTop = m_iBandTop;
    FillBand(pPainter, ValueToX(qMax<double>(first.begin.x(), dMin)), ValueToX(qMin<double>(first.end.x(), dMax)),
             iBandTop, first);
    int iPixelX = 0;
    int iPixelWidth = 0;
    CachedPixels(first, iPixelX, iPixelWidth);
    const qint64 iShift = qint64(ValueToX(first.begin.x())) - iPixelX;

    for (++i; i < iLast; ++i) {
        const STimeRect& rect = pRects[i];
        CachedPixels(rect, iPixelX, iPixelWidth);
        const qint64 iLeft = iPixelX + iShift;
        const qint64 iRight = iLeft + iPixelWidth - 1;
        if (iLeft > iPixelMax || iRight < iPixelMin)
            continue;
        FillBand(pPainter, qMax<qint64>(iLeft, iPixelMin), qMin<qint64>(iRight, iPixelMax), iBandTop, rect);
    }
}

void CTimeRectSeries::VisibleWindow(const SGroup& group, double dMin, double dMax, int& iFirst, int& iLast) const
{
    iFirst = 0;
    iLast = group.vecRects.size();
    const double dScale = GetXAxis()->GetScale();
    if (!group.bSorted || !(dScale > 0.0) || !std::isfinite(dScale) || !(dMin <= dMax))
        return;
    const double dReserve = s_dWindowReservePixels / dScale;
    const double dLow = dMin - dReserve;
    const double dHigh = dMax + dReserve;
    // Segments start in ascending order: the ones after iLast start right of the chart.
    const auto itLast = std::partition_point(group.vecRects.cbegin(), group.vecRects.cend(),
        [dHigh](const STimeRect& rect) { return qMin(rect.begin.x(), rect.end.x()) <= dHigh; });
    // No segment before iFirst reaches into the chart.
    const auto itFirst = std::partition_point(group.vecReach.cbegin(), group.vecReach.cend(),
        [dLow](int iReach) { return iReach < dLow; });
    iLast = int(itLast - group.vecRects.cbegin());
    iFirst = int(itFirst - group.vecReach.cbegin());
}

bool CTimeRectSeries::IsAdmitted(int iType) const
{
    return m_listTypeFilter.contains(-1) || m_listTypeFilter.contains(iType);
}

int CTimeRectSeries::MapY(int iY) const
{
    return m_bMapY && GetYAxis() ? GetYAxis()->ValueToPixel(iY) : iY;
}

bool CTimeRectSeries::HitTest(const QPoint& point) const
{
    if (m_iBandTop == -1 && m_iBandBottom == -1)
        return false;
    const int iY = MapY(point.y());
    return m_iBandTop <= iY && iY <= m_iBandBottom;
}

bool CTimeRectSeries::HasTimeIn(qint64 iTime1, qint64 iTime2) const
{
    for (const SGroup& group : m_mapGroups) {
        for (const STimeRect& rect : group.vecRects) {
            const qint64 iBegin = rect.begin.x();
            const qint64 iEnd = rect.end.x();
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
        for (const STimeRect& rect : group.vecRects) {
            const qint64 iBegin = rect.begin.x();
            const qint64 iFinish = rect.end.x();
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
