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

// An animated picture (written as GIF): iFrames frames of the given size shown
// iDelayMs apart, each drawn opaque on colorBackground by draw(painter, size,
// frame). The GIF's palette runs from colorBackground to colorInk, which are
// the only colours the frames may blend.
struct AnimationEntry
{
    QString strPath;
    QSize size;
    int iFrames;
    int iDelayMs;
    QColor colorBackground;
    QColor colorInk;
    std::function<void(QPainter&, const QSize&, int)> draw;
};

std::vector<AnimationEntry> AllAnimations();

#endif
