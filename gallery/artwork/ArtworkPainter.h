#ifndef ORVAGALLERY_ARTWORKPAINTER_H
#define ORVAGALLERY_ARTWORKPAINTER_H

#include <QtCore/QSize>
#include <QtCore/QString>
#include <QtGui/QColor>

#include <functional>
#include <vector>

class QPainter;

// One picture of the client's resource tree: where it goes under ":/OrvaDesk/",
// its size in pixels and how it is drawn.
struct ArtworkEntry
{
    QString strPath;
    QSize size;
    std::function<void(QPainter&, const QSize&)> draw;
};

// Every picture the gallery's controls load, drawn with QPainter.
std::vector<ArtworkEntry> AllArtwork();

#endif
