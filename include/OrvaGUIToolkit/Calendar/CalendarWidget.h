#ifndef ORVAGUITOOLKIT_CALENDAR_CALENDARWIDGET_H
#define ORVAGUITOOLKIT_CALENDAR_CALENDARWIDGET_H

#include <OrvaGUIToolkit/Calendar/CalendarData.h>

#include <QtCore/QDate>
#include <QtCore/QMap>
#include <QtGui/QColor>
#include <QtGui/QPixmap>
#include <QtGui/QTextCharFormat>
#include <QtWidgets/QFrame>

#include <memory>

QT_BEGIN_NAMESPACE
class QModelIndex;
class QPainter;
class QStyleOptionViewItem;
QT_END_NAMESPACE

namespace OrvaGUIToolkit {

class CCalendarWidgetPrivate;

// The month calendar: a navigation bar that steps months and years over a
// six-week grid of day cells. The operator picks one day, or drags over a run
// of days in MultiSelection mode. Days can carry a coloured corner flag (a day
// mark) that tells at a glance which days hold data, and the selectable range
// can be bounded: days outside it are dimmed and refuse clicks, and the
// navigation buttons stop at the bounds.
//
// Style sheets address the widget as "CCalendarWidgetUi" and its parts by
// object name: "m_pNavBarFrame" holds "m_pPrevMonth", "m_pMonthLabel",
// "m_pNextMonth", "m_pPrevYear", "m_pYearLabel" and "m_pNextYear"; the grid is
// "m_pView". The pictures behind the day-name row are the properties
// m_pixLeftWeek (first cell), m_pixMidWeek and m_pixRightWeek (last cell).
// Month and day names follow the widget's locale, which starts as the
// toolkit's GUI locale (GetGuiLocale()).
class ORVAGUITOOLKIT_EXPORT CCalendarWidget : public QFrame
{
    Q_OBJECT
    Q_DECLARE_PRIVATE(CCalendarWidget)
    Q_PROPERTY(QDate GetSelectedDate READ GetSelectedDate)
    Q_PROPERTY(QDate GetMinimumDate READ GetMinimumDate)
    Q_PROPERTY(QDate GetMaximumDate READ GetMaximumDate)
    Q_PROPERTY(Qt::DayOfWeek GetFirstDayOfWeek READ GetFirstDayOfWeek)
    Q_PROPERTY(SelectionMode GetSelectionMode READ GetSelectionMode)
    Q_PROPERTY(QPixmap m_pixLeftWeek READ GetLeftWeekPixmap WRITE SetLeftWeekPixmap)
    Q_PROPERTY(QPixmap m_pixMidWeek READ GetMidWeekPixmap WRITE SetMidWeekPixmap)
    Q_PROPERTY(QPixmap m_pixRightWeek READ GetRightWeekPixmap WRITE SetRightWeekPixmap)

public:
    // The same numbers as the item views' selection modes.
    enum SelectionMode { NoSelection = 0, SingleSelection = 1, MultiSelection = 2 };
    Q_ENUM(SelectionMode)

    explicit CCalendarWidget(QWidget* pParent = nullptr);
    ~CCalendarWidget() override;

    // The selected day, and the selected range (stored as given: a drag
    // delivers it ordered, SetSelectedDate(dtBegin, dtEnd) as passed).
    QDate GetSelectedDate() const;
    void GetSelectedDate(QDate& dtBegin, QDate& dtEnd) const;
    // Selects one day, clamped into the bounds, and shows its month. Invalid
    // dates are ignored.
    void SetSelectedDate(const QDate& date);
    // Selects a range of days. The range is kept only when dtBegin already is
    // the selected day; otherwise dtBegin alone becomes the selection.
    void SetSelectedDate(const QDate& dtBegin, const QDate& dtEnd);

    QDate GetMinimumDate() const;
    QDate GetMaximumDate() const;
    // Bounds of the selectable days. A minimum after the maximum moves the
    // maximum along (and the other way round); SetDateRange() swaps a reversed
    // pair. A selected day outside the new bounds is moved into them.
    void SetMinimumDate(const QDate& date);
    void SetMaximumDate(const QDate& date);
    void SetDateRange(const QDate& dtMin, const QDate& dtMax);

