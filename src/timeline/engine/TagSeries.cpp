#include "TagSeries.h"

#include "ChartAxis.h"
#include "ChartStyleOption.h"

#include <QtGui/QPainter>

#include <algorithm>
#include <climits>
#include <cmath>

namespace OrvaGUIToolkit {

namespace {

int ClampToInt(qint64 iValue)
{
    return static_cast<int>(qBound(qint64(INT_MIN), iValue, qint64(INT_MAX)));
}

// The whole seconds of a horizontal value, within what a 64-bit key holds.
qint64 TruncateToKey(double dTime)
{
    if (std::isnan(dTime))
        return 0;
    // 2^63 is the first double beyond the range of qint64.
    constexpr double s_dKeyLimit = 9.2233720368547748e18;
    if (dTime >= s_dKeyLimit)
        return LLONG_MAX;
    if (dTime <= -s_dKeyLimit)
        return LLONG_MIN;
    return static_cast<qint64>(std::trunc(dTime));
}

} // namespace

CTagSeries::CTagSeries() = default;

void CTagSeries::Clear()
{
    CChartSeries::Clear();
    m_vecTags.clear();
    m_vecReach.clear();
    m_bSorted = true;
    m_bCommonTop = false;
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
    AddTag(begin.x(), end.x(), begin.y(), strName);
}

void CTagSeries::AddTag(qint64 iBegin, qint64 iEnd, int iTop, const QString& strName)
{
    if (!m_vecTags.isEmpty() && iBegin < m_vecTags.constLast().iBegin)
        m_bSorted = false;
    const qint64 iHigh = qMax(iBegin, iEnd);
    m_vecReach.append(m_vecReach.isEmpty() ? iHigh : qMax(m_vecReach.constLast(), iHigh));
    m_vecTags.append({iBegin, iEnd, iTop, strName});
}

void CTagSeries::SetMarkerTop(int iTop)
{
    m_bCommonTop = true;
    m_iCommonTop = iTop;
}

QVector<STagInfo> CTagSeries::GetTags() const
{
    QVector<STagInfo> vecTags;
    vecTags.reserve(m_vecTags.size());
    for (const STag& tag : m_vecTags) {
        const int iTop = m_bCommonTop ? m_iCommonTop : tag.iTop;
        vecTags.append({QPoint(ClampToInt(tag.iBegin), iTop), QPoint(ClampToInt(tag.iEnd), iTop), tag.strName});
    }
    return vecTags;
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
    int iFirst = 0;
    int iLast = 0;
    VisibleWindow(dMin, dMax, iFirst, iLast);
    const int iWidth = pixTag.width();
    qint64 iLastRight = -1;
    for (int i = iFirst; i < iLast; ++i) {
        const STag& tag = m_vecTags.at(i);
        const double dBegin = double(tag.iBegin);
        const double dEnd = double(tag.iEnd);
        const bool bVisible = (dBegin >= dMin && dBegin <= dMax) || (dEnd >= dMin && dEnd <= dMax)
                           || (dBegin <= dMin && dEnd >= dMax);
        if (!bVisible)
            continue;
        const double dTime = qMax(dBegin, dMin);
        const int iX = ValueToX(dTime) - iWidth / 2;
        if (iX <= iLastRight)
            continue;
        const int iTop = CChartAxis::BoundPixel(m_bCommonTop ? m_iCommonTop : tag.iTop);
        const QRect rect(iX, iTop - 2, iWidth, pixTag.height());
        pPainter->drawPixmap(rect.topLeft(), pixTag);
        iLastRight = qint64(iX) + iWidth;
        m_mapTagRects.insert(TruncateToKey(dTime), rect);
    }
}

void CTagSeries::VisibleWindow(double dMin, double dMax, int& iFirst, int& iLast) const
{
    iFirst = 0;
    iLast = m_vecTags.size();
    if (!m_bSorted || !(dMin <= dMax))
        return;
    // Tags start in ascending order: the ones from iLast on start right of the range.
    iLast = int(std::partition_point(m_vecTags.cbegin(), m_vecTags.cend(),
                                     [dMax](const STag& tag) { return double(tag.iBegin) <= dMax; })
                - m_vecTags.cbegin());
    // No tag before iFirst reaches into the range.
    iFirst = int(std::partition_point(m_vecReach.cbegin(), m_vecReach.cend(),
                                      [dMin](qint64 iReach) { return double(iReach) < dMin; })
                 - m_vecReach.cbegin());
}

bool CTagSeries::TagAt(const QPoint& point, qint64& iTime) const
{
    for (auto it = m_mapTagRects.cbegin(); it != m_mapTagRects.cend(); ++it) {
        if (it.value().contains(point)) {
            iTime = it.key();
            return true;
        }
    }
    return false;
}

bool CTagSeries::TagAt(const QPoint& point, int& iTime) const
{
    qint64 iFound = 0;
    if (!TagAt(point, iFound))
        return false;
    iTime = ClampToInt(iFound);
    return true;
}

int CTagSeries::IndexOf(qint64 iTime) const
{
    if (!m_bSorted) {
        for (int i = 0; i < m_vecTags.size(); ++i) {
            if (m_vecTags.at(i).iBegin == iTime)
                return i;
        }
        return -1;
    }
    // Equal times keep their insertion order, so the lower bound is the first of them.
    const auto it = std::lower_bound(m_vecTags.cbegin(), m_vecTags.cend(), iTime,
                                     [](const STag& tag, qint64 iValue) { return tag.iBegin < iValue; });
    return it != m_vecTags.cend() && it->iBegin == iTime ? int(it - m_vecTags.cbegin()) : -1;
}

void CTagSeries::RemoveTag(qint64 iTime)
{
    const int iIndex = IndexOf(iTime);
    if (iIndex < 0)
        return;
    m_vecTags.remove(iIndex);
    RebuildReach();
}

void CTagSeries::RebuildReach()
{
    m_vecReach.resize(m_vecTags.size());
    qint64 iReach = LLONG_MIN;
    for (int i = 0; i < m_vecTags.size(); ++i) {
        iReach = qMax(iReach, qMax(m_vecTags.at(i).iBegin, m_vecTags.at(i).iEnd));
        m_vecReach[i] = iReach;
    }
}

QString CTagSeries::GetTagName(qint64 iTime) const
{
    const int iIndex = IndexOf(iTime);
    return iIndex < 0 ? QString() : m_vecTags.at(iIndex).strName;
}

} // namespace OrvaGUIToolkit
