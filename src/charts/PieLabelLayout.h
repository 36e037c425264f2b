#ifndef ORVAGUITOOLKIT_CHARTS_PIELABELLAYOUT_H
#define ORVAGUITOOLKIT_CHARTS_PIELABELLAYOUT_H

#include <QtCore/QPointF>
#include <QtCore/QString>
#include <QtCore/QVector>
#include <QtGui/QPolygon>

namespace OrvaGUIToolkit {

// Where the value and percent texts of one pie slice go. Coordinates are
// those of the pie square (0, 0, pie size, pie size). Slices too narrow to
// hold their texts get a leader line (slice arc midpoint, elbow, end) and the
// texts sit at its end, outside the pie.
class CPieLabelLayout
{
public:
    // Widest span, in degrees, whose texts go outside on a leader line.
    static constexpr double NarrowSpan = 18.0;

    CPieLabelLayout(int iPieSize, double dStart, double dSpan);

    // Point of the circle inscribed in (x, y, w, h) at the angle halfway
    // between a and b degrees, counter-clockwise from 3 o'clock.
    static void GetArcCenterXY(double x, double y, double w, double h, double a, double b,
                               double& dOutX, double& dOutY);
    // Text of a slice value and of a slice span as a percentage of the pie.
    static QString ValueText(double dValue);
    static QString PercentText(double dSpan);

    // The leader line when labels are shown and the slice is narrow, else empty.
    QPolygon LeaderLine(bool bLabels) const;
    // Baseline start of a text of width iTextWidth; iLine counts text lines
    // from 0 (the percent goes one line below the value when both are shown).
    QPointF TextPosition(int iTextWidth, int iLine, int iLineHeight) const;

private:
    bool IsRightSide() const;

    int m_iPieSize;
    double m_dMid;
    double m_dPx = 0.0;
    double m_dPy = 0.0;
    bool m_bNarrow;
};

} // namespace OrvaGUIToolkit

#endif
