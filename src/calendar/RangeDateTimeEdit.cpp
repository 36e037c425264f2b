#include <OrvaGUIToolkit/Calendar/RangeDateTimeEdit.h>

#include <OrvaGUIToolkit/Calendar/BeginEndCalendarTimePopup.h>

#include "RangeDateTimeEditPrivate.h"
#include "pickers/PickerPopups.h"

namespace OrvaGUIToolkit {

CRangeDateTimeEditPrivate::~CRangeDateTimeEditPrivate() = default;

void CRangeDateTimeEditPrivate::EnsurePopup()
{
    Q_Q(CRangeDateTimeEdit);
    if (m_pPopup)
        return;
    m_pPopup = new CBeginEndCalendarTimePopup(q, true);
    QObject::connect(m_pPopup, &CBeginEndCalendarWidget::SignalDateTimeChanged, q,
                     &CRangeDateTimeEdit::OnDateTimeChanged);
    QObject::connect(m_pPopup, &CBeginEndCalendarWidget::SignalClickedConfirmBtn, q,
                     &CRangeDateTimeEdit::SignalDateSelFinished);
}

QString CRangeDateTimeEditPrivate::ShownText() const
{
    const QString strFormat = QStringLiteral("yyyy.MM.dd hh:mm:ss");
    return m_dateBegin.toString(strFormat) + QLatin1Char('-') + m_dateEnd.toString(strFormat);
}

CRangeDateTimeEdit::CRangeDateTimeEdit(QWidget* pParent)
    : CRangeDateTimeEdit(*new CRangeDateTimeEditPrivate, pParent)
{
}

CRangeDateTimeEdit::CRangeDateTimeEdit(CRangeDateTimeEditPrivate& dd, QWidget* pParent)
    : CFancyLineEdit(dd, pParent)
{
    Q_D(CRangeDateTimeEdit);
    SetupRangeField(this);
    connect(this, &CFancyLineEdit::SignalRightButtonClicked, this, &CRangeDateTimeEdit::OnShowCalendar);
    setText(d->ShownText());
}

CRangeDateTimeEdit::~CRangeDateTimeEdit() = default;

void CRangeDateTimeEdit::SetDateTimeRange(const QDateTime& dtBegin, const QDateTime& dtEnd)
{
    OnDateTimeChanged(dtBegin, dtEnd);
}

void CRangeDateTimeEdit::GetDateTimeRange(QDateTime& dtBegin, QDateTime& dtEnd)
{
    Q_D(CRangeDateTimeEdit);
    dtBegin = d->m_dateBegin;
    dtEnd = d->m_dateEnd;
}

void CRangeDateTimeEdit::OnShowCalendar()
{
    Q_D(CRangeDateTimeEdit);
    d->EnsurePopup();
    if (d->m_pPopup->isVisible()) {
        d->m_pPopup->hide();
        return;
    }
    d->m_pPopup->SetDateTime(d->m_dateBegin, d->m_dateEnd);
    d->m_pPopup->adjustSize();
    ShowPopupAtCorner(d->m_pPopup, this);
}

void CRangeDateTimeEdit::OnDateTimeChanged(QDateTime dtBegin, QDateTime dtEnd)
{
    Q_D(CRangeDateTimeEdit);
    const bool bChanged = dtBegin != d->m_dateBegin || dtEnd != d->m_dateEnd;
    d->m_dateBegin = dtBegin;
    d->m_dateEnd = dtEnd;
    setText(d->ShownText());
    if (bChanged)
        Q_EMIT SignalDateTimeChanged(dtBegin, dtEnd);
}

} // namespace OrvaGUIToolkit

#include "OrvaGUIToolkit/Calendar/moc_RangeDateTimeEdit.cpp"
