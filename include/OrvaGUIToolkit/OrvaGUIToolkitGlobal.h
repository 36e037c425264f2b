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

#endif
