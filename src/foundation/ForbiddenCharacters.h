#ifndef ORVAGUITOOLKIT_FOUNDATION_FORBIDDENCHARACTERS_H
#define ORVAGUITOOLKIT_FOUNDATION_FORBIDDENCHARACTERS_H

#include <QRegExp>
#include <QtCore/QString>

namespace OrvaGUIToolkit {

// The characters file and device names may not contain, shared by the input
// checks and the validating line edits. With bApostrophe the apostrophe is
// refused too.
QRegExp ForbiddenCharactersRegExp(bool bApostrophe);

// The second line of the refusal warning: a line break, then every refused
// character preceded by one space. The first line is translated by the control.
QString ForbiddenCharactersList(bool bApostrophe);

} // namespace OrvaGUIToolkit

#endif
