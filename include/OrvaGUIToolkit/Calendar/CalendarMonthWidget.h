#ifndef ORVAGUITOOLKIT_CALENDAR_CALENDARMONTHWIDGET_H
#define ORVAGUITOOLKIT_CALENDAR_CALENDARMONTHWIDGET_H

#include <OrvaGUIToolkit/OrvaGUIToolkitGlobal.h>

#include <QtCore/QDate>
#include <QtWidgets/QTableWidget>

#include <memory>

namespace OrvaGUIToolkit {

class CCalendarMonthWidgetPrivate;

// The month picker: the twelve months of one year as numbers in two rows of
// six ("1".."6" over "7".."12"). Releasing the mouse on a month selects its
// first day; SetSelectedDate() also chooses the year shown. Style sheets
// address it as "CCalendarMonthWidget".
class ORVAGUITOOLKIT_EXPORT CCalendarMonthWidget : public QTableWidget
{
    Q_OBJECT
    Q_DECLARE_PRIVATE(CCalendarMonthWidget)

public:
    explicit CCalendarMonthWidget(QWidget* pParent = nullptr);
    ~CCalendarMonthWidget() override;

    QDate GetSelectedDate() const;
    // Selects the month of a valid date and shows its year.
    void SetSelectedDate(const QDate& date);

Q_SIGNALS:
    void SignalSelectionChanged();

protected:
    CCalendarMonthWidget(CCalendarMonthWidgetPrivate& dd, QWidget* pParent);
    void mouseReleaseEvent(QMouseEvent* pEvent) override;
    void mouseDoubleClickEvent(QMouseEvent* pEvent) override;

    const std::unique_ptr<CCalendarMonthWidgetPrivate> d_ptr;
};

} // namespace OrvaGUIToolkit

#endif