    SelectionMode GetSelectionMode() const;
    void SetSelectionMode(SelectionMode enumMode);

    int GetYearShown() const;
    int GetMonthShown() const;
    // Shows a month and keeps the day of the current cell (lowered to the
    // month's length). Months outside the bounds may be shown; their days are
    // disabled.
    void SetCurrentYearMonth(int iYear, int iMonth);
    void ShowNextMonth();
    void ShowPreviousMonth();
    void ShowNextYear();
    void ShowPreviousYear();

    Qt::DayOfWeek GetFirstDayOfWeek() const;
    void SetFirstDayOfWeek(Qt::DayOfWeek enumDay);
    struCalendarData::HorizontalHeaderFormat GetHorizontalHeaderFormat() const;
    void SetHorizontalHeaderFormat(struCalendarData::HorizontalHeaderFormat enumFormat);
    // Whether the leading and trailing days of the neighbouring months show
    // their numbers (they are dimmed either way).
    bool IsOtherDayShown() const;
    void SetOtherDayShown(bool bShown);
    // The navigation bar.
    bool IsHeaderVisible() const;
    void SetHeaderVisible(bool bVisible);

    // Text formats merged into the cells: the day-name row, one weekday's
    // column (Saturday and Sunday start red), one date. A null date passed to
    // SetDateTextFormat() clears every per-date format.
    QTextCharFormat GetHeaderTextFormat() const;
    void SetHeaderTextFormat(const QTextCharFormat& format);
    QTextCharFormat GetWeekdayTextFormat(Qt::DayOfWeek enumDay) const;
    void SetWeekdayTextFormat(Qt::DayOfWeek enumDay, const QTextCharFormat& format);
    QMap<QDate, QTextCharFormat> GetDateTextFormat() const;
    QTextCharFormat GetDateTextFormat(const QDate& date) const;
    void SetDateTextFormat(const QDate& date, const QTextCharFormat& format);

    QPixmap GetLeftWeekPixmap() const;
    void SetLeftWeekPixmap(const QPixmap& pixmap);
    QPixmap GetMidWeekPixmap() const;
    void SetMidWeekPixmap(const QPixmap& pixmap);
    QPixmap GetRightWeekPixmap() const;
    void SetRightWeekPixmap(const QPixmap& pixmap);

    // Day marks: at most one colour per date, painted as a triangle in the
    // cell's bottom-right corner. Marking a marked date replaces its colour.
    void SetDayMarkColor(const QDate& date, const QColor& color);
    void RemoveDayMark(const QDate& date);
    void RemoveAllDayMarkByColor(const QColor& color);
    void ClearAllDayMark();
    // The mark colour of a date; an invalid colour when the date has no mark.
    QColor GetColorByTickType(const QDate& date) const;

    // Paints the day mark and the day-name row over a cell the grid has
    // already painted. Override it to draw more on the cells.
    virtual void paintCell(QPainter* pPainter, const QStyleOptionViewItem& option, const QModelIndex& index) const;

Q_SIGNALS:
    // The selected day changed through the user or SetSelectedDate().
    void SignalSelectionChanged();
    void SignalClicked(QDate date);
    // The selected day or range changed; a single day comes as (day, day).
    void SignalDateChanged(QDate dtBegin, QDate dtEnd);
    void SignalYearMonthChanged(int iYear, int iMonth);
    void SignalEnterCalendar();

public Q_SLOTS:
    void OnShowDate(QDate date);
    void OnChangeDate(QDate date, bool bMultiSelectedDate);
    void OnSelectDate(QDate dtBegin, QDate dtEnd);
    void OnPrevMonthClicked();
    void OnNextMonthClicked();
    void OnPrevYearClicked();
    void OnNextYearClicked();

protected:
    CCalendarWidget(CCalendarWidgetPrivate& dd, QWidget* pParent);
    void changeEvent(QEvent* pEvent) override;

    const std::unique_ptr<CCalendarWidgetPrivate> d_ptr;
};

} // namespace OrvaGUIToolkit

#endif
