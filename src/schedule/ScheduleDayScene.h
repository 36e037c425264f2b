#ifndef ORVAGUITOOLKIT_SCHEDULE_SCHEDULEDAYSCENE_H
#define ORVAGUITOOLKIT_SCHEDULE_SCHEDULEDAYSCENE_H

#include <OrvaGUIToolkit/Schedule/ScheduleData.h>

#include <QtCore/QPoint>
#include <QtCore/QTime>
#include <QtWidgets/QGraphicsScene>

namespace OrvaGUIToolkit {

class ScheduleTimeItem;

// One day row of the week grid: holds the day's span bars, lets the user draw
// a new one by dragging over empty space and deletes the selected ones.
class ScheduleDayScene : public QGraphicsScene
{
    Q_OBJECT

public:
    // The most bars a row may hold.
    static constexpr int MaxItemLimit = 8;

    ScheduleDayScene(qreal x, qreal y, qreal w, qreal h, QObject* pParent = nullptr);

    // Adds a bar for a stored span; false (with a warning) when the span is
    // empty, inverted or lies wholly on another bar. A span that overlaps a
    // neighbour is cut back to the free gap.
    bool AddTimeItem(QTime timeStart, QTime timeStop, int iType);
    // Deletes every bar, also one being drawn.
    void ClearItems();
    void SetEditable(bool bEditable);
    bool IsEditable() const;
    void SetSelected(bool bSelected);
    bool IsSelected() const;
    void SetModified(bool bModified);
    bool IsModified() const;
    void SetMaxItemNum(int iNum);
    int GetMaxItemNum() const;
    // Steps arrive as values per day width: pixels = value / width.
    void SetMoveStep(int iValue);
    void SetResizeStep(int iValue);
    int GetMoveStep() const;
    int GetResizeStep() const;
    int GetType() const;
    int TimeToX(QTime time) const;

    // Bars from left to right, and in the order they were added.
    QList<ScheduleTimeItem*> GetItemsByX() const;
    QList<ScheduleTimeItem*> GetItemsInOrder() const;

Q_SIGNALS:
    void SignalTimeItemChange(QTime timeStart, QTime timeStop, QPoint ptMouse);
    void SignalTimeItemDeleteSelect();
    void SceneSelectChaned(); // kept for connections made by name; never emitted
    void SetSaveBtnEnable(bool bEnabled);
    void SignalScenceSelect(bool bSelected);

public Q_SLOTS:
    void OnTimeItemSelectChange();
    void OnTypeChange(ScheduleData::ScheduleItemType enumType);
    void OnTimeItemModify();
    void DeleteSelectItem();

protected:
    void mousePressEvent(QGraphicsSceneMouseEvent* pEvent) override;
    void mouseMoveEvent(QGraphicsSceneMouseEvent* pEvent) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent* pEvent) override;

private:
    ScheduleTimeItem* CreateItem(int iType);
    QPointF ConstrainDrawPoint(QPointF ptScene) const;
    int StepFromValue(int iValue) const;

    bool m_bDrawing = false;
    bool m_bEditable = true;
    QRectF m_rect;
    ScheduleTimeItem* m_pCurrentItem = nullptr;
    QPointF m_ptPress;
    int m_iType = ScheduleData::Continuous;
    bool m_bSelected = false;
    bool m_bModified = false;
    int m_iMaxItemNum = MaxItemLimit;
    int m_iWidth = 0;
    int m_iMoveStep = 0;
    int m_iResizeStep = 0;
};

} // namespace OrvaGUIToolkit

#endif
