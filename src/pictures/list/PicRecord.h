#ifndef ORVAGUITOOLKIT_PICTURES_LIST_PICRECORD_H
#define ORVAGUITOOLKIT_PICTURES_LIST_PICRECORD_H

#include <QtCore/QString>
#include <QtGui/QPixmap>

#include <memory>

namespace OrvaGUIToolkit {

// One added picture of a picture list, in list order. A pixmap handed in
// instead of a file sits behind a pointer: a null QPixmap still allocates its
// platform data, and ten thousand records by path should cost strings only.
struct struPicRecord
{
    unsigned uLsh = 0;
    QString strPath;
    QString strTips;
    QString strText;
    std::shared_ptr<QPixmap> pPixmap;
    bool bPixmapGiven = false;
};

} // namespace OrvaGUIToolkit

#endif
