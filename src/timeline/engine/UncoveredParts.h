#ifndef ORVAGUITOOLKIT_UNCOVEREDPARTS_H
#define ORVAGUITOOLKIT_UNCOVEREDPARTS_H

#include <QtCore/QRect>
#include <QtCore/QVector>

namespace OrvaGUIToolkit {

// The width from which leaving a cover out of the background pays. A cover
// splits each of its rows into two fills; one more fill of a row costs about as
// much as clearing this many pixels of it within a fill of the whole area.
constexpr int s_iMinCoverWidth = 320;

// The parts of rectArea that the rectangles of vecCover leave visible, as
// rectangles that do not overlap, from top to bottom. A cover narrower than
// iMinWidth within the area counts as not there. The area is cut into
// bands at the covers' top and bottom edges; bands with the same parts are
// merged, so an area without covers comes back as one rectangle.
QVector<QRect> UncoveredParts(const QRect& rectArea, const QVector<QRect>& vecCover,
                              int iMinWidth = s_iMinCoverWidth);

} // namespace OrvaGUIToolkit

#endif
