// Cached pixmaps and rounded window masks.

#include <OrvaGUIToolkit/Foundation/GuiFunctions.h>

#include <QtGui/QImage>
#include <QtGui/QPixmapCache>

#include <algorithm>

namespace OrvaGUIToolkit {

namespace {

const qint64 s_iMaxRadius = 32767;

// The ellipse of diameter 2 * iRadius in that corner of rect. It is built at
// the origin and moved into place: Qt's ellipse regions do not cope with
// coordinates near the ends of the int range, translated rectangles do. With
// the radius at most half the rectangle every edge lies inside rect.
QRegion CornerEllipse(const QRect& rect, int iRadius, Qt::Corner enumCorner)
{
    const int iDiameter = 2 * iRadius;
    const bool bLeft = enumCorner == Qt::TopLeftCorner || enumCorner == Qt::BottomLeftCorner;
    const bool bTop = enumCorner == Qt::TopLeftCorner || enumCorner == Qt::TopRightCorner;
    const int iLeft = bLeft ? rect.left() : rect.right() - (iDiameter - 1);
    const int iTop = bTop ? rect.top() : rect.bottom() - (iDiameter - 1);
    return QRegion(QRect(0, 0, iDiameter, iDiameter), QRegion::Ellipse).translated(iLeft, iTop);
}

// The radius kept between 0 and half the rectangle's shorter side: a corner
// cannot be rounder than the rectangle, and larger values would overflow the
// band and ellipse coordinates. Qt's ellipse regions also fail (empty, and
// leaking) from a diameter of 65 536, far beyond any screen.
int ClampedRadius(const QRect& rect, int iRadius)
{
    const qint64 iWidth = static_cast<qint64>(rect.right()) - rect.left() + 1;
    const qint64 iHeight = static_cast<qint64>(rect.bottom()) - rect.top() + 1;
    const qint64 iHalf = std::clamp<qint64>(std::min(iWidth, iHeight) / 2, 0, s_iMaxRadius);
    return static_cast<int>(std::clamp<qint64>(iRadius, 0, iHalf));
}

QRegion RoundedRegion(const QRect& rect, int iRadius, const QRect& band1, const QRect& band2,
                      std::initializer_list<Qt::Corner> corners)
{
    QRegion region = QRegion(band1).united(band2);
    if (iRadius == 0)
        return region;
    for (Qt::Corner enumCorner : corners)
        region = region.united(CornerEllipse(rect, iRadius, enumCorner));
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
