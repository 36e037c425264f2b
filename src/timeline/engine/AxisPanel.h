#ifndef ORVAGUITOOLKIT_AXISPANEL_H
#define ORVAGUITOOLKIT_AXISPANEL_H

#include "ChartAxis.h"

#include <QtCore/QList>
#include <QtCore/QRect>

#include <limits>

class QPainter;

namespace OrvaGUIToolkit {

class CChartSeries;
class CChartStyleOption;

// The drawing model of a chart: a horizontal (time) axis, a vertical (row)
// axis, the chart rectangle they map onto, the view rectangle (the whole
// widget) and the ordered series, which the panel owns and paints in list order.
class CAxisPanel
{
public:
    CAxisPanel();
    virtual ~CAxisPanel();

    CAxisPanel(const CAxisPanel&) = delete;
    CAxisPanel& operator=(const CAxisPanel&) = delete;

    // Appends the series, takes ownership, binds it to the two axes and marks
    // it dirty. A null pointer or a series that already has a panel is refused.
    void AddSeries(CChartSeries* pSeries);
    // The same at a place in the paint order: iIndex is clamped to 0..count,
    // so a series can go under layers that were added before it.
    void InsertSeries(int iIndex, CChartSeries* pSeries);
    // Null outside 0..count-1.
    CChartSeries* GetSeries(int iIndex) const;
    // The first series of that SeriesType(), or null.
    CChartSeries* FindSeries(int iType) const;
    // Appends every series of that type, in list order.
    void FindAllSeries(int iType, QList<CChartSeries*>& listSeries) const;
    // Deletes the series; an index out of range does nothing.
    void RemoveSeries(int iIndex);
    void ClearSeries();
    int GetSeriesCount() const;

    // Each value is pinned to +-CChartAxis::PixelLimit.
    void SetChartRect(int iX, int iY, int iWidth, int iHeight);
    void SetViewRect(const QRect& rect);
    QRect GetChartRect() const { return m_rectChart; }
    QRect GetViewRect() const { return m_rectView; }
    CChartAxis* GetXAxis() { return &m_xAxis; }
    CChartAxis* GetYAxis() { return &m_yAxis; }
    const CChartAxis* GetXAxis() const { return &m_xAxis; }
    const CChartAxis* GetYAxis() const { return &m_yAxis; }

    // Refreshes both axes from the chart rectangle, recalculates the series
    // when a scale differs from the previous Draw() (or only the dirty ones
    // when none does), prepares every series, draws the background around
    // what their opaque fills will cover, then paints every series, between
    // save() and restore() of the painter unless it keeps the painter's state.
    virtual void Draw(QPainter* pPainter, const CChartStyleOption& option);

protected:
    // The panel's own background, below every series. vecCover holds what the
    // series are about to paint over with opaque colour, which the background
    // may leave alone. The panel itself has none.
    virtual void DrawBackground(QPainter* pPainter, const QVector<QRect>& vecCover);

private:
    CChartAxis m_yAxis;
    CChartAxis m_xAxis;
    QRect m_rectChart;
    QRect m_rectView;
    QList<CChartSeries*> m_listSeries;
    // Scales of the last Draw(); NaN compares unequal, so the first Draw() recalculates.
    double m_dDrawnXScale = std::numeric_limits<double>::quiet_NaN();
    double m_dDrawnYScale = std::numeric_limits<double>::quiet_NaN();
};

} // namespace OrvaGUIToolkit

#endif
