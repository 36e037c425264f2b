#ifndef ORVAGUITOOLKIT_CONTROLS_PUSHBUTTONPRIVATE_H
#define ORVAGUITOOLKIT_CONTROLS_PUSHBUTTONPRIVATE_H

#include <OrvaGUIToolkit/Button/PushButton.h>

namespace OrvaGUIToolkit {

// The push button keeps nothing beyond Qt's own state; buttons derived from
// it chain their state from here.
class CPushButtonPrivate
{
    Q_DECLARE_PUBLIC(CPushButton)

public:
    virtual ~CPushButtonPrivate() = default;

    CPushButton* q_ptr = nullptr;
};

} // namespace OrvaGUIToolkit

#endif
