#include <OrvaGUIToolkit/Foundation/WidgetMaximizeManager.h>

namespace OrvaGUIToolkit {

CWidgetMaximizeManager::CWidgetMaximizeManager()
    : m_iMode(MaximizeToAvailableArea)
{
}

CWidgetMaximizeManager::~CWidgetMaximizeManager() = default;

void CWidgetMaximizeManager::SetWidgetMaximizeMode(WidgetMaximizeMode enumMode)
{
    m_iMode.store(enumMode);
}

CWidgetMaximizeManager::WidgetMaximizeMode CWidgetMaximizeManager::GetWidgetMaximizeMode() const
{
    return static_cast<WidgetMaximizeMode>(m_iMode.load());
}

} // namespace OrvaGUIToolkit
