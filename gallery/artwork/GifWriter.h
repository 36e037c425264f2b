#ifndef ORVAGALLERY_GIFWRITER_H
#define ORVAGALLERY_GIFWRITER_H

#include <QtCore/QString>
#include <QtCore/QVector>
#include <QtGui/QImage>

// Writes an endlessly looping animated GIF. Qt reads GIF but cannot write it,
// and the client's busy indicators are GIF animations, so the artwork
// generator carries this small encoder. Every pixel is mapped to the nearest
// colour of the palette (at most 256 colours); codes are stored without LZW
// compression, which every decoder reads and which is plenty for icons.
bool WriteAnimatedGif(const QString& strPath, const QVector<QImage>& vecFrames, const QVector<QRgb>& vecPalette,
                      int iDelayMs);

#endif
