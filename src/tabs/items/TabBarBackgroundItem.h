#ifndef ORVAGUITOOLKIT_TABS_ITEMS_TABBARBACKGROUNDITEM_H
#define ORVAGUITOOLKIT_TABS_ITEMS_TABBARBACKGROUNDITEM_H

#include <QtWidgets/QGraphicsObject>

namespace OrvaGUIToolkit {

// A transparent item the size of the scene behind the tabs, so that a tab
// dropped past the last one still lands in the strip.
class CTabBarBackgroundItem : public QGraphicsObject
{
    Q_OBJECT

public:
    explicit CTabBarBackgroundItem(QGraphicsItem* pParent = nullptr);

    QRectF boundingRect() const override;
    void paint(QPainter* pPainter, const QStyleOptionGraphicsItem* pOption, QWidget* pWidget) override;
    void SetSize(const QSizeF& size);

Q_SIGNALS:
    void SignalDragEnter();
    void SignalDrop(int iDragItemIndex);

protected:
    void dragEnterEvent(QGraphicsSceneDragDropEvent* pEvent) override;
    void dragMoveEvent(QGraphicsSceneDragDropEvent* pEvent) override;
    void dropEvent(QGraphicsSceneDragDropEvent* pEvent) override;

private:
    QSizeF m_size;
};

} // namespace OrvaGUIToolkit

#endif
