#ifndef ORVAGUITOOLKIT_ITEMVIEW_ITEMDATAROLE_H
#define ORVAGUITOOLKIT_ITEMVIEW_ITEMDATAROLE_H

#include <OrvaGUIToolkit/OrvaGUIToolkitGlobal.h>

#include <QtCore/QMetaType>

namespace OrvaGUIToolkit {

// The data roles every model, view and delegate of the toolkit shares. They
// sit above Qt::UserRole so that they never meet Qt's own roles; NoItemRole
// doubles as "no image of the cell" in the delegates' hit tests.
enum CItemDataRole {
    NoItemRole = 132,
    DecorationExRole = 134,
    DisplayExRole = 135,
    CheckStateExRole = 136,
    ItemFlagsRole = 137,
    ComboItemsRole = 142,
    ComboCurrentIndexRole = 143,
    ComboItemDataRole = 144,
    DateTimeEditRole = 145,
    DateEditRole = 146,
    EditRegExpRole = 152,
    EditMaxLengthRole = 153,
    HeaderCheckableRole = 162,
    HeaderSectionWidthRole = 164,
    ImageRole = 165,
    HighlightKeywordsRole = 183,
    CoverColorRole = 192,
    PixmapAlignmentRole = 202,
    PixmapShowStateRole = 203,
    Pixmap1Role = 212,
    Pixmap2Role = 213,
    Pixmap3Role = 214,
    MoreRightPixmap1Role = 215,
    MoreRightPixmap2Role = 216,
    Pixmap1ToolTipRole = 242,
    Pixmap2ToolTipRole = 243,
    Pixmap3ToolTipRole = 244,
    ProgressRole = 292
};

} // namespace OrvaGUIToolkit

Q_DECLARE_METATYPE(OrvaGUIToolkit::CItemDataRole)

#endif
