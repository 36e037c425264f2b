#include <OrvaGUIToolkit/Calendar/CalendarTimeWidget.h>

#include <OrvaGUIToolkit/Calendar/CalendarWidget.h>
#include <OrvaGUIToolkit/Calendar/TimeEdit.h>

#include "CalendarTimeWidgetPrivate.h"

#include <QtCore/QEvent>
#include <QtWidgets/QPushButton>

namespace OrvaGUIToolkit {

CCalendarTimeWidgetPrivate::~CCalendarTimeWidgetPrivate() = default;

void CCalendarTimeWidgetPrivate::Init()
{
    Q_Q(CCalendarTimeWidget);
    m_ui.SetupUi(q);
    q->setFixedWidth(q->width());
    QObject::connect(m_ui.m_pCalendarWidget, &CCalendarWidget::SignalYearMonthChanged, q,
                     &CCalendarTimeWidget::OnHidePopupTimeWnd);
    QObject::connect(m_ui.m_pCalendarWidget, &CCalendarWidget::SignalClicked, q,
                     &CCalendarTimeWidget::OnHidePopupTimeWnd);
    QObject::connect(m_ui.m_pTimeEdit, &CTimeEdit::SignalClicked, q, &CCalendarTimeWidget::OnClickedTimeEdit);
    QObject::connect(m_ui.m_pConfirmBtn, &QPushButton::clicked, q, &CCalendarTimeWidget::OnClickedConfirmBtn);
    QObject::connect(m_ui.m_pConfirmBtn, &QPushButton::clicked, q, &CCalendarTimeWidget::SignalClickedConfirmBtn);
    QObject::connect(m_ui.m_pCurTimeBtn, &QPushButton::clicked, q, &CCalendarTimeWidget::OnClickedCurTimeBtn);
}

CCalendarTimeWidget::CCalendarTimeWidget(QWidget* pParent, Qt::WindowFlags enumFlags)
    : CCalendarTimeWidget(*new CCalendarTimeWidgetPrivate, pParent, enumFlags)
{
}

CCalendarTimeWidget::CCalendarTimeWidget(CCalendarTimeWidgetPrivate& dd, QWidget* pParent,
                                         Qt::WindowFlags enumFlags)
    : QWidget(pParent, enumFlags)
    , d_ptr(&dd)
{
    Q_D(CCalendarTimeWidget);
    d->q_ptr = this;
    d->Init();
}

CCalendarTimeWidget::~CCalendarTimeWidget() = default;

void CCalendarTimeWidget::SetDateTime(const QDateTime& dtTime)
{
    Q_D(CCalendarTimeWidget);
    d->m_dateTime = dtTime;
    d->m_ui.m_pCalendarWidget->SetSelectedDate(dtTime.date());
    d->m_ui.m_pTimeEdit->setTime(dtTime.time());
}

void CCalendarTimeWidget::GetDateTime(QDateTime& dtTime) const
{
    Q_D(const CCalendarTimeWidget);
    dtTime.setDate(d->m_ui.m_pCalendarWidget->GetSelectedDate());
    dtTime.setTime(d->m_ui.m_pTimeEdit->time());
}

void CCalendarTimeWidget::SetDateRange(const QDate& dtMin, const QDate& dtMax)
{
    Q_D(CCalendarTimeWidget);
    d->m_ui.m_pCalendarWidget->SetDateRange(dtMin, dtMax);
}

void CCalendarTimeWidget::OnClickedTimeEdit()
{
    Q_D(CCalendarTimeWidget);
    if (!d->m_timePopups.Open(d->m_ui.m_pTimeEdit, this))
        OnHidePopupTimeWnd();
}

void CCalendarTimeWidget::OnClickedConfirmBtn()
{
    Q_D(CCalendarTimeWidget);
    const QDateTime dtPicked(d->m_ui.m_pCalendarWidget->GetSelectedDate(), d->m_ui.m_pTimeEdit->time());
    if (dtPicked != d->m_dateTime)
        Q_EMIT SignalDateChanged(dtPicked);
}

void CCalendarTimeWidget::OnHidePopupTimeWnd()
{
    Q_D(CCalendarTimeWidget);
    d->m_timePopups.Hide();
}

void CCalendarTimeWidget::OnClickedCurTimeBtn()
{
    Q_D(CCalendarTimeWidget);
    d->m_ui.m_pCalendarWidget->SetSelectedDate(QDate::currentDate());
    d->m_ui.m_pTimeEdit->setTime(QTime::currentTime());
}

void CCalendarTimeWidget::mousePressEvent(QMouseEvent* pEvent)
{
    OnHidePopupTimeWnd();
    QWidget::mousePressEvent(pEvent);
}

void CCalendarTimeWidget::hideEvent(QHideEvent* pEvent)
{
    QWidget::hideEvent(pEvent);
    OnHidePopupTimeWnd();
}

} // namespace OrvaGUIToolkit

#include "OrvaGUIToolkit/Calendar/moc_CalendarTimeWidget.cpp"
