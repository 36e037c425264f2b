#ifndef ORVAGUITOOLKIT_CALENDAR_CALENDARVIEW_H
#define ORVAGUITOOLKIT_CALENDAR_CALENDARVIEW_H

#include <QtCore/QDate>
#include <QtWidgets/QTableView>

#include <OrvaGUIToolkit/OrvaGUIToolkitGlobal.h>

namespace OrvaGUIToolkit {

class CCalendarModel;

// The grid of the month calendar. It turns clicks, drags, the wheel and the
// arrow keys over a CCalendarModel into date requests; the owning calendar
// widget decides what becomes selected and moves the selection itself. Only
// days within the model's bounds respond; presses elsewhere are ignored so
// that they reach the parent. Over any other model it is a plain table view.
class CCalendarView : public QTableView
{
    Q_OBJECT

public:
    explicit CCalendarView(QWidget* pParent = nullptr);

    // The calendar widget lets the grid recompute its geometry after a month change.
    using QTableView::updateGeometries;

    // Typing does not search the day numbers.
    void keyboardSearch(const QString& strSearch) override;

Q_SIGNALS:
    // The wheel asks to show the month of date.
    void SignalShowDate(QDate date);
    // A click or a key asks to select date; bMultiSelectedDate is set when
    // more than one cell was selected, and for every key move.
    void SignalChangeDate(QDate date, bool bMultiSelectedDate);
    void SignalClicked(QDate date);
    // A drag over the days from dtBegin to dtEnd (dtBegin <= dtEnd) ended.
    void SignalSelectDate(QDate dtBegin, QDate dtEnd);
    void SignalEnterCalendar();

protected:
    QModelIndex moveCursor(CursorAction enumAction, Qt::KeyboardModifiers enumModifiers) override;
    void mousePressEvent(QMouseEvent* pEvent) override;
    void mouseMoveEvent(QMouseEvent* pEvent) override;
    void mouseReleaseEvent(QMouseEvent* pEvent) override;
    void mouseDoubleClickEvent(QMouseEvent* pEvent) override;
    void wheelEvent(QWheelEvent* pEvent) override;
    void enterEvent(EnterEvent* pEvent) override;

private:
    // A press and the drag that may follow it, until the release.
    enum class DragState {
        Idle,                   // no press on a selectable day
        PressedOtherMonth,      // pressed a leading or trailing day: moves only move the current cell
        SelectingShownMonth     // pressed a day of the month on display: moves select a run of days
    };

    CCalendarModel* CalendarModel() const;
    // The selectable day under a viewport position, or an invalid date.
    QDate HitDate(const CCalendarModel* pModel, const QPoint& point) const;
    // The day of the current cell, or the first of the month on display when
    // the current cell carries no day.
    QDate CurrentDate(const CCalendarModel* pModel) const;
    QModelIndex IndexForDate(const CCalendarModel* pModel, const QDate& date) const;
    // Selects the days in reading order from the press cell to miHit.
    void SelectRun(const CCalendarModel* pModel, const QModelIndex& miHit);

    DragState m_enumDragState = DragState::Idle;
    // Cell of the press, and the last cell of the shown month the drag reached.
    QModelIndex m_miPress;
    QModelIndex m_miCurrent;
};

} // namespace OrvaGUIToolkit

#endif
