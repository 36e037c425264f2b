#include <OrvaGUIToolkit/Calendar/CalendarWidget.h>

#include "CalendarDelegate.h"
#include "CalendarModel.h"
#include "CalendarView.h"
#include "CalendarWidgetPrivate.h"
#include "foundation/ToolkitLogging.h"

#include <OrvaGUIToolkit/Foundation/GuiFunctions.h>

#include <QtCore/QEvent>
#include <QtGui/QPainter>
#include <QtGui/QPolygon>
#include <QtWidgets/QHeaderView>
#include <QtWidgets/QLabel>
#include <QtWidgets/QStyle>
#include <QtWidgets/QStyleOptionViewItem>
#include <QtWidgets/QToolButton>

#include <utility>

namespace OrvaGUIToolkit {

namespace {

constexpr int s_iColumnWidth = 27;

bool IsDayOfWeek(int iDay)
{
    return iDay >= Qt::Monday && iDay <= Qt::Sunday;
}

} // namespace

CCalendarWidgetPrivate::~CCalendarWidgetPrivate() = default;

QModelIndex CCalendarWidgetPrivate::IndexForDate(const QDate& date) const
{
    int iRow = -1;
    int iColumn = -1;
    m_pModel->CellForDate(date, &iRow, &iColumn);
    return m_pModel->index(iRow, iColumn);
}

void CCalendarWidgetPrivate::SetCurrentCell(const QDate& date)
{
    const QModelIndex miCell = IndexForDate(date);
    if (miCell.isValid())
        m_ui.m_pView->selectionModel()->setCurrentIndex(miCell, QItemSelectionModel::NoUpdate);
}

void CCalendarWidgetPrivate::Update()
{
    QItemSelectionModel* pSelection = m_ui.m_pView->selectionModel();
    pSelection->clearSelection();
    if (m_ui.m_pView->selectionMode() != QAbstractItemView::MultiSelection) {
        const QModelIndex miCell = IndexForDate(m_pModel->GetDate());
        if (miCell.isValid())
            pSelection->setCurrentIndex(miCell, QItemSelectionModel::SelectCurrent);
        return;
    }
    const QDate dateRef = m_pModel->ReferenceDate();
    const QDate dtBegin = m_pModel->GetSelectedBegin();
    const QDate dtEnd = m_pModel->GetSelectedEnd();
    if (!dateRef.isValid() || !dtBegin.isValid() || !dtEnd.isValid())
        return;
    // Only the six weeks around the month have cells; a range of years is
    // walked from there rather than day by day.
    const QDate dateFirst = qMax(dtBegin, dateRef.addDays(-7));
    const QDate dateLast = qMin(dtEnd, dateRef.addDays(42));
    for (QDate date = dateFirst; date <= dateLast; date = date.addDays(1)) {
        const QModelIndex miCell = IndexForDate(date);
        if (miCell.isValid())
            pSelection->setCurrentIndex(miCell, QItemSelectionModel::Select);
    }
}

void CCalendarWidgetPrivate::UpdateBtnState()
{
    const int iYear = m_pModel->GetShownYear();
    const int iMonth = m_pModel->GetShownMonth();
    const QDate dateMin = m_pModel->GetMinimumDate();
    const QDate dateMax = m_pModel->GetMaximumDate();
    const bool bAtMinimum = iYear == dateMin.year() && iMonth == dateMin.month();
    const bool bAtMaximum = iYear == dateMax.year() && iMonth == dateMax.month();
    m_ui.m_pPrevMonth->setEnabled(!bAtMinimum);
    m_ui.m_pPrevYear->setEnabled(!bAtMinimum);
    m_ui.m_pNextMonth->setEnabled(!bAtMaximum);
    m_ui.m_pNextYear->setEnabled(!bAtMaximum);
}

void CCalendarWidgetPrivate::UpdateButtonIcons()
{
    Q_Q(CCalendarWidget);
    QIcon iconPrevious = q->style()->standardIcon(QStyle::SP_ArrowLeft, nullptr, q);
    QIcon iconNext = q->style()->standardIcon(QStyle::SP_ArrowRight, nullptr, q);
    if (q->isRightToLeft())
        std::swap(iconPrevious, iconNext);
    m_ui.m_pPrevMonth->setIcon(iconPrevious);
    m_ui.m_pPrevYear->setIcon(iconPrevious);
    m_ui.m_pNextMonth->setIcon(iconNext);
    m_ui.m_pNextYear->setIcon(iconNext);
}

void CCalendarWidgetPrivate::UpdateCell(const QDate& date)
{
    Q_Q(CCalendarWidget);
    if (!date.isValid() || !q->isVisible())
        return;
    const QModelIndex miCell = IndexForDate(date);
    if (miCell.isValid())
        m_ui.m_pView->viewport()->update(m_ui.m_pView->visualRect(miCell));
}

void CCalendarWidgetPrivate::UpdateCells()
{
    Q_Q(CCalendarWidget);
    if (q->isVisible())
        m_ui.m_pView->viewport()->update();
}

void CCalendarWidgetPrivate::UpdateCurrentPage(const QDate& date)
{
    if (!date.isValid())
        return;
    QDate dateShown = date;
    const QDate dateMin = m_pModel->GetMinimumDate();
    const QDate dateMax = m_pModel->GetMaximumDate();
    if (dateMin.isValid() && dateShown < dateMin)
        dateShown = dateMin;
    if (dateMax.isValid() && dateShown > dateMax)
        dateShown = dateMax;
    ShowYearMonth(dateShown.year(), dateShown.month());
    SetCurrentCell(dateShown);
}

void CCalendarWidgetPrivate::UpdateYearMonthLabel()
{
    const QLocale locale = m_ui.m_pView->locale();
    m_ui.m_pMonthLabel->setText(locale.standaloneMonthName(m_pModel->GetShownMonth(), QLocale::LongFormat));
    m_ui.m_pYearLabel->setText(QString::number(m_pModel->GetShownYear()));
}

void CCalendarWidgetPrivate::ShowYearMonth(int iYear, int iMonth)
{
    Q_Q(CCalendarWidget);
    if (iYear == m_pModel->GetShownYear() && iMonth == m_pModel->GetShownMonth())
        return;
    m_pModel->ShowMonth(iYear, iMonth);
    UpdateYearMonthLabel();
    Q_EMIT q->SignalYearMonthChanged(iYear, iMonth);
    m_ui.m_pView->updateGeometries();
    Update();
    UpdateBtnState();
}

QDate CCalendarWidgetPrivate::GetCurrentDate() const
{
    const QModelIndex miCurrent = m_ui.m_pView->currentIndex();
    return m_pModel->DateForCell(miCurrent.row(), miCurrent.column());
}

QDate CCalendarWidgetPrivate::NavigationDate() const
{
    const QDate date = GetCurrentDate();
    return date.isValid() ? date : m_pModel->ReferenceDate();
}

void CCalendarWidgetPrivate::RepaintView()
{
    m_ui.m_pView->viewport()->update();
    m_ui.m_pView->updateGeometries();
}

void CCalendarWidgetPrivate::FollowClampedDate(const QDate& dateBefore)
{
    Q_Q(CCalendarWidget);
    UpdateBtnState();
    const QDate date = m_pModel->GetDate();
    if (date == dateBefore)
        return;
    Update();
    ShowYearMonth(date.year(), date.month());
    Q_EMIT q->SignalSelectionChanged();
}

CCalendarWidget::CCalendarWidget(QWidget* pParent)
    : CCalendarWidget(*new CCalendarWidgetPrivate, pParent)
{
}

CCalendarWidget::CCalendarWidget(CCalendarWidgetPrivate& dd, QWidget* pParent)
    : QFrame(pParent)
    , d_ptr(&dd)
{
    Q_D(CCalendarWidget);
    d->q_ptr = this;
    d->m_ui.SetupUi(this);
    setFrameShape(QFrame::NoFrame);
    setBackgroundRole(QPalette::Window);
    setLocale(GetGuiLocale());

    d->m_pModel = new CCalendarModel(this);
    QTextCharFormat formatWeekend;
    formatWeekend.setForeground(QColor(Qt::red));
    d->m_pModel->SetDayFormat(Qt::Saturday, formatWeekend);
    d->m_pModel->SetDayFormat(Qt::Sunday, formatWeekend);

    CCalendarView* pView = d->m_ui.m_pView;
    pView->setModel(d->m_pModel);
    d->m_pModel->SetView(pView);
    // The headers' own minimum follows the font and would widen the columns
    // past the grid's fixed width.
    pView->horizontalHeader()->setMinimumSectionSize(0);
    pView->verticalHeader()->setMinimumSectionSize(0);
    pView->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    for (int iColumn = 0; iColumn < d->m_pModel->columnCount(); ++iColumn)
        pView->setColumnWidth(iColumn, s_iColumnWidth);
    pView->horizontalHeader()->setSectionsClickable(false);
    pView->verticalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    pView->verticalHeader()->setSectionsClickable(false);
    pView->setItemDelegate(new CCalendarDelegate(this));

    d->Update();
    d->UpdateYearMonthLabel();
    setFocusProxy(pView);

    connect(d->m_pModel, &CCalendarModel::SignalDateChanged, this, &CCalendarWidget::SignalDateChanged);
    connect(pView, &CCalendarView::SignalShowDate, this, &CCalendarWidget::OnShowDate);
    connect(pView, &CCalendarView::SignalChangeDate, this, &CCalendarWidget::OnChangeDate);
    connect(pView, &CCalendarView::SignalClicked, this, &CCalendarWidget::SignalClicked);
    connect(pView, &CCalendarView::SignalSelectDate, this, &CCalendarWidget::OnSelectDate);
    connect(pView, &CCalendarView::SignalEnterCalendar, this, &CCalendarWidget::SignalEnterCalendar);
    connect(d->m_ui.m_pPrevMonth, &QToolButton::clicked, this, &CCalendarWidget::OnPrevMonthClicked);
    connect(d->m_ui.m_pNextMonth, &QToolButton::clicked, this, &CCalendarWidget::OnNextMonthClicked);
    connect(d->m_ui.m_pPrevYear, &QToolButton::clicked, this, &CCalendarWidget::OnPrevYearClicked);
    connect(d->m_ui.m_pNextYear, &QToolButton::clicked, this, &CCalendarWidget::OnNextYearClicked);

    d->m_ui.m_pPrevMonth->setToolTip(tr("Previous month"));
    d->m_ui.m_pNextMonth->setToolTip(tr("Next month"));
    d->m_ui.m_pPrevYear->setToolTip(tr("Previous year"));
    d->m_ui.m_pNextYear->setToolTip(tr("Next year"));

    SetHorizontalHeaderFormat(struCalendarData::NarrowDayNames);
    SetSelectionMode(SingleSelection);
    SetOtherDayShown(true);
    // The names follow the toolkit's language, the week the user's own
    // regional settings.
    SetFirstDayOfWeek(QLocale::system().firstDayOfWeek());
    d->UpdateButtonIcons();
    d->UpdateBtnState();
}

CCalendarWidget::~CCalendarWidget() = default;

QDate CCalendarWidget::GetSelectedDate() const
{
    Q_D(const CCalendarWidget);
    return d->m_pModel->GetDate();
}

void CCalendarWidget::GetSelectedDate(QDate& dtBegin, QDate& dtEnd) const
{
    Q_D(const CCalendarWidget);
    dtBegin = d->m_pModel->GetSelectedBegin();
    dtEnd = d->m_pModel->GetSelectedEnd();
}

void CCalendarWidget::SetSelectedDate(const QDate& date)
{
    Q_D(CCalendarWidget);
    if (!date.isValid() || (date == d->m_pModel->GetDate() && d->GetCurrentDate() == date))
        return;
    d->m_pModel->SetDate(date);
    d->Update();
    const QDate dateSelected = d->m_pModel->GetDate();
    d->ShowYearMonth(dateSelected.year(), dateSelected.month());
    Q_EMIT SignalSelectionChanged();
}

void CCalendarWidget::SetSelectedDate(const QDate& dtBegin, const QDate& dtEnd)
{
    Q_D(CCalendarWidget);
    if (!dtBegin.isValid() || !dtEnd.isValid())
        return;
    if (dtBegin == d->m_pModel->GetSelectedBegin() && dtEnd == d->m_pModel->GetSelectedEnd())
        return;
    // Setting the date afterwards collapses the range to dtBegin unless
    // dtBegin already was the selected day.
    d->m_pModel->SetSelectedRange(dtBegin, dtEnd);
    d->m_pModel->SetDate(dtBegin);
    d->Update();
    // The month asked for is shown, even when the bounds moved the day.
    d->ShowYearMonth(dtBegin.year(), dtBegin.month());
}

QDate CCalendarWidget::GetMinimumDate() const
{
    Q_D(const CCalendarWidget);
    return d->m_pModel->GetMinimumDate();
}

QDate CCalendarWidget::GetMaximumDate() const
{
    Q_D(const CCalendarWidget);
    return d->m_pModel->GetMaximumDate();
}

void CCalendarWidget::SetMinimumDate(const QDate& date)
{
    Q_D(CCalendarWidget);
    if (!date.isValid() || date == d->m_pModel->GetMinimumDate())
        return;
    const QDate dateBefore = d->m_pModel->GetDate();
    d->m_pModel->SetMinimumDate(date);
    d->FollowClampedDate(dateBefore);
}

void CCalendarWidget::SetMaximumDate(const QDate& date)
{
    Q_D(CCalendarWidget);
    if (!date.isValid() || date == d->m_pModel->GetMaximumDate())
        return;
    const QDate dateBefore = d->m_pModel->GetDate();
    d->m_pModel->SetMaximumDate(date);
    d->FollowClampedDate(dateBefore);
}

void CCalendarWidget::SetDateRange(const QDate& dtMin, const QDate& dtMax)
{
    Q_D(CCalendarWidget);
    if (!dtMin.isValid() || !dtMax.isValid())
        return;
    if (dtMin == d->m_pModel->GetMinimumDate() && dtMax == d->m_pModel->GetMaximumDate())
        return;
    const QDate dateBefore = d->m_pModel->GetDate();
    d->m_pModel->SetRange(dtMin, dtMax);
    d->FollowClampedDate(dateBefore);
}

CCalendarWidget::SelectionMode CCalendarWidget::GetSelectionMode() const
{
    Q_D(const CCalendarWidget);
    return static_cast<SelectionMode>(d->m_ui.m_pView->selectionMode());
}

void CCalendarWidget::SetSelectionMode(SelectionMode enumMode)
{
    Q_D(CCalendarWidget);
    if (enumMode < NoSelection || enumMode > MultiSelection) {
        qCWarning(lcOrvaGUIToolkit, "CCalendarWidget::SetSelectionMode: invalid selection mode %d", int(enumMode));
        return;
    }
    d->m_ui.m_pView->setSelectionMode(static_cast<QAbstractItemView::SelectionMode>(enumMode));
    d->Update();
}

int CCalendarWidget::GetYearShown() const
{
    Q_D(const CCalendarWidget);
    return d->m_pModel->GetShownYear();
}

int CCalendarWidget::GetMonthShown() const
{
    Q_D(const CCalendarWidget);
    return d->m_pModel->GetShownMonth();
}

void CCalendarWidget::SetCurrentYearMonth(int iYear, int iMonth)
{
    Q_D(CCalendarWidget);
    const QDate dateFirst(iYear, iMonth, 1);
    if (!dateFirst.isValid()) {
        qCWarning(lcOrvaGUIToolkit, "CCalendarWidget::SetCurrentYearMonth: invalid year %d or month %d", iYear, iMonth);
        return;
    }
    const int iDay = qMin(d->NavigationDate().day(), dateFirst.daysInMonth());
    d->ShowYearMonth(iYear, iMonth);
    d->SetCurrentCell(QDate(iYear, iMonth, iDay));
}

// Stepping goes through QDate so that the calendar passes from 1 BC straight
// to AD 1: there is no year 0.
void CCalendarWidget::ShowNextMonth()
{
    const QDate date = QDate(GetYearShown(), GetMonthShown(), 1).addMonths(1);
    SetCurrentYearMonth(date.year(), date.month());
}

void CCalendarWidget::ShowPreviousMonth()
{
    const QDate date = QDate(GetYearShown(), GetMonthShown(), 1).addMonths(-1);
    SetCurrentYearMonth(date.year(), date.month());
}

void CCalendarWidget::ShowNextYear()
{
    const QDate date = QDate(GetYearShown(), GetMonthShown(), 1).addYears(1);
    SetCurrentYearMonth(date.year(), date.month());
}

void CCalendarWidget::ShowPreviousYear()
{
    const QDate date = QDate(GetYearShown(), GetMonthShown(), 1).addYears(-1);
    SetCurrentYearMonth(date.year(), date.month());
}

Qt::DayOfWeek CCalendarWidget::GetFirstDayOfWeek() const
{
    Q_D(const CCalendarWidget);
    return d->m_pModel->FirstColumnDay();
}

void CCalendarWidget::SetFirstDayOfWeek(Qt::DayOfWeek enumDay)
{
    Q_D(CCalendarWidget);
    if (!IsDayOfWeek(enumDay)) {
        qCWarning(lcOrvaGUIToolkit, "CCalendarWidget::SetFirstDayOfWeek: invalid day of week %d", int(enumDay));
        return;
    }
    if (enumDay == d->m_pModel->FirstColumnDay())
        return;
    d->m_pModel->SetFirstColumnDay(enumDay);
    d->Update();
}

struCalendarData::HorizontalHeaderFormat CCalendarWidget::GetHorizontalHeaderFormat() const
{
    Q_D(const CCalendarWidget);
    return d->m_pModel->GetHorizontalHeaderFormat();
}

void CCalendarWidget::SetHorizontalHeaderFormat(struCalendarData::HorizontalHeaderFormat enumFormat)
{
    Q_D(CCalendarWidget);
    if (enumFormat == d->m_pModel->GetHorizontalHeaderFormat())
        return;
    d->m_pModel->SetHorizontalHeaderFormat(enumFormat);
    d->RepaintView();
}

bool CCalendarWidget::IsOtherDayShown() const
{
    Q_D(const CCalendarWidget);
    return d->m_pModel->IsOtherDayShown();
}

void CCalendarWidget::SetOtherDayShown(bool bShown)
{
    Q_D(CCalendarWidget);
    if (bShown == d->m_pModel->IsOtherDayShown())
        return;
    d->m_pModel->SetOtherDayShown(bShown);
    d->m_ui.m_pView->viewport()->update();
}

bool CCalendarWidget::IsHeaderVisible() const
{
    Q_D(const CCalendarWidget);
    return d->m_ui.m_pNavBarFrame->isVisibleTo(this);
}

void CCalendarWidget::SetHeaderVisible(bool bVisible)
{
    Q_D(CCalendarWidget);
    d->m_ui.m_pNavBarFrame->setVisible(bVisible);
    updateGeometry();
}

QTextCharFormat CCalendarWidget::GetHeaderTextFormat() const
{
    Q_D(const CCalendarWidget);
    return d->m_pModel->GetHeaderFormat();
}

void CCalendarWidget::SetHeaderTextFormat(const QTextCharFormat& format)
{
    Q_D(CCalendarWidget);
    d->m_pModel->SetHeaderFormat(format);
    d->RepaintView();
}

QTextCharFormat CCalendarWidget::GetWeekdayTextFormat(Qt::DayOfWeek enumDay) const
{
    Q_D(const CCalendarWidget);
    return d->m_pModel->GetDayFormat(enumDay);
}

void CCalendarWidget::SetWeekdayTextFormat(Qt::DayOfWeek enumDay, const QTextCharFormat& format)
{
    Q_D(CCalendarWidget);
    if (!IsDayOfWeek(enumDay)) {
        qCWarning(lcOrvaGUIToolkit, "CCalendarWidget::SetWeekdayTextFormat: invalid day of week %d", int(enumDay));
        return;
    }
    d->m_pModel->SetDayFormat(enumDay, format);
    d->RepaintView();
}

QMap<QDate, QTextCharFormat> CCalendarWidget::GetDateTextFormat() const
{
    Q_D(const CCalendarWidget);
    return d->m_pModel->GetDateFormats();
}

QTextCharFormat CCalendarWidget::GetDateTextFormat(const QDate& date) const
{
    Q_D(const CCalendarWidget);
    return d->m_pModel->GetDateFormat(date);
}

void CCalendarWidget::SetDateTextFormat(const QDate& date, const QTextCharFormat& format)
{
    Q_D(CCalendarWidget);
    if (date.isNull())
        d->m_pModel->ClearDateFormats();
    else
        d->m_pModel->SetDateFormat(date, format);
    d->RepaintView();
}

QPixmap CCalendarWidget::GetLeftWeekPixmap() const
{
    Q_D(const CCalendarWidget);
    return d->m_pixLeftWeek;
}

void CCalendarWidget::SetLeftWeekPixmap(const QPixmap& pixmap)
{
    Q_D(CCalendarWidget);
    d->m_pixLeftWeek = pixmap;
}

QPixmap CCalendarWidget::GetMidWeekPixmap() const
{
    Q_D(const CCalendarWidget);
    return d->m_pixMidWeek;
}

void CCalendarWidget::SetMidWeekPixmap(const QPixmap& pixmap)
{
    Q_D(CCalendarWidget);
    d->m_pixMidWeek = pixmap;
}

QPixmap CCalendarWidget::GetRightWeekPixmap() const
{
    Q_D(const CCalendarWidget);
    return d->m_pixRightWeek;
}

void CCalendarWidget::SetRightWeekPixmap(const QPixmap& pixmap)
{
    Q_D(CCalendarWidget);
    d->m_pixRightWeek = pixmap;
}

void CCalendarWidget::SetDayMarkColor(const QDate& date, const QColor& color)
{
    Q_D(CCalendarWidget);
    // A mark without a date would flag every cell that has no day (the
    // day-name row, hidden days).
    if (!date.isValid()) {
        qCWarning(lcOrvaGUIToolkit, "CCalendarWidget::SetDayMarkColor: !date.isValid()");
        return;
    }
    // The new mark replaces the old one; one without a colour paints nothing,
    // so it takes the date's mark away.
    RemoveDayMark(date);
    d->m_hashDayMarks.insert(date, color);
    d->UpdateCell(date);
}

void CCalendarWidget::RemoveDayMark(const QDate& date)
{
    Q_D(CCalendarWidget);
    if (d->m_hashDayMarks.remove(date) > 0)
        d->UpdateCell(date);
}

void CCalendarWidget::RemoveAllDayMarkByColor(const QColor& color)
{
    Q_D(CCalendarWidget);
    for (auto it = d->m_hashDayMarks.begin(); it != d->m_hashDayMarks.end();) {
        if (it.value() == color)
            it = d->m_hashDayMarks.erase(it);
        else
            ++it;
    }
    d->UpdateCells();
}

void CCalendarWidget::ClearAllDayMark()
{
    Q_D(CCalendarWidget);
    d->m_hashDayMarks.clear();
    d->UpdateCells();
}

QColor CCalendarWidget::GetColorByTickType(const QDate& date) const
{
    Q_D(const CCalendarWidget);
    return d->m_hashDayMarks.value(date);
}

void CCalendarWidget::paintCell(QPainter* pPainter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    Q_D(const CCalendarWidget);
    if (!pPainter) {
        qCWarning(lcOrvaGUIToolkit, "CCalendarWidget::paintCell: pPainter == NULL");
        return;
    }
    const QRect& rect = option.rect;
    const QColor colorMark = GetColorByTickType(d->m_pModel->DateForCell(index.row(), index.column()));
    if (colorMark.isValid()) {
        const int iSide = qMin(rect.width(), rect.height()) / 3;
        const QPolygon triangle({QPoint(rect.right(), rect.bottom()), QPoint(rect.right(), rect.bottom() - iSide),
                                 QPoint(rect.right() - iSide, rect.bottom()), QPoint(rect.right(), rect.bottom())});
        pPainter->save();
        // The pen of the same colour takes the flag out to the cell's last
        // pixel column and row, which a bare fill stops short of.
        pPainter->setPen(colorMark);
        pPainter->setBrush(QBrush(colorMark, Qt::SolidPattern));
        pPainter->drawPolygon(triangle);
        pPainter->restore();
    }

    if (index.row() != 0 || d->m_pModel->GetHorizontalHeaderFormat() == struCalendarData::NoHorizontalHeader)
        return;
    const int iLastColumn = d->m_pModel->columnCount() - 1;
    const QPixmap& pixmap =
        index.column() == 0 ? d->m_pixLeftWeek : (index.column() == iLastColumn ? d->m_pixRightWeek : d->m_pixMidWeek);
    if (!pixmap.isNull())
        pPainter->drawPixmap(rect, pixmap);
    const QString strText = index.data(Qt::DisplayRole).toString();
    if (strText.isEmpty())
        return;
    QPalette::ColorGroup enumGroup = QPalette::Normal;
    if (!(option.state & QStyle::State_Enabled))
        enumGroup = QPalette::Disabled;
    else if (!(option.state & QStyle::State_Active))
        enumGroup = QPalette::Inactive;
    pPainter->save();
    pPainter->setPen(option.palette.color(
        enumGroup, (option.state & QStyle::State_Selected) ? QPalette::HighlightedText : QPalette::Text));
    if (option.state & QStyle::State_Editing)
        pPainter->drawRect(rect.adjusted(0, 0, -1, -1));
    pPainter->setFont(option.font);
    pPainter->drawText(rect, Qt::AlignCenter, strText);
    pPainter->restore();
}

void CCalendarWidget::OnShowDate(QDate date)
{
    Q_D(CCalendarWidget);
    d->UpdateCurrentPage(date);
}

void CCalendarWidget::OnChangeDate(QDate date, bool bMultiSelectedDate)
{
    Q_D(CCalendarWidget);
    const QDate dateBefore = d->m_pModel->GetDate();
    d->m_pModel->SetDate(date);
    const QDate dateSelected = d->m_pModel->GetDate();
    d->ShowYearMonth(dateSelected.year(), dateSelected.month());
    if (dateSelected != dateBefore || bMultiSelectedDate) {
        d->Update();
        Q_EMIT SignalSelectionChanged();
    }
}

void CCalendarWidget::OnSelectDate(QDate dtBegin, QDate dtEnd)
{
    Q_D(CCalendarWidget);
    d->m_pModel->SetSelectedRange(dtBegin, dtEnd);
    d->Update();
}

void CCalendarWidget::OnPrevMonthClicked()
{
    Q_D(CCalendarWidget);
    d->UpdateCurrentPage(d->NavigationDate().addMonths(-1));
}

void CCalendarWidget::OnNextMonthClicked()
{
    Q_D(CCalendarWidget);
    d->UpdateCurrentPage(d->NavigationDate().addMonths(1));
}

void CCalendarWidget::OnPrevYearClicked()
{
    Q_D(CCalendarWidget);
    d->UpdateCurrentPage(d->NavigationDate().addYears(-1));
}

void CCalendarWidget::OnNextYearClicked()
{
    Q_D(CCalendarWidget);
    d->UpdateCurrentPage(d->NavigationDate().addYears(1));
}

void CCalendarWidget::changeEvent(QEvent* pEvent)
{
    Q_D(CCalendarWidget);
    // The locale is set while the form is being built, before there is a model.
    if (pEvent->type() == QEvent::LocaleChange && d->m_pModel) {
        d->UpdateYearMonthLabel();
        d->m_ui.m_pView->viewport()->update();
    } else if (pEvent->type() == QEvent::LayoutDirectionChange) {
        d->UpdateButtonIcons();
    }
    QFrame::changeEvent(pEvent);
}

} // namespace OrvaGUIToolkit

#include "OrvaGUIToolkit/Calendar/moc_CalendarWidget.cpp"
