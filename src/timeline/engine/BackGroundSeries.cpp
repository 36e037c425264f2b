#include "BackGroundSeries.h"

#include "AxisPanel.h"
#include "ChartStyleOption.h"
#include "UncoveredParts.h"

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
    if (!GetPanel())
        return;
    FillAreas(pPainter, option);
    pPainter->setPen(QPen(option.colorAxisName, 2, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    for (int i = 0; i < GetPointCount(); ++i) {
        const auto it = m_mapNames.constFind(i);
        if (it == m_mapNames.constEnd())
            continue;
        // Only the start of a name fits the 112 pixels; laying out the rest of
        // a huge one would cost a repaint dearly.
        pPainter->drawText(QRect(5, GetYPixel(i), 112, 24), Qt::AlignLeft | Qt::AlignVCenter,
                           it.value().left(s_iMaxNameLength));
    }
}

void CBackGroundSeries::PreparePaint(const CChartStyleOption& option, QVector<QRect>& vecCover)
{
    if (!GetPanel())
        return;
    if (IsOpaque(option.colorLeftChartBackground))
        AddCover(vecCover, GetPanel()->GetViewRect());
    else if (IsOpaque(option.colorRightChartBackground))
        AddCover(vecCover, RightArea());
}

QRect CBackGroundSeries::RightArea() const
{
    const QRect rectChart = GetPanel()->GetChartRect();
    return QRect(13, 0, rectChart.width() + 4, rectChart.height());
}

void CBackGroundSeries::FillAreas(QPainter* pPainter, const CChartStyleOption& option) const
{
    const QRect rectView = GetPanel()->GetViewRect();
    const QRect rectRight = RightArea();
    const QColor& colorLeft = option.colorLeftChartBackground;
    const QColor& colorRight = option.colorRightChartBackground;
    // An unset colour leaves the widget's own background visible. Under an
    // opaque right area only the rest of the view needs the left colour: the
    // two areas cover most of the view, and each fill is a pass over it.
    if (colorLeft.isValid()) {
        pPainter->save();
        if (IsOpaque(colorRight))
            pPainter->setClipRegion(QRegion(rectView).subtracted(QRegion(rectRight)), Qt::IntersectClip);
        pPainter->fillRect(rectView, colorLeft);
        pPainter->restore();
    }
    if (colorRight.isValid())
        pPainter->fillRect(rectRight, colorRight);
}

} // namespace OrvaGUIToolkit
