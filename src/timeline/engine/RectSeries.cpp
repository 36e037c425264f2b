#include "RectSeries.h"

#include "AxisPanel.h"
#include "ChartStyleOption.h"

#include <QtGui/QPainter>

namespace OrvaGUIToolkit {

CRectSeries::CRectSeries() = default;

void CRectSeries::Calculate()
{
}

int CRectSeries::SeriesType() const
{
    return ChartSeriesRect;
}

void CRectSeries::Paint(QPainter* pPainter, const CChartStyleOption& option)
{
    // An unset colour leaves what lies below visible.
    if (!GetPanel() || !option.colorTopBackground.isValid())
        return;
    pPainter->fillRect(QRect(0, 0, GetPanel()->GetViewRect().width(), m_iHeight), option.colorTopBackground);
}

} // namespace OrvaGUIToolkit
