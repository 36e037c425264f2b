#ifndef ORVAGUITOOLKIT_LAYOUT_SPLITTYPEDATA_H
#define ORVAGUITOOLKIT_LAYOUT_SPLITTYPEDATA_H

#include <OrvaGUIToolkit/OrvaGUIToolkitGlobal.h>

namespace OrvaGUIToolkit {

// The number of a split layout of the video area. Standard grids and wide
// layouts are numbered by the layout configuration (1 = one window, 17 = 64
// windows, 100..108 wide layouts); 201..205 are layouts the user composes and
// hands over as XML text. Kept an integer because a configuration may name
// any number.
struct struSplitTypeData
{
    using SplitType = int;
};

} // namespace OrvaGUIToolkit

#endif
