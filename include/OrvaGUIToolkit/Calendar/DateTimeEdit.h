#ifndef ORVAGUITOOLKIT_CALENDAR_DATETIMEEDIT_H
#define ORVAGUITOOLKIT_CALENDAR_DATETIMEEDIT_H

#include <OrvaGUIToolkit/OrvaGUIToolkitGlobal.h>

#include <QtCore/QVariant>
#include <QtWidgets/QDateTimeEdit>

#include <memory>

namespace OrvaGUIToolkit {

class CDateTimeEditPrivate;

// A date and time field ("yyyy-MM-dd hh:mm:ss", today at start) whose
// pop-up is the toolkit's date-and-time panel: a press on the field opens it
// under the field, within the field's minimum and maximum dates, and a
// confirmed change becomes the field's value.
class ORVAGUITOOLKIT_EXPORT CDateTimeEdit : public QDateTimeEdit
{
    Q_OBJECT
    Q_DECLARE_PRIVATE(CDateTimeEdit)

public:
    explicit CDateTimeEdit(QWidget* pParent = nullptr);
    CDateTimeEdit(const QDateTime& dateTime, QWidget* pParent = nullptr);
    CDateTimeEdit(const QDate& date, QWidget* pParent = nullptr);
    // Today at the given time.
    CDateTimeEdit(const QTime& time, QWidget* pParent = nullptr);
    // The value is read as a date-time, a date or a time as enumType says.
QT_WARNING_PUSH
QT_WARNING_DISABLE_DEPRECATED
    CDateTimeEdit(const QVariant& value, QVariant::Type enumType, QWidget* pParent = nullptr);
QT_WARNING_POP
    ~CDateTimeEdit() override;

protected:
    CDateTimeEdit(CDateTimeEditPrivate& dd, const QDateTime& dateTime, QWidget* pParent);
    void mousePressEvent(QMouseEvent* pEvent) override;

    const std::unique_ptr<CDateTimeEditPrivate> d_ptr;
};

} // namespace OrvaGUIToolkit

#endif
