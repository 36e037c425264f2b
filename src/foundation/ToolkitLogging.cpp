#include "foundation/ToolkitLogging.h"

namespace OrvaGUIToolkit {

Q_LOGGING_CATEGORY(lcOrvaGUIToolkit, "orva.guitoolkit")

} // namespace OrvaGUIToolkit
