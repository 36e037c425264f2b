#ifndef ORVAGUITOOLKIT_CALENDAR_CALENDARWIDGETPRIVATE_H
#define ORVAGUITOOLKIT_CALENDAR_CALENDARWIDGETPRIVATE_H

#include <OrvaGUIToolkit/Calendar/CalendarWidget.h>

#include "CalendarWidgetUi.h"

#include <QtCore/QHash>

QT_BEGIN_NAMESPACE
class QModelIndex;
QT_END_NAMESPACE

namespace OrvaGUIToolkit {

class CCalendarModel;

class CCalendarWidgetPrivate
{
    Q_DECLARE_PUBLIC(CCalendarWidget)

public:
    virtual ~CCalendarWidgetPrivate();

    // Makes the grid's selection show the model's date (or range, in
    // MultiSelection mode).
    void Update();
    // Disables the buttons that would step past the bounds.
    void UpdateBtnState();
    void UpdateButtonIcons();
    void UpdateCell(const QDate& date);
    void UpdateCells();
    // Shows the month of date (clamped into the bounds) with its cell current.
    void UpdateCurrentPage(const QDate& date);
    void UpdateYearMonthLabel();
    void ShowYearMonth(int iYear, int iMonth);
    // The day of the grid's current cell; invalid when that cell has no day.
    QDate GetCurrentDate() const;
    // The day the navigation steps from: the current cell's, or the first of
    // the month on display when the current cell has no day.
    QDate NavigationDate() const;
    QModelIndex IndexForDate(const QDate& date) const;
    // Moves the current cell to date's cell without touching the selection.
    void SetCurrentCell(const QDate& date);
    // Repaints the grid after a format change and refits its rows.
    void RepaintView();
    // After a bound change: follows a selected day the bounds have moved.
    void FollowClampedDate(const QDate& dateBefore);

    CCalendarWidget* q_ptr = nullptr;
    CCalendarWidgetUi m_ui;
    QPixmap m_pixLeftWeek;
    QPixmap m_pixMidWeek;
    QPixmap m_pixRightWeek;
    // One mark colour per date. Marks are looked up for every painted cell,
    // so they are kept by date rather than in insertion order.
    QHash<QDate, QColor> m_hashDayMarks;
    CCalendarModel* m_pModel = nullptr;
};

} // namespace OrvaGUIToolkit

#endif
