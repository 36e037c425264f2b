#ifndef ORVAGUITOOLKIT_LINESERIES_H
#define ORVAGUITOOLKIT_LINESERIES_H

#include "ChartSeries.h"

namespace OrvaGUIToolkit {

// Play-position marks: for each point inside the visible range a 48-pixel
// vertical stroke from the point downwards, in the mid-line colour. Sliders
// park a point at x = -1 to hide its mark.
class CLineSeries : public CChartSeries
{
public:
    CLineSeries();

    void Calculate() override;
    void Paint(QPainter* pPainter, const CChartStyleOption& option) override;
    int SeriesType() const override;

    static constexpr int s_iMarkLength = 48;
};

} // namespace OrvaGUIToolkit

#endif
