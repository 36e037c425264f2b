#ifndef ORVAGUITOOLKIT_CALENDAR_CALENDARTIMEPOPUP_H
#define ORVAGUITOOLKIT_CALENDAR_CALENDARTIMEPOPUP_H

#include <OrvaGUIToolkit/OrvaGUIToolkitGlobal.h>

#include <QtCore/QDate>
#include <QtWidgets/QWidget>

#include <memory>

namespace OrvaGUIToolkit {

class CCalendarTimePopupPrivate;
class CCalendarWidget;

// The month calendar as the pop-up of a date field. Browsing days reports
// newDateSelected(); a click on a day reports activated() and closes the
// pop-up; closing it without having picked a day (Escape, a press outside)
// reports hidingCalendar() with the date it opened on, so that the field can
// go back to it.
class ORVAGUITOOLKIT_EXPORT CCalendarTimePopup : public QWidget
{
    Q_OBJECT
    Q_DECLARE_PRIVATE(CCalendarTimePopup)

public:
    // Without a calendar the pop-up creates its own.
    explicit CCalendarTimePopup(QWidget* pParent = nullptr, CCalendarWidget* pCalendar = nullptr);
    ~CCalendarTimePopup() override;

    // Replaces the calendar shown (the pop-up takes it over and deletes the
    // one it created itself). A null calendar is refused.
    void SetCalendarWidget(CCalendarWidget* pCalendar);
    CCalendarWidget* GetCalendarWidget() const;

    // Selects date and remembers it as the date the pop-up opened on.
    void SetDate(const QDate& date);
    QDate GetSelectedDate() const;
    void SetDateRange(const QDate& dtMin, const QDate& dtMax);
    void SetFirstDayOfWeek(Qt::DayOfWeek enumDay);

Q_SIGNALS:
    void activated(QDate date);
    void newDateSelected(QDate newDate);
    void hidingCalendar(QDate oldDate);
    // The opening field's drop-down button may go back to its normal look.
    void resetButton();

public Q_SLOTS:
    void dateSelected(QDate date);
    void dateSelectionChanged();

protected:
    CCalendarTimePopup(CCalendarTimePopupPrivate& dd, QWidget* pParent, CCalendarWidget* pCalendar);
    void mousePressEvent(QMouseEvent* pEvent) override;
    void mouseReleaseEvent(QMouseEvent* pEvent) override;
    void keyPressEvent(QKeyEvent* pEvent) override;
    void hideEvent(QHideEvent* pEvent) override;

    const std::unique_ptr<CCalendarTimePopupPrivate> d_ptr;
};

} // namespace OrvaGUIToolkit

#endif
