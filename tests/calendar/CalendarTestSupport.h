#ifndef ORVATESTS_CALENDARTESTSUPPORT_H
#define ORVATESTS_CALENDARTESTSUPPORT_H

#include "calendar/CalendarModel.h"

#include <QtGui/QMouseEvent>
#include <QtGui/QWheelEvent>
#include <QtWidgets/QApplication>
#include <QtWidgets/QTableView>

namespace CalendarTest {

// Mouse events go straight to the viewport, with the buttons held during a
// move spelled out (QTest's mouseMove carries none).
inline void SendMouse(QWidget* pTarget, QEvent::Type enumType, const QPoint& point,
                      Qt::MouseButton enumButton = Qt::LeftButton, Qt::MouseButtons enumButtons = Qt::LeftButton)
{
    QMouseEvent event(enumType, QPointF(point), QPointF(pTarget->mapToGlobal(point)), enumButton, enumButtons,
                      Qt::NoModifier);
    QApplication::sendEvent(pTarget, &event);
}

inline QPoint CellCenter(const QTableView* pView, const QDate& date)
{
    const auto* pModel = qobject_cast<const OrvaGUIToolkit::CCalendarModel*>(pView->model());
    int iRow = -1;
    int iColumn = -1;
    pModel->CellForDate(date, &iRow, &iColumn);
    return pView->visualRect(pModel->index(iRow, iColumn)).center();
}

inline void Click(QTableView* pView, const QDate& date)
{
    const QPoint point = CellCenter(pView, date);
    SendMouse(pView->viewport(), QEvent::MouseButtonPress, point);
    SendMouse(pView->viewport(), QEvent::MouseButtonRelease, point, Qt::LeftButton, Qt::NoButton);
}

// Presses on the first date, moves over the others and releases on the last.
inline void Drag(QTableView* pView, const QList<QDate>& listDates)
{
    SendMouse(pView->viewport(), QEvent::MouseButtonPress, CellCenter(pView, listDates.first()));
    for (const QDate& date : listDates)
        SendMouse(pView->viewport(), QEvent::MouseMove, CellCenter(pView, date), Qt::NoButton, Qt::LeftButton);
    SendMouse(pView->viewport(), QEvent::MouseButtonRelease, CellCenter(pView, listDates.last()), Qt::LeftButton,
              Qt::NoButton);
}

inline void Wheel(QTableView* pView, int iDelta)
{
    const QPointF point = pView->viewport()->rect().center();
    QWheelEvent event(point, pView->viewport()->mapToGlobal(point.toPoint()), QPoint(), QPoint(0, iDelta),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(pView->viewport(), &event);
}

// The dates of the selected cells, in date order.
inline QList<QDate> SelectedDates(const QTableView* pView)
{
    const auto* pModel = qobject_cast<const OrvaGUIToolkit::CCalendarModel*>(pView->model());
    QList<QDate> listDates;
    for (const QModelIndex& miIndex : pView->selectionModel()->selectedIndexes())
        listDates << pModel->DateForCell(miIndex.row(), miIndex.column());
    std::sort(listDates.begin(), listDates.end());
    return listDates;
}

// ISO text; years past 9999 (which ISO text leaves empty) keep all their digits.
inline QString DateText(const QDate& date)
{
    if (date.year() > 9999)
        return QStringLiteral("%1-%2-%3")
            .arg(date.year())
            .arg(date.month(), 2, 10, QLatin1Char('0'))
            .arg(date.day(), 2, 10, QLatin1Char('0'));
    return date.toString(Qt::ISODate);
}

} // namespace CalendarTest

#endif
