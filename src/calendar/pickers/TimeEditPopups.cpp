#include "TimeEditPopups.h"

#include <OrvaGUIToolkit/Calendar/HourTimeEditPopup.h>
#include <OrvaGUIToolkit/Calendar/MinuteTimeEditPopup.h>
#include <OrvaGUIToolkit/Calendar/TimeEdit.h>

namespace OrvaGUIToolkit {

namespace {

// Puts the grid's bottom-right corner on the field's top-right corner, in the
// coordinates of the panel that holds both.
void PlaceOverEdit(QWidget* pPopup, const CTimeEdit* pEdit, QWidget* pOwner)
{
    QPoint point = pEdit->geometry().topRight() - QPoint(pPopup->width(), pPopup->height());
    if (pEdit->parentWidget() && pEdit->parentWidget() != pOwner)
        point = pEdit->parentWidget()->mapTo(pOwner, point);
    pPopup->move(point);
}

} // namespace

bool CTimeEditPopups::Open(CTimeEdit* pEdit, QWidget* pOwner)
{
    switch (pEdit->currentSection()) {
    case QDateTimeEdit::HourSection:
        OpenHour(pEdit, pOwner);
        return true;
    case QDateTimeEdit::MinuteSection:
        OpenMinute(pEdit, pOwner, pEdit->time().minute());
        return true;
    case QDateTimeEdit::SecondSection:
        OpenMinute(pEdit, pOwner, pEdit->time().second());
        return true;
    default:
        return false;
    }
}

void CTimeEditPopups::Hide()
{
    if (m_pHourPopup)
        m_pHourPopup->hide();
    if (m_pMinutePopup)
        m_pMinutePopup->hide();
}

void CTimeEditPopups::OpenHour(CTimeEdit* pEdit, QWidget* pOwner)
{
    if (m_pMinutePopup)
        m_pMinutePopup->hide();
    if (!m_pHourPopup)
        m_pHourPopup = new CHourTimeEditPopup(pOwner);
    PlaceOverEdit(m_pHourPopup, pEdit, pOwner);
    QObject::connect(m_pHourPopup, &CHourTimeEditPopup::SignalTimeChanged, pEdit, &CTimeEdit::OnChangeTime,
                     Qt::UniqueConnection);
    m_pHourPopup->SetValue(QString::number(pEdit->time().hour()));
    m_pHourPopup->show();
    m_pHourPopup->raise();
}

void CTimeEditPopups::OpenMinute(CTimeEdit* pEdit, QWidget* pOwner, int iValue)
{
    if (m_pHourPopup)
        m_pHourPopup->hide();
    if (!m_pMinutePopup)
        m_pMinutePopup = new CMinuteTimeEditPopup(pOwner);
    PlaceOverEdit(m_pMinutePopup, pEdit, pOwner);
    QObject::connect(m_pMinutePopup, &CMinuteTimeEditPopup::SignalTimeChanged, pEdit, &CTimeEdit::OnChangeTime,
                     Qt::UniqueConnection);
    m_pMinutePopup->SetValue(QString::number(iValue));
    m_pMinutePopup->show();
    m_pMinutePopup->raise();
}

} // namespace OrvaGUIToolkit
