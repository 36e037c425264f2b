#include <OrvaGUIToolkit/Calendar/DateTimeEdit.h>

#include <OrvaGUIToolkit/Calendar/ComplexCalendarTimePopup.h>

#include "DateTimeEditPrivate.h"
#include "pickers/PickerPopups.h"

#include <QtGui/QMouseEvent>
#include <QtWidgets/QLineEdit>

namespace OrvaGUIToolkit {

namespace {

QT_WARNING_PUSH
QT_WARNING_DISABLE_DEPRECATED
// The value of the variant constructor: a date alone starts at midnight, a
// time alone on today.
QDateTime DateTimeFromVariant(const QVariant& value, QVariant::Type enumType)
{
    switch (static_cast<int>(enumType)) {
    case QMetaType::QDate:
        return QDateTime(value.toDate(), QTime(0, 0));
    case QMetaType::QTime:
        return QDateTime(QDate::currentDate(), value.toTime());
    default:
        return value.toDateTime();
    }
}
QT_WARNING_POP

} // namespace

CDateTimeEditPrivate::~CDateTimeEditPrivate() = default;

void CDateTimeEditPrivate::ShowPopup()
{
    Q_Q(CDateTimeEdit);
    if (!m_pPopup) {
        m_pPopup = new CComplexCalendarTimePopup(q);
        QObject::connect(m_pPopup, &CCalendarTimeWidget::SignalDateChanged, q, &QDateTimeEdit::setDateTime);
    }
    m_pPopup->SetDateRange(q->minimumDate(), q->maximumDate());
    m_pPopup->SetDateTime(q->dateTime());
    ShowPopupUnder(m_pPopup, q);
}

CDateTimeEdit::CDateTimeEdit(QWidget* pParent)
    : CDateTimeEdit(*new CDateTimeEditPrivate, QDateTime(QDate::currentDate(), QTime(0, 0)), pParent)
{
}

CDateTimeEdit::CDateTimeEdit(const QDateTime& dateTime, QWidget* pParent)
    : CDateTimeEdit(*new CDateTimeEditPrivate, dateTime, pParent)
{
}

CDateTimeEdit::CDateTimeEdit(const QDate& date, QWidget* pParent)
    : CDateTimeEdit(*new CDateTimeEditPrivate, QDateTime(date, QTime(0, 0)), pParent)
{
}

CDateTimeEdit::CDateTimeEdit(const QTime& time, QWidget* pParent)
    : CDateTimeEdit(*new CDateTimeEditPrivate, QDateTime(QDate::currentDate(), time), pParent)
{
}

QT_WARNING_PUSH
QT_WARNING_DISABLE_DEPRECATED
CDateTimeEdit::CDateTimeEdit(const QVariant& value, QVariant::Type enumType, QWidget* pParent)
    : CDateTimeEdit(*new CDateTimeEditPrivate, DateTimeFromVariant(value, enumType), pParent)
{
}
QT_WARNING_POP

CDateTimeEdit::CDateTimeEdit(CDateTimeEditPrivate& dd, const QDateTime& dateTime, QWidget* pParent)
    : QDateTimeEdit(pParent)
    , d_ptr(&dd)
{
    Q_D(CDateTimeEdit);
    d->q_ptr = this;
    setCalendarPopup(true);
    setDisplayFormat(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    setDateTime(dateTime);
}

CDateTimeEdit::~CDateTimeEdit() = default;

void CDateTimeEdit::mousePressEvent(QMouseEvent* pEvent)
{
    // Any press opens the toolkit's pop-up in place of the field's own
    // calendar or stepping; with the calendar pop-up on, the text cursor
    // first goes back to the start.
    if (calendarPopup())
        lineEdit()->setCursorPosition(0);
    pEvent->accept();
    d_func()->ShowPopup();
}

} // namespace OrvaGUIToolkit

#include "OrvaGUIToolkit/Calendar/moc_DateTimeEdit.cpp"
