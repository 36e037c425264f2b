#ifndef ORVAGUITOOLKIT_SELECTRECTSERIES_H
#define ORVAGUITOOLKIT_SELECTRECTSERIES_H

#include "ChartSeries.h"

#include <QtCore/QList>
#include <QtCore/QPair>

class QPoint;

namespace OrvaGUIToolkit {

// Row selection and marquee of the multi-track chart. Its points are the row
// boundaries (one more point than rows): row i lies between the vertical
// pixels of points i and i + 1.
//
// The marquee is a list of time ranges (horizontal values) that belongs to one
// row, the marquee row. Adding a range to another row moves the whole list to
// that row: ranges accumulate until Clear() or ClearRow() of the marquee row.
class CSelectRectSeries : public CChartSeries
{
public:
    CSelectRectSeries();

    // Forgets the marquee (row -1, no ranges). The row boundaries and the
    // selected row are kept, so the outline survives a clear of the chart.
    void Clear() override;
    void Calculate() override;
    void Paint(QPainter* pPainter, const CChartStyleOption& option) override;
    int SeriesType() const override;

    // The first row whose pixel band holds the point's y (ends included), else -1.
    int RowAt(const QPoint& point) const;
    // Selects the row under the point; a point outside every row keeps the selection.
    void SelectRowAt(const QPoint& point);
    void SetSelectedRow(int iRow) { m_iSelectedRow = iRow; }
    int GetSelectedRow() const { return m_iSelectedRow; }

    // Stores (min, max) of the two times and makes iRow the marquee row.
    void AddRange(int iRow, double dTime1, double dTime2);
    void GetRanges(int& iRow, QList<QPair<double, double>>& listRanges) const;
    int GetMarqueeRow() const { return m_iMarqueeRow; }
    // Forgets the marquee when iRow is the marquee row.
    void ClearRow(int iRow);

    static constexpr int s_iRowHeight = 24;

private:
    void PaintMarquee(QPainter* pPainter, const CChartStyleOption& option, int iY) const;

    int m_iSelectedRow = -1;
    int m_iMarqueeRow = -1;
    QList<QPair<double, double>> m_listRanges;
};

} // namespace OrvaGUIToolkit

#endif
