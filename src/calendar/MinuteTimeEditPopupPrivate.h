#ifndef ORVAGUITOOLKIT_CALENDAR_MINUTETIMEEDITPOPUPPRIVATE_H
#define ORVAGUITOOLKIT_CALENDAR_MINUTETIMEEDITPOPUPPRIVATE_H

#include <OrvaGUIToolkit/Calendar/MinuteTimeEditPopup.h>

QT_BEGIN_NAMESPACE
class QTableWidget;
QT_END_NAMESPACE

namespace OrvaGUIToolkit {

class CMinuteTimeEditPopupPrivate
{
    Q_DECLARE_PUBLIC(CMinuteTimeEditPopup)

public:
    virtual ~CMinuteTimeEditPopupPrivate();

    CMinuteTimeEditPopup* q_ptr = nullptr;
    QTableWidget* m_pTableWidget = nullptr;
};

} // namespace OrvaGUIToolkit

#endif
