#include "RectSeries.h"

#include "AxisPanel.h"
#include "ChartStyleOption.h"
#include "UncoveredParts.h"

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

void CRectSeries::PreparePaint(const CChartStyleOption& option, QVector<QRect>& vecCover)
{
    if (GetPanel() && IsOpaque(option.colorTopBackground))
        AddCover(vecCover, Band());
}

void CRectSeries::Paint(QPainter* pPainter, const CChartStyleOption& option)
{
    // An unset colour leaves what lies below visible.
    if (!GetPanel() || !option.colorTopBackground.isValid())
        return;
    pPainter->fillRect(Band(), option.colorTopBackground);
}

QRect CRectSeries::Band() const
{
    return QRect(0, 0, GetPanel()->GetViewRect().width(), m_iHeight);
}

} // namespace OrvaGUIToolkit
