#ifndef ORVAGUITOOLKIT_CONTROLS_VALIDATELINEEDITPRIVATE_H
#define ORVAGUITOOLKIT_CONTROLS_VALIDATELINEEDITPRIVATE_H

#include <OrvaGUIToolkit/LineEdit/ValidateLineEdit.h>

#include "controls/LineEditPrivate.h"

namespace OrvaGUIToolkit {

class CValidateLineEditPrivate : public CLineEditPrivate
{
    Q_DECLARE_PUBLIC(CValidateLineEdit)

public:
    // The forbidden-character expression; the nine characters at first.
    QRegExp m_regExp;
    // The text the field returns to on a refusal.
    QString m_strLastText;
    // The warning given to SetRegExp(), shown once m_bCustomWarning is set.
    QString m_strWarning;
    bool m_bCustomWarning = false;
};

} // namespace OrvaGUIToolkit

#endif
