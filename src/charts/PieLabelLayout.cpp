#include "charts/PieLabelLayout.h"

#include <QtCore/QtMath>

namespace OrvaGUIToolkit {

CPieLabelLayout::CPieLabelLayout(int iPieSize, double dStart, double dSpan)
    : m_iPieSize(iPieSize)
    , m_dMid(dStart + dSpan / 2.0)
    , m_bNarrow(dSpan <= NarrowSpan)
{
    GetArcCenterXY(0.0, 0.0, iPieSize, iPieSize, dStart, dStart + dSpan, m_dPx, m_dPy);
}

void CPieLabelLayout::GetArcCenterXY(double x, double y, double w, double h, double a, double b,
                                     double& dOutX, double& dOutY)
{
    const double dRadians = qDegreesToRadians((a + b) / 2.0);
    const double dRadius = w / 2.0;
    dOutX = x + w / 2.0 + dRadius * qCos(dRadians);
    dOutY = y + h / 2.0 - dRadius * qSin(dRadians);
}

QString CPieLabelLayout::ValueText(double dValue)
{
    return QString::number(dValue, 'g', 32);
}

QString CPieLabelLayout::PercentText(double dSpan)
{
    const double dPercent = dSpan * 100.0 / 360.0;
    // Two significant digits, but a whole pie reads "100%", not "1e+02%".
    const QString strNumber = dPercent >= 99.5 ? QString::number(dPercent, 'f', 0)
                                               : QString::number(dPercent, 'g', 2);
    return strNumber + QLatin1Char('%');
}

bool CPieLabelLayout::IsRightSide() const
{
    return m_dMid <= 90.0 || m_dMid > 270.0;
}

QPolygon CPieLabelLayout::LeaderLine(bool bLabels) const
{
    if (!bLabels || !m_bNarrow)
        return QPolygon();
    const QPoint ptArc(static_cast<int>(m_dPx), static_cast<int>(m_dPy));
    const int iSide = IsRightSide() ? 1 : -1;
    const int iRise = m_dMid <= 180.0 ? -10 : 10;
    const QPoint ptElbow(ptArc.x() + 10 * iSide, ptArc.y() + iRise);
    const QPoint ptEnd(ptArc.x() + 15 * iSide, ptElbow.y());
    return QPolygon({ptArc, ptElbow, ptEnd});
}

QPointF CPieLabelLayout::TextPosition(int iTextWidth, int iLine, int iLineHeight) const
{
    const double dDown = static_cast<double>(iLine) * iLineHeight;
    if (!m_bNarrow) {
        return QPointF(m_dPx / 2.0 + m_iPieSize / 4.0 - iTextWidth / 2.0,
                       m_dPy / 2.0 + m_iPieSize / 4.0 + dDown);
    }
    const QPoint ptEnd = LeaderLine(true).last();
    const double dX = IsRightSide() ? ptEnd.x() : ptEnd.x() - iTextWidth;
    return QPointF(dX, ptEnd.y() + dDown);
}

} // namespace OrvaGUIToolkit
