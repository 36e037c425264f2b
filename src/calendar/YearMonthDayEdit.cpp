#include <OrvaGUIToolkit/Calendar/YearMonthDayEdit.h>

#include <OrvaGUIToolkit/Calendar/CalendarTimePopup.h>

#include "YearMonthDayEditPrivate.h"
#include "pickers/PickerPopups.h"

#include <QtGui/QMouseEvent>

namespace OrvaGUIToolkit {

CYearMonthDayEditPrivate::~CYearMonthDayEditPrivate() = default;

void CYearMonthDayEditPrivate::ShowPopup()
{
    Q_Q(CYearMonthDayEdit);
    if (!m_pPopup) {
        m_pPopup = new CCalendarTimePopup(q);
        QObject::connect(m_pPopup, &CCalendarTimePopup::newDateSelected, q, &QDateTimeEdit::setDate);
        QObject::connect(m_pPopup, &CCalendarTimePopup::hidingCalendar, q, &QDateTimeEdit::setDate);
        QObject::connect(m_pPopup, &CCalendarTimePopup::activated, q, &QDateTimeEdit::setDate);
        QObject::connect(m_pPopup, &CCalendarTimePopup::activated, m_pPopup, &QWidget::close);
        // The drop-down button is drawn pressed while the pop-up is open.
        QObject::connect(m_pPopup, &CCalendarTimePopup::resetButton, q, QOverload<>::of(&QWidget::update));
    }
    m_pPopup->SetDateRange(q->minimumDate(), q->maximumDate());
    m_pPopup->SetDate(q->date());
    ShowPopupUnder(m_pPopup, q);
}

CYearMonthDayEdit::CYearMonthDayEdit(QWidget* pParent)
    : CYearMonthDayEdit(*new CYearMonthDayEditPrivate, QDate::currentDate(), pParent)
{
}

CYearMonthDayEdit::CYearMonthDayEdit(const QDate& date, QWidget* pParent)
    : CYearMonthDayEdit(*new CYearMonthDayEditPrivate, date, pParent)
{
}

CYearMonthDayEdit::CYearMonthDayEdit(CYearMonthDayEditPrivate& dd, const QDate& date, QWidget* pParent)
    : QDateEdit(date, pParent)
    , d_ptr(&dd)
{
    Q_D(CYearMonthDayEdit);
    d->q_ptr = this;
    setCalendarPopup(true);
}

CYearMonthDayEdit::~CYearMonthDayEdit() = default;

void CYearMonthDayEdit::mousePressEvent(QMouseEvent* pEvent)
{
    // Any press opens the toolkit's pop-up in place of the field's own
    // calendar or stepping.
    pEvent->accept();
    d_func()->ShowPopup();
}

} // namespace OrvaGUIToolkit

#include "OrvaGUIToolkit/Calendar/moc_YearMonthDayEdit.cpp"
