#include "AxisSeries.h"

#include "AxisPanel.h"
#include "ChartStyleOption.h"
#include "foundation/GuiFunctionsInternal.h"

#include <QtCore/QDateTime>
#include <QtGui/QPainter>

#include <cmath>

namespace OrvaGUIToolkit {

namespace {

constexpr qint64 s_iSecondsPerDay = 86400;

qint64 FloorMod(qint64 iValue, qint64 iDivisor)
{
    const qint64 iRest = iValue % iDivisor;
    return iRest < 0 ? iRest + iDivisor : iRest;
}

// Horizontal values far outside any sensible time are not worth a tick.
bool IsUsableValue(double dValue)
{
    return std::isfinite(dValue) && std::fabs(dValue) < 1.0e15;
}

} // namespace

CAxisSeries::CAxisSeries(qint64 iBaseTime)
    : m_iBaseTime(iBaseTime)
{
    m_font.setPointSize(7);
}

void CAxisSeries::Calculate()
{
}

int CAxisSeries::SeriesType() const
{
    return ChartSeriesAxis;
}

QVector<CAxisSeries::STick> CAxisSeries::GetTicks() const
{
    QVector<STick> vecTicks;
    const CChartAxis* pXAxis = GetXAxis();
    const qint64 iStep = GetInterval();
    if (!pXAxis || iStep <= 0 || GetPanel()->GetChartRect().width() < s_iMinChartWidth)
        return vecTicks;
    double dMin = 0.0;
    double dMax = 0.0;
    pXAxis->GetRange(dMin, dMax);
    if (!IsUsableValue(dMin) || !IsUsableValue(dMax) || dMin > dMax)
        return vecTicks;

    // Ticks start at the local midnight of the day that holds dMin; the ones
    // before dMin are skipped arithmetically instead of one by one.
    const qint64 iMin = static_cast<qint64>(dMin);
    qint64 iTick = iMin - FloorMod(m_iBaseTime + iMin, s_iSecondsPerDay);
    if (iTick < dMin)
        iTick += (static_cast<qint64>(std::ceil(dMin)) - iTick + iStep - 1) / iStep * iStep;

    const int iOffset = GetLocalUtcOffset();
    for (int k = 0; iTick <= dMax && k < s_iMaxTicks; ++k, iTick += iStep) {
        STick tick;
        tick.iValue = iTick;
        tick.iX = ValueToX(static_cast<double>(iTick));
        // End ticks are drawn one pixel inside the chart.
        if (iTick == dMax)
            tick.iX -= 1;
        else if (iTick == dMin)
            tick.iX += 1;
        tick.bMajor = m_iLabelEvery == 0 || k % m_iLabelEvery == 0;
        if (tick.bMajor) {
            tick.strLabel = QDateTime::fromSecsSinceEpoch(m_iBaseTime + iTick - iOffset)
                                .toLocalTime()
                                .toString(QStringLiteral("hh:mm"));
        }
        vecTicks.append(tick);
    }
    return vecTicks;
}

void CAxisSeries::Paint(QPainter* pPainter, const CChartStyleOption& option)
{
    const QVector<STick> vecTicks = GetTicks();
    if (vecTicks.isEmpty())
        return;
    pPainter->setPen(option.colorAxisText);
    if (!IsSimple()) {
        pPainter->setFont(m_font);
        pPainter->setPen(option.colorAxisSmallText);
    }
    for (const STick& tick : vecTicks) {
        if (!tick.bMajor) {
            pPainter->fillRect(QRect(tick.iX - 1, m_iTickTop, 1, 5), option.colorScaleLine);
            continue;
        }
        pPainter->fillRect(QRect(tick.iX - 1, m_iTickTop, 2, 7), option.colorScaleLine);
        const QRect rectLabel = LabelRect(pPainter, tick.iX, tick.strLabel);
        if (rectLabel.isValid())
            pPainter->drawText(rectLabel, Qt::AlignLeft, tick.strLabel);
    }
}

QRect CAxisSeries::LabelRect(QPainter* pPainter, int iX, const QString& strLabel) const
{
    QRect rect = pPainter->boundingRect(QRect(iX, m_iLabelTop, 15, 8), Qt::AlignLeft, strLabel);
    if (m_iLabelAlignment == 0)
        rect.moveLeft(iX - rect.width() / 2);
    else if (m_iLabelAlignment == 1)
        rect.translate(2, 0);
    if (IsSimple()) {
        const int iHalf = rect.width() / 2;
        rect.adjust(-iHalf, -6, iHalf, -6);
    }
    return rect;
}

} // namespace OrvaGUIToolkit
