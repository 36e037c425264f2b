#ifndef ORVAGUITOOLKIT_CONTROLS_TOOLBUTTONPRIVATE_H
#define ORVAGUITOOLKIT_CONTROLS_TOOLBUTTONPRIVATE_H

#include <OrvaGUIToolkit/Button/ToolButton.h>

namespace OrvaGUIToolkit {

// The tool button keeps nothing beyond Qt's own state; buttons derived from
// it chain their state from here.
class CToolButtonPrivate
{
    Q_DECLARE_PUBLIC(CToolButton)

public:
    virtual ~CToolButtonPrivate() = default;

    CToolButton* q_ptr = nullptr;
};

} // namespace OrvaGUIToolkit

#endif
