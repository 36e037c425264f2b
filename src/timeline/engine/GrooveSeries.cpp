#include "GrooveSeries.h"

#include "ChartAxis.h"
#include "ChartStyleOption.h"

#include <QtGui/QPainter>
#include <QtWidgets/qdrawutil.h>

namespace OrvaGUIToolkit {

CGrooveSeries::CGrooveSeries() = default;

void CGrooveSeries::Calculate()
{
}

QRect CGrooveSeries::GrooveRect() const
{
    if (!GetXAxis() || GetPointCount() == 0)
        return QRect();
    const int iLeft = ValueToX(GetXAxis()->GetMin());
    const int iRight = ValueToX(GetXAxis()->GetMax());
    return QRect(iLeft, CChartAxis::RoundToPixel(GetYValue(0)), iRight - iLeft + 1, s_iHeight);
}

void CGrooveSeries::Paint(QPainter* pPainter, const CChartStyleOption& option)
{
    const QRect rectGroove = GrooveRect();
    if (rectGroove.isNull() || option.pixGroove.isNull() || !pPainter->paintEngine())
        return;
    qDrawBorderPixmap(pPainter, rectGroove, QMargins(2, 3, 2, 3), option.pixGroove);
}

} // namespace OrvaGUIToolkit
