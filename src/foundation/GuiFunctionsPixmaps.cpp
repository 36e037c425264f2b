// Cached pixmaps and rounded window masks.

#include <OrvaGUIToolkit/Foundation/GuiFunctions.h>

#include <QtGui/QImage>
#include <QtGui/QPixmapCache>

#include <algorithm>
#include <climits>

namespace OrvaGUIToolkit {

namespace {

// The one limit put on the radius: corners twice the width of the largest
// screens. Qt's ellipse regions grow with their diameter (one band per pixel
// row) and fail altogether from a diameter of 65 536.
const qint64 s_iMaxRadius = 8191;

int Saturated(qint64 iValue)
{
    return static_cast<int>(std::clamp<qint64>(iValue, INT_MIN, INT_MAX));
}

int UsableRadius(int iRadius)
{
    return static_cast<int>(std::clamp<qint64>(iRadius, 0, s_iMaxRadius));
}

// rect.adjusted() without int overflow for rectangles near the ends of the
// coordinate range.
QRect Adjusted(const QRect& rect, int iLeft, int iTop, int iRight, int iBottom)
{
    return QRect(QPoint(Saturated(qint64(rect.left()) + iLeft), Saturated(qint64(rect.top()) + iTop)),
                 QPoint(Saturated(qint64(rect.right()) + iRight), Saturated(qint64(rect.bottom()) + iBottom)));
}

// The ellipse of diameter 2 * iRadius with its corner on that corner of rect;
// a corner rounder than the rectangle reaches past its opposite side. It is
// built at the origin and moved into place: Qt's ellipse regions do not cope
// with coordinates near the ends of the int range, translated rectangles do.
QRegion CornerEllipse(const QRect& rect, int iRadius, Qt::Corner enumCorner)
{
    const int iDiameter = 2 * iRadius;
    const bool bLeft = enumCorner == Qt::TopLeftCorner || enumCorner == Qt::BottomLeftCorner;
    const bool bTop = enumCorner == Qt::TopLeftCorner || enumCorner == Qt::TopRightCorner;
    const int iLeft = bLeft ? rect.left() : Saturated(qint64(rect.right()) - (iDiameter - 1));
    const int iTop = bTop ? rect.top() : Saturated(qint64(rect.bottom()) - (iDiameter - 1));
    const int iDx = std::min(iLeft, Saturated(qint64(INT_MAX) - (iDiameter - 1)));
    const int iDy = std::min(iTop, Saturated(qint64(INT_MAX) - (iDiameter - 1)));
    return QRegion(QRect(0, 0, iDiameter, iDiameter), QRegion::Ellipse).translated(iDx, iDy);
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
    const int iRadius = UsableRadius(iRadiusWanted);
    return RoundedRegion(rect, iRadius, Adjusted(rect, iRadius, 0, -iRadius, 0),
                         Adjusted(rect, 0, iRadius, 0, -iRadius),
                         {Qt::TopLeftCorner, Qt::TopRightCorner, Qt::BottomLeftCorner, Qt::BottomRightCorner});
}

QRegion RoundedLeftRect(const QRect& rect, int iRadiusWanted)
{
    const int iRadius = UsableRadius(iRadiusWanted);
    return RoundedRegion(rect, iRadius, Adjusted(rect, iRadius, 0, 0, 0),
                         Adjusted(rect, 0, iRadius, 0, -iRadius),
                         {Qt::TopLeftCorner, Qt::BottomLeftCorner});
}

QRegion RoundedRightRect(const QRect& rect, int iRadiusWanted)
{
    const int iRadius = UsableRadius(iRadiusWanted);
    return RoundedRegion(rect, iRadius, Adjusted(rect, 0, 0, -iRadius, 0),
                         Adjusted(rect, 0, iRadius, 0, -iRadius),
                         {Qt::TopRightCorner, Qt::BottomRightCorner});
}

QRegion RoundedTopRect(const QRect& rect, int iRadiusWanted)
{
    const int iRadius = UsableRadius(iRadiusWanted);
    return RoundedRegion(rect, iRadius, Adjusted(rect, 0, iRadius, 0, 0),
                         Adjusted(rect, iRadius, 0, -iRadius, 0),
                         {Qt::TopLeftCorner, Qt::TopRightCorner});
}

} // namespace OrvaGUIToolkit
