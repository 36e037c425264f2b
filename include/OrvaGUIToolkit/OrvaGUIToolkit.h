#ifndef ORVAGUITOOLKIT_ORVAGUITOOLKIT_H
#define ORVAGUITOOLKIT_ORVAGUITOOLKIT_H

// Umbrella header: every exported class and free function of the library.

#include <OrvaGUIToolkit/OrvaGUIToolkitGlobal.h>

// Toolkit foundation
#include <OrvaGUIToolkit/Foundation/GuiFunctions.h>

// Basic controls
#include <OrvaGUIToolkit/Button/PushButton.h>
#include <OrvaGUIToolkit/CheckBox/CheckBox.h>
#include <OrvaGUIToolkit/Label/Label.h>
#include <OrvaGUIToolkit/ScrollBar/ScrollBar.h>

// Picture galleries
#include <OrvaGUIToolkit/Picture/PicBaseLabel.h>
#include <OrvaGUIToolkit/Picture/PicLabel.h>

#endif
