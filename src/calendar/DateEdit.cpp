#include <OrvaGUIToolkit/Calendar/DateEdit.h>

namespace OrvaGUIToolkit {

CDateEdit::CDateEdit(QWidget* pParent)
    : QDateEdit(QDate::currentDate(), pParent)
{
    setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    setCalendarPopup(true);
}

CDateEdit::~CDateEdit() = default;

} // namespace OrvaGUIToolkit

#include "OrvaGUIToolkit/Calendar/moc_DateEdit.cpp"
