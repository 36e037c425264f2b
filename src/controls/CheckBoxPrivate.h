#ifndef ORVAGUITOOLKIT_CONTROLS_CHECKBOXPRIVATE_H
#define ORVAGUITOOLKIT_CONTROLS_CHECKBOXPRIVATE_H

#include <OrvaGUIToolkit/CheckBox/CheckBox.h>

namespace OrvaGUIToolkit {

// The check box keeps nothing beyond Qt's own state; check boxes derived from
// it chain their state from here.
class CCheckBoxPrivate
{
    Q_DECLARE_PUBLIC(CCheckBox)

public:
    virtual ~CCheckBoxPrivate() = default;

    CCheckBox* q_ptr = nullptr;
};

} // namespace OrvaGUIToolkit

#endif
