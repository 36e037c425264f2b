#ifndef ORVAGUITOOLKIT_CALENDAR_BEGINENDCALENDARTIMEPOPUP_H
#define ORVAGUITOOLKIT_CALENDAR_BEGINENDCALENDARTIMEPOPUP_H

#include <OrvaGUIToolkit/Calendar/BeginEndCalendarWidget.h>

namespace OrvaGUIToolkit {

// The begin/end panel as the pop-up of a range field. It closes at every
// click on its confirm button and at a press outside it; that press goes no
// further, so that a click on the field's button only closes the pop-up.
class ORVAGUITOOLKIT_EXPORT CBeginEndCalendarTimePopup : public CBeginEndCalendarWidget
{
    Q_OBJECT

public:
    explicit CBeginEndCalendarTimePopup(QWidget* pParent = nullptr, bool bShowTime = false);
    ~CBeginEndCalendarTimePopup() override;

public Q_SLOTS:
    // Hides the pop-up (connected to SignalClickedConfirmBtn()).
    void OnClickedConfirmBtn();

protected:
    void mousePressEvent(QMouseEvent* pEvent) override;
};

} // namespace OrvaGUIToolkit

#endif
