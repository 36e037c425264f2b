#include "LineSeries.h"

#include "ChartAxis.h"
#include "ChartStyleOption.h"

#include <QtGui/QPainter>
#include <QtGui/QPainterPath>

namespace OrvaGUIToolkit {

CLineSeries::CLineSeries() = default;

void CLineSeries::Calculate()
{
}

int CLineSeries::SeriesType() const
{
    return ChartSeriesLine;
}

void CLineSeries::Paint(QPainter* pPainter, const CChartStyleOption& option)
{
    if (!GetXAxis())
        return;
    double dMin = 0.0;
    double dMax = 0.0;
    GetXAxis()->GetRange(dMin, dMax);
    QPainterPath path;
    for (int i = 0; i < GetPointCount(); ++i) {
        const double dX = GetXValue(i);
        // Written so that a NaN value counts as outside (x -1 means no mark).
        if (!(dMin <= dX && dX <= dMax))
            continue;
        const int iX = GetXPixel(i);
        const int iY = GetYPixel(i);
        path.moveTo(iX, iY);
        path.lineTo(iX, iY + s_iMarkLength);
    }
    if (path.isEmpty())
        return;
    pPainter->setPen(QPen(option.colorMidLine, 2));
    pPainter->setBrush(Qt::NoBrush);
    pPainter->drawPath(path);
}

} // namespace OrvaGUIToolkit
