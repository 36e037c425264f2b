#include "SelectRectSeries.h"

#include "AxisPanel.h"
#include "ChartStyleOption.h"

#include <QtGui/QPainter>

namespace OrvaGUIToolkit {

CSelectRectSeries::CSelectRectSeries() = default;

void CSelectRectSeries::Clear()
{
    // Only the marquee goes: the row boundaries and the selected row stay.
    m_iMarqueeRow = -1;
    m_listRanges.clear();
}

void CSelectRectSeries::Calculate()
{
}

int CSelectRectSeries::SeriesType() const
{
    return ChartSeriesSelectRect;
}

int CSelectRectSeries::RowAt(const QPoint& point) const
{
    for (int i = 0; i + 1 < GetPointCount(); ++i) {
        if (GetYPixel(i) <= point.y() && point.y() <= GetYPixel(i + 1))
            return i;
    }
    return -1;
}

void CSelectRectSeries::SelectRowAt(const QPoint& point)
{
    const int iRow = RowAt(point);
    if (iRow != -1)
        m_iSelectedRow = iRow;
}

void CSelectRectSeries::AddRange(int iRow, double dTime1, double dTime2)
{
    m_iMarqueeRow = iRow;
    m_listRanges.append(qMakePair(qMin(dTime1, dTime2), qMax(dTime1, dTime2)));
}

void CSelectRectSeries::GetRanges(int& iRow, QList<QPair<double, double>>& listRanges) const
{
    iRow = m_iMarqueeRow;
    listRanges = m_listRanges;
}

void CSelectRectSeries::ClearRow(int iRow)
{
    if (iRow != m_iMarqueeRow)
        return;
    m_iMarqueeRow = -1;
    m_listRanges.clear();
}

void CSelectRectSeries::Paint(QPainter* pPainter, const CChartStyleOption& option)
{
    const CAxisPanel* pPanel = GetPanel();
    if (!pPanel)
        return;
    for (int i = 0; i < GetPointCount(); ++i) {
        const int iY = GetYPixel(i);
        if (i == m_iSelectedRow) {
            pPainter->setPen(QPen(option.colorSelectGridLine, 1));
            pPainter->setBrush(Qt::NoBrush);
            pPainter->drawRect(QRect(0, iY, pPanel->GetViewRect().width() - 1, s_iRowHeight));
        }
        if (option.openSelectRect && i == m_iMarqueeRow)
            PaintMarquee(pPainter, option, iY);
    }
}

void CSelectRectSeries::PaintMarquee(QPainter* pPainter, const CChartStyleOption& option, int iY) const
{
    double dMin = 0.0;
    double dMax = 0.0;
    GetXAxis()->GetRange(dMin, dMax);
    pPainter->save();
    pPainter->setOpacity(option.selectRectOpacity);
    for (const QPair<double, double>& range : m_listRanges) {
        if (range.second < dMin || range.first > dMax)
            continue;
        const int iX1 = ValueToX(qMax(range.first, dMin));
        const int iX2 = ValueToX(qMin(range.second, dMax));
        pPainter->fillRect(QRect(iX1, iY + 1, iX2 - iX1, 22), option.colorSelectRect);
    }
    pPainter->restore();
}

} // namespace OrvaGUIToolkit
