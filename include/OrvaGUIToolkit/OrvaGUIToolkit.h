#ifndef ORVAGUITOOLKIT_ORVAGUITOOLKIT_H
#define ORVAGUITOOLKIT_ORVAGUITOOLKIT_H

// Umbrella header: every exported class and free function of the library.

#include <OrvaGUIToolkit/OrvaGUIToolkitGlobal.h>

// Toolkit foundation
#include <OrvaGUIToolkit/Foundation/GuiFunctions.h>

// Basic controls
#include <OrvaGUIToolkit/Button/PushButton.h>
#include <OrvaGUIToolkit/Button/ToolButton.h>
#include <OrvaGUIToolkit/CheckBox/CheckBox.h>
#include <OrvaGUIToolkit/Label/Label.h>
#include <OrvaGUIToolkit/LineEdit/RegExpValidator.h>
#include <OrvaGUIToolkit/LineEdit/LineEdit.h>
#include <OrvaGUIToolkit/LineEdit/PasswordLineEdit.h>
#include <OrvaGUIToolkit/LineEdit/PlaceholdLineEdit.h>
#include <OrvaGUIToolkit/LineEdit/ValidateLineEdit.h>
#include <OrvaGUIToolkit/LineEdit/ValidateLineEditEx.h>
#include <OrvaGUIToolkit/LineEdit/IconButton.h>
#include <OrvaGUIToolkit/LineEdit/FancyLineEdit.h>
#include <OrvaGUIToolkit/LineEdit/FilterLineEdit.h>
#include <OrvaGUIToolkit/ScrollBar/ScrollBar.h>
#include <OrvaGUIToolkit/ToolTip/ToolTip.h>

// Picture galleries
#include <OrvaGUIToolkit/Picture/PicBaseLabel.h>
#include <OrvaGUIToolkit/Picture/PicLabel.h>

#endif
