#ifndef ORVAGUITOOLKIT_TABS_ITEMS_ARROWITEM_H
#define ORVAGUITOOLKIT_TABS_ITEMS_ARROWITEM_H

#include <QtGui/QPixmap>
#include <QtWidgets/QGraphicsObject>

namespace OrvaGUIToolkit {

// The overflow arrow at the end of a strip whose tabs do not all fit. A click
// opens the menu of all tabs; the arrow stays pressed until the menu hides.
class CArrowItem : public QGraphicsObject
{
    Q_OBJECT

public:
    explicit CArrowItem(QGraphicsItem* pParent = nullptr);

    QRectF boundingRect() const override;
    void paint(QPainter* pPainter, const QStyleOptionGraphicsItem* pOption, QWidget* pWidget) override;

    void SetVertical(bool bVertical);
    bool IsPressed() const { return m_bPressed; }
    void SetPixmaps(const QPixmap& pmArrow, const QPixmap& pmSel, const QPixmap& pmHover, const QPixmap& pmUnSel);

Q_SIGNALS:
    void SignalArrowClicked();

public Q_SLOTS:
    void OnMenuHide();

protected:
    void mousePressEvent(QGraphicsSceneMouseEvent* pEvent) override;
    void hoverEnterEvent(QGraphicsSceneHoverEvent* pEvent) override;
    void hoverLeaveEvent(QGraphicsSceneHoverEvent* pEvent) override;

private:
    void PaintChevron(QPainter* pPainter) const;

    QPixmap m_pmArrow;
    QPixmap m_pmSel;
    QPixmap m_pmHover;
    QPixmap m_pmUnSel;
    bool m_bVertical = false;
    bool m_bHover = false;
    bool m_bPressed = false;
};

} // namespace OrvaGUIToolkit

#endif
