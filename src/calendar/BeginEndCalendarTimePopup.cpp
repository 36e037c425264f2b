#include <OrvaGUIToolkit/Calendar/BeginEndCalendarTimePopup.h>

#include "BeginEndCalendarWidgetPrivate.h"

#include <QtGui/QMouseEvent>

namespace OrvaGUIToolkit {

CBeginEndCalendarTimePopup::CBeginEndCalendarTimePopup(QWidget* pParent, bool bShowTime)
    : CBeginEndCalendarWidget(*new CBeginEndCalendarWidgetPrivate, pParent, bShowTime, Qt::Popup)
{
    setAttribute(Qt::WA_WindowPropagation);
    connect(this, &CBeginEndCalendarWidget::SignalClickedConfirmBtn, this,
            &CBeginEndCalendarTimePopup::OnClickedConfirmBtn);
}

CBeginEndCalendarTimePopup::~CBeginEndCalendarTimePopup() = default;

void CBeginEndCalendarTimePopup::OnClickedConfirmBtn()
{
    hide();
}

void CBeginEndCalendarTimePopup::mousePressEvent(QMouseEvent* pEvent)
{
    if (!rect().contains(pEvent->pos())) {
        setAttribute(Qt::WA_NoMouseReplay);
        hide();
        return;
    }
    CBeginEndCalendarWidget::mousePressEvent(pEvent);
}

} // namespace OrvaGUIToolkit

#include "OrvaGUIToolkit/Calendar/moc_BeginEndCalendarTimePopup.cpp"
