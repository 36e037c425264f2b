#ifndef ORVAGUITOOLKIT_CALENDAR_RANGEDATETIMEEDITPRIVATE_H
#define ORVAGUITOOLKIT_CALENDAR_RANGEDATETIMEEDITPRIVATE_H

#include <OrvaGUIToolkit/Calendar/RangeDateTimeEdit.h>

namespace OrvaGUIToolkit {

class CBeginEndCalendarTimePopup;

class CRangeDateTimeEditPrivate
{
    Q_DECLARE_PUBLIC(CRangeDateTimeEdit)

public:
    virtual ~CRangeDateTimeEditPrivate();

    void EnsurePopup();
    QString ShownText() const;

    CRangeDateTimeEdit* q_ptr = nullptr;
    // Created when first needed, a child of the field.
    CBeginEndCalendarTimePopup* m_pPopup = nullptr;
    QDateTime m_dateBegin = QDateTime::currentDateTime();
    QDateTime m_dateEnd = m_dateBegin;
};

} // namespace OrvaGUIToolkit

#endif
