#ifndef ORVAGUITOOLKIT_GUIFUNCTIONSINTERNAL_H
#define ORVAGUITOOLKIT_GUIFUNCTIONSINTERNAL_H

#include <OrvaGUIToolkit/OrvaGUIToolkitGlobal.h>

namespace OrvaGUIToolkit {

// Current offset of local time from UTC in seconds, positive east of
// Greenwich. The timelines add it to time_t values to lay out whole local days.
int GetLocalUtcOffset();

} // namespace OrvaGUIToolkit

#endif
