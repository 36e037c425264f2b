#ifndef ORVAGUITOOLKIT_TIMELINE_TIMESLIDERDATA_H
#define ORVAGUITOOLKIT_TIMELINE_TIMESLIDERDATA_H

#include <OrvaGUIToolkit/OrvaGUIToolkitGlobal.h>

#include <QtCore/QDateTime>
#include <QtCore/QMetaType>
#include <QtGui/QBrush>

namespace OrvaGUIToolkit {

// The records in which the client hands recordings and tags to the playback
// timelines and receives marquee selections from them.
struct struTimeSliderData
{
    // Zoom levels of the timelines: the visible span and the step of the time
    // scale (see CTimeSlider::GetShowSpan() and GetOneStepSpan()).
    enum TimeSliderOneScale {
        ScaleDayBy12Hours = 7,      // 24 h visible, a tick every 12 h
        ScaleDayBy6Hours = 8,       // 24 h, every 6 h
        ScaleDayBy2Hours = 9,       // 24 h, every 2 h
        ScaleHalfDayByHour = 10,    // 12 h, every hour
        Scale6HoursBy30Minutes = 11,
        Scale2HoursBy10Minutes = 12,
        ScaleHourBy5Minutes = 13,
        Scale12MinutesByMinute = 14
    };

    // One recorded segment or tag: its local begin and end, the brush it is
    // painted with and the record level (type) the filter works on. For a tag
    // the brush is unused and the level carries nothing.
    struct TimeSegmentParam
    {
        QDateTime dtBegin;
        QDateTime dtEnd;
        QBrush brush;
        int iLevel = 0;
        // The tag's name; segments leave it empty.
        QString strName;
    };

    // One marquee range: horizontal axis values in seconds, dStart <= dEnd
    // (CTimeSlider::ValueToTime() turns them into time_t).
    struct SelectedData
    {
        double dStart = 0.0;
        double dEnd = 0.0;
    };
};

// The zoom levels under their short name.
using TimeSliderOneScale = struTimeSliderData::TimeSliderOneScale;

} // namespace OrvaGUIToolkit

Q_DECLARE_METATYPE(OrvaGUIToolkit::struTimeSliderData::TimeSegmentParam)
Q_DECLARE_METATYPE(OrvaGUIToolkit::struTimeSliderData::SelectedData)

#endif
