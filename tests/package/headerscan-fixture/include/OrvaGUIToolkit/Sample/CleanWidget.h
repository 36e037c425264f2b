#ifndef SAMPLE_CLEANWIDGET_H
#define SAMPLE_CLEANWIDGET_H

#include <OrvaGUIToolkit/Sample/SampleWidget.h>

// Holds its state in a private class that only the library defines.
class CCleanWidgetPrivate;

#endif
