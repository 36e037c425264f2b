#include <OrvaGUIToolkit/ItemView/TreeViewWithRightPixmapDelegate.h>

namespace OrvaGUIToolkit {

CTreeViewWithRightPixmapDelegate::CTreeViewWithRightPixmapDelegate(CAbstractItemView* pView)
    : CTableDelegate(pView)
{
}

CTreeViewWithRightPixmapDelegate::~CTreeViewWithRightPixmapDelegate() = default;

Qt::Alignment CTreeViewWithRightPixmapDelegate::ItemPixmapAlignment(const QStyleOptionViewItem& option,
                                                                    const QModelIndex& /*miIndex*/) const
{
    return option.direction == Qt::RightToLeft ? Qt::AlignLeft : Qt::AlignRight;
}

QStyle::StateFlag CTreeViewWithRightPixmapDelegate::ItemPixmapShowStateFlag(const QModelIndex& /*miIndex*/) const
{
    return QStyle::State_MouseOver;
}

} // namespace OrvaGUIToolkit

#include "OrvaGUIToolkit/ItemView/moc_TreeViewWithRightPixmapDelegate.cpp"
