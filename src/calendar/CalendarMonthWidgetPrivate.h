#ifndef ORVAGUITOOLKIT_CALENDAR_CALENDARMONTHWIDGETPRIVATE_H
#define ORVAGUITOOLKIT_CALENDAR_CALENDARMONTHWIDGETPRIVATE_H

#include <OrvaGUIToolkit/Calendar/CalendarMonthWidget.h>

namespace OrvaGUIToolkit {

class CCalendarMonthWidgetPrivate
{
    Q_DECLARE_PUBLIC(CCalendarMonthWidget)

public:
    virtual ~CCalendarMonthWidgetPrivate();

    // The first day of the month in a cell of m_iYear; invalid outside the grid.
    QDate DateForCell(int iRow, int iColumn) const;
    // The cell of date's month; -1 in both outputs for an invalid date.
    void CellForDate(const QDate& date, int* pRow, int* pColumn) const;
    // Makes the selection show m_date.
    void Update();

    CCalendarMonthWidget* q_ptr = nullptr;
    // The selected month (its day as given); today at start.
    QDate m_date = QDate::currentDate();
    // The year whose months the cells stand for.
    int m_iYear = QDate::currentDate().year();
};

} // namespace OrvaGUIToolkit

#endif
