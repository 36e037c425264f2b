#ifndef ORVAGUITOOLKIT_CALENDAR_CALENDARTIMEPOPUPPRIVATE_H
#define ORVAGUITOOLKIT_CALENDAR_CALENDARTIMEPOPUPPRIVATE_H

#include <OrvaGUIToolkit/Calendar/CalendarTimePopup.h>

#include <QtCore/QPointer>

namespace OrvaGUIToolkit {

class CCalendarTimePopupPrivate
{
    Q_DECLARE_PUBLIC(CCalendarTimePopup)

public:
    virtual ~CCalendarTimePopupPrivate();

    CCalendarTimePopup* q_ptr = nullptr;
    QPointer<CCalendarWidget> m_pCalendar;
    // The date the pop-up opened on, reported when it closes without a pick.
    QDate m_dateOld;
    // Set once the user has picked or browsed to a day; Escape clears it.
    bool m_bDateChanged = false;
};

} // namespace OrvaGUIToolkit

#endif
