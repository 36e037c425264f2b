#ifndef ORVAGUITOOLKIT_CALENDAR_BEGINENDCALENDARWIDGETPRIVATE_H
#define ORVAGUITOOLKIT_CALENDAR_BEGINENDCALENDARWIDGETPRIVATE_H

#include <OrvaGUIToolkit/Calendar/BeginEndCalendarWidget.h>

#include "pickers/BeginEndCalendarWidgetUi.h"
#include "pickers/TimeEditPopups.h"

namespace OrvaGUIToolkit {

class CBeginEndCalendarWidgetPrivate
{
    Q_DECLARE_PUBLIC(CBeginEndCalendarWidget)

public:
    virtual ~CBeginEndCalendarWidgetPrivate();

    void Init(bool bShowTime);
    bool TestCalendarFlag(CBeginEndCalendarWidget::CalendarFlag enumFlag) const;
    void UpdateVisible();
    void ConnectTimeRows(bool bConnect);
    // Moves a side's calendar and month table by iMonths.
    void StepMonth(struRangeSideUi& side, int iMonths);
    void ShowSideDate(struRangeSideUi& side, const QDate& date);
    void ConfirmDateTimes();
    void ConfirmDays(const QDate& dtBegin, const QDate& dtEnd);
    void ShowMessage(const QString& strText);
    // The side a sender belongs to; null for any other sender.
    struRangeSideUi* SideOf(const QObject* pSender);

    CBeginEndCalendarWidget* q_ptr = nullptr;
    CBeginEndCalendarWidgetClassUi m_ui;
    CBeginEndCalendarWidget::CalendarFlags m_enumFlags = CBeginEndCalendarWidget::DayFlag;
    // The range last given; confirming the same days again reports nothing.
    QDate m_dateBegin;
    QDate m_dateEnd;
    QTime m_timeBegin;
    QTime m_timeEnd;
    CTimeEditPopups m_popupsBegin;
    CTimeEditPopups m_popupsEnd;
};

} // namespace OrvaGUIToolkit

#endif
