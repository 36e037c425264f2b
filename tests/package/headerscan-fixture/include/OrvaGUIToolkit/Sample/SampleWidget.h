#ifndef SAMPLE_SAMPLEWIDGET_H
#define SAMPLE_SAMPLEWIDGET_H

// A checker must not be fooled by CSampleEngine in a comment.
#include "sample/SampleEngine.h"
#include <sample/SampleEngine.h>
#include <OrvaGUIToolkit/Sample/Missing.h>

class CSampleWidgetPrivate;

class CSampleWidget
{
public:
    CSampleEngine* GetEngine() const;
};

#endif
