#ifndef ORVAGUITOOLKIT_CHARTAXIS_H
#define ORVAGUITOOLKIT_CHARTAXIS_H

#include <QtCore/QtGlobal>

#include <cmath>

namespace OrvaGUIToolkit {

class CAxisPanel;

// One axis of a chart: maps a visible value range onto the pixel span of the
// owning panel's chart rectangle (its left and width when horizontal, its top
// and height when vertical).
//
// The pixel span and the scale are refreshed only by UpdatePixelRange(), which
// the panel runs at the start of every Draw(); SetRange() alone does not change
// the scale. Horizontal values are seconds (see CAxisSeries for how they relate
// to time_t), vertical values are rows or pixels.
class CChartAxis
{
public:
    CChartAxis(CAxisPanel* pOwner, bool bHorizontal, bool bReversed);

    // Refuses (with a warning) a bound that is NaN or infinite, or bounds an
    // infinite distance apart, and keeps the previous range: such a range
    // would map nothing to a pixel ever again.
    // Finite bounds are taken as they are, in either order.
    void SetRange(double dMin, double dMax);
    void GetRange(double& dMin, double& dMax) const;
    double GetMin() const { return m_dMin; }
    double GetMax() const { return m_dMax; }

    // Reversed: values grow against the pixel direction (upwards for the
    // vertical axis); the pixel is then measured from 0, not from pixelStart.
    void SetReversed(bool bReversed) { m_bReversed = bReversed; }
    bool IsReversed() const { return m_bReversed; }
    // Not scaled: one pixel per unit whatever the range, from now on (so rows
    // of an unscaled axis can be hit-tested before the first paint).
    void SetScaled(bool bScaled)
    {
        m_bScaled = bScaled;
        if (!bScaled)
            m_dScale = 1.0;
    }
    bool IsScaled() const { return m_bScaled; }
    bool IsHorizontal() const { return m_bHorizontal; }

    // Rounds halves towards positive infinity. Values so far out that their
    // pixel would lie beyond +-PixelLimit are pinned there, far outside any
    // widget.
    int ValueToPixel(double dValue) const
    {
        if (m_bReversed)
            return RoundToPixel((m_dMax - dValue) * m_dScale);
        return BoundPixel(qint64(RoundToPixel((dValue - m_dMin) * m_dScale)) + m_iPixelStart);
    }
    // min + offset for the horizontal axis, max - offset for the vertical one,
    // the offset being (pixel - pixelStart) * span / pixelLength: the inverse
    // of ValueToPixel() up to rounding for the horizontal axis and for a
    // reversed vertical one. An axis with no pixel span gives min (max when
    // vertical). Works in doubles throughout,
    // so pixels near INT_MIN or INT_MAX and spans near DBL_MAX give a finite
    // value (saturated to +-DBL_MAX at worst).
    double PixelToValue(int iPixel) const;
    void UpdatePixelRange();

    // Pixel coordinates of the engine stay within +-PixelLimit: far beyond any
    // widget, yet the sum of two of them, or of one and a widget's size, still
    // fits an int, so pixel arithmetic never overflows.
    static constexpr int PixelLimit = 1000000000;
    static int BoundPixel(qint64 iPixel) { return int(qBound(qint64(-PixelLimit), iPixel, qint64(PixelLimit))); }
    // Rounding for pixel positions, halves towards positive infinity on every
    // Qt version (Qt 6's qRound takes negative halves away from zero): NaN
    // gives 0 and values are pinned to +-PixelLimit.
    static int RoundToPixel(double dPixel)
    {
        if (std::isnan(dPixel))
            return 0;
        // Floor by truncation, which the bound keeps within int: std::floor is
        // a library call on the default instruction set, two per segment.
        const double dHalfUp = qBound(-double(PixelLimit), dPixel, double(PixelLimit)) + 0.5;
        const int iTruncated = static_cast<int>(dHalfUp);
        return iTruncated > dHalfUp ? iTruncated - 1 : iTruncated;
    }

    // Whether the two map every value to the same pixel.
    bool MapsAlike(const CChartAxis& other) const
    {
        return m_dMin == other.m_dMin && m_dMax == other.m_dMax && m_bReversed == other.m_bReversed
            && m_iPixelStart == other.m_iPixelStart && m_dScale == other.m_dScale;
    }

    int GetPixelStart() const { return m_iPixelStart; }
    int GetPixelEnd() const { return m_iPixelEnd; }
    int GetPixelLength() const { return m_iPixelLength; }
    // Pixels per unit at the last UpdatePixelRange(): 0 for an empty range.
    double GetScale() const { return m_dScale; }
    double GetSpan() const { return m_dSpan; }

private:
    CAxisPanel* m_pOwner;
    double m_dMin = 0.0;
    double m_dMax = 100.0;
    bool m_bHorizontal;
    bool m_bReversed;
    bool m_bScaled = true;
    int m_iPixelStart = 0;
    int m_iPixelEnd = 0;
    int m_iPixelLength = 0;
    double m_dScale = 0.0;
    double m_dSpan = 100.0;
};

} // namespace OrvaGUIToolkit

#endif
