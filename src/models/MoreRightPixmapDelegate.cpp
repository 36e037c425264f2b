#include <OrvaGUIToolkit/ItemView/MoreRightPixmapDelegate.h>

#include "models/TableDelegatePrivate.h"

#include <QtGui/QPainter>

namespace OrvaGUIToolkit {

namespace {

const CItemDataRole s_arrRightRoles[] = {MoreRightPixmap1Role, MoreRightPixmap2Role};

} // namespace

CMoreRightPixmapDelegate::CMoreRightPixmapDelegate(CAbstractItemView* pView)
    : CTableDelegate(pView)
{
}

CMoreRightPixmapDelegate::~CMoreRightPixmapDelegate() = default;

void CMoreRightPixmapDelegate::DrawMoreRightPixmap(QPainter* pPainter, const QStyleOptionViewItem& option,
                                                   const QModelIndex& miIndex, Qt::Alignment enumAlignment) const
{
    if (!pPainter)
        return;
    for (CItemDataRole enumRole : s_arrRightRoles) {
        const QPixmap pixmap = miIndex.data(enumRole).value<QPixmap>();
        if (!pixmap.isNull())
            pPainter->drawPixmap(GetItemPixmapRect(enumRole, option, miIndex, enumAlignment), pixmap);
    }
}

CItemDataRole CMoreRightPixmapDelegate::CheckMousePos(const QPoint& pos, const QStyleOptionViewItem& option,
                                                      const QModelIndex& miIndex) const
{
    const CItemDataRole enumRole = CTableDelegate::CheckMousePos(pos, option, miIndex);
    if (enumRole != NoItemRole)
        return enumRole;
    for (CItemDataRole enumRight : s_arrRightRoles) {
        if (GetItemPixmapRect(enumRight, option, miIndex, Qt::AlignRight).contains(pos))
            return enumRight;
    }
    return NoItemRole;
}

// The two right images end at the cell's right edge, one pixmap space apart
// and one pixmap space from the edge, in role order.
QRect CMoreRightPixmapDelegate::GetItemPixmapRect(CItemDataRole enumRole, const QStyleOptionViewItem& option,
                                                  const QModelIndex& miIndex, Qt::Alignment enumAlignment) const
{
    if (enumRole != MoreRightPixmap1Role && enumRole != MoreRightPixmap2Role)
        return CTableDelegate::GetItemPixmapRect(enumRole, option, miIndex, enumAlignment);
    Q_D(const CTableDelegate);
    const QRect rectCell = d->CellRect(option);
    QList<QPair<CItemDataRole, QSize>> listImages;
    int iTotalWidth = 0;
    for (CItemDataRole enumRight : s_arrRightRoles) {
        const QPixmap pixmap = miIndex.data(enumRight).value<QPixmap>();
        if (pixmap.isNull())
            continue;
        listImages.append(qMakePair(enumRight, pixmap.size()));
        iTotalWidth += pixmap.width() + d->m_iPixmapSpace;
    }
    int iX = rectCell.left() + rectCell.width() - iTotalWidth;
    for (const auto& image : listImages) {
        if (image.first == enumRole)
            return QRect(QPoint(iX, rectCell.top() + (rectCell.height() - image.second.height()) / 2), image.second);
        iX += image.second.width() + d->m_iPixmapSpace;
    }
    return QRect();
}

} // namespace OrvaGUIToolkit

#include "OrvaGUIToolkit/ItemView/moc_MoreRightPixmapDelegate.cpp"
