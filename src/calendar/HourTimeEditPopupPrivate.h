#ifndef ORVAGUITOOLKIT_CALENDAR_HOURTIMEEDITPOPUPPRIVATE_H
#define ORVAGUITOOLKIT_CALENDAR_HOURTIMEEDITPOPUPPRIVATE_H

#include <OrvaGUIToolkit/Calendar/HourTimeEditPopup.h>

namespace OrvaGUIToolkit {

class CTimeGridTable;

class CHourTimeEditPopupPrivate
{
    Q_DECLARE_PUBLIC(CHourTimeEditPopup)

public:
    virtual ~CHourTimeEditPopupPrivate();

    CHourTimeEditPopup* q_ptr = nullptr;
    CTimeGridTable* m_pTableWidget = nullptr;
};

} // namespace OrvaGUIToolkit

#endif
