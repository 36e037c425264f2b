#include "controls/ValidateLineEditExPrivate.h"

#include "foundation/ForbiddenCharacters.h"

namespace OrvaGUIToolkit {

CValidateLineEditEx::CValidateLineEditEx(QWidget* pParent)
    : CValidateLineEditEx(*new CValidateLineEditExPrivate, pParent)
{
}

CValidateLineEditEx::CValidateLineEditEx(CValidateLineEditExPrivate& dd, QWidget* pParent)
    : CValidateLineEdit(dd, pParent)
{
    SetRegExp(ForbiddenCharactersRegExp(true),
              tr("Input cannot contain any of the following characters:") + ForbiddenCharactersList(true));
}

CValidateLineEditEx::~CValidateLineEditEx() = default;

} // namespace OrvaGUIToolkit

#include "OrvaGUIToolkit/LineEdit/moc_ValidateLineEditEx.cpp"
