#ifndef ORVAGUITOOLKIT_CALENDAR_DATETIMEEDITPRIVATE_H
#define ORVAGUITOOLKIT_CALENDAR_DATETIMEEDITPRIVATE_H

#include <OrvaGUIToolkit/Calendar/DateTimeEdit.h>

namespace OrvaGUIToolkit {

class CComplexCalendarTimePopup;

class CDateTimeEditPrivate
{
    Q_DECLARE_PUBLIC(CDateTimeEdit)

public:
    virtual ~CDateTimeEditPrivate();

    void ShowPopup();

    CDateTimeEdit* q_ptr = nullptr;
    // Created at the first press, a child of the field.
    CComplexCalendarTimePopup* m_pPopup = nullptr;
};

} // namespace OrvaGUIToolkit

#endif
