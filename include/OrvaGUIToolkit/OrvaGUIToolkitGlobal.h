#ifndef ORVAGUITOOLKIT_ORVAGUITOOLKITGLOBAL_H
#define ORVAGUITOOLKIT_ORVAGUITOOLKITGLOBAL_H

#include <QtCore/qglobal.h>

// Marks the classes and functions that make up the library's programming
// interface. Everything else is built with hidden visibility.
#if defined(ORVAGUITOOLKIT_LIBRARY)
#  define ORVAGUITOOLKIT_EXPORT Q_DECL_EXPORT
#else
#  define ORVAGUITOOLKIT_EXPORT Q_DECL_IMPORT
#endif

QT_BEGIN_NAMESPACE
class QEvent;
class QEnterEvent;
QT_END_NAMESPACE

namespace OrvaGUIToolkit {

// The parameter type of QWidget::enterEvent(), which Qt 6 narrowed from
// QEvent to QEnterEvent; controls override enterEvent(EnterEvent*).
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
using EnterEvent = QEnterEvent;
#else
using EnterEvent = QEvent;
#endif

} // namespace OrvaGUIToolkit

#endif
