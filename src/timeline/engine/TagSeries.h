#ifndef ORVAGUITOOLKIT_TAGSERIES_H
#define ORVAGUITOOLKIT_TAGSERIES_H

#include "ChartSeries.h"

#include <QtCore/QMap>
#include <QtCore/QPoint>
#include <QtCore/QRect>
#include <QtCore/QString>
#include <QtCore/QVector>

namespace OrvaGUIToolkit {

// One tag: begin.x is its time and begin.y the top pixel of its marker,
// end.x its end time (horizontal axis values).
struct STagInfo
{
    QPoint begin;
    QPoint end;
    QString name;
};

// Tag markers: the option's pixTag drawn centred on each visible tag's time
// (or on the chart's left end for a tag that started before it), 2 pixels
// above begin.y. Markers are laid out in insertion order (callers add tags
// chronologically): a marker that would touch or overlap the previous drawn
// one, or lie left of it, is left out, so crowded tags never pile up.
//
// Hit tests use the markers of the last paint only: TagAt() knows just the
// tags that were drawn, keyed by the time they were drawn at (the tag's time,
// or the chart's left end, truncated to whole seconds, when it was clipped).
class CTagSeries : public CChartSeries
{
public:
    CTagSeries();

    // Removes every tag and forgets the markers.
    void Clear() override;
    void Calculate() override;
    void Paint(QPainter* pPainter, const CChartStyleOption& option) override;
    int SeriesType() const override;

    void AddTag(const QPoint& begin, const QPoint& end, const QString& strName);
    // The first marker, in ascending time order, that contains the point.
    bool TagAt(const QPoint& point, int& iTime) const;
    // Erases the first tag whose time equals iTime.
    void RemoveTag(int iTime);
    // Name of the first tag with that time, else an empty string.
    QString GetTagName(int iTime) const;
    int GetTagCount() const { return m_vecTags.size(); }
    QVector<STagInfo> GetTags() const { return m_vecTags; }
    // Marker rectangles of the last paint, keyed by the time they were drawn at.
    QMap<int, QRect> GetTagRects() const { return m_mapTagRects; }

private:
    QVector<STagInfo> m_vecTags;
    QMap<int, QRect> m_mapTagRects;
};

} // namespace OrvaGUIToolkit

#endif
