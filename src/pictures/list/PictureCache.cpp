#include "pictures/list/PictureCache.h"

#include <QtGui/QImageReader>
#include <QtGui/QPixmapCache>

namespace OrvaGUIToolkit {

QPixmap CPictureCache::Load(const QString& strPath, const QSize& sizeBound)
{
    if (strPath.isEmpty())
        return QPixmap();
    const QString strKey = Key(strPath, sizeBound);
    QPixmap pixmap;
    if (QPixmapCache::find(strKey, &pixmap))
        return pixmap;

    QImageReader reader(strPath);
    const QSize sizeImage = reader.size();
    // Only shrink: a small picture in a large label is drawn scaled up when painted.
    if (!sizeBound.isEmpty() && sizeImage.isValid() &&
        (sizeImage.width() > sizeBound.width() || sizeImage.height() > sizeBound.height()))
        reader.setScaledSize(sizeImage.scaled(sizeBound, Qt::KeepAspectRatio).expandedTo(QSize(1, 1)));
    const QImage image = reader.read();
    if (image.isNull())
        return QPixmap();
    pixmap = QPixmap::fromImage(image);
    QPixmapCache::insert(strKey, pixmap);
    return pixmap;
}

void CPictureCache::Release(const QString& strPath, const QSize& sizeBound)
{
    if (!strPath.isEmpty())
        QPixmapCache::remove(Key(strPath, sizeBound));
}

QString CPictureCache::Key(const QString& strPath, const QSize& sizeBound)
{
    return QStringLiteral("orva-pic:%1x%2:").arg(sizeBound.width()).arg(sizeBound.height()) + strPath;
}

} // namespace OrvaGUIToolkit
