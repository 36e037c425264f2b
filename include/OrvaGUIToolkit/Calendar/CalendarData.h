#ifndef ORVAGUITOOLKIT_CALENDAR_CALENDARDATA_H
#define ORVAGUITOOLKIT_CALENDAR_CALENDARDATA_H

#include <OrvaGUIToolkit/OrvaGUIToolkitGlobal.h>

namespace OrvaGUIToolkit {

// Settings shared by the month calendar and the pickers built on it.
struct struCalendarData
{
    // The day-name row above the weeks. Any value other than these two keeps
    // the row but leaves its cells empty (the underlying type is int so that
    // such values are well defined).
    enum HorizontalHeaderFormat : int {
        NoHorizontalHeader = 0,     // the grid starts with the first week
        NarrowDayNames = 1          // one short name per weekday ("M", "T"...)
    };
};

} // namespace OrvaGUIToolkit

#endif
