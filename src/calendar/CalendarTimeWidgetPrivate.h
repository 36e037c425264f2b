#ifndef ORVAGUITOOLKIT_CALENDAR_CALENDARTIMEWIDGETPRIVATE_H
#define ORVAGUITOOLKIT_CALENDAR_CALENDARTIMEWIDGETPRIVATE_H

#include <OrvaGUIToolkit/Calendar/CalendarTimeWidget.h>

#include "pickers/CalendarTimeWidgetUi.h"
#include "pickers/TimeEditPopups.h"

namespace OrvaGUIToolkit {

class CCalendarTimeWidgetPrivate
{
    Q_DECLARE_PUBLIC(CCalendarTimeWidget)

public:
    virtual ~CCalendarTimeWidgetPrivate();

    void Init();

    CCalendarTimeWidget* q_ptr = nullptr;
    CCalendarTimeWidgetClassUi m_ui;
    // The value last given by SetDateTime(); confirming it again reports nothing.
    QDateTime m_dateTime;
    CTimeEditPopups m_timePopups;
};

} // namespace OrvaGUIToolkit

#endif
