#include <OrvaGUIToolkit/Tab/TabScene.h>

#include "TabScenePrivate.h"

#include "SlidingWidget.h"
#include "items/ArrowItem.h"
#include "items/TabBarBackgroundItem.h"
#include "items/TabItem.h"

#include "foundation/ToolkitLogging.h"

#include <OrvaGUIToolkit/Menu/Menu.h>
#include <OrvaGUIToolkit/Tab/TabView.h>

#include <QtCore/QMimeData>
#include <QtGui/QDrag>
#include <QtWidgets/QGraphicsSceneMouseEvent>
#include <QtWidgets/QGraphicsSceneWheelEvent>
#include <QtWidgets/QGraphicsView>

#include <limits>

namespace OrvaGUIToolkit {

namespace {

constexpr int s_iTimerInterval = 500;
constexpr int s_iTabTop = 2;
constexpr int s_iTabStart = -2;
constexpr int s_iArrowInset = 15;
// A dragged tab keeps this far from the start of the strip.
constexpr int s_iDragInset = 2;
constexpr int s_iPopupOffset = 64;
constexpr qreal s_dTopZ = 65535;

bool IsInsideTabView(QObject* pTarget)
{
    for (QObject* pObject = pTarget; pObject; pObject = pObject->parent()) {
        if (qobject_cast<CTabView*>(pObject))
            return true;
    }
    return false;
}

} // namespace

CTabScenePrivate::~CTabScenePrivate() = default;

void CTabScenePrivate::InitScene()
{
    Q_Q(CTabScene);
    m_pBackgroundItem = new CTabBarBackgroundItem;
    QObject::connect(m_pBackgroundItem, &CTabBarBackgroundItem::SignalDragEnter, q, &CTabScene::OnDragEnterHideItem);
    QObject::connect(m_pBackgroundItem, &CTabBarBackgroundItem::SignalDrop, q, &CTabScene::OnDropAtHideItem);
    q->addItem(m_pBackgroundItem);

    m_pArrowItem = new CArrowItem;
    QObject::connect(m_pArrowItem, &CArrowItem::SignalArrowClicked, q, &CTabScene::OnArrowClicked);
    q->addItem(m_pArrowItem);
    m_pArrowItem->hide();

    m_pMenu = new CMenu;
    QObject::connect(m_pMenu, &QMenu::aboutToHide, m_pArrowItem, &CArrowItem::OnMenuHide);

    // Tab widths are measured in this face, so it is fixed once here.
    QFont font = q->font();
    font.setPixelSize(16);
    q->setFont(font);

    q->setSceneRect(0, 0, 1, 1);
    QObject::connect(q, &QGraphicsScene::sceneRectChanged, q, &CTabScene::OnSceneRectChanged);

    m_pTimer = new QTimer(q);
    m_pTimer->setInterval(s_iTimerInterval);
    QObject::connect(m_pTimer, &QTimer::timeout, q, &CTabScene::OnTimer);
}

bool CTabScenePrivate::IsValidIndex(int iIndex) const
{
    return iIndex >= 0 && iIndex < m_listItems.size();
}

CTabItem* CTabScenePrivate::ItemAt(int iIndex) const
{
    return IsValidIndex(iIndex) ? m_listItems.at(iIndex) : nullptr;
}

int CTabScenePrivate::IndexOfSender() const
{
    Q_Q(const CTabScene);
    return m_listItems.indexOf(qobject_cast<CTabItem*>(q->sender()));
}

Qt::LayoutDirection CTabScenePrivate::WritingDirection() const
{
    Q_Q(const CTabScene);
    const QList<QGraphicsView*> listViews = q->views();
    return listViews.isEmpty() ? Qt::LeftToRight : listViews.first()->layoutDirection();
}

void CTabScenePrivate::ApplyLook(CTabItem* pItem) const
{
    pItem->SetPixmaps(m_pmSel, m_pmUnSel, m_pmClose, m_pmCloseHover, m_pmTabLine);
    pItem->SetTextColors(m_colorTabText, m_colorSelTabText);
}

void CTabScenePrivate::LayoutItems()
{
    Q_Q(CTabScene);
    LayoutAlong(m_enumLayoutDirect == CTabScene::Vertical);
    q->ClickItem(m_iCurrentIndex);
}

void CTabScenePrivate::AddMenuAction(int iIndex)
{
    Q_Q(CTabScene);
    const CTabItem* pItem = m_listItems.at(iIndex);
    QAction* pAction = m_pMenu->AddAction(pItem->GetUnSelIcon(), pItem->GetText(), iIndex);
    QObject::connect(pAction, &QAction::triggered, q, &CTabScene::OnMenuItemClicked);
}

void CTabScenePrivate::LayoutAlong(bool bVertical)
{
    const qreal dExtent = bVertical ? m_rectScene.height() : m_rectScene.width();
    // NaN fails this test too.
    if (!(dExtent >= 0))
        return;
    int iRemaining = int(qMin<qreal>(dExtent, std::numeric_limits<int>::max()));
    // The menu's own slot may be running: old actions go when it is over.
    const QList<QAction*> listOld = m_pMenu->actions();
    for (QAction* pAction : listOld) {
        m_pMenu->removeAction(pAction);
        pAction->deleteLater();
    }

    const auto ToPixels = [](qreal dLength) { return dLength >= 0 ? int(qMin<qreal>(dLength, 1 << 24)) : 0; };
    const QSize sizeStrip(ToPixels(m_rectScene.width()), ToPixels(m_rectScene.height()));
    const bool bRightToLeft = !bVertical && WritingDirection() == Qt::RightToLeft;
    qreal dPos = bRightToLeft ? m_rectScene.width() : s_iTabStart;
    bool bOverflow = false;
    m_iShowNum = 0;
    m_listIndex.clear();
    for (int i = 0; i < m_listItems.size(); ++i) {
        CTabItem* pItem = m_listItems.at(i);
        pItem->SetVertical(bVertical);
        pItem->SetStripSize(sizeStrip);
        iRemaining -= pItem->Length();
        bOverflow = bOverflow || iRemaining < 0;
        if (bOverflow) {
            pItem->hide();
        } else {
            ApplyLook(pItem);
            pItem->SetWritingDirection(bRightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
            pItem->setZValue(0);
            pItem->show();
            if (bRightToLeft)
                dPos -= pItem->Length();
            pItem->setPos(bVertical ? QPointF(s_iTabTop, dPos) : QPointF(dPos, s_iTabTop));
            if (!bRightToLeft)
                dPos += pItem->Length();
            ++m_iShowNum;
            m_listIndex.append(i);
        }
        AddMenuAction(i);
    }
    PlaceArrow(bVertical, bOverflow, bRightToLeft);
}

void CTabScenePrivate::PlaceArrow(bool bVertical, bool bOverflow, bool bRightToLeft)
{
    if (!bOverflow) {
        m_pArrowItem->hide();
        return;
    }
    m_pArrowItem->SetVertical(bVertical);
    if (bVertical)
        m_pArrowItem->setPos(s_iTabTop, m_rectScene.bottom() - s_iArrowInset);
    else if (bRightToLeft)
        m_pArrowItem->setPos(m_rectScene.left() + s_iTabStart, s_iTabTop);
    else
        m_pArrowItem->setPos(m_rectScene.right() - s_iArrowInset, s_iTabTop);
    m_pArrowItem->SetPixmaps(m_pmArrow, m_pmArrowSel, m_pmArrowHover, m_pmArrowUnSel);
    m_pArrowItem->show();
}

void CTabScenePrivate::UpdateItemExistStatus(bool bExist, const QString& strName)
{
    const int iModule = CSlidingWidget::ModuleNames().indexOf(strName);
    if (iModule < 0) {
        qCDebug(lcOrvaGUIToolkit, "CTabScene::UpdateItemExistStatus: %s is no module", qUtf8Printable(strName));
        return;
    }
    m_abModuleOpen[iModule] = bExist;
}

void CTabScenePrivate::RunPending()
{
    Q_Q(CTabScene);
    const PendingAction enumAction = m_enumPending;
    const int iIndex = m_listItems.indexOf(m_pPendingItem.data());
    m_enumPending = PendingAction::None;
    m_pPendingItem = nullptr;
    switch (enumAction) {
    case PendingAction::Select:
        if (iIndex >= 0 && iIndex != m_iCurrentIndex)
            q->ClickItem(iIndex);
        break;
    case PendingAction::Close:
        if (iIndex >= 0)
            Q_EMIT q->SignalTabAboutToClose(iIndex);
        break;
    case PendingAction::Drop:
        HandleDrop(m_iPendingPosition);
        break;
    case PendingAction::None:
        break;
    }
}

void CTabScenePrivate::HandleDrop(int iPosition)
{
    if (m_bAuxTab || IsExistDragTab())
        return;
    m_iCurrentIndex = qMax(m_iFixedNum, iPosition);
    DragDropItem();
}

bool CTabScenePrivate::IsExistDragTab() const
{
    if (!m_pDragItem)
        return false;
    const QVariant varData = m_pDragItem->data(CTabItem::s_iDataKey);
    for (const CTabItem* pItem : m_listItems) {
        if (pItem->data(CTabItem::s_iDataKey) == varData && pItem->GetText() == m_pDragItem->GetText())
            return true;
    }
    return false;
}

void CTabScenePrivate::DragDropItem()
{
    Q_Q(CTabScene);
    if (m_bAuxTab)
        return;
    m_enumDragState = DragState::None;
    if (!m_pDragItem)
        return;
    const QIcon iconSel = m_pDragItem->GetSelIcon();
    const QIcon iconUnSel = m_pDragItem->GetUnSelIcon();
    const QString strText = m_pDragItem->GetText();
    const QString strToolTip = m_pDragItem->GetToolTip();
    const QVariant varData = m_pDragItem->data(CTabItem::s_iDataKey);
    delete m_pDragItem;
    m_pDragItem = nullptr;

    QPointer<CTabScene> pGuard(q);
    const int iIndex = q->InsertTab(q->GetItemIndexByFrameID(varData.toString()), iconSel, iconUnSel, strText, varData, false);
    if (!pGuard || iIndex < 0)
        return;
    m_listItems.at(iIndex)->SetToolTip(strToolTip);
    Q_EMIT q->SignalTabDragAdded(iIndex);
    if (pGuard)
        LayoutItems();
}

void CTabScenePrivate::NewDragItem(const QMimeData* pMime)
{
    delete m_pDragItem;
    m_pDragItem = new CTabItem(pMime->property("SelIcon").value<QIcon>(), pMime->property("UnSelIcon").value<QIcon>(),
                               pMime->property("TabItemText").toString());
    m_pDragItem->SetToolTip(pMime->property("TabItemTips").toString());
    m_pDragItem->setData(CTabItem::s_iDataKey, pMime->property("TabItemData"));
}

void CTabScenePrivate::MoveCurItem(int iDelta)
{
    CTabItem* pItem = ItemAt(m_iCurrentIndex);
    if (!pItem || iDelta == 0)
        return;
    const bool bVertical = m_enumLayoutDirect == CTabScene::Vertical;
    const qreal dStart = (bVertical ? m_rectScene.top() : m_rectScene.left()) + s_iDragInset;
    qreal dEnd = (bVertical ? m_rectScene.bottom() : m_rectScene.right()) - pItem->Length();
    if (m_pArrowItem->isVisible())
        dEnd -= s_iArrowInset;
    pItem->setZValue(s_dTopZ);
    const QPointF ptNew = pItem->pos() + (bVertical ? QPointF(0, iDelta) : QPointF(iDelta, 0));
    const qreal dNew = bVertical ? ptNew.y() : ptNew.x();
    if (dNew >= dStart && dNew <= dEnd)
        pItem->setPos(ptNew);
}

int CTabScenePrivate::GetNextMoveItemIndex(bool bForward) const
{
    const int iNext = m_iCurrentIndex + (bForward ? 1 : -1);
    if (iNext < m_iFixedNum || iNext < 0 || iNext >= qMax(0, m_iShowNum) || !IsValidIndex(iNext))
        return -1;
    return iNext;
}

void CTabScenePrivate::SwapWithNeighbour(bool bForward)
{
    Q_Q(CTabScene);
    const int iNext = GetNextMoveItemIndex(bForward);
    CTabItem* pCurrent = ItemAt(m_iCurrentIndex);
    if (iNext < 0 || !pCurrent)
        return;
    CTabItem* pNeighbour = m_listItems.at(iNext);
    const bool bVertical = m_enumLayoutDirect == CTabScene::Vertical;
    const QPointF ptOffset = pNeighbour->pos() - pCurrent->pos();
    const qreal dDistance = qAbs(bVertical ? ptOffset.y() : ptOffset.x());
    if (dDistance >= pNeighbour->Length() / 2.0)
        return;
    // The neighbour moves into the room the current tab left behind.
    const bool bRightToLeft = !bVertical && WritingDirection() == Qt::RightToLeft;
    const int iJump = (bForward != bRightToLeft) ? -pCurrent->Length() : pCurrent->Length();
    pNeighbour->setPos(pNeighbour->pos() + (bVertical ? QPointF(0, iJump) : QPointF(iJump, 0)));
    const int iFrom = m_iCurrentIndex;
    m_listItems.swapItemsAt(iFrom, iNext);
    m_iCurrentIndex = iNext;
    Q_EMIT q->SignalTabMoved(iFrom, iNext);
}

QMimeData* CTabScenePrivate::MakeDragMimeData(const CTabItem* pItem) const
{
    auto* pMime = new QMimeData;
    pMime->setProperty("TabItemText", pItem->GetText());
    pMime->setProperty("TabItemData", pItem->data(CTabItem::s_iDataKey));
    pMime->setProperty("TabItemIndex", m_iCurrentIndex);
    pMime->setProperty("TabItemTips", pItem->GetToolTip());
    pMime->setProperty("SelIcon", QVariant::fromValue(pItem->GetSelIcon()));
    pMime->setProperty("UnSelIcon", QVariant::fromValue(pItem->GetUnSelIcon()));
    return pMime;
}

void CTabScenePrivate::DragOut(QGraphicsSceneMouseEvent* pEvent)
{
    Q_Q(CTabScene);
    CTabItem* pItem = ItemAt(m_iCurrentIndex);
    if (!pItem)
        return;
    QPointer<CTabScene> pGuard(q);
    m_enumDragState = DragState::DraggingOut;
    QMimeData* pMime = MakeDragMimeData(pItem);
    m_auxData.m_strText = pItem->GetText();
    m_auxData.m_varData = pItem->data(CTabItem::s_iDataKey);
    m_auxData.m_strToolTip = pItem->GetToolTip();
    m_auxData.m_iconSel = pItem->GetSelIcon();
    m_auxData.m_iconUnSel = pItem->GetUnSelIcon();
    m_auxData.m_iIndex = m_iCurrentIndex;
    m_varDragOutData = m_auxData.m_varData;

    QObject* pSource = pEvent->widget() ? static_cast<QObject*>(pEvent->widget()) : q;
    QPointer<QDrag> pDrag = new QDrag(pSource);
    pDrag->setMimeData(pMime);
    if (!m_pmDragOut.isNull())
        pDrag->setPixmap(m_pmDragOut);

    Q_EMIT q->SignalBeginDrag(m_auxData.m_iIndex);
    if (pGuard && !m_bAuxTab)
        q->RemoveTab(m_auxData.m_iIndex);
    if (pGuard)
        Q_EMIT q->SignalDragLeaveTabBar();
    if (!pGuard || !pDrag) {
        delete pDrag.data();
        return;
    }
    const Qt::DropAction enumAction = pDrag->exec(Qt::MoveAction);
    if (!pGuard)
        return;
    m_enumDragState = DragState::None;
    const bool bIntoTabView = pDrag && enumAction == Qt::MoveAction && IsInsideTabView(pDrag->target());
    if (!bIntoTabView)
        Q_EMIT q->SignalDragOutTabBar();
}

void CTabScenePrivate::ShowPopup(const QWidget* pEventWidget)
{
    m_bMouseInside = true;
    if (!pEventWidget || !pEventWidget->isActiveWindow() || !m_pSlidingWidget || !m_pParentWidget)
        return;
    m_pSlidingWidget->move(m_pParentWidget->mapToGlobal(QPoint(0, 0)) + QPoint(s_iPopupOffset, 0));
    m_pSlidingWidget->resize(m_pSlidingWidget->width(), m_pParentWidget->height());
    if (!m_bAuxTab)
        m_pSlidingWidget->show();
}

CTabScene::CTabScene(QObject* pParent)
    : CTabScene(*new CTabScenePrivate, pParent)
{
}

CTabScene::CTabScene(CTabScenePrivate& dd, QObject* pParent)
    : QGraphicsScene(pParent)
    , d_ptr(&dd)
{
    Q_D(CTabScene);
    d->q_ptr = this;
    d->InitScene();
    d->m_pSlidingWidget = new CSlidingWidget(qobject_cast<QWidget*>(pParent));
    d->m_pSlidingWidget->SetScene(this);
    d->m_pTimer->start();
}

CTabScene::~CTabScene()
{
    Q_D(CTabScene);
    delete d->m_pDragItem;
    d->m_pDragItem = nullptr;
    // A pop-up whose own handler is running right now is deleted once it returns.
    if (d->m_pSlidingWidget && d->m_pSlidingWidget->IsHandlingEvent())
        d->m_pSlidingWidget->deleteLater();
    else
        delete d->m_pSlidingWidget.data();
    if (d->m_bInMenuSlot)
        d->m_pMenu->deleteLater();
    else
        delete d->m_pMenu;
    clear();
    d->m_listItems.clear();
}

int CTabScene::AddTab(const QString& strText)
{
    return InsertTab(-1, strText);
}

int CTabScene::AddTab(const QIcon& iconSel, const QIcon& iconUnSel, const QString& strText)
{
    return InsertTab(-1, iconSel, iconUnSel, strText);
}

int CTabScene::InsertTab(int iIndex, const QString& strText)
{
    return InsertTab(iIndex, QIcon(), QIcon(), strText);
}

int CTabScene::InsertTab(int iIndex, const QIcon& iconSel, const QIcon& iconUnSel, const QString& strText)
{
    return InsertTab(iIndex, iconSel, iconUnSel, strText, QVariant(), false);
}

int CTabScene::InsertTab(int iIndex, const QIcon& iconSel, const QIcon& iconUnSel, const QString& strText,
                         const QVariant& varData, bool bFixed)
{
    Q_D(CTabScene);
    CTabItem* pItem = nullptr;
    switch (d->m_enumTabStyle) {
    case IconAndText:
        pItem = new CTabItem(iconSel, iconUnSel, strText);
        break;
    case IconOnly:
        pItem = new CTabItem(iconSel, iconUnSel, QString());
        break;
    case TextOnly:
        pItem = new CTabItem(QIcon(), QIcon(), strText);
        break;
    }
    if (!pItem) {
        qCWarning(lcOrvaGUIToolkit, "CTabScene::InsertTab: unknown tab style");
        return -1;
    }
    pItem->setAcceptDrops(!d->m_bAuxTab);
    addItem(pItem);
    connect(pItem, &CTabItem::SignalItemSelected, this, &CTabScene::OnItemSelected);
    connect(pItem, &CTabItem::SignalCloseTabItem, this, &CTabScene::OnTabItemClosed);
    connect(pItem, &CTabItem::SignalDragDropItem, this, &CTabScene::OnDragDropItem);
    pItem->setData(CTabItem::s_iDataKey, varData);
    d->UpdateItemExistStatus(true, pItem->GetText());

    // The caller decides the place, fixed tab or not; an index outside the
    // list appends.
    const int iPosition = (iIndex >= 0 && iIndex < d->m_listItems.size()) ? iIndex : d->m_listItems.size();
    d->m_listItems.insert(iPosition, pItem);
    pItem->SetFixed(bFixed);
    if (bFixed)
        ++d->m_iFixedNum;
    SetSlidingWidgetData();

    QPointer<CTabScene> pGuard(this);
    d->LayoutItems();
    return pGuard ? d->m_listItems.indexOf(pItem) : -1;
}

int CTabScene::InsertTabAfterAuxClose(AuxiliaryData& auxData)
{
    Q_D(CTabScene);
    QPointer<CTabScene> pGuard(this);
    const int iIndex = InsertTab(GetItemIndexByFrameID(auxData.m_varData.toString()), auxData.m_iconSel,
                                 auxData.m_iconUnSel, auxData.m_strText, auxData.m_varData, false);
    if (!pGuard || iIndex < 0)
        return iIndex;
    d->m_listItems.at(iIndex)->SetToolTip(auxData.m_strToolTip);
    d->LayoutItems();
    return iIndex;
}

void CTabScene::RemoveTab(int iIndex)
{
    Q_D(CTabScene);
    if (!d->IsValidIndex(iIndex)) {
        qCWarning(lcOrvaGUIToolkit, "CTabScene::RemoveTab: iIndex out of range");
        return;
    }
    CTabItem* pItem = d->m_listItems.takeAt(iIndex);
    d->UpdateItemExistStatus(false, pItem->GetText());
    if (iIndex < d->m_iFixedNum)
        --d->m_iFixedNum;
    if (d->m_pPendingItem == pItem)
        d->m_pPendingItem = nullptr;
    delete pItem;
    if (iIndex <= d->m_iCurrentIndex)
        d->m_iCurrentIndex = qMax(0, d->m_iCurrentIndex - 1);
    SetSlidingWidgetData();
    d->LayoutItems();
}

int CTabScene::Count() const
{
    Q_D(const CTabScene);
    return d->m_listItems.size();
}

int CTabScene::CurrentIndex() const
{
    Q_D(const CTabScene);
    return d->m_iCurrentIndex;
}

int CTabScene::CurrentShowTabNum() const
{
    Q_D(const CTabScene);
    return d->m_iShowNum;
}

void CTabScene::SetCurrentIndex(int iIndex)
{
    ClickItem(iIndex);
}

void CTabScene::ClickItem(int iIndex)
{
    Q_D(CTabScene);
    if (!d->IsValidIndex(iIndex))
        return;
    // A tab behind the arrow cannot be shown selected: the last shown one is.
    if (d->m_iShowNum > 0 && iIndex >= d->m_iShowNum)
        iIndex = d->m_iShowNum - 1;
    d->m_iCurrentIndex = iIndex;
    for (int i = 0; i < d->m_listItems.size(); ++i)
        d->m_listItems.at(i)->SetSelected(i == iIndex && (d->m_iShowNum <= 0 || i < d->m_iShowNum));
    Q_EMIT SignalCurrentChanged(iIndex);
}

QString CTabScene::TabText(int iIndex) const
{
    Q_D(const CTabScene);
    const CTabItem* pItem = d->ItemAt(iIndex);
    return pItem ? pItem->GetText() : QString();
}

QIcon CTabScene::TabIcon(int iIndex) const
{
    Q_D(const CTabScene);
    const CTabItem* pItem = d->ItemAt(iIndex);
    return pItem ? pItem->GetUnSelIcon() : QIcon();
}

QString CTabScene::TabToolTip(int iIndex) const
{
    Q_D(const CTabScene);
    const CTabItem* pItem = d->ItemAt(iIndex);
    return pItem ? pItem->GetToolTip() : QString();
}

QVariant CTabScene::TabData(int iIndex) const
{
    Q_D(const CTabScene);
    const CTabItem* pItem = d->ItemAt(iIndex);
    return pItem ? pItem->data(CTabItem::s_iDataKey) : QVariant();
}

void CTabScene::SetTabToolTip(int iIndex, const QString& strToolTip)
{
    Q_D(CTabScene);
    if (CTabItem* pItem = d->ItemAt(iIndex))
        pItem->SetToolTip(strToolTip);
}

void CTabScene::SetTabData(int iIndex, const QVariant& varData)
{
    Q_D(CTabScene);
    if (CTabItem* pItem = d->ItemAt(iIndex))
        pItem->setData(CTabItem::s_iDataKey, varData);
}

int CTabScene::GetTabIndexByData(const QVariant& varData) const
{
    Q_D(const CTabScene);
    const QString strData = varData.toString();
    if (strData.isEmpty())
        return -1;
    for (int i = 0; i < d->m_listItems.size(); ++i) {
        if (d->m_listItems.at(i)->data(CTabItem::s_iDataKey).toString() == strData)
            return i;
    }
    return -1;
}

void CTabScene::SetTabFixed(int iIndex, bool bFixed)
{
    Q_D(CTabScene);
    CTabItem* pItem = d->ItemAt(iIndex);
    if (!pItem || pItem->IsFixed() == bFixed)
        return;
    pItem->SetFixed(bFixed);
    // The count never drops below zero, however the tabs were inserted.
    d->m_iFixedNum = qMax(0, d->m_iFixedNum + (bFixed ? 1 : -1));
    // A tab joining the fixed ones from behind them moves to the group's end;
    // a tab leaving the group stays where it is.
    const int iTarget = d->m_iFixedNum - 1;
    if (!bFixed || iIndex <= iTarget)
        return;
    // The current index stays a position: the layout then selects whichever
    // tab the move brought there.
    d->m_listItems.move(iIndex, iTarget);
    QPointer<CTabScene> pGuard(this);
    Q_EMIT SignalTabMoved(iIndex, iTarget);
    if (pGuard)
        d->LayoutItems();
}

void CTabScene::SetCloseBtnVisiable(int iIndex, bool bVisible)
{
    Q_D(CTabScene);
    if (CTabItem* pItem = d->ItemAt(iIndex))
        pItem->SetCloseVisible(bVisible);
}

void CTabScene::SetDragEnable(bool bEnable)
{
    Q_D(CTabScene);
    d->m_bDragEnable = bEnable;
}

void CTabScene::SetDragOutImage(const QPixmap& pixmap)
{
    Q_D(CTabScene);
    d->m_pmDragOut = pixmap;
}

void CTabScene::SetAuxTab(bool bAux)
{
    Q_D(CTabScene);
    d->m_bAuxTab = bAux;
    for (CTabItem* pItem : qAsConst(d->m_listItems))
        pItem->setAcceptDrops(!bAux);
    d->m_pBackgroundItem->setAcceptDrops(!bAux);
}

void CTabScene::SetParentWidget(QWidget* pWidget)
{
    Q_D(CTabScene);
    d->m_pParentWidget = pWidget;
}

void CTabScene::SetLayoutDirect(LayoutDirect enumDirect)
{
    Q_D(CTabScene);
    d->m_enumLayoutDirect = enumDirect;
}

CTabScene::LayoutDirect CTabScene::GetLayoutDirect() const
{
    Q_D(const CTabScene);
    return d->m_enumLayoutDirect;
}

void CTabScene::SetTabStyle(TabStyle enumStyle)
{
    Q_D(CTabScene);
    d->m_enumTabStyle = enumStyle;
}

CTabScene::TabStyle CTabScene::GetTabStyle() const
{
    Q_D(const CTabScene);
    return d->m_enumTabStyle;
}

void CTabScene::SetArrowPixmap(const QPixmap& pixmap)
{
    Q_D(CTabScene);
    d->m_pmArrow = pixmap;
}

void CTabScene::SetArrowItemSelPixmap(const QPixmap& pixmap)
{
    Q_D(CTabScene);
    d->m_pmArrowSel = pixmap;
}

void CTabScene::SetArrowItemHoverPixmap(const QPixmap& pixmap)
{
    Q_D(CTabScene);
    d->m_pmArrowHover = pixmap;
}

void CTabScene::SetArrowItemUnselPixmap(const QPixmap& pixmap)
{
    Q_D(CTabScene);
    d->m_pmArrowUnSel = pixmap;
}

void CTabScene::SetSelPixmap(const QPixmap& pixmap)
{
    Q_D(CTabScene);
    d->m_pmSel = pixmap;
}

void CTabScene::SetUnSelPixmap(const QPixmap& pixmap)
{
    Q_D(CTabScene);
    d->m_pmUnSel = pixmap;
}

void CTabScene::SetClosePixmap(const QPixmap& pixmap)
{
    Q_D(CTabScene);
    d->m_pmClose = pixmap;
}

void CTabScene::SetCloseHoverPixmap(const QPixmap& pixmap)
{
    Q_D(CTabScene);
    d->m_pmCloseHover = pixmap;
}

void CTabScene::SetTabLinePixmap(const QPixmap& pixmap)
{
    Q_D(CTabScene);
    d->m_pmTabLine = pixmap;
}

void CTabScene::SetTabTextColor(const QColor& color)
{
    Q_D(CTabScene);
    d->m_colorTabText = color;
}

void CTabScene::SetTabSelTextColor(const QColor& color)
{
    Q_D(CTabScene);
    d->m_colorSelTabText = color;
}

void CTabScene::SetTabSceneItemHover(int iIndex, bool bHover)
{
    Q_D(CTabScene);
    if (CTabItem* pItem = d->ItemAt(iIndex))
        pItem->SetHover(bHover);
}

int CTabScene::GetDragOutTab() const
{
    Q_D(const CTabScene);
    return d->m_auxData.m_iIndex;
}

QVariant CTabScene::GetDragOutTabData() const
{
    Q_D(const CTabScene);
    return d->m_varDragOutData;
}

void CTabScene::GetCurDragOutData(AuxiliaryData& auxData) const
{
    Q_D(const CTabScene);
    auxData = d->m_auxData;
}

void CTabScene::GetListIndex(QList<int>& listIndex) const
{
    Q_D(const CTabScene);
    listIndex = d->m_listIndex;
}

int CTabScene::GetItemIndexByFrameID(const QString& strFrameID) const
{
    Q_D(const CTabScene);
    const QStringList listModules = CSlidingWidget::ModuleNames();
    if (!listModules.contains(strFrameID))
        qCDebug(lcOrvaGUIToolkit, "CTabScene::GetItemIndexByFrameID: %s is no module", qUtf8Printable(strFrameID));
    int iIndex = 0;
    for (int i = 0; i < listModules.size() && listModules.at(i) != strFrameID; ++i) {
        if (d->m_abModuleOpen[i])
            ++iIndex;
    }
    return iIndex;
}

void CTabScene::InsertMapFrameIDButton(int iButton, const QString& strFrameID)
{
    Q_D(CTabScene);
    d->m_mapFrameIDButton.insert(iButton, strFrameID);
}

void CTabScene::InitButtonLayout()
{
    Q_D(CTabScene);
    if (!d->m_pSlidingWidget)
        return;
    d->m_pSlidingWidget->ResetButtons();
    for (const QString& strFrameID : qAsConst(d->m_mapFrameIDButton)) {
        const int iIndex = GetTabIndexByData(strFrameID);
        if (iIndex >= 0)
            d->m_pSlidingWidget->UpdateButton(iIndex, TabText(iIndex));
    }
}

void CTabScene::SetSlidingWidgetData()
{
    Q_D(CTabScene);
    if (!d->m_pSlidingWidget)
        return;
    d->m_pSlidingWidget->ResetButtons();
    for (int i = 0; i < d->m_listItems.size(); ++i)
        d->m_pSlidingWidget->UpdateButton(i, TabText(i));
}

void CTabScene::SetSlidingWidgetHoverSelect(QString strFrameID)
{
    Q_D(CTabScene);
    if (d->m_pSlidingWidget)
        d->m_pSlidingWidget->UpdateButton(GetTabIndexByData(strFrameID), QString());
}

void CTabScene::SlidingButtonDragEnter(int iButton, const QString& strFrameID)
{
    InsertMapFrameIDButton(iButton, strFrameID);
    SetSlidingWidgetData();
}

void CTabScene::SlidingButtonDragOut(const QString& strFrameID)
{
    Q_D(CTabScene);
    for (auto it = d->m_mapFrameIDButton.begin(); it != d->m_mapFrameIDButton.end();) {
        if (it.value() == strFrameID)
            it = d->m_mapFrameIDButton.erase(it);
        else
            ++it;
    }
    SetSlidingWidgetData();
}

void CTabScene::SlidingButtonMoved(int iFrom, int iTo)
{
    Q_D(CTabScene);
    if (!d->m_mapFrameIDButton.contains(iFrom) || !d->m_mapFrameIDButton.contains(iTo))
        return;
    const QString strFrom = d->m_mapFrameIDButton.value(iFrom);
    d->m_mapFrameIDButton[iFrom] = d->m_mapFrameIDButton.value(iTo);
    d->m_mapFrameIDButton[iTo] = strFrom;
}

void CTabScene::ClearNameOrSheet()
{
    Q_D(CTabScene);
    if (d->m_pSlidingWidget)
        d->m_pSlidingWidget->ClearHover();
}

bool CTabScene::event(QEvent* pEvent)
{
    Q_D(CTabScene);
    // The view passes a leave of its viewport on to the scene: Qt 5 as a
    // plain leave, Qt 6 as a scene leave.
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    if (pEvent->type() == QEvent::Leave || pEvent->type() == QEvent::GraphicsSceneLeave)
#else
    if (pEvent->type() == QEvent::Leave)
#endif
        d->m_bMouseInside = false;
    return QGraphicsScene::event(pEvent);
}

void CTabScene::mousePressEvent(QGraphicsSceneMouseEvent* pEvent)
{
    Q_D(CTabScene);
    d->m_ptLastMouse = pEvent->scenePos();
    d->m_enumPending = CTabScenePrivate::PendingAction::None;
    d->m_bDispatching = true;
    QGraphicsScene::mousePressEvent(pEvent);
    d->m_bDispatching = false;
    const bool bOnTab = d->m_enumPending == CTabScenePrivate::PendingAction::Select;
    d->m_enumDragState = (bOnTab && pEvent->button() == Qt::LeftButton) ? CTabScenePrivate::DragState::Pressed
                                                                         : CTabScenePrivate::DragState::None;
    d->RunPending();
}

void CTabScene::mouseMoveEvent(QGraphicsSceneMouseEvent* pEvent)
{
    Q_D(CTabScene);
    d->ShowPopup(pEvent->widget());
    QGraphicsScene::mouseMoveEvent(pEvent);
    const QPointF ptMouse = pEvent->scenePos();
    const QPointF ptDelta = ptMouse - d->m_ptLastMouse;
    d->m_ptLastMouse = ptMouse;
    const CTabItem* pCurrent = d->ItemAt(d->m_iCurrentIndex);
    if (d->m_enumDragState != CTabScenePrivate::DragState::Pressed || !(pEvent->buttons() & Qt::LeftButton)
        || !pCurrent || pCurrent->IsFixed())
        return;
    if (!sceneRect().contains(ptMouse)) {
        if (d->m_bDragEnable)
            d->DragOut(pEvent);
        return;
    }
    const bool bVertical = d->m_enumLayoutDirect == Vertical;
    const int iDelta = int(bVertical ? ptDelta.y() : ptDelta.x());
    if (iDelta == 0)
        return;
    d->MoveCurItem(iDelta);
    const bool bRightToLeft = !bVertical && d->WritingDirection() == Qt::RightToLeft;
    d->SwapWithNeighbour((iDelta > 0) != bRightToLeft);
}

void CTabScene::mouseReleaseEvent(QGraphicsSceneMouseEvent* pEvent)
{
    Q_D(CTabScene);
    const bool bWasMoving = d->m_enumDragState == CTabScenePrivate::DragState::Pressed;
    d->m_enumDragState = CTabScenePrivate::DragState::None;
    QGraphicsScene::mouseReleaseEvent(pEvent);
    // A tab let go mid-way snaps back into its slot.
    if (bWasMoving)
        d->LayoutAlong(d->m_enumLayoutDirect == Vertical);
}

void CTabScene::wheelEvent(QGraphicsSceneWheelEvent* pEvent)
{
    Q_D(CTabScene);
    pEvent->accept();
    const int iShown = d->m_iShowNum > 0 ? d->m_iShowNum : d->m_listItems.size();
    if (iShown == 0 || pEvent->delta() == 0)
        return;
    const int iNext = qBound(0, d->m_iCurrentIndex + (pEvent->delta() < 0 ? 1 : -1), iShown - 1);
    if (iNext != d->m_iCurrentIndex)
        ClickItem(iNext);
}

void CTabScene::dragEnterEvent(QGraphicsSceneDragDropEvent* pEvent)
{
    Q_D(CTabScene);
    if (d->m_bAuxTab || !IsTabDrag(pEvent)) {
        pEvent->ignore();
        return;
    }
    for (int i = 0; i < qMax(0, d->m_iShowNum) && i < d->m_listItems.size(); ++i)
        d->m_listItems.at(i)->update();
    d->m_pBackgroundItem->update();
    d->NewDragItem(pEvent->mimeData());
    QGraphicsScene::dragEnterEvent(pEvent);
}

void CTabScene::dragLeaveEvent(QGraphicsSceneDragDropEvent* pEvent)
{
    Q_D(CTabScene);
    for (CTabItem* pItem : qAsConst(d->m_listItems))
        pItem->SetDropIndicator(false, false);
    QGraphicsScene::dragLeaveEvent(pEvent);
}

void CTabScene::dropEvent(QGraphicsSceneDragDropEvent* pEvent)
{
    Q_D(CTabScene);
    if (d->m_bAuxTab || !IsTabDrag(pEvent)) {
        pEvent->ignore();
        return;
    }
    d->m_enumPending = CTabScenePrivate::PendingAction::None;
    d->m_bDispatching = true;
    QGraphicsScene::dropEvent(pEvent);
    d->m_bDispatching = false;
    d->RunPending();
}

void CTabScene::OnItemSelected()
{
    Q_D(CTabScene);
    const int iIndex = d->IndexOfSender();
    if (iIndex < 0)
        return;
    if (d->m_bDispatching) {
        d->m_enumPending = CTabScenePrivate::PendingAction::Select;
        d->m_pPendingItem = d->m_listItems.at(iIndex);
    } else if (iIndex != d->m_iCurrentIndex) {
        ClickItem(iIndex);
    }
}

void CTabScene::OnTabItemClosed()
{
    Q_D(CTabScene);
    const int iIndex = d->IndexOfSender();
    if (iIndex < 0)
        return;
    if (d->m_bDispatching) {
        d->m_enumPending = CTabScenePrivate::PendingAction::Close;
        d->m_pPendingItem = d->m_listItems.at(iIndex);
    } else {
        Q_EMIT SignalTabAboutToClose(iIndex);
    }
}

void CTabScene::OnDragDropItem(int iDragItemIndex, bool bPutFront)
{
    Q_D(CTabScene);
    // The index the tab had in the bar it came from says nothing about where
    // it lands here.
    Q_UNUSED(iDragItemIndex)
    const int iIndex = d->IndexOfSender();
    if (iIndex < 0)
        return;
    const int iPosition = bPutFront ? iIndex : iIndex + 1;
    if (d->m_bDispatching) {
        d->m_enumPending = CTabScenePrivate::PendingAction::Drop;
        d->m_iPendingPosition = iPosition;
    } else {
        d->HandleDrop(iPosition);
    }
}

void CTabScene::OnDragEnterHideItem()
{
    Q_D(CTabScene);
    if (CTabItem* pLast = d->ItemAt(d->m_iShowNum - 1))
        pLast->SetDropIndicator(true, false);
}

void CTabScene::OnDropAtHideItem()
{
    Q_D(CTabScene);
    const int iLastShown = qMax(0, d->m_iShowNum) - 1;
    if (CTabItem* pLast = d->ItemAt(iLastShown))
        pLast->SetDropIndicator(false, false);
    if (d->m_bDispatching) {
        d->m_enumPending = CTabScenePrivate::PendingAction::Drop;
        d->m_iPendingPosition = iLastShown + 1;
    } else {
        d->HandleDrop(iLastShown + 1);
    }
}

void CTabScene::OnArrowClicked()
{
    Q_D(CTabScene);
    QPointF ptScene = d->m_pArrowItem->scenePos();
    ptScene += d->m_enumLayoutDirect == Vertical ? QPointF(d->m_rectScene.width(), 0) : QPointF(2, 41);
    const QList<QGraphicsView*> listViews = views();
    QPoint ptGlobal = ptScene.toPoint();
    if (!listViews.isEmpty()) {
        const QGraphicsView* pView = listViews.first();
        ptGlobal = pView->viewport()->mapToGlobal(pView->mapFromScene(ptScene));
    }
    d->m_pMenu->popup(ptGlobal);
}

void CTabScene::OnMenuItemClicked()
{
    Q_D(CTabScene);
    const auto* pAction = qobject_cast<QAction*>(sender());
    const int iIndex = pAction ? pAction->data().toInt() : -1;
    if (!d->IsValidIndex(iIndex))
        return;
    QPointer<CTabScene> pGuard(this);
    d->m_bInMenuSlot = true;
    if (iIndex < d->m_iShowNum) {
        ClickItem(iIndex);
    } else {
        // A hidden tab comes forward to just after the fixed ones.
        const int iTarget = qMin(d->m_iFixedNum, int(d->m_listItems.size()) - 1);
        d->m_listItems.move(iIndex, iTarget);
        d->m_iCurrentIndex = iTarget;
        Q_EMIT SignalTabMoved(iIndex, iTarget);
        if (pGuard)
            d->LayoutItems();
    }
    if (pGuard)
        d->m_bInMenuSlot = false;
}

void CTabScene::OnSceneRectChanged(QRectF rectScene)
{
    Q_D(CTabScene);
    d->m_rectScene = rectScene;
    d->m_pBackgroundItem->SetSize(rectScene.size());
    d->LayoutItems();
}

void CTabScene::OnTimer()
{
    Q_D(CTabScene);
    if (d->m_pSlidingWidget && !d->m_bMouseInside && !d->m_pSlidingWidget->IsMouseInside())
        d->m_pSlidingWidget->hide();
}

} // namespace OrvaGUIToolkit

#include "OrvaGUIToolkit/Tab/moc_TabScene.cpp"
