#ifndef ORVAGUITOOLKIT_TIMERECTSERIES_H
#define ORVAGUITOOLKIT_TIMERECTSERIES_H

#include "ChartAxis.h"
#include "ChartSeries.h"

#include <QtCore/QList>
#include <QtCore/QMap>
#include <QtCore/QPoint>
#include <QtCore/QVector>
#include <QtGui/QBrush>

#include <limits>
#include <vector>

namespace OrvaGUIToolkit {

// One recorded segment as the series reports it. x values are horizontal
// axis values (seconds, see CAxisSeries), saturated to the int range; y values
// are pixel rows, or vertical axis values when the series maps y. pixelX and
// pixelWidth are the segment's left pixel and width at the scale of the last
// Calculate(), filled in the copies GetRects() returns.
struct STimeRect
{
    QPoint begin;
    QPoint end;
    QBrush brush;
    int type = 0;
    int pixelX = 0;
    int pixelWidth = 0;
};

// The recorded segments of one track, drawn as bands and grouped by record
// type (the client's level number) so that types can be filtered.
//
// Times are kept as 64-bit values, so recordings after 2038-01-19 or before
// 1901-12-14 are drawn like any other; the QPoint interface remains for
// callers whose times fit an int.
//
// Drawing: in each admitted group the first visible segment (in insertion
// order) is placed exactly from its times; it also gives the band's top and
// bottom for the whole group and the pixel shift between its cached and its
// current position. Every later segment of the group is placed from its cached
// pixels plus that shift and clipped to the chart. So a scroll at an unchanged
// scale needs no Calculate(): all segments move with the first visible one.
// The band height of each segment is end.y - begin.y in the caller's units,
// also when y is mapped.
//
// Speed: Calculate() keeps a copy of the horizontal axis as it was, and a
// segment's cached pixels are that copy's mapping of its times, worked out
// when the segment is painted; so a new scale costs nothing per segment.
// While a group's segments arrive in chronological order (each one starting
// no earlier than the previous one, the usual case for recordings), painting
// finds the visible ones by binary search instead of visiting every segment;
// the search starts from the window of the previous paint. A group filled
// out of order is scanned in full. Consecutive segments with
// the same brush and height that touch or overlap on screen are filled as one
// rectangle (overlapping ones only when the brush is opaque, where one fill
// and two look alike): at a day's zoom most recordings are narrower than a
// pixel. All of this draws the same as filling segment by segment.
class CTimeRectSeries : public CChartSeries
{
public:
    CTimeRectSeries();

    // Removes every group.
    void Clear() override;
    void Calculate() override;
    // Works out the runs the next Paint() fills and offers the opaque ones as
    // cover.
    void PreparePaint(const CChartStyleOption& option, QVector<QRect>& vecCover) override;
    void Paint(QPainter* pPainter, const CChartStyleOption& option) override;
    // Paint() only fills rectangles.
    bool KeepsPainterState() const override;
    int SeriesType() const override;

    // Appends a segment to the group of its type, creating the group.
    void AddRect(const QPoint& begin, const QPoint& end, const QBrush& brush, int iType);
    // The same with 64-bit times: begin and end time, top and bottom y.
    void AddRect(qint64 iBegin, qint64 iEnd, int iTop, int iBottom, const QBrush& brush, int iType);
    // Moves every segment into the band iTop..iBottom (y values as AddRect()
    // takes them), e.g. when the rows of the chart change height.
    void PlaceInBand(int iTop, int iBottom);
    // Empties the group of that type; the emptied group still counts for HasRects().
    void ClearType(int iType);
    bool HasRects() const;
    // Types drawn from the next paint on; a list holding -1 draws every type.
    void SetTypeFilter(const QList<int>& listTypes);
    QList<int> GetTypeFilter() const { return m_listTypeFilter; }
    // When true, begin.y and end.y go through the vertical axis.
    void SetMapY(bool bMapY)
    {
        m_bMapY = bMapY;
        m_bLayoutCurrent = false;
    }
    bool IsMapY() const { return m_bMapY; }

