#ifndef ORVAGUITOOLKIT_CALENDAR_RANGEDATEEDITPRIVATE_H
#define ORVAGUITOOLKIT_CALENDAR_RANGEDATEEDITPRIVATE_H

#include <OrvaGUIToolkit/Calendar/RangeDateEdit.h>

namespace OrvaGUIToolkit {

class CBeginEndCalendarTimePopup;

class CRangeDateEditPrivate
{
    Q_DECLARE_PUBLIC(CRangeDateEdit)

public:
    virtual ~CRangeDateEditPrivate();

    void EnsurePopup();
    // The custom text when there is one, else the range.
    QString ShownText() const;

    CRangeDateEdit* q_ptr = nullptr;
    // Created when first needed, a child of the field.
    CBeginEndCalendarTimePopup* m_pPopup = nullptr;
    QDate m_dateBegin = QDate::currentDate();
    QDate m_dateEnd = QDate::currentDate();
    QString m_strCustom;
};

} // namespace OrvaGUIToolkit

#endif
