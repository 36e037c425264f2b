#include <OrvaGUIToolkit/Calendar/ComplexCalendarTimePopup.h>

#include "CalendarTimeWidgetPrivate.h"
#include "foundation/EventPosition.h"
#include "pickers/PickerPopups.h"

#include <QtGui/QMouseEvent>

namespace OrvaGUIToolkit {

CComplexCalendarTimePopup::CComplexCalendarTimePopup(QWidget* pParent)
    : CCalendarTimeWidget(*new CCalendarTimeWidgetPrivate, pParent, Qt::Popup)
{
    setAttribute(Qt::WA_WindowPropagation);
    connect(this, &CCalendarTimeWidget::SignalClickedConfirmBtn, this,
            &CComplexCalendarTimePopup::OnClickedConfirmBtn);
}

CComplexCalendarTimePopup::~CComplexCalendarTimePopup() = default;

void CComplexCalendarTimePopup::OnClickedConfirmBtn()
{
    hide();
}

void CComplexCalendarTimePopup::mousePressEvent(QMouseEvent* pEvent)
{
    if (IsOnDropDownArrow(parentWidget(), EventGlobalPos(pEvent)) || rect().contains(pEvent->pos()))
        setAttribute(Qt::WA_NoMouseReplay);
    CCalendarTimeWidget::mousePressEvent(pEvent);
}

} // namespace OrvaGUIToolkit

#include "OrvaGUIToolkit/Calendar/moc_ComplexCalendarTimePopup.cpp"
