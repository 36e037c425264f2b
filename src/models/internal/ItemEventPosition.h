#ifndef ORVAGUITOOLKIT_MODELS_INTERNAL_ITEMEVENTPOSITION_H
#define ORVAGUITOOLKIT_MODELS_INTERNAL_ITEMEVENTPOSITION_H

#include <QtGui/QMouseEvent>

namespace OrvaGUIToolkit {

// Widget-local positions of mouse and hover events; Qt 6 replaced pos() with
// the floating-point position().
inline QPoint EventLocalPos(const QMouseEvent* pEvent)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    return pEvent->position().toPoint();
#else
    return pEvent->pos();
#endif
}

inline QPoint EventLocalPos(const QHoverEvent* pEvent)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    return pEvent->position().toPoint();
#else
    return pEvent->pos();
#endif
}

} // namespace OrvaGUIToolkit

#endif
