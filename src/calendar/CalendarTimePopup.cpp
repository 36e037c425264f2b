#include <OrvaGUIToolkit/Calendar/CalendarTimePopup.h>

#include <OrvaGUIToolkit/Calendar/CalendarWidget.h>
#include <OrvaGUIToolkit/Foundation/GuiFunctions.h>

#include "CalendarTimePopupPrivate.h"
#include "foundation/EventPosition.h"
#include "foundation/ToolkitLogging.h"
#include "pickers/PickerPopups.h"

#include <QtGui/QKeyEvent>
#include <QtWidgets/QVBoxLayout>

namespace OrvaGUIToolkit {

CCalendarTimePopupPrivate::~CCalendarTimePopupPrivate() = default;

CCalendarTimePopup::CCalendarTimePopup(QWidget* pParent, CCalendarWidget* pCalendar)
    : CCalendarTimePopup(*new CCalendarTimePopupPrivate, pParent, pCalendar)
{
}

CCalendarTimePopup::CCalendarTimePopup(CCalendarTimePopupPrivate& dd, QWidget* pParent,
                                       CCalendarWidget* pCalendar)
    : QWidget(pParent, Qt::Popup)
    , d_ptr(&dd)
{
    Q_D(CCalendarTimePopup);
    d->q_ptr = this;
    setAttribute(Qt::WA_WindowPropagation);
    if (pCalendar) {
        SetCalendarWidget(pCalendar);
        return;
    }
    SetCalendarWidget(new CCalendarWidget(this));
    // The pop-up's own calendar gets the rounded top corners of the client's
    // drop-down panels.
    setMask(RoundedTopRect(rect(), 2));
}

CCalendarTimePopup::~CCalendarTimePopup() = default;

void CCalendarTimePopup::SetCalendarWidget(CCalendarWidget* pCalendar)
{
    Q_D(CCalendarTimePopup);
    if (!pCalendar) {
        qCWarning(lcOrvaGUIToolkit, "CCalendarTimePopup::SetCalendarWidget: pCalendar == NULL");
        return;
    }
    if (pCalendar == d->m_pCalendar)
        return;
    auto* pLayout = qobject_cast<QVBoxLayout*>(layout());
    if (!pLayout) {
        pLayout = new QVBoxLayout(this);
        pLayout->setContentsMargins(0, 0, 0, 0);
        pLayout->setSpacing(0);
    }
    if (d->m_pCalendar) {
        pLayout->removeWidget(d->m_pCalendar);
        delete d->m_pCalendar.data();
    }
    d->m_pCalendar = pCalendar;
    pCalendar->setParent(this);
    pLayout->addWidget(pCalendar);
    resize(pCalendar->size());
    connect(pCalendar, &CCalendarWidget::SignalClicked, this, &CCalendarTimePopup::dateSelected);
    connect(pCalendar, &CCalendarWidget::SignalSelectionChanged, this, &CCalendarTimePopup::dateSelectionChanged);
    pCalendar->setFocus();
}

CCalendarWidget* CCalendarTimePopup::GetCalendarWidget() const
{
    Q_D(const CCalendarTimePopup);
    return d->m_pCalendar;
}

void CCalendarTimePopup::SetDate(const QDate& date)
{
    Q_D(CCalendarTimePopup);
    if (!d->m_pCalendar)
        return;
    // Moving the calendar to another day counts as a change like any other
    // selection; only Escape takes the mark back.
    d->m_pCalendar->SetSelectedDate(date);
    d->m_dateOld = date;
}

QDate CCalendarTimePopup::GetSelectedDate() const
{
    Q_D(const CCalendarTimePopup);
    if (!d->m_pCalendar)
        return QDate();
    return d->m_pCalendar->GetSelectedDate();
}

void CCalendarTimePopup::SetDateRange(const QDate& dtMin, const QDate& dtMax)
{
    Q_D(CCalendarTimePopup);
    if (!d->m_pCalendar)
        return;
    d->m_pCalendar->SetMinimumDate(dtMin);
    d->m_pCalendar->SetMaximumDate(dtMax);
}

void CCalendarTimePopup::SetFirstDayOfWeek(Qt::DayOfWeek enumDay)
{
    Q_D(CCalendarTimePopup);
    if (!d->m_pCalendar)
        return;
    d->m_pCalendar->SetFirstDayOfWeek(enumDay);
}

void CCalendarTimePopup::dateSelected(QDate date)
{
    Q_D(CCalendarTimePopup);
    d->m_bDateChanged = true;
    QPointer<CCalendarTimePopup> pGuard(this);
    Q_EMIT activated(date);
    if (pGuard)
        close();
}

void CCalendarTimePopup::dateSelectionChanged()
{
    Q_D(CCalendarTimePopup);
    if (!d->m_pCalendar)
        return;
    d->m_bDateChanged = true;
    Q_EMIT newDateSelected(d->m_pCalendar->GetSelectedDate());
}

void CCalendarTimePopup::mousePressEvent(QMouseEvent* pEvent)
{
    if (IsOnDropDownArrow(parentWidget(), EventGlobalPos(pEvent)) || rect().contains(pEvent->pos()))
        setAttribute(Qt::WA_NoMouseReplay);
    QWidget::mousePressEvent(pEvent);
}

void CCalendarTimePopup::mouseReleaseEvent(QMouseEvent* /*pEvent*/)
{
    Q_EMIT resetButton();
}

void CCalendarTimePopup::keyPressEvent(QKeyEvent* pEvent)
{
    Q_D(CCalendarTimePopup);
    if (pEvent->key() == Qt::Key_Escape)
        d->m_bDateChanged = false;
    QWidget::keyPressEvent(pEvent);
}

void CCalendarTimePopup::hideEvent(QHideEvent* /*pEvent*/)
{
    Q_D(CCalendarTimePopup);
    QPointer<CCalendarTimePopup> pGuard(this);
    Q_EMIT resetButton();
    if (pGuard && !d->m_bDateChanged)
        Q_EMIT hidingCalendar(d->m_dateOld);
}

} // namespace OrvaGUIToolkit

#include "OrvaGUIToolkit/Calendar/moc_CalendarTimePopup.cpp"
