#include "ChartAxis.h"

#include "AxisPanel.h"
#include "foundation/ToolkitLogging.h"

#include <QtCore/QtGlobal>

#include <cfloat>
#include <cmath>

namespace OrvaGUIToolkit {

CChartAxis::CChartAxis(CAxisPanel* pOwner, bool bHorizontal, bool bReversed)
    : m_pOwner(pOwner)
    , m_bHorizontal(bHorizontal)
    , m_bReversed(bReversed)
{
}

void CChartAxis::SetRange(double dMin, double dMax)
{
    // The span is checked too: two finite bounds of opposite sign can still be
    // an infinite distance apart.
    if (!std::isfinite(dMax - dMin)) {
        qCWarning(lcOrvaGUIToolkit, "CChartAxis::SetRange: !std::isfinite(dMax - dMin)");
        return;
    }
    m_dMin = dMin;
    m_dMax = dMax;
}

void CChartAxis::GetRange(double& dMin, double& dMax) const
{
    dMin = m_dMin;
    dMax = m_dMax;
}

double CChartAxis::PixelToValue(int iPixel) const
{
    if (m_iPixelLength == 0)
        return m_bHorizontal ? m_dMin : m_dMax;
    // The span is divided first: span * pixels could exceed DBL_MAX where the
    // value itself does not.
    const double dOffset = (double(iPixel) - m_iPixelStart) * (m_dSpan / m_iPixelLength);
    // Horizontal values grow to the right, vertical ones from the bottom up,
    // whichever way ValueToPixel() runs.
    const double dValue = m_bHorizontal ? m_dMin + dOffset : m_dMax - dOffset;
    return qBound(-DBL_MAX, dValue, DBL_MAX);
}

void CChartAxis::UpdatePixelRange()
{
    const QRect rectChart = m_pOwner ? m_pOwner->GetChartRect() : QRect();
    // The panel keeps the rectangle within PixelLimit, so the end fits an int.
    m_iPixelStart = m_bHorizontal ? rectChart.left() : rectChart.top();
    m_iPixelEnd = m_iPixelStart + (m_bHorizontal ? rectChart.width() : rectChart.height());
    m_iPixelLength = m_iPixelEnd - m_iPixelStart;
    m_dSpan = m_dMax - m_dMin;
    if (!m_bScaled)
        m_dScale = 1.0;
    else if (m_dSpan == 0.0 || !std::isfinite(m_dSpan))
        m_dScale = 0.0;
    else
        m_dScale = m_iPixelLength / m_dSpan;
}

} // namespace OrvaGUIToolkit
