#include <OrvaGUIToolkit/Calendar/BeginEndCalendarWidget.h>

#include <OrvaGUIToolkit/Calendar/CalendarMonthWidget.h>
#include <OrvaGUIToolkit/Calendar/CalendarWidget.h>
#include <OrvaGUIToolkit/Calendar/TimeEdit.h>
#include <OrvaGUIToolkit/Dialog/InformationDlg.h>

#include "BeginEndCalendarWidgetPrivate.h"

#include <QtWidgets/QLabel>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QToolButton>

namespace OrvaGUIToolkit {

namespace {

const QString s_strMonthFormat = QStringLiteral("yyyy.MM");

} // namespace

CBeginEndCalendarWidgetPrivate::~CBeginEndCalendarWidgetPrivate() = default;

void CBeginEndCalendarWidgetPrivate::Init(bool bShowTime)
{
    Q_Q(CBeginEndCalendarWidget);
    m_enumFlags = bShowTime ? (CBeginEndCalendarWidget::DayFlag | CBeginEndCalendarWidget::TimeFlag)
                            : CBeginEndCalendarWidget::CalendarFlags(CBeginEndCalendarWidget::DayFlag);
    m_ui.SetupUi(q);
    q->setFixedWidth(2 * m_ui.m_begin.m_pCalendarWidget->width() + 30);
    QObject::connect(m_ui.m_pConfirmBtn, &QPushButton::clicked, q, &CBeginEndCalendarWidget::OnClickedConfirmBtn);
    QObject::connect(m_ui.m_pConfirmBtn, &QPushButton::clicked, q,
                     &CBeginEndCalendarWidget::SignalClickedConfirmBtn);
    for (struRangeSideUi* pSide : {&m_ui.m_begin, &m_ui.m_end}) {
        // The sides step by months through their own bars.
        pSide->m_pCalendarWidget->SetHeaderVisible(false);
        QObject::connect(pSide->m_pPrevMonth, &QToolButton::clicked, q, &CBeginEndCalendarWidget::OnPrevMonthClicked);
        QObject::connect(pSide->m_pNextMonth, &QToolButton::clicked, q, &CBeginEndCalendarWidget::OnNextMonthClicked);
    }
    QObject::connect(m_ui.m_begin.m_pCalendarWidget, &CCalendarWidget::SignalSelectionChanged, q,
                     &CBeginEndCalendarWidget::OnBeginSelectionChanged);
    QObject::connect(m_ui.m_end.m_pCalendarWidget, &CCalendarWidget::SignalSelectionChanged, q,
                     &CBeginEndCalendarWidget::OnEndSelectionChanged);
    UpdateVisible();
    m_ui.m_pLabelToday->setText(CBeginEndCalendarWidget::tr("Today") + QStringLiteral(": ")
                                + QDate::currentDate().toString(QStringLiteral("yyyy.MM.dd")));
    q->OnBeginSelectionChanged();
    q->OnEndSelectionChanged();
}

bool CBeginEndCalendarWidgetPrivate::TestCalendarFlag(CBeginEndCalendarWidget::CalendarFlag enumFlag) const
{
    return m_enumFlags.testFlag(enumFlag);
}

void CBeginEndCalendarWidgetPrivate::UpdateVisible()
{
    const bool bTime = TestCalendarFlag(CBeginEndCalendarWidget::TimeFlag);
    const bool bDay = TestCalendarFlag(CBeginEndCalendarWidget::DayFlag);
    const bool bMonth = TestCalendarFlag(CBeginEndCalendarWidget::MonthFlag);
    // Connected at most once, whatever the order of flag changes.
    ConnectTimeRows(false);
    if (bTime)
        ConnectTimeRows(true);
    for (struRangeSideUi* pSide : {&m_ui.m_begin, &m_ui.m_end}) {
        pSide->m_pTimeBgFrame->setVisible(bTime);
        pSide->m_pCalendarWidget->setVisible(bDay);
        pSide->m_pMonthTableWidget->setVisible(bMonth);
    }
}

void CBeginEndCalendarWidgetPrivate::ConnectTimeRows(bool bConnect)
{
    Q_Q(CBeginEndCalendarWidget);
    for (struRangeSideUi* pSide : {&m_ui.m_begin, &m_ui.m_end}) {
        if (bConnect) {
            QObject::connect(pSide->m_pTimeEdit, &CTimeEdit::SignalClicked, q,
                             &CBeginEndCalendarWidget::OnClickedTimeEdit);
            QObject::connect(pSide->m_pCalendarWidget, &CCalendarWidget::SignalYearMonthChanged, q,
                             &CBeginEndCalendarWidget::OnHidePopupTimeWnd);
            QObject::connect(pSide->m_pCalendarWidget, &CCalendarWidget::SignalClicked, q,
                             &CBeginEndCalendarWidget::OnHidePopupTimeWnd);
        } else {
            QObject::disconnect(pSide->m_pTimeEdit, &CTimeEdit::SignalClicked, q,
                                &CBeginEndCalendarWidget::OnClickedTimeEdit);
            QObject::disconnect(pSide->m_pCalendarWidget, &CCalendarWidget::SignalYearMonthChanged, q,
                                &CBeginEndCalendarWidget::OnHidePopupTimeWnd);
            QObject::disconnect(pSide->m_pCalendarWidget, &CCalendarWidget::SignalClicked, q,
                                &CBeginEndCalendarWidget::OnHidePopupTimeWnd);
        }
    }
}

void CBeginEndCalendarWidgetPrivate::StepMonth(struRangeSideUi& side, int iMonths)
{
    // The label names the month stepped to, even where a bound holds the
    // calendar back.
    const QDate dateMoved = side.m_pCalendarWidget->GetSelectedDate().addMonths(iMonths);
    side.m_pCalendarWidget->SetSelectedDate(dateMoved);
    side.m_pMonthLabel->setText(dateMoved.toString(s_strMonthFormat));
    side.m_pMonthTableWidget->SetSelectedDate(side.m_pMonthTableWidget->GetSelectedDate().addMonths(iMonths));
}

void CBeginEndCalendarWidgetPrivate::ShowSideDate(struRangeSideUi& side, const QDate& date)
{
    side.m_pCalendarWidget->SetSelectedDate(date);
    side.m_pMonthTableWidget->SetSelectedDate(date);
    side.m_pMonthLabel->setText(date.toString(s_strMonthFormat));
}

void CBeginEndCalendarWidgetPrivate::ConfirmDateTimes()
{
    Q_Q(CBeginEndCalendarWidget);
    const QDateTime dtBegin(m_ui.m_begin.m_pCalendarWidget->GetSelectedDate(), m_ui.m_begin.m_pTimeEdit->time());
    const QDateTime dtEnd(m_ui.m_end.m_pCalendarWidget->GetSelectedDate(), m_ui.m_end.m_pTimeEdit->time());
    if (dtBegin == dtEnd)
        ShowMessage(CBeginEndCalendarWidget::tr("The start time should not be equal with the end time."));
    else if (dtBegin > dtEnd)
        ShowMessage(CBeginEndCalendarWidget::tr("The start time should be earlier than the end time."));
    else
        Q_EMIT q->SignalDateTimeChanged(dtBegin, dtEnd);
}

void CBeginEndCalendarWidgetPrivate::ConfirmDays(const QDate& dtBegin, const QDate& dtEnd)
{
    Q_Q(CBeginEndCalendarWidget);
    if (dtBegin == m_dateBegin && dtEnd == m_dateEnd)
        return;
    if (dtBegin > dtEnd)
        ShowMessage(CBeginEndCalendarWidget::tr("The start time should be earlier than the end time."));
    else
        Q_EMIT q->SignalDateChanged(dtBegin, dtEnd);
}

void CBeginEndCalendarWidgetPrivate::ShowMessage(const QString& strText)
{
    Q_Q(CBeginEndCalendarWidget);
    CInformationDlg::ShowInformationAtScreenRightBottom(strText, q, true);
}

struRangeSideUi* CBeginEndCalendarWidgetPrivate::SideOf(const QObject* pSender)
{
    for (struRangeSideUi* pSide : {&m_ui.m_begin, &m_ui.m_end}) {
        if (pSender == pSide->m_pPrevMonth || pSender == pSide->m_pNextMonth || pSender == pSide->m_pTimeEdit)
            return pSide;
    }
    return nullptr;
}

CBeginEndCalendarWidget::CBeginEndCalendarWidget(QWidget* pParent, Qt::WindowFlags enumFlags)
    : CBeginEndCalendarWidget(*new CBeginEndCalendarWidgetPrivate, pParent, false, enumFlags)
{
}

CBeginEndCalendarWidget::CBeginEndCalendarWidget(QWidget* pParent, bool bShowTime, Qt::WindowFlags enumFlags)
    : CBeginEndCalendarWidget(*new CBeginEndCalendarWidgetPrivate, pParent, bShowTime, enumFlags)
{
}

CBeginEndCalendarWidget::CBeginEndCalendarWidget(CBeginEndCalendarWidgetPrivate& dd, QWidget* pParent,
                                                 bool bShowTime, Qt::WindowFlags enumFlags)
    : QWidget(pParent, enumFlags)
    , d_ptr(&dd)
{
    Q_D(CBeginEndCalendarWidget);
    d->q_ptr = this;
    d->Init(bShowTime);
}

CBeginEndCalendarWidget::~CBeginEndCalendarWidget() = default;

void CBeginEndCalendarWidget::SetCalendarFlag(QFlags<CalendarFlag> enumFlags)
{
    Q_D(CBeginEndCalendarWidget);
    if (enumFlags == d->m_enumFlags)
        return;
    d->m_enumFlags = enumFlags;
    d->UpdateVisible();
}

QFlags<CBeginEndCalendarWidget::CalendarFlag> CBeginEndCalendarWidget::GetCalendarFlag() const
{
    Q_D(const CBeginEndCalendarWidget);
    return d->m_enumFlags;
}

void CBeginEndCalendarWidget::SetDate(const QDate& dtBegin, const QDate& dtEnd)
{
    Q_D(CBeginEndCalendarWidget);
    d->m_dateBegin = dtBegin;
    d->m_dateEnd = dtEnd;
    d->ShowSideDate(d->m_ui.m_begin, dtBegin);
    d->ShowSideDate(d->m_ui.m_end, dtEnd);
}

void CBeginEndCalendarWidget::SetDateTime(const QDateTime& dtBegin, const QDateTime& dtEnd)
{
    Q_D(CBeginEndCalendarWidget);
    SetDate(dtBegin.date(), dtEnd.date());
    d->m_timeBegin = dtBegin.time();
    d->m_timeEnd = dtEnd.time();
    d->m_ui.m_begin.m_pTimeEdit->setTime(d->m_timeBegin);
    d->m_ui.m_end.m_pTimeEdit->setTime(d->m_timeEnd);
}

void CBeginEndCalendarWidget::SetDateRange(const QDate& dtMin, const QDate& dtMax)
{
    Q_D(CBeginEndCalendarWidget);
    d->m_ui.m_begin.m_pCalendarWidget->SetDateRange(dtMin, dtMax);
    d->m_ui.m_end.m_pCalendarWidget->SetDateRange(dtMin, dtMax);
}

void CBeginEndCalendarWidget::SetDateTimeRange(const QDateTime& dtMin, const QDateTime& dtMax)
{
    SetDateRange(dtMin.date(), dtMax.date());
}

void CBeginEndCalendarWidget::OnClickedTimeEdit()
{
    Q_D(CBeginEndCalendarWidget);
    struRangeSideUi* pSide = d->SideOf(sender());
    if (!pSide) {
        OnHidePopupTimeWnd();
        return;
    }
    const bool bBegin = pSide == &d->m_ui.m_begin;
    (bBegin ? d->m_popupsEnd : d->m_popupsBegin).Hide();
    if (!(bBegin ? d->m_popupsBegin : d->m_popupsEnd).Open(pSide->m_pTimeEdit, this))
        OnHidePopupTimeWnd();
}

void CBeginEndCalendarWidget::OnHidePopupTimeWnd()
{
    Q_D(CBeginEndCalendarWidget);
    d->m_popupsBegin.Hide();
    d->m_popupsEnd.Hide();
}

void CBeginEndCalendarWidget::OnClickedConfirmBtn()
{
    Q_D(CBeginEndCalendarWidget);
    if (d->TestCalendarFlag(TimeFlag)) {
        d->ConfirmDateTimes();
    } else if (d->TestCalendarFlag(DayFlag)) {
        d->ConfirmDays(d->m_ui.m_begin.m_pCalendarWidget->GetSelectedDate(),
                       d->m_ui.m_end.m_pCalendarWidget->GetSelectedDate());
    } else if (d->TestCalendarFlag(MonthFlag)) {
        // Whole months: from the first day of the begin month to the last
        // day of the end month, which the end table then holds.
        const QDate dateBeginMonth = d->m_ui.m_begin.m_pMonthTableWidget->GetSelectedDate();
        const QDate dateEndMonth = d->m_ui.m_end.m_pMonthTableWidget->GetSelectedDate();
        const QDate dtBegin(dateBeginMonth.year(), dateBeginMonth.month(), 1);
        const QDate dtEnd(dateEndMonth.year(), dateEndMonth.month(), dateEndMonth.daysInMonth());
        d->m_ui.m_end.m_pMonthTableWidget->SetSelectedDate(dtEnd);
        d->ConfirmDays(dtBegin, dtEnd);
    }
}

void CBeginEndCalendarWidget::OnPrevMonthClicked()
{
    Q_D(CBeginEndCalendarWidget);
    if (struRangeSideUi* pSide = d->SideOf(sender()))
        d->StepMonth(*pSide, -1);
}

void CBeginEndCalendarWidget::OnNextMonthClicked()
{
    Q_D(CBeginEndCalendarWidget);
    if (struRangeSideUi* pSide = d->SideOf(sender()))
        d->StepMonth(*pSide, 1);
}

void CBeginEndCalendarWidget::OnBeginSelectionChanged()
{
    Q_D(CBeginEndCalendarWidget);
    const QDate date = d->m_ui.m_begin.m_pCalendarWidget->GetSelectedDate();
    d->m_ui.m_begin.m_pMonthLabel->setText(date.toString(s_strMonthFormat));
}

void CBeginEndCalendarWidget::OnEndSelectionChanged()
{
    Q_D(CBeginEndCalendarWidget);
    const QDate date = d->m_ui.m_end.m_pCalendarWidget->GetSelectedDate();
    d->m_ui.m_end.m_pMonthLabel->setText(date.toString(s_strMonthFormat));
}

void CBeginEndCalendarWidget::mousePressEvent(QMouseEvent* pEvent)
{
    OnHidePopupTimeWnd();
    QWidget::mousePressEvent(pEvent);
}

void CBeginEndCalendarWidget::hideEvent(QHideEvent* pEvent)
{
    QWidget::hideEvent(pEvent);
    OnHidePopupTimeWnd();
}

} // namespace OrvaGUIToolkit

#include "OrvaGUIToolkit/Calendar/moc_BeginEndCalendarWidget.cpp"
