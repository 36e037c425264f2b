#ifndef ORVAGUITOOLKIT_FOUNDATION_EVENTPOSITION_H
#define ORVAGUITOOLKIT_FOUNDATION_EVENTPOSITION_H

#include <QtGui/QMouseEvent>

namespace OrvaGUIToolkit {

// The cursor's global position of a mouse event; Qt 6 replaced globalPos()
// with the floating-point globalPosition().
inline QPoint EventGlobalPos(const QMouseEvent* pEvent)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    return pEvent->globalPosition().toPoint();
#else
    return pEvent->globalPos();
#endif
}

} // namespace OrvaGUIToolkit

#endif
