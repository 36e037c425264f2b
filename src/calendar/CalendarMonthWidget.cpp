#include <OrvaGUIToolkit/Calendar/CalendarMonthWidget.h>

#include "CalendarMonthWidgetPrivate.h"

#include <QtGui/QMouseEvent>
#include <QtWidgets/QHeaderView>

namespace OrvaGUIToolkit {

namespace {

constexpr int s_iRows = 2;
constexpr int s_iColumns = 6;
constexpr int s_iColumnWidth = 31;

} // namespace

CCalendarMonthWidgetPrivate::~CCalendarMonthWidgetPrivate() = default;

QDate CCalendarMonthWidgetPrivate::DateForCell(int iRow, int iColumn) const
{
    if (iRow < 0 || iRow >= s_iRows || iColumn < 0 || iColumn >= s_iColumns)
        return QDate();
    return QDate(m_iYear, iRow * s_iColumns + iColumn + 1, 1);
}

void CCalendarMonthWidgetPrivate::CellForDate(const QDate& date, int* pRow, int* pColumn) const
{
    if (!pRow || !pColumn)
        return;
    if (!date.isValid()) {
        *pRow = -1;
        *pColumn = -1;
        return;
    }
    *pRow = (date.month() - 1) / s_iColumns;
    *pColumn = (date.month() - 1) % s_iColumns;
}

void CCalendarMonthWidgetPrivate::Update()
{
    Q_Q(CCalendarMonthWidget);
    if (q->selectionMode() != QAbstractItemView::SingleSelection
        && q->selectionMode() != QAbstractItemView::NoSelection)
        return;
    q->clearSelection();
    int iRow = -1;
    int iColumn = -1;
    CellForDate(m_date, &iRow, &iColumn);
    const QModelIndex miCell = q->model()->index(iRow, iColumn);
    if (miCell.isValid())
        q->selectionModel()->setCurrentIndex(miCell, QItemSelectionModel::SelectCurrent);
}

CCalendarMonthWidget::CCalendarMonthWidget(QWidget* pParent)
    : CCalendarMonthWidget(*new CCalendarMonthWidgetPrivate, pParent)
{
}

CCalendarMonthWidget::CCalendarMonthWidget(CCalendarMonthWidgetPrivate& dd, QWidget* pParent)
    : QTableWidget(pParent)
    , d_ptr(&dd)
{
    Q_D(CCalendarMonthWidget);
    d->q_ptr = this;
    setObjectName(QStringLiteral("CCalendarMonthWidget"));
    setFrameShape(QFrame::NoFrame);
    setBackgroundRole(QPalette::Window);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setTabKeyNavigation(false);
    setShowGrid(false);
    // The numbers are labels, never edited.
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // The headers' own minimum follows the font and would widen the columns.
    horizontalHeader()->setMinimumSectionSize(0);
    verticalHeader()->setMinimumSectionSize(0);
    horizontalHeader()->hide();
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->hide();
    verticalHeader()->setSectionsClickable(false);
    verticalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    setRowCount(s_iRows);
    setColumnCount(s_iColumns);
    for (int iRow = 0; iRow < s_iRows; ++iRow) {
        for (int iColumn = 0; iColumn < s_iColumns; ++iColumn) {
            auto* pItem = new QTableWidgetItem;
            pItem->setData(Qt::EditRole, QString::number(d->DateForCell(iRow, iColumn).month()));
            pItem->setTextAlignment(Qt::AlignCenter);
            setItem(iRow, iColumn, pItem);
        }
    }
    for (int iColumn = 0; iColumn < s_iColumns; ++iColumn)
        setColumnWidth(iColumn, s_iColumnWidth);
    d->Update();
}

CCalendarMonthWidget::~CCalendarMonthWidget() = default;

QDate CCalendarMonthWidget::GetSelectedDate() const
{
    Q_D(const CCalendarMonthWidget);
    return d->m_date;
}

void CCalendarMonthWidget::SetSelectedDate(const QDate& date)
{
    Q_D(CCalendarMonthWidget);
    if (date == d->m_date || !date.isValid())
        return;
    d->m_date = date;
    d->m_iYear = date.year();
    d->Update();
    Q_EMIT SignalSelectionChanged();
}

void CCalendarMonthWidget::mouseReleaseEvent(QMouseEvent* pEvent)
{
    Q_D(CCalendarMonthWidget);
    const bool bChoose = pEvent->button() == Qt::LeftButton && selectionMode() != QAbstractItemView::NoSelection;
    if (bChoose) {
        const QModelIndex miCell = indexAt(pEvent->pos());
        d->m_date = d->DateForCell(miCell.row(), miCell.column());
    }
    QTableWidget::mouseReleaseEvent(pEvent);
    if (bChoose && !d->m_date.isValid())
        pEvent->ignore();
}

void CCalendarMonthWidget::mouseDoubleClickEvent(QMouseEvent* /*pEvent*/)
{
}

} // namespace OrvaGUIToolkit

#include "OrvaGUIToolkit/Calendar/moc_CalendarMonthWidget.cpp"
