#ifndef ORVAGUITOOLKIT_BACKGROUNDSERIES_H
#define ORVAGUITOOLKIT_BACKGROUNDSERIES_H

#include "ChartSeries.h"

#include <QtCore/QMap>
#include <QtCore/QString>

namespace OrvaGUIToolkit {

// The background of a multi-row chart: the left (names) and right (chart)
// areas, and one row name per point, drawn at the point's vertical pixel.
// Names may be set for rows that have no point yet; they show once it exists.
class CBackGroundSeries : public CChartSeries
{
public:
    CBackGroundSeries();

    void Calculate() override;
    // An opaque left colour covers the whole view (the right area is filled
    // on top of it or left out of it), an opaque right colour its own area.
    void PreparePaint(const CChartStyleOption& option, QVector<QRect>& vecCover) override;
    void Paint(QPainter* pPainter, const CChartStyleOption& option) override;
    int SeriesType() const override;

    // A negative index is ignored.
    void SetName(int iIndex, const QString& strName);
    void SetNames(const QStringList& listNames);
    QString GetName(int iIndex) const;

private:
    // Longer names are drawn by their start only: 112 pixels show far fewer.
    static constexpr int s_iMaxNameLength = 256;

    void FillAreas(QPainter* pPainter, const CChartStyleOption& option) const;
    // The area right of the names, in the right colour.
    QRect RightArea() const;

    QMap<int, QString> m_mapNames;
};

} // namespace OrvaGUIToolkit

#endif
