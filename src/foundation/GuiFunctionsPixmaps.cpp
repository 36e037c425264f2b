// Cached pixmaps and rounded window masks.

#include <OrvaGUIToolkit/Foundation/GuiFunctions.h>

#include <QtGui/QImage>
#include <QtGui/QPixmapCache>

#include <limits>

namespace OrvaGUIToolkit {

namespace {

QRect CornerEllipse(const QRect& rect, int iRadius, Qt::Corner enumCorner)
{
    QRect ellipse(0, 0, 2 * iRadius, 2 * iRadius);
    switch (enumCorner) {
    case Qt::TopLeftCorner: ellipse.moveTopLeft(rect.topLeft()); break;
    case Qt::TopRightCorner: ellipse.moveTopRight(rect.topRight()); break;
    case Qt::BottomLeftCorner: ellipse.moveBottomLeft(rect.bottomLeft()); break;
    case Qt::BottomRightCorner: ellipse.moveBottomRight(rect.bottomRight()); break;
    }
    return ellipse;
}

// The radius kept between 0 and half the rectangle's shorter side: a corner
// cannot be rounder than the rectangle, and larger values would overflow the
// band and ellipse coordinates.
int ClampedRadius(const QRect& rect, int iRadius)
{
    const qint64 iWidth = static_cast<qint64>(rect.right()) - rect.left() + 1;
    const qint64 iHeight = static_cast<qint64>(rect.bottom()) - rect.top() + 1;
    const qint64 iHalf = qBound<qint64>(0, qMin(iWidth, iHeight) / 2, std::numeric_limits<int>::max() / 2);
    return static_cast<int>(qBound<qint64>(0, iRadius, iHalf));
}

QRegion RoundedRegion(const QRect& rect, int iRadius, const QRect& band1, const QRect& band2,
                      std::initializer_list<Qt::Corner> corners)
{
    QRegion region = QRegion(band1).united(band2);
    for (Qt::Corner enumCorner : corners)
        region = region.united(QRegion(CornerEllipse(rect, iRadius, enumCorner), QRegion::Ellipse));
    return region;
}

} // namespace

QPixmap QStringCovertPixmap(const QString& strPath)
{
    QPixmap pixmap;
    if (QPixmapCache::find(strPath, &pixmap))
        return pixmap;
    pixmap = QPixmap::fromImage(QImage(strPath), Qt::OrderedDither | Qt::OrderedAlphaDither);
    if (!pixmap.isNull())
        QPixmapCache::insert(strPath, pixmap);
    return pixmap;
}

QRegion RoundedRect(const QRect& rect, int iRadiusWanted)
{
    const int iRadius = ClampedRadius(rect, iRadiusWanted);
    return RoundedRegion(rect, iRadius, rect.adjusted(iRadius, 0, -iRadius, 0),
                         rect.adjusted(0, iRadius, 0, -iRadius),
                         {Qt::TopLeftCorner, Qt::TopRightCorner, Qt::BottomLeftCorner, Qt::BottomRightCorner});
}

QRegion RoundedLeftRect(const QRect& rect, int iRadiusWanted)
{
    const int iRadius = ClampedRadius(rect, iRadiusWanted);
    return RoundedRegion(rect, iRadius, rect.adjusted(iRadius, 0, 0, 0),
                         rect.adjusted(0, iRadius, 0, -iRadius),
                         {Qt::TopLeftCorner, Qt::BottomLeftCorner});
}

QRegion RoundedRightRect(const QRect& rect, int iRadiusWanted)
{
    const int iRadius = ClampedRadius(rect, iRadiusWanted);
    return RoundedRegion(rect, iRadius, rect.adjusted(0, 0, -iRadius, 0),
                         rect.adjusted(0, iRadius, 0, -iRadius),
                         {Qt::TopRightCorner, Qt::BottomRightCorner});
}

QRegion RoundedTopRect(const QRect& rect, int iRadiusWanted)
{
    const int iRadius = ClampedRadius(rect, iRadiusWanted);
    return RoundedRegion(rect, iRadius, rect.adjusted(0, iRadius, 0, 0),
                         rect.adjusted(iRadius, 0, -iRadius, 0),
                         {Qt::TopLeftCorner, Qt::TopRightCorner});
}

} // namespace OrvaGUIToolkit
