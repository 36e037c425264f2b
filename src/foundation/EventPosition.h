#ifndef ORVAGUITOOLKIT_FOUNDATION_EVENTPOSITION_H
#define ORVAGUITOOLKIT_FOUNDATION_EVENTPOSITION_H

#include <QtGui/QMouseEvent>

#include <limits>

namespace OrvaGUIToolkit {

// A floating-point event coordinate as an int, rounded, and saturated at the
// ends of the int range: an event may carry any position (a cursor thrown far
// off screen, a synthesised event), and converting one outside the range
// would be undefined. NaN gives 0.
inline int SaturatedCoordinate(qreal dValue)
{
    if (dValue != dValue)
        return 0;
    if (dValue <= std::numeric_limits<int>::min())
        return std::numeric_limits<int>::min();
    if (dValue >= std::numeric_limits<int>::max())
        return std::numeric_limits<int>::max();
    return qRound(dValue);
}

inline QPoint SaturatedPoint(const QPointF& point)
{
    return QPoint(SaturatedCoordinate(point.x()), SaturatedCoordinate(point.y()));
}

// The cursor's global position of a mouse event; Qt 6 replaced globalPos()
// with the floating-point globalPosition().
inline QPoint EventGlobalPos(const QMouseEvent* pEvent)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    return SaturatedPoint(pEvent->globalPosition());
#else
    return SaturatedPoint(pEvent->screenPos());
#endif
}

// The cursor's position in the receiving widget; Qt 6 replaced pos() with the
// floating-point position().
inline QPoint EventPos(const QMouseEvent* pEvent)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    return SaturatedPoint(pEvent->position());
#else
    return SaturatedPoint(pEvent->localPos());
#endif
}

} // namespace OrvaGUIToolkit

#endif
