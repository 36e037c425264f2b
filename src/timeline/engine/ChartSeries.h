#ifndef ORVAGUITOOLKIT_CHARTSERIES_H
#define ORVAGUITOOLKIT_CHARTSERIES_H

#include <QtCore/QRect>
#include <QtCore/QVector>

class QPainter;

namespace OrvaGUIToolkit {

class CAxisPanel;
class CChartAxis;
class CChartStyleOption;

// Values of CChartSeries::SeriesType(); panels find their layers by them.
enum EChartSeriesType {
    ChartSeriesNone = -1, // the base class and the groove
    ChartSeriesBackGround = 0,
    ChartSeriesAxis = 1,
    ChartSeriesMouseText = 2,
    ChartSeriesTimeRect = 3,
    ChartSeriesLine = 5,
    ChartSeriesSelectRect = 6,
    ChartSeriesRect = 7,
    ChartSeriesTag = 8
};

// One layer of a chart. A series holds points (x and y values, always as many
// of one as of the other) and paints itself through the axes of the panel it
// was added to. The panel owns it from CAxisPanel::AddSeries() on.
//
// Calculate() caches geometry that depends on the scale; the panel calls it
// before painting when an axis scale changed or the series is dirty, so a
// series that changes its data outside the points must call SetDirty().
class CChartSeries
{
public:
    CChartSeries();
    virtual ~CChartSeries();

    CChartSeries(const CChartSeries&) = delete;
    CChartSeries& operator=(const CChartSeries&) = delete;

    // Empties the points and marks the series dirty.
    virtual void Clear();
    virtual void Calculate() = 0;
    virtual void Paint(QPainter* pPainter, const CChartStyleOption& option) = 0;
    // Called by the panel on every series before any of them paints, once the
    // axes and the cached geometry are up to date. A series whose next Paint()
    // fills rectangles with opaque colour may add them to vecCover: whatever
    // lies below them is painted over anyway, so the view does not clear its
    // background there. The default adds nothing.
    virtual void PreparePaint(const CChartStyleOption& option, QVector<QRect>& vecCover);
    virtual int SeriesType() const;
    // Whether Paint() leaves the painter's state (pen, brush, font, clip,
    // transform...) as it found it, so the panel need not save and restore it
    // around the series: with a track per camera that is dozens of state
    // copies per repaint. False unless a series says so.
    virtual bool KeepsPainterState() const;

    void AddPoint(double dX, double dY);
    // Both ignore an index out of range.
    void SetXValue(int iIndex, double dX);
    void SetPoint(int iIndex, double dX, double dY);
    int GetPointCount() const;
    // 0 for an index out of range.
    double GetXValue(int iIndex) const;
    double GetYValue(int iIndex) const;
    // The point's value through its axis; 0 for an index out of range or a
    // series that belongs to no panel.
    int GetXPixel(int iIndex) const;
    int GetYPixel(int iIndex) const;
    // A horizontal value through the horizontal axis.
    int ValueToX(double dValue) const;

    CAxisPanel* GetPanel() const { return m_pPanel; }
    CChartAxis* GetXAxis() const { return m_pXAxis; }
    CChartAxis* GetYAxis() const { return m_pYAxis; }

    // Compact drawing, used by the time scale of the small timelines.
    void SetSimple(bool bSimple) { m_bSimple = bSimple; }
    bool IsSimple() const { return m_bSimple; }
    // Series-specific step; the time scale's tick step in seconds.
    void SetInterval(int iInterval) { m_iInterval = iInterval; }
    int GetInterval() const { return m_iInterval; }
    void SetDirty(bool bDirty) { m_bDirty = bDirty; }
    bool IsDirty() const { return m_bDirty; }

    // Called by CAxisPanel::AddSeries(): binds the series to the panel's axes.
    void AttachToPanel(CAxisPanel* pPanel, CChartAxis* pXAxis, CChartAxis* pYAxis);

private:
    CAxisPanel* m_pPanel = nullptr;
    CChartAxis* m_pXAxis = nullptr;
    CChartAxis* m_pYAxis = nullptr;
    bool m_bSimple = false;
    int m_iInterval = -1;
    QVector<double> m_vecXValues;
    QVector<double> m_vecYValues;
    bool m_bDirty = false;
};

} // namespace OrvaGUIToolkit

#endif
