#ifndef ORVAGUITOOLKIT_CHARTTESTSUPPORT_H
#define ORVAGUITOOLKIT_CHARTTESTSUPPORT_H

#include "timeline/AxisPanel.h"
#include "timeline/ChartSeries.h"
#include "timeline/ChartStyleOption.h"

#include <QtCore/QByteArray>
#include <QtGui/QImage>
#include <QtGui/QPainter>

#include <ctime>

namespace ChartTest {

// Paints a panel the way a chart view does, into a white image of the given size.
inline QImage Render(OrvaGUIToolkit::CAxisPanel& panel, const OrvaGUIToolkit::CChartStyleOption& option,
                     const QSize& size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    panel.Draw(&painter, option);
    painter.end();
    return image;
}

// A panel whose chart rectangle starts at iLeft and spans iWidth pixels, with
// the horizontal range [dMin, dMax].
inline void SetUp(OrvaGUIToolkit::CAxisPanel& panel, int iLeft, int iWidth, int iHeight, double dMin, double dMax)
{
    panel.SetChartRect(iLeft, 0, iWidth, iHeight);
    panel.SetViewRect(QRect(0, 0, iLeft + iWidth + 10, iHeight + 2));
    panel.GetXAxis()->SetRange(dMin, dMax);
    panel.GetXAxis()->UpdatePixelRange();
    panel.GetYAxis()->UpdatePixelRange();
}

// Columns [first, last] of one image row that have the colour.
inline QPair<int, int> ColouredSpan(const QImage& image, int iY, const QColor& color)
{
    int iFirst = -1;
    int iLast = -1;
    for (int x = 0; x < image.width(); ++x) {
        if (image.pixelColor(x, iY) == color) {
            if (iFirst < 0)
                iFirst = x;
            iLast = x;
        }
    }
    return qMakePair(iFirst, iLast);
}

// Switches the process to a time zone for the lifetime of the object.
class CTimeZoneScope
{
public:
    explicit CTimeZoneScope(const QByteArray& zone)
        : m_previous(qgetenv("TZ"))
        , m_bHadPrevious(qEnvironmentVariableIsSet("TZ"))
    {
        qputenv("TZ", zone);
        tzset();
    }
    ~CTimeZoneScope()
    {
        if (m_bHadPrevious)
            qputenv("TZ", m_previous);
        else
            qunsetenv("TZ");
        tzset();
    }

private:
    QByteArray m_previous;
    bool m_bHadPrevious;
};

} // namespace ChartTest

#endif
