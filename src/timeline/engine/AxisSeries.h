#ifndef ORVAGUITOOLKIT_AXISSERIES_H
#define ORVAGUITOOLKIT_AXISSERIES_H

#include "ChartAxis.h"
#include "ChartSeries.h"

#include <QtCore/QHash>
#include <QtCore/QPair>
#include <QtCore/QString>
#include <QtGui/QFont>
#include <QtGui/QStaticText>

namespace OrvaGUIToolkit {

// The time scale: ticks every GetInterval() seconds along the horizontal axis,
// counted from local midnight, with "hh:mm" labels on the major ones.
//
// Horizontal values are local seconds relative to a base the owning slider
// chooses: value = time_t + GetLocalUtcOffset() - base. So base + value is a
// count of local seconds and whole multiples of 86400 fall on local midnight
// (at the UTC offset that applies now). Labels show the local wall-clock time
// of time_t = base + value - GetLocalUtcOffset(), so on a day with a daylight
// saving change they follow the clock that is actually in force then.
//
// Nothing is drawn while the interval is not positive (it is -1 until the
// slider sets it) or the chart rectangle is narrower than 70 pixels.
class CAxisSeries : public CChartSeries
{
public:
    // One tick as Paint() draws it.
    struct STick
    {
        qint64 iValue;    // horizontal value of the tick
        int iX;           // its pixel, nudged inside the chart at the range's ends
        bool bMajor;      // major ticks are 7 pixels high and labelled
        QString strLabel; // "hh:mm", empty for a minor tick
    };

    explicit CAxisSeries(qint64 iBaseTime);

    void Calculate() override;
    void Paint(QPainter* pPainter, const CChartStyleOption& option) override;
    int SeriesType() const override;

    // The ticks of the current horizontal range, in drawing order. At most
    // s_iMaxTicks are produced, so a tiny interval over a long range stays cheap.
    QVector<STick> GetTicks() const;

    void SetBaseTime(qint64 iBaseTime) { m_iBaseTime = iBaseTime; }
    qint64 GetBaseTime() const { return m_iBaseTime; }
    // Tops are pinned to +-CChartAxis::PixelLimit.
    void SetLabelTop(int iTop) { m_iLabelTop = CChartAxis::BoundPixel(iTop); }
    int GetLabelTop() const { return m_iLabelTop; }
    void SetTickTop(int iTop) { m_iTickTop = CChartAxis::BoundPixel(iTop); }
    int GetTickTop() const { return m_iTickTop; }
    // 0: labels centred on their tick; 1: labels start 2 pixels right of it.
    void SetLabelAlignment(int iAlignment) { m_iLabelAlignment = iAlignment; }
    int GetLabelAlignment() const { return m_iLabelAlignment; }
    // Every n-th tick inside the range is major, starting with the first;
    // 0 or 1 makes every tick major.
    void SetLabelEvery(int iEvery) { m_iLabelEvery = iEvery; }
    int GetLabelEvery() const { return m_iLabelEvery; }
    void SetFont(const QFont& font) { m_font = font; }
    QFont GetFont() const { return m_font; }

    static constexpr int s_iMaxTicks = 10000;
    static constexpr int s_iMinChartWidth = 70;
    static constexpr int s_iMaxCachedLabels = 4096;

private:
    // A label laid out once per font: its box as QPainter::boundingRect gives
    // it and the glyphs ready to draw. Repaints at one level show the same few
    // texts over and over, and shaping them anew dominated a repaint.
    struct SLabel
    {
        QSize size;
        QStaticText text;
    };

    QString LabelText(qint64 iTime, int iOffset) const;
    const SLabel& PreparedLabel(QPainter* pPainter, const QString& strLabel);
    QRect LabelRect(const QSize& size, int iX) const;

    int m_iLabelTop = 42;
    int m_iTickTop = 42;
    QFont m_font;
    qint64 m_iBaseTime;
    int m_iLabelAlignment = 0;
    int m_iLabelEvery = 1;

    // "hh:mm" of a time_t under a UTC offset; the offset is part of the key so
    // that a change of time zone is never served stale texts.
    mutable QHash<QPair<qint64, int>, QString> m_hashLabelTexts;
    QHash<QString, SLabel> m_hashLabels;
    QFont m_fontLabels;
};

} // namespace OrvaGUIToolkit

#endif
