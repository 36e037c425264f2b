#ifndef SAMPLE_SAMPLEENGINE_H
#define SAMPLE_SAMPLEENGINE_H

class CSampleEngine
{
};

class CSampleWidgetPrivate : public CSampleEngine
{
};

#endif
