#ifndef ORVAGUITOOLKIT_ITEMVIEW_MORERIGHTPIXMAPDELEGATE_H
#define ORVAGUITOOLKIT_ITEMVIEW_MORERIGHTPIXMAPDELEGATE_H

#include <OrvaGUIToolkit/ItemView/TableDelegate.h>

namespace OrvaGUIToolkit {

// A table delegate with two more images (MoreRightPixmap1Role and
// MoreRightPixmap2Role) at the cell's right edge, clickable like the others.
class ORVAGUITOOLKIT_EXPORT CMoreRightPixmapDelegate : public CTableDelegate
{
    Q_OBJECT
    Q_DECLARE_PRIVATE(CTableDelegate)

public:
    explicit CMoreRightPixmapDelegate(CAbstractItemView* pView);
    ~CMoreRightPixmapDelegate() override;

    void DrawMoreRightPixmap(QPainter* pPainter, const QStyleOptionViewItem& option, const QModelIndex& miIndex,
                             Qt::Alignment enumAlignment) const override;
    CItemDataRole CheckMousePos(const QPoint& pos, const QStyleOptionViewItem& option,
                                const QModelIndex& miIndex) const override;
    QRect GetItemPixmapRect(CItemDataRole enumRole, const QStyleOptionViewItem& option, const QModelIndex& miIndex,
                            Qt::Alignment enumAlignment) const override;
};

} // namespace OrvaGUIToolkit

#endif
