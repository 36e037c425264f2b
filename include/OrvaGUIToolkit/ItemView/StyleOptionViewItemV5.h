#ifndef ORVAGUITOOLKIT_ITEMVIEW_STYLEOPTIONVIEWITEMV5_H
#define ORVAGUITOOLKIT_ITEMVIEW_STYLEOPTIONVIEWITEMV5_H

#include <OrvaGUIToolkit/OrvaGUIToolkitGlobal.h>

#include <QtGui/QColor>
#include <QtWidgets/QStyleOptionViewItem>

namespace OrvaGUIToolkit {

// The item option the views hand to their delegate's PaintOther(): the item
// option plus the view's grid-line switch and colour.
class CStyleOptionViewItemV5 : public QStyleOptionViewItem
{
public:
    enum StyleOptionVersion { Version = 5 };

    CStyleOptionViewItemV5()
    {
        version = Version;
    }

    CStyleOptionViewItemV5(const QStyleOptionViewItem& other)
        : QStyleOptionViewItem(other)
    {
        version = Version;
    }

    bool m_bShowGridLine = true;
    QColor m_colorGridLine = QColor(214, 214, 214, 255);
};

} // namespace OrvaGUIToolkit

#endif
