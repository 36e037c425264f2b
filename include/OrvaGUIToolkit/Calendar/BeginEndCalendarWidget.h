#ifndef ORVAGUITOOLKIT_CALENDAR_BEGINENDCALENDARWIDGET_H
#define ORVAGUITOOLKIT_CALENDAR_BEGINENDCALENDARWIDGET_H

#include <OrvaGUIToolkit/OrvaGUIToolkitGlobal.h>

#include <QtCore/QDateTime>
#include <QtWidgets/QWidget>

#include <memory>

namespace OrvaGUIToolkit {

class CBeginEndCalendarWidgetPrivate;

// The "from ... to ..." panel of the search forms: a "Begin" and an "End"
// side, each with a month navigation bar, a month table, a day calendar and a
// time row, over a "Today" line and a "Confirm" button. The calendar flags
// choose what is shown and what confirming reports: with times a begin and end
// date-time, else with the day calendars a pair of days, else with the month
// tables the first day of the begin month and the last day of the end month.
// A begin after the end (or equal to it, with times) is refused with a notice
// at the bottom right of the screen.
//
// Style sheets address the panel as "CBeginEndCalendarWidgetClassUi"; per side
// "m_pBeginHeader" ("m_pBeginLabel", "m_pNavBarFrame" with "m_pPrevMonthBegin",
// "m_pMonthLabelBegin", "m_pNextMonthBegin"), "m_pBeginMonthTableWidget",
// "m_pBeginCalendarWidget", "m_pBeginTimeBgFrame" ("m_pBeginTimeLabel",
// "m_pBeginTimeEdit"), and the End counterparts ("m_pNavBarFrame_2");
// under both sides "m_pLabelToday" and "m_pConfirmBtn".
class ORVAGUITOOLKIT_EXPORT CBeginEndCalendarWidget : public QWidget
{
    Q_OBJECT
    Q_DECLARE_PRIVATE(CBeginEndCalendarWidget)

public:
    enum CalendarFlag { TimeFlag = 1, DayFlag = 2, MonthFlag = 4 };
    Q_DECLARE_FLAGS(CalendarFlags, CalendarFlag)
    Q_FLAG(CalendarFlags)

    // Day calendars only.
    explicit CBeginEndCalendarWidget(QWidget* pParent = nullptr, Qt::WindowFlags enumFlags = Qt::WindowFlags());
    // Day calendars, with the time rows when bShowTime is set.
    CBeginEndCalendarWidget(QWidget* pParent, bool bShowTime, Qt::WindowFlags enumFlags = Qt::WindowFlags());
    ~CBeginEndCalendarWidget() override;

    void SetCalendarFlag(QFlags<CalendarFlag> enumFlags);
    QFlags<CalendarFlag> GetCalendarFlag() const;

    // Shows a range on the two sides. Confirming the same days again reports
    // nothing (without times).
    void SetDate(const QDate& dtBegin, const QDate& dtEnd);
    void SetDateTime(const QDateTime& dtBegin, const QDateTime& dtEnd);
    // Bounds of the selectable days of both calendars.
    void SetDateRange(const QDate& dtMin, const QDate& dtMax);
    void SetDateTimeRange(const QDateTime& dtMin, const QDateTime& dtMax);

Q_SIGNALS:
    void SignalDateTimeChanged(QDateTime dtBegin, QDateTime dtEnd);
    void SignalDateChanged(QDate dtBegin, QDate dtEnd);
    // The confirm button was clicked, whatever confirming decided.
    void SignalClickedConfirmBtn();

public Q_SLOTS:
    void OnClickedTimeEdit();
    void OnHidePopupTimeWnd();
    void OnClickedConfirmBtn();
    void OnPrevMonthClicked();
    void OnNextMonthClicked();
    void OnBeginSelectionChanged();
    void OnEndSelectionChanged();

protected:
    CBeginEndCalendarWidget(CBeginEndCalendarWidgetPrivate& dd, QWidget* pParent, bool bShowTime,
                            Qt::WindowFlags enumFlags);
    void mousePressEvent(QMouseEvent* pEvent) override;
    void hideEvent(QHideEvent* pEvent) override;

    const std::unique_ptr<CBeginEndCalendarWidgetPrivate> d_ptr;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(CBeginEndCalendarWidget::CalendarFlags)

} // namespace OrvaGUIToolkit

#endif
