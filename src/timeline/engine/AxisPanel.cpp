#include "foundation/ToolkitLogging.h"
#include "AxisPanel.h"

#include "ChartSeries.h"

#include <QtCore/QDebug>
#include <QtGui/QPainter>

namespace OrvaGUIToolkit {

CAxisPanel::CAxisPanel()
    : m_yAxis(this, false, true)
    , m_xAxis(this, true, false)
{
}

CAxisPanel::~CAxisPanel()
{
    ClearSeries();
}

void CAxisPanel::AddSeries(CChartSeries* pSeries)
{
    if (!pSeries) {
        qCWarning(lcOrvaGUIToolkit, "CAxisPanel::AddSeries: pSeries == NULL");
        return;
    }
    if (pSeries->GetPanel()) {
        qCWarning(lcOrvaGUIToolkit, "CAxisPanel::AddSeries: pSeries->GetPanel() != NULL");
        return;
    }
    pSeries->AttachToPanel(this, &m_xAxis, &m_yAxis);
    // Its cached geometry was computed for no axis yet.
    pSeries->SetDirty(true);
    m_listSeries.append(pSeries);
}

void CAxisPanel::InsertSeries(int iIndex, CChartSeries* pSeries)
{
    if (!pSeries) {
        qCWarning(lcOrvaGUIToolkit, "CAxisPanel::InsertSeries: pSeries == NULL");
        return;
    }
    if (pSeries->GetPanel()) {
        qCWarning(lcOrvaGUIToolkit, "CAxisPanel::InsertSeries: pSeries->GetPanel() != NULL");
        return;
    }
    pSeries->AttachToPanel(this, &m_xAxis, &m_yAxis);
    pSeries->SetDirty(true);
    m_listSeries.insert(qBound(0, iIndex, m_listSeries.size()), pSeries);
}

CChartSeries* CAxisPanel::GetSeries(int iIndex) const
{
    return m_listSeries.value(iIndex, nullptr);
}

CChartSeries* CAxisPanel::FindSeries(int iType) const
{
    for (CChartSeries* pSeries : m_listSeries) {
        if (pSeries->SeriesType() == iType)
            return pSeries;
    }
    return nullptr;
}

void CAxisPanel::FindAllSeries(int iType, QList<CChartSeries*>& listSeries) const
{
    for (CChartSeries* pSeries : m_listSeries) {
        if (pSeries->SeriesType() == iType)
            listSeries.append(pSeries);
    }
}

void CAxisPanel::RemoveSeries(int iIndex)
{
    if (iIndex < 0 || iIndex >= m_listSeries.size())
        return;
    delete m_listSeries.takeAt(iIndex);
}

void CAxisPanel::ClearSeries()
{
    // Taken out of the list first so that a series never sees a half-cleared panel.
    const QList<CChartSeries*> listSeries = m_listSeries;
    m_listSeries.clear();
    qDeleteAll(listSeries);
}

int CAxisPanel::GetSeriesCount() const
{
    return m_listSeries.size();
}

void CAxisPanel::SetChartRect(int iX, int iY, int iWidth, int iHeight)
{
    // Every side within the pixel limit, so neither QRect nor the axes
    // overflow working out the far edges.
    const auto bound = [](int iValue) { return CChartAxis::BoundPixel(iValue); };
    m_rectChart = QRect(bound(iX), bound(iY), bound(iWidth), bound(iHeight));
}

void CAxisPanel::SetViewRect(const QRect& rect)
{
    m_rectView = rect;
}

void CAxisPanel::Draw(QPainter* pPainter, const CChartStyleOption& option)
{
    if (!pPainter) {
        qCWarning(lcOrvaGUIToolkit, "CAxisPanel::Draw: pPainter == NULL");
        return;
    }
    m_xAxis.UpdatePixelRange();
    m_yAxis.UpdatePixelRange();
    // Compared with the scales of the previous Draw() rather than with the
    // axes' scales before the update: callers may refresh an axis themselves
    // (to map mouse positions, say), and the series' cached geometry must
    // still follow.
    const bool bChanged = m_xAxis.GetScale() != m_dDrawnXScale || m_yAxis.GetScale() != m_dDrawnYScale;
    m_dDrawnXScale = m_xAxis.GetScale();
    m_dDrawnYScale = m_yAxis.GetScale();

    QVector<QRect> vecCover;
    for (CChartSeries* pSeries : qAsConst(m_listSeries)) {
        if (bChanged || pSeries->IsDirty()) {
            pSeries->Calculate();
            pSeries->SetDirty(false);
        }
        pSeries->PreparePaint(option, vecCover);
    }
    DrawBackground(pPainter, vecCover);
    for (CChartSeries* pSeries : qAsConst(m_listSeries)) {
        if (pSeries->KeepsPainterState()) {
            pSeries->Paint(pPainter, option);
            continue;
        }
        pPainter->save();
        pSeries->Paint(pPainter, option);
        pPainter->restore();
    }
}

void CAxisPanel::DrawBackground(QPainter* pPainter, const QVector<QRect>& vecCover)
{
    Q_UNUSED(pPainter)
    Q_UNUSED(vecCover)
}

} // namespace OrvaGUIToolkit
