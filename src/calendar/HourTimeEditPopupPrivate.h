#ifndef ORVAGUITOOLKIT_CALENDAR_HOURTIMEEDITPOPUPPRIVATE_H
#define ORVAGUITOOLKIT_CALENDAR_HOURTIMEEDITPOPUPPRIVATE_H

#include <OrvaGUIToolkit/Calendar/HourTimeEditPopup.h>

QT_BEGIN_NAMESPACE
class QTableWidget;
QT_END_NAMESPACE

namespace OrvaGUIToolkit {

class CHourTimeEditPopupPrivate
{
    Q_DECLARE_PUBLIC(CHourTimeEditPopup)

public:
    virtual ~CHourTimeEditPopupPrivate();

    CHourTimeEditPopup* q_ptr = nullptr;
    QTableWidget* m_pTableWidget = nullptr;
};

} // namespace OrvaGUIToolkit

#endif
