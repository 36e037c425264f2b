#include "schedule/ScheduleDayScene.h"

#include "foundation/ToolkitLogging.h"
#include "schedule/ScheduleTimeItem.h"

#include <QtWidgets/QGraphicsSceneMouseEvent>

#include <algorithm>
#include <cmath>

namespace OrvaGUIToolkit {

ScheduleDayScene::ScheduleDayScene(qreal x, qreal y, qreal w, qreal h, QObject* pParent)
    : QGraphicsScene(x, y, w, h, pParent)
    , m_rect(x, y, w, h)
    , m_iWidth(std::isfinite(w) ? int(qBound<qreal>(0, w, 1 << 20)) : 0)
{
    connect(this, SIGNAL(selectionChanged()), this, SLOT(OnTimeItemSelectChange()));
}

int ScheduleDayScene::TimeToX(QTime time) const
{
    return qRound(m_iWidth * (time.hour() * 60.0 + time.minute()) / 1440.0);
}

QList<ScheduleTimeItem*> ScheduleDayScene::GetItemsInOrder() const
{
    QList<ScheduleTimeItem*> lstItems;
    const auto lstAll = items(Qt::AscendingOrder);
    for (QGraphicsItem* pItem : lstAll) {
        if (auto* pTimeItem = qgraphicsitem_cast<ScheduleTimeItem*>(pItem))
            lstItems.append(pTimeItem);
    }
    return lstItems;
}

QList<ScheduleTimeItem*> ScheduleDayScene::GetItemsByX() const
{
    QList<ScheduleTimeItem*> lstItems = GetItemsInOrder();
    std::stable_sort(lstItems.begin(), lstItems.end(),
                     [](const ScheduleTimeItem* pA, const ScheduleTimeItem* pB) { return pA->pos().x() < pB->pos().x(); });
    return lstItems;
}

ScheduleTimeItem* ScheduleDayScene::CreateItem(int iType)
{
    auto* pItem = new ScheduleTimeItem(m_iMoveStep, m_iResizeStep, this);
    pItem->SetEditable(m_bEditable);
    pItem->SetItemType(iType);
    addItem(pItem);
    connect(pItem, SIGNAL(SignalTimeItemChange(QTime, QTime, QPoint)), this,
            SIGNAL(SignalTimeItemChange(QTime, QTime, QPoint)));
    connect(pItem, SIGNAL(SignalTimeItemModify()), this, SLOT(OnTimeItemModify()));
    return pItem;
}

bool ScheduleDayScene::AddTimeItem(QTime timeStart, QTime timeStop, int iType)
{
    if (!timeStart.isValid() || !timeStop.isValid()) {
        qCWarning(lcOrvaGUIToolkit, "ScheduleDayScene::AddTimeItem: !timeStart.isValid() || !timeStop.isValid()");
        return false;
    }
    // A stored span is placed as given, also where it covers another one.
    const int iX1 = TimeToX(timeStart);
    const int iX2 = TimeToX(timeStop);
    if (iX2 - iX1 <= 0)
        return false;
    CreateItem(iType)->SetItemRect(iX1, iX2 - iX1);
    return true;
}

void ScheduleDayScene::ClearItems()
{
    m_bDrawing = false;
    m_pCurrentItem = nullptr;
    clear();
}

void ScheduleDayScene::SetEditable(bool bEditable)
{
    m_bEditable = bEditable;
    const auto lstItems = GetItemsInOrder();
    for (ScheduleTimeItem* pItem : lstItems)
        pItem->SetEditable(bEditable);
}

bool ScheduleDayScene::IsEditable() const
{
    return m_bEditable;
}

void ScheduleDayScene::SetSelected(bool bSelected)
{
    if (m_bSelected == bSelected)
        return;
    m_bSelected = bSelected;
    update();
}

bool ScheduleDayScene::IsSelected() const
{
    return m_bSelected;
}

void ScheduleDayScene::SetModified(bool bModified)
{
    if (m_bModified == bModified)
        return;
    Q_EMIT SetSaveBtnEnable(bModified);
    m_bModified = bModified;
}

bool ScheduleDayScene::IsModified() const
{
    return m_bModified;
}

void ScheduleDayScene::SetMaxItemNum(int iNum)
{
    if (iNum < 0 || iNum > MaxItemLimit)
        return;
    m_iMaxItemNum = iNum;
}

int ScheduleDayScene::GetMaxItemNum() const
{
    return m_iMaxItemNum;
}

int ScheduleDayScene::StepFromValue(int iValue) const
{
    // A step wider than the day could never fit a bar.
    return m_iWidth > 0 ? qBound(0, iValue / m_iWidth, m_iWidth) : 0;
}

void ScheduleDayScene::SetMoveStep(int iValue)
{
    m_iMoveStep = StepFromValue(iValue);
}

void ScheduleDayScene::SetResizeStep(int iValue)
{
    m_iResizeStep = StepFromValue(iValue);
}

int ScheduleDayScene::GetMoveStep() const
{
    return m_iMoveStep;
}

int ScheduleDayScene::GetResizeStep() const
{
    return m_iResizeStep;
}

int ScheduleDayScene::GetType() const
{
    return m_iType;
}

void ScheduleDayScene::OnTimeItemSelectChange()
{
    Q_EMIT SignalScenceSelect(!selectedItems().isEmpty());
}

void ScheduleDayScene::OnTypeChange(ScheduleData::ScheduleItemType enumType)
{
    m_iType = enumType;
}

void ScheduleDayScene::OnTimeItemModify()
{
    SetModified(true);
}

void ScheduleDayScene::DeleteSelectItem()
{
    if (!m_bSelected)
        return;
    // The selected row answers even without a selected bar: it counts as
    // modified and hides the time tip.
    const auto lstSelected = selectedItems();
    for (QGraphicsItem* pItem : lstSelected) {
        if (pItem == m_pCurrentItem)
            m_pCurrentItem = nullptr;
        delete pItem;
    }
    SetModified(true);
    Q_EMIT SignalTimeItemDeleteSelect();
}

void ScheduleDayScene::mousePressEvent(QGraphicsSceneMouseEvent* pEvent)
{
    QGraphicsScene::mousePressEvent(pEvent);
    // Only equality blocks drawing: a row that holds more bars than a lowered
    // maximum still takes new ones.
    if (selectedItems().isEmpty() && !m_bDrawing && GetItemsInOrder().size() != m_iMaxItemNum) {
        m_bDrawing = true;
        m_ptPress = pEvent->scenePos();
    }
}

QPointF ScheduleDayScene::ConstrainDrawPoint(QPointF ptScene) const
{
    const QList<ScheduleTimeItem*> lstItems = GetItemsByX();
    const int iIndex = lstItems.indexOf(m_pCurrentItem);
    if (iIndex > 0 && ptScene.x() < lstItems.at(iIndex - 1)->GetRight())
        ptScene.setX(lstItems.at(iIndex - 1)->GetRight());
    if (iIndex >= 0 && iIndex + 1 < lstItems.size() && ptScene.x() > lstItems.at(iIndex + 1)->pos().x())
        ptScene.setX(lstItems.at(iIndex + 1)->pos().x());
    if (ptScene.x() > m_rect.right())
        ptScene.setX(m_rect.right());
    else if (ptScene.x() < m_rect.left())
        ptScene.setX(m_rect.left());
    return ptScene;
}

void ScheduleDayScene::mouseMoveEvent(QGraphicsSceneMouseEvent* pEvent)
{
    QGraphicsScene::mouseMoveEvent(pEvent);
    if (!m_bDrawing)
        return;
    if (!m_pCurrentItem) {
        m_pCurrentItem = CreateItem(m_iType);
        m_pCurrentItem->SetItemRect(int(m_ptPress.x()), 1);
    }
    const QPointF ptConstrained = ConstrainDrawPoint(pEvent->scenePos());
    int iDelta = int((ptConstrained - m_ptPress).x());
    int iX = int(m_ptPress.x());
    // Drawn right to left, the bar runs from the mouse to the press point.
    if (iDelta < 0) {
        iX += iDelta;
        iDelta = -iDelta;
    }
    m_pCurrentItem->SetItemRect(iX, qMax(1, iDelta));
    SetModified(true);
}

void ScheduleDayScene::mouseReleaseEvent(QGraphicsSceneMouseEvent* pEvent)
{
    m_bDrawing = false;
    m_pCurrentItem = nullptr;
    QGraphicsScene::mouseReleaseEvent(pEvent);
}

} // namespace OrvaGUIToolkit

#include "moc_ScheduleDayScene.cpp"
