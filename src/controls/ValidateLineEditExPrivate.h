#ifndef ORVAGUITOOLKIT_CONTROLS_VALIDATELINEEDITEXPRIVATE_H
#define ORVAGUITOOLKIT_CONTROLS_VALIDATELINEEDITEXPRIVATE_H

#include <OrvaGUIToolkit/LineEdit/ValidateLineEditEx.h>

#include "controls/ValidateLineEditPrivate.h"

namespace OrvaGUIToolkit {

// Nothing beyond the validating line edit's state: only the expression and
// the warning differ.
class CValidateLineEditExPrivate : public CValidateLineEditPrivate
{
    Q_DECLARE_PUBLIC(CValidateLineEditEx)
};

} // namespace OrvaGUIToolkit

#endif
