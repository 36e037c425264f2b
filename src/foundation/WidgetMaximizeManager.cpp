#include <OrvaGUIToolkit/Foundation/WidgetMaximizeManager.h>

#include "foundation/WidgetMaximizeManagerPrivate.h"

namespace OrvaGUIToolkit {

CWidgetMaximizeManager::CWidgetMaximizeManager()
    : d_ptr(new CWidgetMaximizeManagerPrivate)
{
}

CWidgetMaximizeManager::~CWidgetMaximizeManager() = default;

void CWidgetMaximizeManager::SetWidgetMaximizeMode(WidgetMaximizeMode enumMode)
{
    Q_D(CWidgetMaximizeManager);
    d->m_iMode.store(enumMode);
}

CWidgetMaximizeManager::WidgetMaximizeMode CWidgetMaximizeManager::GetWidgetMaximizeMode() const
{
    Q_D(const CWidgetMaximizeManager);
    return static_cast<WidgetMaximizeMode>(d->m_iMode.load());
}

} // namespace OrvaGUIToolkit
