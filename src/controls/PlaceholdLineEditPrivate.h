#ifndef ORVAGUITOOLKIT_CONTROLS_PLACEHOLDLINEEDITPRIVATE_H
#define ORVAGUITOOLKIT_CONTROLS_PLACEHOLDLINEEDITPRIVATE_H

#include <OrvaGUIToolkit/LineEdit/PlaceholdLineEdit.h>

#include "controls/LineEditPrivate.h"

namespace OrvaGUIToolkit {

class CPlaceholdLineEditPrivate : public CLineEditPrivate
{
    Q_DECLARE_PUBLIC(CPlaceholdLineEdit)

public:
    // The tool tip shown while the field has focus.
    QString m_strToolTips;
};

} // namespace OrvaGUIToolkit

#endif
