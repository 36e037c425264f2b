#include "ChartSeries.h"

#include "ChartAxis.h"

namespace OrvaGUIToolkit {

CChartSeries::CChartSeries() = default;

CChartSeries::~CChartSeries() = default;

void CChartSeries::Clear()
{
    m_vecXValues.clear();
    m_vecYValues.clear();
    m_bDirty = true;
}

void CChartSeries::PreparePaint(const CChartStyleOption& option, QVector<QRect>& vecCover)
{
    Q_UNUSED(option)
    Q_UNUSED(vecCover)
}

bool CChartSeries::KeepsPainterState() const
{
    return false;
}

int CChartSeries::SeriesType() const
{
    return ChartSeriesNone;
}

void CChartSeries::AddPoint(double dX, double dY)
{
    m_vecXValues.append(dX);
    m_vecYValues.append(dY);
}

void CChartSeries::SetXValue(int iIndex, double dX)
{
    if (iIndex < 0 || iIndex >= m_vecXValues.size())
        return;
    m_vecXValues[iIndex] = dX;
}

void CChartSeries::SetPoint(int iIndex, double dX, double dY)
{
    if (iIndex < 0 || iIndex >= m_vecXValues.size())
        return;
    m_vecXValues[iIndex] = dX;
    m_vecYValues[iIndex] = dY;
}

int CChartSeries::GetPointCount() const
{
    return m_vecXValues.size();
}

double CChartSeries::GetXValue(int iIndex) const
{
    return m_vecXValues.value(iIndex, 0.0);
}

double CChartSeries::GetYValue(int iIndex) const
{
    return m_vecYValues.value(iIndex, 0.0);
}

int CChartSeries::GetXPixel(int iIndex) const
{
    if (!m_pXAxis || iIndex < 0 || iIndex >= m_vecXValues.size())
        return 0;
    return m_pXAxis->ValueToPixel(m_vecXValues.at(iIndex));
}

int CChartSeries::GetYPixel(int iIndex) const
{
    if (!m_pYAxis || iIndex < 0 || iIndex >= m_vecYValues.size())
        return 0;
    return m_pYAxis->ValueToPixel(m_vecYValues.at(iIndex));
}

int CChartSeries::ValueToX(double dValue) const
{
    return m_pXAxis ? m_pXAxis->ValueToPixel(dValue) : 0;
}

void CChartSeries::AttachToPanel(CAxisPanel* pPanel, CChartAxis* pXAxis, CChartAxis* pYAxis)
{
    m_pPanel = pPanel;
    m_pXAxis = pXAxis;
    m_pYAxis = pYAxis;
}

} // namespace OrvaGUIToolkit
