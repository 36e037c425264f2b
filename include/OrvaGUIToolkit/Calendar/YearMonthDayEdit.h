#ifndef ORVAGUITOOLKIT_CALENDAR_YEARMONTHDAYEDIT_H
#define ORVAGUITOOLKIT_CALENDAR_YEARMONTHDAYEDIT_H

#include <OrvaGUIToolkit/OrvaGUIToolkitGlobal.h>

#include <QtWidgets/QDateTimeEdit>

#include <memory>

namespace OrvaGUIToolkit {

class CYearMonthDayEditPrivate;

// A date field whose pop-up is the toolkit's month calendar: a press on the
// field opens it under the field; browsing days follows in the field, a click
// on a day takes it and closes the pop-up, and closing it otherwise brings
// back the date it opened on.
class ORVAGUITOOLKIT_EXPORT CYearMonthDayEdit : public QDateEdit
{
    Q_OBJECT
    Q_DECLARE_PRIVATE(CYearMonthDayEdit)

public:
    explicit CYearMonthDayEdit(QWidget* pParent = nullptr);
    CYearMonthDayEdit(const QDate& date, QWidget* pParent = nullptr);
    ~CYearMonthDayEdit() override;

protected:
    CYearMonthDayEdit(CYearMonthDayEditPrivate& dd, const QDate& date, QWidget* pParent);
    void mousePressEvent(QMouseEvent* pEvent) override;

    const std::unique_ptr<CYearMonthDayEditPrivate> d_ptr;
};

} // namespace OrvaGUIToolkit

#endif
