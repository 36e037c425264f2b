#ifndef ORVAGUITOOLKIT_ORVAGUITOOLKIT_H
#define ORVAGUITOOLKIT_ORVAGUITOOLKIT_H

// Umbrella header: every exported class and free function of the library.

#include <OrvaGUIToolkit/OrvaGUIToolkitGlobal.h>

// Toolkit foundation
#include <OrvaGUIToolkit/Foundation/GuiFunctions.h>

// Basic controls
#include <OrvaGUIToolkit/Button/PushButton.h>
#include <OrvaGUIToolkit/Button/ToolButton.h>
#include <OrvaGUIToolkit/Label/Label.h>

#endif