    // bandTop <= y <= bandBottom of the last paint (pixels). When y is mapped,
    // the point's y is a vertical value like begin.y and goes through the
    // vertical axis first: for an upright, unscaled axis pass the mouse y plus
    // the axis minimum (the scroll offset). False before the first paint and
    // after a paint that showed no segment.
    bool HitTest(const QPoint& point) const;
    // The same for a pixel row of the chart, whatever the vertical mapping:
    // what a mouse position is compared with, with no scroll offset to add.
    // Rows at or beyond +-CChartAxis::PixelLimit never hit.
    bool HitTestPixelRow(int iPixelY) const;
    // True when some segment [begin, end] meets [iTime1, iTime2].
    bool HasTimeIn(qint64 iTime1, qint64 iTime2) const;
    // The part of [iTime1, iTime2] that the segments cover, from the first to
    // the last covered instant: iStart is iTime1 when a segment holds it, else
    // the earliest segment begin after it; iEnd likewise with iTime2 and the
    // latest segment end before it. False when nothing is covered.
    bool GetValidRange(qint64 iTime1, qint64 iTime2, qint64& iStart, qint64& iEnd) const;

    int GetBandTop() const { return m_iBandTop; }
    int GetBandBottom() const { return m_iBandBottom; }
    QList<int> GetTypes() const { return m_mapGroups.keys(); }
    // The segments of one type in insertion order, with their cached pixels
    // (0 before the first Calculate()).
    QVector<STimeRect> GetRects(int iType) const;
    int GetRectCount() const;

private:
    struct SSegment
    {
        qint64 iBegin;
        qint64 iEnd;
        int iTop;
        int iBottom;
        QBrush brush;
        // Filled like the segment before it in the group (same brush and
        // height), and a brush that covers what lies below it completely.
        bool bSameAsPrevious;
        bool bOpaque;
    };

    struct SGroup
    {
        QVector<SSegment> vecSegments;
        // Running maximum of the later end of each segment, for the binary search.
        QVector<qint64> vecReach;
        // Each segment starts no earlier than the one before it.
        bool bSorted = true;
        bool bAdmitted = true;
        // The visible window of the last paint, and the range and segment
        // count it was found for: a repaint of the same range reuses it.
        mutable int iHintFirst = 0;
        mutable int iHintLast = 0;
        mutable double dHintLow = std::numeric_limits<double>::quiet_NaN();
        mutable double dHintHigh = std::numeric_limits<double>::quiet_NaN();
        mutable int iHintCount = -1;
    };

    // One fill of the next paint: segments of one brush that touch on screen.
    struct SFill
    {
        QRect rect;
        // Into the group's segments, which stay put until the series changes.
        const QBrush* pBrush;
        bool bOpaque;
    };

    bool IsAdmitted(int iType) const;
    // Places the visible segments of the admitted groups as fills at the
    // current range, unless the last layout still holds: a repaint at an
    // unchanged range (the mouse hovering over the chart) reuses it.
    void LayOut();
    bool IsLayoutCurrent() const;
    void LayOutGroup(const SGroup& group, double dMin, double dMax, int iPixelMin, int iPixelMax);
    // Indexes [iFirst, iLast) outside which no segment of the group can show.
    void VisibleWindow(const SGroup& group, double dMin, double dMax, int& iFirst, int& iLast) const;
    int MapY(int iY) const;
    // pixelX and pixelWidth at the scale of the last Calculate().
    void CachedPixels(const SSegment& segment, int& iPixelX, int& iPixelWidth) const;

    // The horizontal axis as it was at the last Calculate().
    CChartAxis m_axisCalculated;
    bool m_bCalculated = false;
    bool m_bMapY = false;
    QMap<int, SGroup> m_mapGroups;
    int m_iBandTop = -1;
    int m_iBandBottom = -1;
    QList<int> m_listTypeFilter;
    // The layout of the coming Paint() and the axes it was made at. A
    // std::vector: appending is most of the layout's work, and it inlines.
    std::vector<SFill> m_vecFills;
    CChartAxis m_axisLaidOutX;
    CChartAxis m_axisLaidOutY;
    bool m_bLayoutCurrent = false;
};

} // namespace OrvaGUIToolkit

#endif
