#ifndef ORVAGUITOOLKIT_CALENDAR_CALENDARMODEL_H
#define ORVAGUITOOLKIT_CALENDAR_CALENDARMODEL_H

#include <OrvaGUIToolkit/Calendar/CalendarData.h>

#include <QtCore/QAbstractTableModel>
#include <QtCore/QDate>
#include <QtCore/QMap>
#include <QtCore/QPointer>
#include <QtGui/QTextCharFormat>

QT_BEGIN_NAMESPACE
class QWidget;
QT_END_NAMESPACE

namespace OrvaGUIToolkit {

// The day cells of the month calendar: a grid of six week rows of seven days,
// under an optional row of day names, mapped to the dates around the month on
// display. The grid always starts with at least one day of the previous month,
// so a month that begins in the first column starts on the second week row.
//
// The model also keeps the calendar's state: the selected date and range, the
// selectable bounds and the text formats the cells are painted with.
class CCalendarModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit CCalendarModel(QObject* pParent = nullptr);

    // The widget whose palette, font, locale and enabled/active state the
    // cells take; not owned.
    void SetView(QWidget* pView);

    // Grid geometry. Weekdays run 1 = Monday .. 7 = Sunday.
    Qt::DayOfWeek DayOfWeekForColumn(int iColumn) const;
    int ColumnForDayOfWeek(Qt::DayOfWeek enumDay) const;
    // The first valid date of the month on display.
    QDate ReferenceDate() const;
    // The date of a cell; invalid outside the week rows, and for days of the
    // neighbouring months while those are hidden.
    QDate DateForCell(int iRow, int iColumn) const;
    // The cell of a date, or -1 in each present output when the date lies
    // outside the grid.
    void CellForDate(const QDate& date, int* pRow, int* pColumn) const;

    QDate GetDate() const;
    // Selects one day, clamped into the bounds; the range becomes that day.
    void SetDate(const QDate& date);
    QDate GetSelectedBegin() const;
    QDate GetSelectedEnd() const;
    // Stores the range as given (neither ordered nor clamped).
    void SetSelectedRange(const QDate& dtBegin, const QDate& dtEnd);

    int GetShownYear() const;
    int GetShownMonth() const;
    void ShowMonth(int iYear, int iMonth);

    QDate GetMinimumDate() const;
    QDate GetMaximumDate() const;
    // The bound setters keep minimum <= date <= maximum but never announce a
    // date change.
    void SetMinimumDate(const QDate& date);
    void SetMaximumDate(const QDate& date);
    void SetRange(const QDate& dtMin, const QDate& dtMax);

    struCalendarData::HorizontalHeaderFormat GetHorizontalHeaderFormat() const;
    void SetHorizontalHeaderFormat(struCalendarData::HorizontalHeaderFormat enumFormat);
    // Row of the first week: 1 below the day-name row, 0 without it.
    int GetFirstRow() const;
    Qt::DayOfWeek FirstColumnDay() const;
    void SetFirstColumnDay(Qt::DayOfWeek enumDay);
    bool IsOtherDayShown() const;
    void SetOtherDayShown(bool bShown);

    // Text formats; changing them announces nothing, the owner repaints.
    QTextCharFormat GetHeaderFormat() const;
    void SetHeaderFormat(const QTextCharFormat& format);
    QTextCharFormat GetDayFormat(Qt::DayOfWeek enumDay) const;
    void SetDayFormat(Qt::DayOfWeek enumDay, const QTextCharFormat& format);
    QMap<QDate, QTextCharFormat> GetDateFormats() const;
    QTextCharFormat GetDateFormat(const QDate& date) const;
    void SetDateFormat(const QDate& date, const QTextCharFormat& format);
    void ClearDateFormats();

    int rowCount(const QModelIndex& miParent = QModelIndex()) const override;
    int columnCount(const QModelIndex& miParent = QModelIndex()) const override;
    QVariant data(const QModelIndex& miIndex, int iRole) const override;
    Qt::ItemFlags flags(const QModelIndex& miIndex) const override;
    // The grid is computed, not stored: these only announce the change.
    bool insertRows(int iRow, int iCount, const QModelIndex& miParent = QModelIndex()) override;
    bool removeRows(int iRow, int iCount, const QModelIndex& miParent = QModelIndex()) override;
    bool insertColumns(int iColumn, int iCount, const QModelIndex& miParent = QModelIndex()) override;
    bool removeColumns(int iColumn, int iCount, const QModelIndex& miParent = QModelIndex()) override;

Q_SIGNALS:
    void SignalDateChanged(QDate dtBegin, QDate dtEnd);

private:
    // The calendar has no week-number column: day columns start at 0.
    static constexpr int s_iFirstColumn = 0;

    bool IsHeaderCell(int iRow) const;
    // Column of the first of the month that contains date.
    int FirstDayColumn(const QDate& date) const;
    QTextCharFormat FormatForCell(int iRow, int iColumn) const;
    QString DayName(Qt::DayOfWeek enumDay) const;
    // Announces that every cell and header section may have changed.
    void InternalUpdate();

    int m_iFirstRow = 1;
    QDate m_date;
    QDate m_dateMin;
    QDate m_dateMax;
    int m_iShownYear = 0;
    int m_iShownMonth = 0;
    Qt::DayOfWeek m_enumFirstDay = Qt::Sunday;
    struCalendarData::HorizontalHeaderFormat m_enumHeaderFormat = struCalendarData::NarrowDayNames;
    bool m_bOtherDayShown = true;
    QMap<int, QTextCharFormat> m_mapDayFormats;
    QMap<QDate, QTextCharFormat> m_mapDateFormats;
    QTextCharFormat m_formatHeader;
    QPointer<QWidget> m_pView;
    QDate m_dateSelBegin;
    QDate m_dateSelEnd;
};

} // namespace OrvaGUIToolkit

#endif
