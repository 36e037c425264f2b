#include "CalendarView.h"

#include "CalendarModel.h"

#include <QtGui/QMouseEvent>
#include <QtGui/QWheelEvent>
#include <QtWidgets/QHeaderView>

#include <utility>

namespace OrvaGUIToolkit {

CCalendarView::CCalendarView(QWidget* pParent)
    : QTableView(pParent)
{
    setSelectionMode(QAbstractItemView::NoSelection);
    setTabKeyNavigation(false);
    setShowGrid(false);
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void CCalendarView::keyboardSearch(const QString& /*strSearch*/)
{
}

CCalendarModel* CCalendarView::CalendarModel() const
{
    return qobject_cast<CCalendarModel*>(model());
}

QDate CCalendarView::HitDate(const CCalendarModel* pModel, const QPoint& point) const
{
    const QModelIndex miHit = indexAt(point);
    const QDate date = pModel->DateForCell(miHit.row(), miHit.column());
    if (!date.isValid() || date < pModel->GetMinimumDate() || date > pModel->GetMaximumDate())
        return QDate();
    return date;
}

QDate CCalendarView::CurrentDate(const CCalendarModel* pModel) const
{
    const QModelIndex miCurrent = currentIndex();
    const QDate date = pModel->DateForCell(miCurrent.row(), miCurrent.column());
    return date.isValid() ? date : pModel->ReferenceDate();
}

QModelIndex CCalendarView::IndexForDate(const CCalendarModel* pModel, const QDate& date) const
{
    int iRow = -1;
    int iColumn = -1;
    pModel->CellForDate(date, &iRow, &iColumn);
    return pModel->index(iRow, iColumn);
}

QModelIndex CCalendarView::moveCursor(CursorAction enumAction, Qt::KeyboardModifiers enumModifiers)
{
    const CCalendarModel* pModel = CalendarModel();
    if (!pModel)
        return QTableView::moveCursor(enumAction, enumModifiers);
    if (selectionMode() == QAbstractItemView::NoSelection)
        return currentIndex();

    QDate date = CurrentDate(pModel);
    const int iForward = isRightToLeft() ? -1 : 1;
    switch (enumAction) {
    case MoveUp:
        date = date.addDays(-7);
        break;
    case MoveDown:
        date = date.addDays(7);
        break;
    case MoveLeft:
        date = date.addDays(-iForward);
        break;
    case MoveRight:
        date = date.addDays(iForward);
        break;
    case MoveHome:
        date = QDate(date.year(), date.month(), 1);
        break;
    case MoveEnd:
        date = QDate(date.year(), date.month(), date.daysInMonth());
        break;
    case MovePageUp:
        date = date.addMonths(-1);
        break;
    case MovePageDown:
        date = date.addMonths(1);
        break;
    case MoveNext:
    case MovePrevious:
        return currentIndex();
    }
    if (date.isValid())
        Q_EMIT SignalChangeDate(date, true);
    // The widget has moved the current cell in reaction; returning it tells
    // the base view that nothing is left to move or select.
    return currentIndex();
}

void CCalendarView::mousePressEvent(QMouseEvent* pEvent)
{
    const CCalendarModel* pModel = CalendarModel();
    if (!pModel) {
        QTableView::mousePressEvent(pEvent);
        return;
    }
    if (pEvent->button() != Qt::LeftButton || selectionMode() == QAbstractItemView::NoSelection)
        return;

    const QDate date = HitDate(pModel, pEvent->pos());
    if (!date.isValid()) {
        m_miPress = QModelIndex();
        m_enumDragState = DragState::Idle;
        pEvent->ignore();
    } else {
        m_miPress = IndexForDate(pModel, date);
        m_enumDragState = date.month() == pModel->GetShownMonth() ? DragState::SelectingShownMonth
                                                                   : DragState::PressedOtherMonth;
        selectionModel()->setCurrentIndex(m_miPress, QItemSelectionModel::NoUpdate);
    }
    m_miCurrent = m_miPress;
}

void CCalendarView::mouseMoveEvent(QMouseEvent* pEvent)
{
    const CCalendarModel* pModel = CalendarModel();
    if (!pModel || selectionMode() == QAbstractItemView::NoSelection) {
        QTableView::mouseMoveEvent(pEvent);
        return;
    }
    const QDate date = HitDate(pModel, pEvent->pos());
    if (!date.isValid() || date.month() != pModel->GetShownMonth())
        return;

    const QModelIndex miHit = IndexForDate(pModel, date);
    if (m_enumDragState == DragState::SelectingShownMonth && m_miPress.isValid())
        SelectRun(pModel, miHit);
    else
        selectionModel()->setCurrentIndex(miHit, QItemSelectionModel::NoUpdate);

    // The base view still tracks the pointer (entered(), hover), but without
    // the buttons: its own drag selection would toggle cells from a press it
    // never saw.
    const QPoint point = pEvent->pos();
    QMouseEvent hover(QEvent::MouseMove, QPointF(point), QPointF(viewport()->mapToGlobal(point)), Qt::NoButton,
                      Qt::NoButton, pEvent->modifiers());
    QAbstractItemView::mouseMoveEvent(&hover);
}

void CCalendarView::SelectRun(const CCalendarModel* pModel, const QModelIndex& miHit)
{
    const bool bPressFirst = m_miPress.row() <= miHit.row();
    const QModelIndex& miStart = bPressFirst ? m_miPress : miHit;
    const QModelIndex& miEnd = bPressFirst ? miHit : m_miPress;
    const int iLastColumn = pModel->columnCount() - 1;

    QItemSelectionModel* pSelection = selectionModel();
    pSelection->clearSelection();
    for (int iRow = miStart.row(); iRow <= miEnd.row(); ++iRow) {
        int iFrom = iRow == miStart.row() ? miStart.column() : 0;
        int iTo = iRow == miEnd.row() ? miEnd.column() : iLastColumn;
        // A drag back along the press row.
        if (iFrom > iTo)
            std::swap(iFrom, iTo);
        pSelection->select(QItemSelection(pModel->index(iRow, iFrom), pModel->index(iRow, iTo)),
                           QItemSelectionModel::Select);
    }
    // The run's last cell, whichever way the drag went: a release outside
    // the month ends there.
    m_miCurrent = miEnd;
}

void CCalendarView::mouseReleaseEvent(QMouseEvent* pEvent)
{
    const CCalendarModel* pModel = CalendarModel();
    if (!pModel) {
        QTableView::mouseReleaseEvent(pEvent);
        return;
    }
    if (pEvent->button() != Qt::LeftButton || selectionMode() == QAbstractItemView::NoSelection)
        return;

    if (m_enumDragState != DragState::Idle) {
        QDate date = HitDate(pModel, pEvent->pos());
        const QDate datePress = pModel->DateForCell(m_miPress.row(), m_miPress.column());
        // A drag that left the month ends at the later end of its run.
        if (date.isValid() && date.month() != datePress.month())
            date = pModel->DateForCell(m_miCurrent.row(), m_miCurrent.column());
        if (date.isValid()) {
            if (datePress != date && m_miPress.isValid())
                Q_EMIT SignalSelectDate(qMin(datePress, date), qMax(datePress, date));
            else
                Q_EMIT SignalChangeDate(date, selectionModel()->selectedIndexes().size() >= 2);
            Q_EMIT SignalClicked(date);
        }
        m_enumDragState = DragState::Idle;
    } else {
        pEvent->ignore();
    }
    m_miPress = QModelIndex();
}

void CCalendarView::mouseDoubleClickEvent(QMouseEvent* pEvent)
{
    if (!CalendarModel()) {
        QTableView::mouseDoubleClickEvent(pEvent);
        return;
    }
    // The first click of the pair has already chosen the day; the second
    // press must not complete another click on release.
    if (selectionMode() != QAbstractItemView::NoSelection)
        m_enumDragState = DragState::Idle;
}

void CCalendarView::wheelEvent(QWheelEvent* pEvent)
{
    const CCalendarModel* pModel = CalendarModel();
    if (!pModel) {
        QTableView::wheelEvent(pEvent);
        return;
    }
    // One notch (120 eighths of a degree) is one month; turning the wheel
    // away from the user shows earlier months.
    const int iSteps = pEvent->angleDelta().y() / 8 / 15;
    const QDate date = CurrentDate(pModel).addMonths(-iSteps);
    if (date.isValid())
        Q_EMIT SignalShowDate(date);
}

void CCalendarView::enterEvent(EnterEvent* pEvent)
{
    Q_EMIT SignalEnterCalendar();
    QTableView::enterEvent(pEvent);
}

} // namespace OrvaGUIToolkit

#include "moc_CalendarView.cpp"
