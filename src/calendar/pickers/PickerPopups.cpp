#include "PickerPopups.h"

#include <OrvaGUIToolkit/Foundation/GuiFunctions.h>
#include <OrvaGUIToolkit/LineEdit/FancyLineEdit.h>

#include <QtWidgets/QStyle>
#include <QtWidgets/QStyleOptionComboBox>
#include <QtWidgets/QWidget>

namespace OrvaGUIToolkit {

void ShowPopupUnder(QWidget* pPopup, const QWidget* pField)
{
    const QRect rectField(pField->mapToGlobal(QPoint(0, 0)), pField->size());
    pPopup->move(GetBorderAvailableGeometry(rectField, pPopup).topLeft());
    pPopup->show();
    pPopup->raise();
}

void ShowPopupAtCorner(QWidget* pPopup, const QWidget* pField)
{
    const QRect rectAnchor(pField->mapToGlobal(QPoint(0, 0)), pPopup->size());
    pPopup->move(GetBorderAvailableGeometry(rectAnchor, pPopup).topLeft());
    pPopup->show();
    pPopup->raise();
}

bool IsOnDropDownArrow(const QWidget* pOpener, const QPoint& ptGlobal)
{
    if (!pOpener)
        return false;
    QStyleOptionComboBox option;
    option.initFrom(pOpener);
    QRect rectArrow = pOpener->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow,
                                                       pOpener);
    rectArrow.moveTo(pOpener->mapToGlobal(rectArrow.topLeft()));
    return rectArrow.contains(ptGlobal);
}

void SetupRangeField(CFancyLineEdit* pField)
{
    pField->setReadOnly(true);
    pField->SetButtonPixmap(CFancyLineEdit::Right,
                            QPixmap(QStringLiteral(":/OrvaDesk/ComboBox/Images/Public/Control/ComboBox/DateBox.png")));
    pField->SetButtonVisible(CFancyLineEdit::Right, true);
}

} // namespace OrvaGUIToolkit
