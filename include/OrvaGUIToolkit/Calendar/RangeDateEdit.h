#ifndef ORVAGUITOOLKIT_CALENDAR_RANGEDATEEDIT_H
#define ORVAGUITOOLKIT_CALENDAR_RANGEDATEEDIT_H

#include <OrvaGUIToolkit/Calendar/BeginEndCalendarWidget.h>
#include <OrvaGUIToolkit/LineEdit/FancyLineEdit.h>

#include <memory>

namespace OrvaGUIToolkit {

class CRangeDateEditPrivate;

// A read-only field showing a range of days as "yyyy.MM.dd-yyyy.MM.dd" (or a
// custom text such as "Last 7 days"). Its date button opens the begin/end
// panel under it; a confirmed range becomes the field's range.
class ORVAGUITOOLKIT_EXPORT CRangeDateEdit : public CFancyLineEdit
{
    Q_OBJECT
    Q_DECLARE_PRIVATE(CRangeDateEdit)

public:
    explicit CRangeDateEdit(QWidget* pParent = nullptr);
    ~CRangeDateEdit() override;

    void SetDateRange(const QDate& dtBegin, const QDate& dtEnd);
    void GetDateRange(QDate& dtBegin, QDate& dtEnd);
    // What the pop-up shows: day calendars, month tables, times.
    void SetCalendarFlag(QFlags<CBeginEndCalendarWidget::CalendarFlag> enumFlags);
    // A non-empty text is shown instead of the range; an empty one brings the
    // range back.
    void SetCustom(const QString& strCustom);

Q_SIGNALS:
    void SignalDateChanged(QDate dtBegin, QDate dtEnd);
    // The pop-up's confirm button was clicked.
    void SignalDateSelFinished();

public Q_SLOTS:
    // Opens the pop-up, or closes it when it is open.
    void OnShowCalendar();
    void OnDateChanged(QDate dtBegin, QDate dtEnd);

protected:
    CRangeDateEdit(CRangeDateEditPrivate& dd, QWidget* pParent);

    const std::unique_ptr<CRangeDateEditPrivate> d_ptr;
};

} // namespace OrvaGUIToolkit

#endif
