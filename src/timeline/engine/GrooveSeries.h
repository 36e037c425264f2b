#ifndef ORVAGUITOOLKIT_GROOVESERIES_H
#define ORVAGUITOOLKIT_GROOVESERIES_H

#include "ChartSeries.h"

#include <QtCore/QRect>

namespace OrvaGUIToolkit {

// The groove bar of the single-track timeline: an 11-pixel band across the
// whole visible range, its top taken from the first point's y value as a
// pixel row, drawn from the option's pixGroove as a nine-part border image.
// Nothing is drawn without a point or without a groove picture.
class CGrooveSeries : public CChartSeries
{
public:
    CGrooveSeries();

    void Calculate() override;
    void Paint(QPainter* pPainter, const CChartStyleOption& option) override;

    // The band for the current range: null without a point.
    QRect GrooveRect() const;

    static constexpr int s_iHeight = 11;
};

} // namespace OrvaGUIToolkit

#endif
