#ifndef ORVAGUITOOLKIT_CALENDAR_RANGEDATETIMEEDIT_H
#define ORVAGUITOOLKIT_CALENDAR_RANGEDATETIMEEDIT_H

#include <OrvaGUIToolkit/LineEdit/FancyLineEdit.h>

#include <QtCore/QDateTime>

#include <memory>

namespace OrvaGUIToolkit {

class CRangeDateTimeEditPrivate;

// A read-only field showing a range of date-times as
// "yyyy.MM.dd hh:mm:ss-yyyy.MM.dd hh:mm:ss". Its date button opens the
// begin/end panel with times under it; a confirmed range becomes the field's.
class ORVAGUITOOLKIT_EXPORT CRangeDateTimeEdit : public CFancyLineEdit
{
    Q_OBJECT
    Q_DECLARE_PRIVATE(CRangeDateTimeEdit)

public:
    explicit CRangeDateTimeEdit(QWidget* pParent = nullptr);
    ~CRangeDateTimeEdit() override;

    void SetDateTimeRange(const QDateTime& dtBegin, const QDateTime& dtEnd);
    void GetDateTimeRange(QDateTime& dtBegin, QDateTime& dtEnd);

Q_SIGNALS:
    void SignalDateTimeChanged(QDateTime dtBegin, QDateTime dtEnd);
    // The pop-up's confirm button was clicked.
    void SignalDateSelFinished();

public Q_SLOTS:
    // Opens the pop-up, or closes it when it is open.
    void OnShowCalendar();
    void OnDateTimeChanged(QDateTime dtBegin, QDateTime dtEnd);

protected:
    CRangeDateTimeEdit(CRangeDateTimeEditPrivate& dd, QWidget* pParent);

    const std::unique_ptr<CRangeDateTimeEditPrivate> d_ptr;
};

} // namespace OrvaGUIToolkit

#endif
