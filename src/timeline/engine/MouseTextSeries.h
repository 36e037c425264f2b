#ifndef ORVAGUITOOLKIT_MOUSETEXTSERIES_H
#define ORVAGUITOOLKIT_MOUSETEXTSERIES_H

#include "ChartAxis.h"
#include "ChartSeries.h"

#include <QtCore/QString>

namespace OrvaGUIToolkit {

// The hover text: a short text (the time under the mouse) drawn left-aligned
// at the pixel of its time, while that time is inside the visible range.
class CMouseTextSeries : public CChartSeries
{
public:
    CMouseTextSeries();

    // Also empties the text.
    void Clear() override;
    void Calculate() override;
    void Paint(QPainter* pPainter, const CChartStyleOption& option) override;
    int SeriesType() const override;

    void SetText(const QString& strText) { m_strText = strText; }
    QString GetText() const { return m_strText; }
    // Horizontal value the text is drawn at.
    void SetTime(double dTime) { m_dTime = dTime; }
    double GetTime() const { return m_dTime; }
    // Pinned to +-CChartAxis::PixelLimit.
    void SetTextTop(int iTop) { m_iTextTop = CChartAxis::BoundPixel(iTop); }
    int GetTextTop() const { return m_iTextTop; }

private:
    QString m_strText;
    double m_dTime = 0.0;
    int m_iTextTop = 10;
};

} // namespace OrvaGUIToolkit

#endif
