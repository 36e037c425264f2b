#ifndef ORVAGUITOOLKIT_CALENDAR_MINUTETIMEEDITPOPUPPRIVATE_H
#define ORVAGUITOOLKIT_CALENDAR_MINUTETIMEEDITPOPUPPRIVATE_H

#include <OrvaGUIToolkit/Calendar/MinuteTimeEditPopup.h>

namespace OrvaGUIToolkit {

class CTimeGridTable;

class CMinuteTimeEditPopupPrivate
{
    Q_DECLARE_PUBLIC(CMinuteTimeEditPopup)

public:
    virtual ~CMinuteTimeEditPopupPrivate();

    CMinuteTimeEditPopup* q_ptr = nullptr;
    CTimeGridTable* m_pTableWidget = nullptr;
};

} // namespace OrvaGUIToolkit

#endif
