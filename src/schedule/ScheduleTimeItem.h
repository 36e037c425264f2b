#ifndef ORVAGUITOOLKIT_SCHEDULE_SCHEDULETIMEITEM_H
#define ORVAGUITOOLKIT_SCHEDULE_SCHEDULETIMEITEM_H

#include <QtCore/QTime>
#include <QtWidgets/QGraphicsObject>

namespace OrvaGUIToolkit {

class ScheduleDayScene;

// One time span on a day row: a coloured bar that the user moves by its body
// and resizes by its edges, in whole steps, never past the day's edges nor
// into its neighbours. Its x extent is the span: 576 pixels are 24 hours.
class ScheduleTimeItem : public QGraphicsObject
{
    Q_OBJECT

public:
    enum { Type = UserType + 0x5C1 };

    ScheduleTimeItem(int iMoveStep, int iResizeStep, ScheduleDayScene* pScene);

    // Pixel x on a day of iSceneWidth pixels to a time of day: whole minutes,
    // the right edge reads 23:59:59.
    static QTime XToTime(int iX, int iSceneWidth);
    // Fill colour of a span type; unknown types look like events.
    static QColor TypeColor(int iType);

    int type() const override { return Type; }
    QRectF boundingRect() const override;
    void paint(QPainter* pPainter, const QStyleOptionGraphicsItem* pOption, QWidget* pWidget) override;

    void SetEditable(bool bEditable);
    bool IsEditable() const;
    void SetItemType(int iType);
    int GetItemType() const;
    int GetMoveStep() const;
    int GetResizeStep() const;
    // Places the bar from iX to iX + iWidth, widened outward to whole resize steps.
    void SetItemRect(int iX, int iWidth);
    int GetWidth() const;
    // The bar's right edge in scene coordinates.
    qreal GetRight() const;
    void GetTime(QTime* pStart, QTime* pStop) const;
    // The cursor for a point in item coordinates; remembers which edge it is on.
    Qt::CursorShape CursorShapeAt(const QPointF& ptItem);

Q_SIGNALS:
    void SignalTimeItemChange(QTime timeStart, QTime timeStop, QPoint ptMouse);
    void SignalTimeItemModify();

protected:
    void hoverEnterEvent(QGraphicsSceneHoverEvent* pEvent) override;
    void hoverMoveEvent(QGraphicsSceneHoverEvent* pEvent) override;
    void hoverLeaveEvent(QGraphicsSceneHoverEvent* pEvent) override;
    void mousePressEvent(QGraphicsSceneMouseEvent* pEvent) override;
    void mouseMoveEvent(QGraphicsSceneMouseEvent* pEvent) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent* pEvent) override;

private:
    enum class DragState { None, Moving, Resizing };

    void SetViewsCursor(const QCursor* pCursor);
    void EmitTimeChange(const QPoint& ptScreen);
    int SnapToStep(int iDelta, int iStep) const;
    qreal ConstrainMove(qreal dDelta) const;
    qreal ConstrainResize(qreal dDelta);
    qreal ClampToNeighbours(qreal dDelta, bool bLeft, bool bRight) const;
    void MoveBy(const QPointF& ptScene);
    void ResizeBy(const QPointF& ptScene);

    QRectF m_rectScene;
    int m_iWidth = 0;
    DragState m_enumDrag = DragState::None;
    QPointF m_ptPress;
    int m_iResizeSide = 0;
    QPointF m_ptPosAtPress;
    int m_iWidthAtPress = 0;
    ScheduleDayScene* m_pScene = nullptr;
    QTime m_timeStart;
    QTime m_timeStop;
    bool m_bEditable = true;
    int m_iType = 1;
    int m_iMoveStep = 1;
    int m_iResizeStep = 1;
};

} // namespace OrvaGUIToolkit

#endif
