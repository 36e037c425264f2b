#ifndef ORVAGUITOOLKIT_RECTSERIES_H
#define ORVAGUITOOLKIT_RECTSERIES_H

#include "ChartSeries.h"

#include <QtGui/QBrush>

namespace OrvaGUIToolkit {

// The top band of the multi-track chart (behind the time scale): the full
// view width, GetHeight() pixels high, in the option's colorTopBackground.
// The brush is kept for the caller and not painted.
class CRectSeries : public CChartSeries
{
public:
    CRectSeries();

    void Calculate() override;
    void PreparePaint(const CChartStyleOption& option, QVector<QRect>& vecCover) override;
    void Paint(QPainter* pPainter, const CChartStyleOption& option) override;
    int SeriesType() const override;

    void SetHeight(int iHeight) { m_iHeight = iHeight; }
    int GetHeight() const { return m_iHeight; }
    void SetBrush(const QBrush& brush) { m_brush = brush; }
    QBrush GetBrush() const { return m_brush; }

private:
    QRect Band() const;

    QBrush m_brush;
    int m_iHeight = 28;
};

} // namespace OrvaGUIToolkit

#endif
