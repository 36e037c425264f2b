#include "MouseTextSeries.h"

#include "ChartAxis.h"
#include "ChartStyleOption.h"

#include <QtGui/QPainter>

namespace OrvaGUIToolkit {

CMouseTextSeries::CMouseTextSeries() = default;

void CMouseTextSeries::Clear()
{
    CChartSeries::Clear();
    m_strText.clear();
}

void CMouseTextSeries::Calculate()
{
}

int CMouseTextSeries::SeriesType() const
{
    return ChartSeriesMouseText;
}

void CMouseTextSeries::Paint(QPainter* pPainter, const CChartStyleOption& option)
{
    if (m_strText.isEmpty() || !GetXAxis())
        return;
    double dMin = 0.0;
    double dMax = 0.0;
    GetXAxis()->GetRange(dMin, dMax);
    // Written so that a NaN time counts as outside.
    if (!(dMin <= m_dTime && m_dTime <= dMax))
        return;
    pPainter->setPen(option.colorMouseText);
    const QRect rect = pPainter->boundingRect(QRect(ValueToX(m_dTime), m_iTextTop, 15, 8),
                                              Qt::AlignLeft, m_strText);
    if (rect.isValid())
        pPainter->drawText(rect, Qt::AlignLeft, m_strText);
}

} // namespace OrvaGUIToolkit
