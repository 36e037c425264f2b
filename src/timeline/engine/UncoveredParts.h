#ifndef ORVAGUITOOLKIT_UNCOVEREDPARTS_H
#define ORVAGUITOOLKIT_UNCOVEREDPARTS_H

#include <QtCore/QRect>
#include <QtCore/QVector>
#include <QtGui/QColor>

namespace OrvaGUIToolkit {

// The width from which leaving a cover out of the background pays. A cover
// splits each of its rows into two fills; one more fill of a row costs about as
// much as clearing this many pixels of it within a fill of the whole area.
constexpr int s_iMinCoverWidth = 320;

// Whether a fill in the colour hides what lies below it.
inline bool IsOpaque(const QColor& color)
{
    return color.isValid() && color.alpha() == 255;
}

// Adds the rectangle of an opaque fill to the covers when it is at least
// s_iMinCoverWidth wide; a narrower one would only cut the background into
// more pieces.
inline void AddCover(QVector<QRect>& vecCover, const QRect& rect)
{
    if (rect.width() >= s_iMinCoverWidth)
        vecCover.append(rect);
}

// The parts of rectArea that the rectangles of vecCover leave visible, as
// rectangles that do not overlap, from top to bottom. The area is cut into
// bands at the covers' top and bottom edges; bands with the same parts are
// merged, so an area without covers comes back as one rectangle.
QVector<QRect> UncoveredParts(const QRect& rectArea, const QVector<QRect>& vecCover);

} // namespace OrvaGUIToolkit

#endif
