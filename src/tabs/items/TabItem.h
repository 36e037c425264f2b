#ifndef ORVAGUITOOLKIT_TABS_ITEMS_TABITEM_H
#define ORVAGUITOOLKIT_TABS_ITEMS_TABITEM_H

#include <QtGui/QColor>
#include <QtGui/QIcon>
#include <QtGui/QPixmap>
#include <QtWidgets/QGraphicsObject>

namespace OrvaGUIToolkit {

// One tab of the strip. It paints itself, reports a click or a press on its
// close button, and marks where a tab dragged over it would land.
class CTabItem : public QGraphicsObject
{
    Q_OBJECT

public:
    // Item data key under which a tab keeps the client's value.
    static constexpr int s_iDataKey = 32;
    static constexpr int s_iHorizontalHeight = 51;
    static constexpr int s_iVerticalHeight = 64;

    CTabItem(const QIcon& iconSel, const QIcon& iconUnSel, const QString& strText, QGraphicsItem* pParent = nullptr);

    QRectF boundingRect() const override;
    void paint(QPainter* pPainter, const QStyleOptionGraphicsItem* pOption, QWidget* pWidget) override;

    // Length along the strip: the width when horizontal, 64 when vertical.
    int Length() const;
    int Width() const;
    int Height() const;
    QRectF CloseRect() const;

    QString GetText() const { return m_strText; }
    QString GetToolTip() const { return m_strToolTip; }
    void SetToolTip(const QString& strToolTip);
    QIcon GetSelIcon() const { return m_iconSel; }
    QIcon GetUnSelIcon() const { return m_iconUnSel; }

    bool IsSelected() const { return m_bSelected; }
    void SetSelected(bool bSelected);
    bool IsFixed() const { return m_bFixed; }
    void SetFixed(bool bFixed);
    bool IsHover() const { return m_bHover; }
    void SetHover(bool bHover);
    void SetCloseVisible(bool bVisible);
    bool IsDropIndicatorShown() const { return m_bDropIndicator; }
    bool IsDropBefore() const { return m_bDropBefore; }
    void SetDropIndicator(bool bShown, bool bBefore);

    void SetVertical(bool bVertical);
    // The size of the strip the tab sits in: a vertical tab is as wide as
    // it, and icons are centred in its height.
    void SetStripSize(const QSize& size);
    void SetWritingDirection(Qt::LayoutDirection enumDirection);
    void SetPixmaps(const QPixmap& pmSel, const QPixmap& pmUnSel, const QPixmap& pmClose,
                    const QPixmap& pmCloseHover, const QPixmap& pmTabLine);
    void SetTextColors(const QColor& colorText, const QColor& colorSelText);
    QColor GetTextColor() const { return m_colorText; }
    QColor GetSelTextColor() const { return m_colorSelText; }

Q_SIGNALS:
    void SignalItemSelected();
    void SignalCloseTabItem();
    void SignalDragDropItem(int iDragItemIndex, bool bPutFront);

protected:
    void mousePressEvent(QGraphicsSceneMouseEvent* pEvent) override;
    void hoverEnterEvent(QGraphicsSceneHoverEvent* pEvent) override;
    void hoverMoveEvent(QGraphicsSceneHoverEvent* pEvent) override;
    void hoverLeaveEvent(QGraphicsSceneHoverEvent* pEvent) override;
    void dragEnterEvent(QGraphicsSceneDragDropEvent* pEvent) override;
    void dragMoveEvent(QGraphicsSceneDragDropEvent* pEvent) override;
    void dragLeaveEvent(QGraphicsSceneDragDropEvent* pEvent) override;
    void dropEvent(QGraphicsSceneDragDropEvent* pEvent) override;

private:
    QIcon CurrentIcon() const;
    QFont TextFont() const;
    void PaintHorizontal(QPainter* pPainter);
    void PaintVertical(QPainter* pPainter);
    void PaintDropIndicator(QPainter* pPainter);
    // Whether a drop at pos goes before this tab.
    bool DropGoesBefore(const QPointF& pos) const;

    QString m_strText;
    QString m_strToolTip;
    QIcon m_iconSel;
    QIcon m_iconUnSel;
    bool m_bSelected = false;
    bool m_bDropIndicator = false;
    bool m_bDropBefore = false;
    bool m_bFixed = false;
    bool m_bHover = false;
    bool m_bCloseHover = false;
    bool m_bCloseVisible = true;
    bool m_bVertical = false;
    QSize m_sizeStrip;
    QPixmap m_pmSel;
    QPixmap m_pmUnSel;
    QPixmap m_pmClose;
    QPixmap m_pmCloseHover;
    QPixmap m_pmTabLine;
    QColor m_colorText = QColor(0x99, 0x99, 0x99);
    QColor m_colorSelText = QColor(0xff, 0xff, 0xff);
    Qt::LayoutDirection m_enumDirection = Qt::LeftToRight;
};

// Whether a drag carries a tab: only those are accepted anywhere on a strip.
bool IsTabDrag(const QGraphicsSceneDragDropEvent* pEvent);

} // namespace OrvaGUIToolkit

#endif
