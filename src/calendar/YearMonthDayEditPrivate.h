#ifndef ORVAGUITOOLKIT_CALENDAR_YEARMONTHDAYEDITPRIVATE_H
#define ORVAGUITOOLKIT_CALENDAR_YEARMONTHDAYEDITPRIVATE_H

#include <OrvaGUIToolkit/Calendar/YearMonthDayEdit.h>

namespace OrvaGUIToolkit {

class CCalendarTimePopup;

class CYearMonthDayEditPrivate
{
    Q_DECLARE_PUBLIC(CYearMonthDayEdit)

public:
    virtual ~CYearMonthDayEditPrivate();

    void ShowPopup();

    CYearMonthDayEdit* q_ptr = nullptr;
    // Created at the first press, a child of the field.
    CCalendarTimePopup* m_pPopup = nullptr;
};

} // namespace OrvaGUIToolkit

#endif
