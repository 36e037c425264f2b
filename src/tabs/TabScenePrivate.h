#ifndef ORVAGUITOOLKIT_TABS_TABSCENEPRIVATE_H
#define ORVAGUITOOLKIT_TABS_TABSCENEPRIVATE_H

#include <OrvaGUIToolkit/Tab/TabScene.h>

#include <QtCore/QMap>
#include <QtCore/QMimeData>
#include <QtCore/QPointer>
#include <QtCore/QTimer>

namespace OrvaGUIToolkit {

class CArrowItem;
class CMenu;
class CSlidingWidget;
class CTabBarBackgroundItem;
class CTabItem;

class CTabScenePrivate
{
    Q_DECLARE_PUBLIC(CTabScene)

public:
    // What the left button is doing since it was pressed on a tab.
    enum class DragState { None, Pressed, DraggingOut };
    // A tab's click, close or drop noticed while the scene was still handing
    // the event to its items; acted on once that is over, so that a slot
    // deleting the scene never returns into Qt's dispatch code.
    enum class PendingAction { None, Select, Close, Drop };

    virtual ~CTabScenePrivate();

    void InitScene();
    void LayoutItems();
    void LayoutAlong(bool bVertical);
    void PlaceArrow(bool bVertical, bool bOverflow, bool bRightToLeft);
    void AddMenuAction(int iIndex);
    void ApplyLook(CTabItem* pItem) const;
    Qt::LayoutDirection WritingDirection() const;
    bool IsValidIndex(int iIndex) const;
    CTabItem* ItemAt(int iIndex) const;
    int IndexOfSender() const;

    void RunPending();
    void HandleDrop(int iPosition);
    void DragDropItem();
    bool IsExistDragTab() const;
    void UpdateItemExistStatus(bool bExist, const QString& strName);
    void NewDragItem(const QMimeData* pMime);

    // Reordering inside the bar; see CTabScene::mouseMoveEvent().
    void MoveCurItem(int iDelta);
    int GetNextMoveItemIndex(bool bForward) const;
    void SwapWithNeighbour(bool bForward);
    void DragOut(QGraphicsSceneMouseEvent* pEvent);
    QMimeData* MakeDragMimeData(const CTabItem* pItem) const;

    void ShowPopup(const QWidget* pEventWidget);

    CTabScene* q_ptr = nullptr;
    QRectF m_rectScene;
    QList<CTabItem*> m_listItems;
    QList<int> m_listIndex;
    CTabItem* m_pDragItem = nullptr;
    int m_iCurrentIndex = -1;
    int m_iShowNum = -1;
    int m_iFixedNum = 0;

    DragState m_enumDragState = DragState::None;
    bool m_bMouseInside = false;
    bool m_bAuxTab = false;
    // Set while the overflow menu's slot runs: the menu must outlive it.
    bool m_bInMenuSlot = false;
    // Set while the scene hands a press or a drop to its items.
    bool m_bDispatching = false;
    PendingAction m_enumPending = PendingAction::None;
    QPointer<CTabItem> m_pPendingItem;
    int m_iPendingPosition = -1;
    QPointF m_ptLastMouse;

    CTabBarBackgroundItem* m_pBackgroundItem = nullptr;
    CArrowItem* m_pArrowItem = nullptr;
    CMenu* m_pMenu = nullptr;
    QPixmap m_pmDragOut;
    QVariant m_varDragOutData;
    bool m_bDragEnable = true;
    CTabScene::LayoutDirect m_enumLayoutDirect = CTabScene::Horizontal;
    CTabScene::TabStyle m_enumTabStyle = CTabScene::IconAndText;
    QPointer<CSlidingWidget> m_pSlidingWidget;
    QPointer<QWidget> m_pParentWidget;
    QTimer* m_pTimer = nullptr;
    AuxiliaryData m_auxData;
    bool m_abModuleOpen[6] = {false, false, false, false, false, false};
    QMap<int, QString> m_mapFrameIDButton;

    QPixmap m_pmArrow;
    QPixmap m_pmArrowSel;
    QPixmap m_pmArrowHover;
    QPixmap m_pmArrowUnSel;
    QPixmap m_pmSel;
    QPixmap m_pmUnSel;
    QPixmap m_pmClose;
    QPixmap m_pmCloseHover;
    QPixmap m_pmTabLine;
    QColor m_colorTabText;
    QColor m_colorSelTabText;
};

} // namespace OrvaGUIToolkit

#endif
