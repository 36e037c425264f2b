#ifndef ORVAGUITOOLKIT_LAYOUT_LAYOUTELEMENTDATA_H
#define ORVAGUITOOLKIT_LAYOUT_LAYOUTELEMENTDATA_H

#include <OrvaGUIToolkit/OrvaGUIToolkitGlobal.h>

#include <QtCore/QString>

namespace OrvaGUIToolkit {

// One item of a layout grid: a video window ("QWidget") or an empty stretch
// cell ("QSpacerItem") with its top-left cell and the cells it covers.
struct struLayoutElementData
{
    QString type;
    int id = 0;
    int row = 0;
    int column = 0;
    int rowSpan = 0;
    int columnSpan = 0;
};

} // namespace OrvaGUIToolkit

#endif
