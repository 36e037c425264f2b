#include <OrvaGUIToolkit/Foundation/TemporaryDataManager.h>
#include <OrvaGUIToolkit/Foundation/WaitWatcher.h>
#include <OrvaGUIToolkit/Foundation/WidgetMaximizeManager.h>

namespace OrvaGUIToolkit {

// The library's own services are instantiated here, once, and exported, so
// that the library and its clients share one instance of each.
template class CUiSingleton<CTemporaryDataManager>;
template class CUiSingleton<CWaitWatcher>;
template class CUiSingleton<CWidgetMaximizeManager>;

} // namespace OrvaGUIToolkit
