#include "AxisSeries.h"

#include "AxisPanel.h"
#include "ChartStyleOption.h"
#include "foundation/GuiFunctionsInternal.h"

#include <QtCore/QDateTime>
#include <QtGui/QPainter>

#include <climits>
#include <cmath>

namespace OrvaGUIToolkit {

namespace {

constexpr qint64 s_iSecondsPerDay = 86400;

qint64 FloorMod(qint64 iValue, qint64 iDivisor)
{
    const qint64 iRest = iValue % iDivisor;
    return iRest < 0 ? iRest + iDivisor : iRest;
}

// base + value - offset for the label of a tick; a sum beyond the range of
// time_t (a hostile base) gives the nearest end, which shows no label.
qint64 SaturatedSum(qint64 iBase, qint64 iValue, qint64 iOffset)
{
    qint64 iSum = 0;
    if (__builtin_add_overflow(iBase, iValue, &iSum))
        return iBase > 0 ? LLONG_MAX : LLONG_MIN;
    qint64 iResult = 0;
    if (__builtin_sub_overflow(iSum, iOffset, &iResult))
        return iOffset < 0 ? LLONG_MAX : LLONG_MIN;
    return iResult;
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
    // (base + min) mod day, from the two remainders so that no base overflows.
    const qint64 iIntoDay = FloorMod(FloorMod(m_iBaseTime, s_iSecondsPerDay) + FloorMod(iMin, s_iSecondsPerDay),
                                     s_iSecondsPerDay);
    qint64 iTick = iMin - iIntoDay;
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
        if (tick.bMajor)
            tick.strLabel = LabelText(SaturatedSum(m_iBaseTime, iTick, iOffset), iOffset);
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
        const SLabel& label = PreparedLabel(pPainter, tick.strLabel);
        const QRect rectLabel = LabelRect(label.size, tick.iX);
        if (rectLabel.isValid())
            pPainter->drawStaticText(rectLabel.topLeft(), label.text);
    }
}

QString CAxisSeries::LabelText(qint64 iTime, int iOffset) const
{
    const QPair<qint64, int> key(iTime, iOffset);
    auto it = m_hashLabelTexts.constFind(key);
    if (it != m_hashLabelTexts.constEnd())
        return it.value();
    // Beyond some million years a date-time cannot be formed (nor its
    // milliseconds counted in 64 bits): no label.
    constexpr qint64 s_iLatestLabel = Q_INT64_C(1) << 45;
    if (iTime > s_iLatestLabel || iTime < -s_iLatestLabel)
        return QString();
    // Scrolling through months meets new ticks all the time; keep the cache small.
    if (m_hashLabelTexts.size() >= s_iMaxCachedLabels)
        m_hashLabelTexts.clear();
    const QString strText = QDateTime::fromSecsSinceEpoch(iTime).toLocalTime().toString(QStringLiteral("hh:mm"));
    m_hashLabelTexts.insert(key, strText);
    return strText;
}

const CAxisSeries::SLabel& CAxisSeries::PreparedLabel(QPainter* pPainter, const QString& strLabel)
{
    if (pPainter->font() != m_fontLabels) {
        m_hashLabels.clear();
        m_fontLabels = pPainter->font();
    }
    auto it = m_hashLabels.find(strLabel);
    if (it == m_hashLabels.end()) {
        SLabel label;
        label.size = pPainter->boundingRect(QRect(0, 0, 15, 8), Qt::AlignLeft, strLabel).size();
        label.text.setText(strLabel);
        label.text.setTextFormat(Qt::PlainText);
        label.text.prepare(QTransform(), m_fontLabels);
        it = m_hashLabels.insert(strLabel, label);
    }
    return it.value();
}

QRect CAxisSeries::LabelRect(const QSize& size, int iX) const
{
    QRect rect(QPoint(iX, m_iLabelTop), size);
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
