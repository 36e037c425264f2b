#include "BackGroundSeries.h"

#include "AxisPanel.h"
#include "ChartStyleOption.h"

#include <QtCore/QStringList>
#include <QtGui/QPainter>

namespace OrvaGUIToolkit {

CBackGroundSeries::CBackGroundSeries() = default;

void CBackGroundSeries::Calculate()
{
}

int CBackGroundSeries::SeriesType() const
{
    return ChartSeriesBackGround;
}

void CBackGroundSeries::SetName(int iIndex, const QString& strName)
{
    if (iIndex < 0)
        return;
    m_mapNames.insert(iIndex, strName);
}

void CBackGroundSeries::SetNames(const QStringList& listNames)
{
    m_mapNames.clear();
    for (int i = 0; i < listNames.size(); ++i)
        m_mapNames.insert(i, listNames.at(i));
}

QString CBackGroundSeries::GetName(int iIndex) const
{
    return m_mapNames.value(iIndex);
}

void CBackGroundSeries::Paint(QPainter* pPainter, const CChartStyleOption& option)
{
    const CAxisPanel* pPanel = GetPanel();
    if (!pPanel)
        return;
    const QRect rectChart = pPanel->GetChartRect();
    // An unset colour leaves the widget's own background visible.
    if (option.colorLeftChartBackground.isValid())
        pPainter->fillRect(pPanel->GetViewRect(), option.colorLeftChartBackground);
    if (option.colorRightChartBackground.isValid())
        pPainter->fillRect(QRect(13, 0, rectChart.width() + 4, rectChart.height()),
                           option.colorRightChartBackground);

    pPainter->setPen(QPen(option.colorAxisName, 2, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    for (int i = 0; i < GetPointCount(); ++i) {
        const auto it = m_mapNames.constFind(i);
        if (it == m_mapNames.constEnd())
            continue;
        pPainter->drawText(QRect(5, GetYPixel(i), 112, 24), Qt::AlignLeft | Qt::AlignVCenter, it.value());
    }
}

} // namespace OrvaGUIToolkit
