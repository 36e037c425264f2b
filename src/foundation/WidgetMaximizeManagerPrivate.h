#ifndef ORVAGUITOOLKIT_FOUNDATION_WIDGETMAXIMIZEMANAGERPRIVATE_H
#define ORVAGUITOOLKIT_FOUNDATION_WIDGETMAXIMIZEMANAGERPRIVATE_H

#include <OrvaGUIToolkit/Foundation/WidgetMaximizeManager.h>

#include <atomic>

namespace OrvaGUIToolkit {

class CWidgetMaximizeManagerPrivate
{
public:
    // Any thread may read it while the client sets it.
    std::atomic<int> m_iMode{CWidgetMaximizeManager::MaximizeToAvailableArea};
};

} // namespace OrvaGUIToolkit

#endif
