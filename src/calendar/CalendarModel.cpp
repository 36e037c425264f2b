#include "CalendarModel.h"

#include <QtGui/QGuiApplication>
#include <QtGui/QPalette>
#include <QtWidgets/QWidget>

namespace OrvaGUIToolkit {

namespace {

constexpr int s_iWeekRows = 6;
constexpr int s_iDaysPerWeek = 7;

} // namespace

CCalendarModel::CCalendarModel(QObject* pParent)
    : QAbstractTableModel(pParent)
    , m_date(QDate::currentDate())
    , m_dateMin(QDate::fromJulianDay(1))
    , m_dateMax(7999, 12, 31)
    , m_iShownYear(m_date.year())
    , m_iShownMonth(m_date.month())
    , m_dateSelBegin(m_date)
    , m_dateSelEnd(m_date)
{
}

void CCalendarModel::SetView(QWidget* pView)
{
    m_pView = pView;
}

Qt::DayOfWeek CCalendarModel::DayOfWeekForColumn(int iColumn) const
{
    const int iOffset = iColumn - s_iFirstColumn;
    if (iOffset < 0 || iOffset >= s_iDaysPerWeek)
        return Qt::Sunday;
    int iDay = m_enumFirstDay + iOffset;
    if (iDay > s_iDaysPerWeek)
        iDay -= s_iDaysPerWeek;
    return static_cast<Qt::DayOfWeek>(iDay);
}

int CCalendarModel::ColumnForDayOfWeek(Qt::DayOfWeek enumDay) const
{
    if (enumDay < Qt::Monday || enumDay > Qt::Sunday)
        return -1;
    int iOffset = enumDay - m_enumFirstDay;
    if (iOffset < 0)
        iOffset += s_iDaysPerWeek;
    return iOffset + s_iFirstColumn;
}

QDate CCalendarModel::ReferenceDate() const
{
    for (int iDay = 1; iDay <= 31; ++iDay) {
        const QDate date(m_iShownYear, m_iShownMonth, iDay);
        if (date.isValid())
            return date;
    }
    return QDate();
}

int CCalendarModel::FirstDayColumn(const QDate& date) const
{
    // Step back (day - 1) columns from the date's own column; the added 8
    // (one week and the first day) keeps the sum positive before the modulo.
    return (ColumnForDayOfWeek(static_cast<Qt::DayOfWeek>(date.dayOfWeek())) - date.day() % s_iDaysPerWeek + 8)
        % s_iDaysPerWeek;
}

QDate CCalendarModel::DateForCell(int iRow, int iColumn) const
{
    if (iRow < m_iFirstRow || iRow > m_iFirstRow + s_iWeekRows - 1 || iColumn < s_iFirstColumn
        || iColumn > s_iFirstColumn + s_iDaysPerWeek - 1)
        return QDate();
    const QDate dateRef = ReferenceDate();
    if (!dateRef.isValid())
        return QDate();
    const int iFirstColumn = FirstDayColumn(dateRef);
    // A month that begins in the first column is pushed down one row, so the
    // grid always opens with days of the previous month.
    if (iFirstColumn - s_iFirstColumn < 1)
        --iRow;
    const int iOffset = s_iDaysPerWeek * (iRow - m_iFirstRow) + iColumn - iFirstColumn - dateRef.day() + 1;
    const QDate date = dateRef.addDays(iOffset);
    if (!m_bOtherDayShown && date.month() != m_iShownMonth)
        return QDate();
    return date;
}

void CCalendarModel::CellForDate(const QDate& date, int* pRow, int* pColumn) const
{
    if (!pRow && !pColumn)
        return;
    if (pRow)
        *pRow = -1;
    if (pColumn)
        *pColumn = -1;
    const QDate dateRef = ReferenceDate();
    if (!dateRef.isValid() || !date.isValid())
        return;
    const int iFirstColumn = FirstDayColumn(dateRef);
    const qint64 iPosition = dateRef.daysTo(date) - s_iFirstColumn + iFirstColumn + dateRef.day() - 1;
    qint64 iColumn = iPosition % s_iDaysPerWeek;
    qint64 iRow = iPosition / s_iDaysPerWeek;
    if (iColumn < 0) {
        iColumn += s_iDaysPerWeek;
        iRow -= 1;
    }
    if (iFirstColumn - s_iFirstColumn < 1)
        iRow += 1;
    if (iRow < 0 || iRow >= s_iWeekRows || iColumn < 0 || iColumn >= s_iDaysPerWeek)
        return;
    if (pRow)
        *pRow = static_cast<int>(iRow) + m_iFirstRow;
    if (pColumn)
        *pColumn = static_cast<int>(iColumn) + s_iFirstColumn;
}

QDate CCalendarModel::GetDate() const
{
    return m_date;
}

void CCalendarModel::SetDate(const QDate& date)
{
    if (!date.isValid() || date == m_date)
        return;
    // A request past a bound is answered with the bound, and reported even
    // when the bound already was the date: the caller asked for a change.
    m_date = qBound(m_dateMin, date, m_dateMax);
    m_dateSelBegin = m_date;
    m_dateSelEnd = m_date;
    Q_EMIT SignalDateChanged(m_date, m_date);
}

QDate CCalendarModel::GetSelectedBegin() const
{
    return m_dateSelBegin;
}

QDate CCalendarModel::GetSelectedEnd() const
{
    return m_dateSelEnd;
}

void CCalendarModel::SetSelectedRange(const QDate& dtBegin, const QDate& dtEnd)
{
    if (dtBegin == m_dateSelBegin && dtEnd == m_dateSelEnd)
        return;
    m_dateSelBegin = dtBegin;
    m_dateSelEnd = dtEnd;
    Q_EMIT SignalDateChanged(dtBegin, dtEnd);
}

int CCalendarModel::GetShownYear() const
{
    return m_iShownYear;
}

int CCalendarModel::GetShownMonth() const
{
    return m_iShownMonth;
}

void CCalendarModel::ShowMonth(int iYear, int iMonth)
{
    if (iYear == m_iShownYear && iMonth == m_iShownMonth)
        return;
    m_iShownYear = iYear;
    m_iShownMonth = iMonth;
    InternalUpdate();
}

QDate CCalendarModel::GetMinimumDate() const
{
    return m_dateMin;
}

QDate CCalendarModel::GetMaximumDate() const
{
    return m_dateMax;
}

void CCalendarModel::SetMinimumDate(const QDate& date)
{
    if (!date.isValid() || date == m_dateMin)
        return;
    m_dateMin = date;
    if (m_dateMax < date)
        m_dateMax = date;
    if (m_date < date)
        m_date = date;
    InternalUpdate();
}

void CCalendarModel::SetMaximumDate(const QDate& date)
{
    if (!date.isValid() || date == m_dateMax)
        return;
    m_dateMax = date;
    if (m_dateMin > date)
        m_dateMin = date;
    if (m_date > date)
        m_date = date;
    InternalUpdate();
}

void CCalendarModel::SetRange(const QDate& dtMin, const QDate& dtMax)
{
    m_dateMin = qMin(dtMin, dtMax);
    m_dateMax = qMax(dtMin, dtMax);
    m_date = qBound(m_dateMin, m_date, m_dateMax);
    InternalUpdate();
}

struCalendarData::HorizontalHeaderFormat CCalendarModel::GetHorizontalHeaderFormat() const
{
    return m_enumHeaderFormat;
}

void CCalendarModel::SetHorizontalHeaderFormat(struCalendarData::HorizontalHeaderFormat enumFormat)
{
    if (enumFormat == m_enumHeaderFormat)
        return;
    const bool bHadHeader = m_enumHeaderFormat != struCalendarData::NoHorizontalHeader;
    m_enumHeaderFormat = enumFormat;
    if (!bHadHeader) {
        beginInsertRows(QModelIndex(), 0, 0);
        m_iFirstRow = 1;
        endInsertRows();
    } else if (enumFormat == struCalendarData::NoHorizontalHeader) {
        beginRemoveRows(QModelIndex(), 0, 0);
        m_iFirstRow = 0;
        endRemoveRows();
    }
    InternalUpdate();
}

int CCalendarModel::GetFirstRow() const
{
    return m_iFirstRow;
}

Qt::DayOfWeek CCalendarModel::FirstColumnDay() const
{
    return m_enumFirstDay;
}

void CCalendarModel::SetFirstColumnDay(Qt::DayOfWeek enumDay)
{
    if (enumDay == m_enumFirstDay || enumDay < Qt::Monday || enumDay > Qt::Sunday)
        return;
    m_enumFirstDay = enumDay;
    InternalUpdate();
}

bool CCalendarModel::IsOtherDayShown() const
{
    return m_bOtherDayShown;
}

void CCalendarModel::SetOtherDayShown(bool bShown)
{
    m_bOtherDayShown = bShown;
}

QTextCharFormat CCalendarModel::GetHeaderFormat() const
{
    return m_formatHeader;
}

void CCalendarModel::SetHeaderFormat(const QTextCharFormat& format)
{
    m_formatHeader = format;
}

QTextCharFormat CCalendarModel::GetDayFormat(Qt::DayOfWeek enumDay) const
{
    return m_mapDayFormats.value(enumDay);
}

void CCalendarModel::SetDayFormat(Qt::DayOfWeek enumDay, const QTextCharFormat& format)
{
    m_mapDayFormats.insert(enumDay, format);
}

QMap<QDate, QTextCharFormat> CCalendarModel::GetDateFormats() const
{
    return m_mapDateFormats;
}

QTextCharFormat CCalendarModel::GetDateFormat(const QDate& date) const
{
    return m_mapDateFormats.value(date);
}

void CCalendarModel::SetDateFormat(const QDate& date, const QTextCharFormat& format)
{
    m_mapDateFormats.insert(date, format);
}

void CCalendarModel::ClearDateFormats()
{
    m_mapDateFormats.clear();
}

int CCalendarModel::rowCount(const QModelIndex& /*miParent*/) const
{
    return m_iFirstRow + s_iWeekRows;
}

int CCalendarModel::columnCount(const QModelIndex& /*miParent*/) const
{
    return s_iFirstColumn + s_iDaysPerWeek;
}

bool CCalendarModel::IsHeaderCell(int iRow) const
{
    return m_enumHeaderFormat != struCalendarData::NoHorizontalHeader && iRow == 0;
}

QString CCalendarModel::DayName(Qt::DayOfWeek enumDay) const
{
    const QLocale locale = m_pView ? m_pView->locale() : QLocale();
    const QString strName = locale.standaloneDayName(enumDay, QLocale::NarrowFormat);
    // Where the narrow name is an abbreviation rather than a letter the
    // standalone and in-sentence forms agree; one character fits the cell.
    if (strName == locale.dayName(enumDay, QLocale::NarrowFormat))
        return strName.left(1);
    return strName;
}

QTextCharFormat CCalendarModel::FormatForCell(int iRow, int iColumn) const
{
    QPalette::ColorGroup enumGroup = QPalette::Active;
    if (m_pView && !m_pView->isEnabled())
        enumGroup = QPalette::Disabled;
    else if (m_pView && !m_pView->isActiveWindow())
        enumGroup = QPalette::Inactive;
    const QPalette palette = m_pView ? m_pView->palette() : QGuiApplication::palette();

    QTextCharFormat format;
    format.setFont(m_pView ? m_pView->font() : QGuiApplication::font());
    const bool bHeader = IsHeaderCell(iRow);
    format.setBackground(palette.brush(enumGroup, bHeader ? QPalette::AlternateBase : QPalette::Base));
    format.setForeground(palette.brush(enumGroup, QPalette::Text));
    if (bHeader)
        format.merge(m_formatHeader);
    if (iColumn >= s_iFirstColumn && iColumn < s_iFirstColumn + s_iDaysPerWeek) {
        const auto it = m_mapDayFormats.constFind(DayOfWeekForColumn(iColumn));
        if (it != m_mapDayFormats.constEnd())
            format.merge(*it);
    }
    if (!bHeader) {
        // A hidden day of another month has no date: it is painted like a
        // day out of range and of another month.
        const QDate date = DateForCell(iRow, iColumn);
        format.merge(m_mapDateFormats.value(date));
        if (!date.isValid() || date < m_dateMin || date > m_dateMax)
            format.setBackground(palette.brush(enumGroup, QPalette::Window));
        if (!date.isValid() || date.month() != m_iShownMonth)
            format.setForeground(palette.brush(QPalette::Disabled, QPalette::Text));
    }
    return format;
}

QVariant CCalendarModel::data(const QModelIndex& miIndex, int iRole) const
{
    if (!miIndex.isValid())
        return QVariant();
    const int iRow = miIndex.row();
    const int iColumn = miIndex.column();
    switch (iRole) {
    case Qt::TextAlignmentRole:
        return static_cast<int>(Qt::AlignCenter);
    case Qt::DisplayRole: {
        if (IsHeaderCell(iRow) && iColumn >= s_iFirstColumn && iColumn < s_iFirstColumn + s_iDaysPerWeek) {
            if (m_enumHeaderFormat == struCalendarData::NarrowDayNames)
                return DayName(DayOfWeekForColumn(iColumn));
            return QString();
        }
        const QDate date = DateForCell(iRow, iColumn);
        return date.isValid() ? QString::number(date.day()) : QString();
    }
    case Qt::ToolTipRole:
        return FormatForCell(iRow, iColumn).toolTip();
    case Qt::FontRole:
        return FormatForCell(iRow, iColumn).font();
    case Qt::BackgroundRole:
        return FormatForCell(iRow, iColumn).background().color();
    case Qt::ForegroundRole:
        return FormatForCell(iRow, iColumn).foreground().color();
    default:
        return QVariant();
    }
}

Qt::ItemFlags CCalendarModel::flags(const QModelIndex& miIndex) const
{
    const QDate date = DateForCell(miIndex.row(), miIndex.column());
    if (date.isValid() && (date < m_dateMin || date > m_dateMax))
        return Qt::NoItemFlags;
    return QAbstractTableModel::flags(miIndex);
}

bool CCalendarModel::insertRows(int iRow, int iCount, const QModelIndex& miParent)
{
    if (iRow < 0 || iCount < 1)
        return false;
    beginInsertRows(miParent, iRow, iRow + iCount - 1);
    endInsertRows();
    return true;
}

bool CCalendarModel::removeRows(int iRow, int iCount, const QModelIndex& miParent)
{
    if (iRow < 0 || iCount < 1)
        return false;
    beginRemoveRows(miParent, iRow, iRow + iCount - 1);
    endRemoveRows();
    return true;
}

bool CCalendarModel::insertColumns(int iColumn, int iCount, const QModelIndex& miParent)
{
    if (iColumn < 0 || iCount < 1)
        return false;
    beginInsertColumns(miParent, iColumn, iColumn + iCount - 1);
    endInsertColumns();
    return true;
}

bool CCalendarModel::removeColumns(int iColumn, int iCount, const QModelIndex& miParent)
{
    if (iColumn < 0 || iCount < 1)
        return false;
    beginRemoveColumns(miParent, iColumn, iColumn + iCount - 1);
    endRemoveColumns();
    return true;
}

void CCalendarModel::InternalUpdate()
{
    const int iLastRow = m_iFirstRow + s_iWeekRows - 1;
    const int iLastColumn = s_iFirstColumn + s_iDaysPerWeek - 1;
    Q_EMIT dataChanged(index(0, 0), index(iLastRow, iLastColumn));
    Q_EMIT headerDataChanged(Qt::Vertical, 0, iLastRow);
    Q_EMIT headerDataChanged(Qt::Horizontal, 0, iLastColumn);
}

} // namespace OrvaGUIToolkit

#include "moc_CalendarModel.cpp"
