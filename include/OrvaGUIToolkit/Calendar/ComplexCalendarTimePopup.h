#ifndef ORVAGUITOOLKIT_CALENDAR_COMPLEXCALENDARTIMEPOPUP_H
#define ORVAGUITOOLKIT_CALENDAR_COMPLEXCALENDARTIMEPOPUP_H

#include <OrvaGUIToolkit/Calendar/CalendarTimeWidget.h>

namespace OrvaGUIToolkit {

// The date-and-time panel as the pop-up of a date-time field: it closes when
// confirmed or when the user presses outside it. A press on the opening
// field's drop-down arrow closes it without reaching the field, so that the
// same click does not open it again.
class ORVAGUITOOLKIT_EXPORT CComplexCalendarTimePopup : public CCalendarTimeWidget
{
    Q_OBJECT

public:
    explicit CComplexCalendarTimePopup(QWidget* pParent = nullptr);
    ~CComplexCalendarTimePopup() override;

public Q_SLOTS:
    // Hides the pop-up (connected to SignalClickedConfirmBtn()).
    void OnClickedConfirmBtn();

protected:
    void mousePressEvent(QMouseEvent* pEvent) override;
};

} // namespace OrvaGUIToolkit

#endif
