#ifndef ORVAGUITOOLKIT_ITEMVIEW_TREEVIEWWITHRIGHTPIXMAPDELEGATE_H
#define ORVAGUITOOLKIT_ITEMVIEW_TREEVIEWWITHRIGHTPIXMAPDELEGATE_H

#include <OrvaGUIToolkit/ItemView/TableDelegate.h>

namespace OrvaGUIToolkit {

// A table delegate for trees: the cell images sit at the trailing edge of the
// row and show only while the mouse is over it.
class ORVAGUITOOLKIT_EXPORT CTreeViewWithRightPixmapDelegate : public CTableDelegate
{
    Q_OBJECT

public:
    explicit CTreeViewWithRightPixmapDelegate(CAbstractItemView* pView);
    ~CTreeViewWithRightPixmapDelegate() override;

    Qt::Alignment ItemPixmapAlignment(const QStyleOptionViewItem& option, const QModelIndex& miIndex) const override;
    QStyle::StateFlag ItemPixmapShowStateFlag(const QModelIndex& miIndex) const override;
};

} // namespace OrvaGUIToolkit

#endif
