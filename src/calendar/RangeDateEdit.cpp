#include <OrvaGUIToolkit/Calendar/RangeDateEdit.h>

#include <OrvaGUIToolkit/Calendar/BeginEndCalendarTimePopup.h>

#include "RangeDateEditPrivate.h"
#include "pickers/PickerPopups.h"

namespace OrvaGUIToolkit {

CRangeDateEditPrivate::~CRangeDateEditPrivate() = default;

void CRangeDateEditPrivate::EnsurePopup()
{
    Q_Q(CRangeDateEdit);
    if (m_pPopup)
        return;
    m_pPopup = new CBeginEndCalendarTimePopup(q, false);
    QObject::connect(m_pPopup, &CBeginEndCalendarWidget::SignalDateChanged, q, &CRangeDateEdit::OnDateChanged);
    QObject::connect(m_pPopup, &CBeginEndCalendarWidget::SignalClickedConfirmBtn, q,
                     &CRangeDateEdit::SignalDateSelFinished);
}

QString CRangeDateEditPrivate::ShownText() const
{
    if (!m_strCustom.isEmpty())
        return m_strCustom;
    const QString strFormat = QStringLiteral("yyyy.MM.dd");
    return m_dateBegin.toString(strFormat) + QLatin1Char('-') + m_dateEnd.toString(strFormat);
}

CRangeDateEdit::CRangeDateEdit(QWidget* pParent)
    : CRangeDateEdit(*new CRangeDateEditPrivate, pParent)
{
}

CRangeDateEdit::CRangeDateEdit(CRangeDateEditPrivate& dd, QWidget* pParent)
    : CFancyLineEdit(dd, pParent)
{
    Q_D(CRangeDateEdit);
    SetupRangeField(this);
    connect(this, &CFancyLineEdit::SignalRightButtonClicked, this, &CRangeDateEdit::OnShowCalendar);
    setText(d->ShownText());
}

CRangeDateEdit::~CRangeDateEdit() = default;

void CRangeDateEdit::SetDateRange(const QDate& dtBegin, const QDate& dtEnd)
{
    OnDateChanged(dtBegin, dtEnd);
}

void CRangeDateEdit::GetDateRange(QDate& dtBegin, QDate& dtEnd)
{
    Q_D(CRangeDateEdit);
    dtBegin = d->m_dateBegin;
    dtEnd = d->m_dateEnd;
}

void CRangeDateEdit::SetCalendarFlag(QFlags<CBeginEndCalendarWidget::CalendarFlag> enumFlags)
{
    Q_D(CRangeDateEdit);
    d->EnsurePopup();
    d->m_pPopup->SetCalendarFlag(enumFlags);
}

void CRangeDateEdit::SetCustom(const QString& strCustom)
{
    Q_D(CRangeDateEdit);
    if (strCustom == d->m_strCustom)
        return;
    d->m_strCustom = strCustom;
    setText(d->ShownText());
}

void CRangeDateEdit::OnShowCalendar()
{
    Q_D(CRangeDateEdit);
    d->EnsurePopup();
    if (d->m_pPopup->isVisible()) {
        d->m_pPopup->hide();
        return;
    }
    d->m_pPopup->SetDate(d->m_dateBegin, d->m_dateEnd);
    d->m_pPopup->adjustSize();
    ShowPopupAtCorner(d->m_pPopup, this);
}

void CRangeDateEdit::OnDateChanged(QDate dtBegin, QDate dtEnd)
{
    Q_D(CRangeDateEdit);
    const bool bChanged = dtBegin != d->m_dateBegin || dtEnd != d->m_dateEnd;
    d->m_dateBegin = dtBegin;
    d->m_dateEnd = dtEnd;
    setText(d->ShownText());
    if (bChanged)
        Q_EMIT SignalDateChanged(dtBegin, dtEnd);
}

} // namespace OrvaGUIToolkit

#include "OrvaGUIToolkit/Calendar/moc_RangeDateEdit.cpp"
