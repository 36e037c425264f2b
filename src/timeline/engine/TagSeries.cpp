#include "TagSeries.h"

#include "ChartAxis.h"
#include "ChartStyleOption.h"

#include <QtGui/QPainter>

#include <climits>
#include <cmath>

namespace OrvaGUIToolkit {

namespace {

int TruncateToKey(double dTime)
{
    if (std::isnan(dTime))
        return 0;
    return static_cast<int>(qBound<double>(INT_MIN, std::trunc(dTime), INT_MAX));
}

} // namespace

CTagSeries::CTagSeries() = default;

void CTagSeries::Clear()
{
    CChartSeries::Clear();
    m_vecTags.clear();
    m_mapTagRects.clear();
}

void CTagSeries::Calculate()
{
}

int CTagSeries::SeriesType() const
{
    return ChartSeriesTag;
}

void CTagSeries::AddTag(const QPoint& begin, const QPoint& end, const QString& strName)
{
    m_vecTags.append({begin, end, strName});
}

void CTagSeries::Paint(QPainter* pPainter, const CChartStyleOption& option)
{
    m_mapTagRects.clear();
    const QPixmap& pixTag = option.pixTag;
    if (pixTag.isNull() || !GetXAxis())
        return;
    double dMin = 0.0;
    double dMax = 0.0;
    GetXAxis()->GetRange(dMin, dMax);
    const int iWidth = pixTag.width();
    qint64 iLastRight = -1;
    for (const STagInfo& tag : qAsConst(m_vecTags)) {
        const double dBegin = tag.begin.x();
        const double dEnd = tag.end.x();
        const bool bVisible = (dBegin >= dMin && dBegin <= dMax) || (dEnd >= dMin && dEnd <= dMax)
                           || (dBegin <= dMin && dEnd >= dMax);
        if (!bVisible)
            continue;
        const double dTime = qMax(dBegin, dMin);
        const int iX = ValueToX(dTime) - iWidth / 2;
        if (iX <= iLastRight)
            continue;
        const QRect rect(iX, tag.begin.y() - 2, iWidth, pixTag.height());
        pPainter->drawPixmap(rect.topLeft(), pixTag);
        iLastRight = qint64(iX) + iWidth;
        m_mapTagRects.insert(TruncateToKey(dTime), rect);
    }
}

bool CTagSeries::TagAt(const QPoint& point, int& iTime) const
{
    for (auto it = m_mapTagRects.cbegin(); it != m_mapTagRects.cend(); ++it) {
        if (it.value().contains(point)) {
            iTime = it.key();
            return true;
        }
    }
    return false;
}

void CTagSeries::RemoveTag(int iTime)
{
    for (int i = 0; i < m_vecTags.size(); ++i) {
        if (m_vecTags.at(i).begin.x() == iTime) {
            m_vecTags.remove(i);
            return;
        }
    }
}

QString CTagSeries::GetTagName(int iTime) const
{
    for (const STagInfo& tag : m_vecTags) {
        if (tag.begin.x() == iTime)
            return tag.name;
    }
    return QString();
}

} // namespace OrvaGUIToolkit
