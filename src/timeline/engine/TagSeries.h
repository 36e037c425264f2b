#ifndef ORVAGUITOOLKIT_TAGSERIES_H
#define ORVAGUITOOLKIT_TAGSERIES_H

#include "ChartSeries.h"

#include <QtCore/QMap>
#include <QtCore/QPoint>
#include <QtCore/QRect>
#include <QtCore/QString>
#include <QtCore/QVector>

namespace OrvaGUIToolkit {

// One tag as the series reports it: begin.x is its time and begin.y the top
// pixel of its marker, end.x its end time (horizontal axis values, saturated
// to the int range).
struct STagInfo
{
    QPoint begin;
    QPoint end;
    QString name;
};

// Tag markers: the option's pixTag drawn centred on each visible tag's time
// (or on the chart's left end for a tag that started before it), 2 pixels
// above the tag's top. Markers are laid out in insertion order (callers add
// tags chronologically): a marker that would touch or overlap the previous
// drawn one, or lie left of it, is left out, so crowded tags never pile up.
//
// Times are kept as 64-bit values, so tags after 2038-01-19 or before
// 1901-12-14 are drawn like any other.
//
// Hit tests use the markers of the last paint only: TagAt() knows just the
// tags that were drawn, keyed by the time they were drawn at (the tag's time,
// or the chart's left end, truncated to whole seconds, when it was clipped).
//
// Speed: adding a tag costs the same whatever the count. While tags arrive in
// chronological order, painting finds the visible ones by binary search and
// look-ups by time are logarithmic; tags added out of order are scanned.
class CTagSeries : public CChartSeries
{
public:
    CTagSeries();

    // Removes every tag and forgets the markers (and the common marker top).
    void Clear() override;
    void Calculate() override;
    void Paint(QPainter* pPainter, const CChartStyleOption& option) override;
    int SeriesType() const override;

    void AddTag(const QPoint& begin, const QPoint& end, const QString& strName);
    // The same with 64-bit times and the marker's top pixel.
    void AddTag(qint64 iBegin, qint64 iEnd, int iTop, const QString& strName);
    // Draws every marker, present and future, at this top instead of its
    // own, e.g. when the row that carries the tags scrolls.
    void SetMarkerTop(int iTop);
    // The first marker, in ascending time order, that contains the point.
    bool TagAt(const QPoint& point, int& iTime) const;
    bool TagAt(const QPoint& point, qint64& iTime) const;
    // Erases the first tag whose time equals iTime.
    void RemoveTag(qint64 iTime);
    // Name of the first tag with that time, else an empty string.
    QString GetTagName(qint64 iTime) const;
    int GetTagCount() const { return m_vecTags.size(); }
    QVector<STagInfo> GetTags() const;
    // Marker rectangles of the last paint, keyed by the time they were drawn at.
    QMap<qint64, QRect> GetTagRects() const { return m_mapTagRects; }

private:
    struct STag
    {
        qint64 iBegin;
        qint64 iEnd;
        int iTop;
        QString strName;
    };

    // Indexes [iFirst, iLast) outside which no tag can show.
    void VisibleWindow(double dMin, double dMax, int& iFirst, int& iLast) const;
    // Index of the first tag, in insertion order, with that time, or -1.
    int IndexOf(qint64 iTime) const;
    void RebuildReach();

    QVector<STag> m_vecTags;
    // Running maximum of the later end of each tag, for the binary search.
    QVector<qint64> m_vecReach;
    // Each tag starts no earlier than the one before it.
    bool m_bSorted = true;
    bool m_bCommonTop = false;
    int m_iCommonTop = 0;
    QMap<qint64, QRect> m_mapTagRects;
};

} // namespace OrvaGUIToolkit

#endif
