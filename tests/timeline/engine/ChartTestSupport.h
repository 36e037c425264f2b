#ifndef ORVAGUITOOLKIT_CHARTTESTSUPPORT_H
#define ORVAGUITOOLKIT_CHARTTESTSUPPORT_H

#include "timeline/engine/AxisPanel.h"
#include "timeline/engine/ChartSeries.h"
#include "timeline/engine/ChartStyleOption.h"

#include <QtCore/QByteArray>
#include <QtGui/QImage>
#include <QtGui/QPainter>

#include <ctime>

namespace ChartTest {

// One series on a panel whose chart starts at x = 10 and is iWidth pixels wide
// (600 by default), with the horizontal range [dMin, dMax].
template <typename TSeries>
struct SFixture
{
    OrvaGUIToolkit::CAxisPanel panel;
    TSeries* pSeries;
    OrvaGUIToolkit::CChartStyleOption option;
    int iHeight;

    explicit SFixture(TSeries* pNew, double dMin = 0.0, double dMax = 600.0, int iChartHeight = 60,
                      int iWidth = 600)
        : pSeries(pNew), iHeight(iChartHeight)
    {
        panel.AddSeries(pSeries);
        panel.SetChartRect(10, 0, iWidth, iHeight);
        panel.SetViewRect(QRect(0, 0, iWidth + 20, iHeight + 2));
        panel.GetXAxis()->SetRange(dMin, dMax);
        panel.GetXAxis()->UpdatePixelRange();
        panel.GetYAxis()->UpdatePixelRange();
    }
    void SetRange(double dMin, double dMax) { panel.GetXAxis()->SetRange(dMin, dMax); }
    // Paints the panel the way a chart view does, into a white 630-pixel-wide image.
    QImage Paint()
    {
        QImage image(630, iHeight + 2, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::white);
        QPainter painter(&image);
        panel.Draw(&painter, option);
        painter.end();
        return image;
    }
};

// Bounding rectangle of the pixels of the colour inside the area (the whole
// image by default), or of every non-white pixel when no colour is given;
// empty when there are none.
inline QRect Bounds(const QImage& image, const QColor& color = QColor(), const QRect& area = QRect())
{
    QRect bounds;
    const QRect clipped = area.isNull() ? image.rect() : area & image.rect();
    for (int y = clipped.top(); y <= clipped.bottom(); ++y) {
        for (int x = clipped.left(); x <= clipped.right(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            if (color.isValid() ? pixel == color : pixel != QColor(Qt::white))
                bounds |= QRect(x, y, 1, 1);
        }
    }
    return bounds;
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
