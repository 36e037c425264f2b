#ifndef ORVAGUITOOLKIT_PICTURES_LIST_PICTURECACHE_H
#define ORVAGUITOOLKIT_PICTURES_LIST_PICTURECACHE_H

#include <QtCore/QSize>
#include <QtCore/QString>
#include <QtGui/QPixmap>

namespace OrvaGUIToolkit {

// Decodes picture files at the size they are shown and keeps them in Qt's
// pixmap cache. A capture wall holds thousands of paths but shows one page:
// decoding a 1920 x 1080 snapshot straight into a 100 x 80 label (JPEG scales
// while decoding) costs a fraction of a full decode and keeps memory to the
// pictures on show.
class CPictureCache
{
public:
    // The picture of strPath fitted into sizeBound with its aspect ratio kept
    // (full size when sizeBound is empty); a null pixmap when the file cannot
    // be read as an image.
    static QPixmap Load(const QString& strPath, const QSize& sizeBound);
    // Drops what Load(strPath, sizeBound) cached.
    static void Release(const QString& strPath, const QSize& sizeBound);

private:
    static QString Key(const QString& strPath, const QSize& sizeBound);
};

} // namespace OrvaGUIToolkit

#endif
