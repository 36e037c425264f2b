#include "TabBarBackgroundItem.h"

#include "TabItem.h"

#include <QtCore/QMimeData>
#include <QtWidgets/QGraphicsSceneDragDropEvent>

namespace OrvaGUIToolkit {

CTabBarBackgroundItem::CTabBarBackgroundItem(QGraphicsItem* pParent)
    : QGraphicsObject(pParent)
{
    setAcceptDrops(true);
    setAcceptedMouseButtons(Qt::NoButton);
    setZValue(-1);
}

QRectF CTabBarBackgroundItem::boundingRect() const
{
    return QRectF(QPointF(0, 0), m_size);
}

void CTabBarBackgroundItem::paint(QPainter*, const QStyleOptionGraphicsItem*, QWidget*)
{
}

void CTabBarBackgroundItem::SetSize(const QSizeF& size)
{
    prepareGeometryChange();
    m_size = size;
}

void CTabBarBackgroundItem::dragEnterEvent(QGraphicsSceneDragDropEvent* pEvent)
{
    if (!IsTabDrag(pEvent)) {
        pEvent->ignore();
        return;
    }
    pEvent->setDropAction(Qt::MoveAction);
    pEvent->accept();
    Q_EMIT SignalDragEnter();
}

void CTabBarBackgroundItem::dragMoveEvent(QGraphicsSceneDragDropEvent* pEvent)
{
    if (!IsTabDrag(pEvent)) {
        pEvent->ignore();
        return;
    }
    pEvent->setDropAction(Qt::MoveAction);
    pEvent->accept();
}

void CTabBarBackgroundItem::dropEvent(QGraphicsSceneDragDropEvent* pEvent)
{
    if (!IsTabDrag(pEvent)) {
        pEvent->ignore();
        return;
    }
    pEvent->setDropAction(Qt::MoveAction);
    pEvent->accept();
    Q_EMIT SignalDrop(pEvent->mimeData()->property("TabItemIndex").toInt());
}

} // namespace OrvaGUIToolkit

#include "moc_TabBarBackgroundItem.cpp"
