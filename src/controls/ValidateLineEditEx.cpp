#include <OrvaGUIToolkit/LineEdit/ValidateLineEditEx.h>

#include "foundation/ForbiddenCharacters.h"

namespace OrvaGUIToolkit {

CValidateLineEditEx::CValidateLineEditEx(QWidget* pParent)
    : CValidateLineEdit(pParent)
{
    SetRegExp(ForbiddenCharactersRegExp(true),
              tr("Input cannot contain any of the following characters:") + ForbiddenCharactersList(true));
}

CValidateLineEditEx::~CValidateLineEditEx() = default;

} // namespace OrvaGUIToolkit
