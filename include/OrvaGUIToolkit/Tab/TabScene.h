#ifndef ORVAGUITOOLKIT_TAB_TABSCENE_H
#define ORVAGUITOOLKIT_TAB_TABSCENE_H

#include <OrvaGUIToolkit/OrvaGUIToolkitGlobal.h>
#include <OrvaGUIToolkit/Tab/AuxiliaryData.h>

#include <QtCore/QList>
#include <QtCore/QRectF>
#include <QtCore/QVariant>
#include <QtGui/QColor>
#include <QtGui/QIcon>
#include <QtGui/QPixmap>
#include <QtWidgets/QGraphicsScene>

#include <memory>

namespace OrvaGUIToolkit {

class CTabScenePrivate;

// The module strip of the main window drawn on a graphics scene: one tab per
// open module laid out horizontally or vertically, tabs that do not fit
// behind an arrow with a menu, selection, closing, fixed leading tabs,
// reordering by dragging, dragging a tab out into a window of its own and
// dropping tabs in from another strip. Shown by a CTabView.
class ORVAGUITOOLKIT_EXPORT CTabScene : public QGraphicsScene
{
    Q_OBJECT
    Q_DECLARE_PRIVATE(CTabScene)

public:
    enum LayoutDirect : int { Horizontal = 0, Vertical = 1 };
    Q_ENUM(LayoutDirect)
    enum TabStyle : int { IconAndText = 0, IconOnly = 1, TextOnly = 2 };
    Q_ENUM(TabStyle)

    explicit CTabScene(QObject* pParent = nullptr);
    ~CTabScene() override;

    int AddTab(const QString& strText);
    int AddTab(const QIcon& iconSel, const QIcon& iconUnSel, const QString& strText);
    int InsertTab(int iIndex, const QString& strText);
    int InsertTab(int iIndex, const QIcon& iconSel, const QIcon& iconUnSel, const QString& strText);
    // Returns the new tab's index, -1 for an unknown tab style.
    int InsertTab(int iIndex, const QIcon& iconSel, const QIcon& iconUnSel, const QString& strText,
                  const QVariant& varData, bool bFixed);
    // Puts a tab that was dragged out back at its module's place.
    int InsertTabAfterAuxClose(AuxiliaryData& auxData);
    void RemoveTab(int iIndex);

    int Count() const;
    int CurrentIndex() const;
    int CurrentShowTabNum() const;
    void SetCurrentIndex(int iIndex);
    void ClickItem(int iIndex);

    QString TabText(int iIndex) const;
    // The tab's unselected icon, the one it shows at rest.
    QIcon TabIcon(int iIndex) const;
    QString TabToolTip(int iIndex) const;
    QVariant TabData(int iIndex) const;
    void SetTabToolTip(int iIndex, const QString& strToolTip);
    void SetTabData(int iIndex, const QVariant& varData);
    int GetTabIndexByData(const QVariant& varData) const;
    void SetTabFixed(int iIndex, bool bFixed);
    void SetCloseBtnVisiable(int iIndex, bool bVisible);

    void SetDragEnable(bool bEnable);
    void SetDragOutImage(const QPixmap& pixmap);
    void SetAuxTab(bool bAux);
    void SetParentWidget(QWidget* pWidget);
    void SetLayoutDirect(LayoutDirect enumDirect);
    LayoutDirect GetLayoutDirect() const;
    void SetTabStyle(TabStyle enumStyle);
    TabStyle GetTabStyle() const;

    void SetArrowPixmap(const QPixmap& pixmap);
    void SetArrowItemSelPixmap(const QPixmap& pixmap);
    void SetArrowItemHoverPixmap(const QPixmap& pixmap);
    void SetArrowItemUnselPixmap(const QPixmap& pixmap);
    void SetSelPixmap(const QPixmap& pixmap);
    void SetUnSelPixmap(const QPixmap& pixmap);
    void SetClosePixmap(const QPixmap& pixmap);
    void SetCloseHoverPixmap(const QPixmap& pixmap);
    void SetTabLinePixmap(const QPixmap& pixmap);
    void SetTabTextColor(const QColor& color);
    void SetTabSelTextColor(const QColor& color);
    void SetTabSceneItemHover(int iIndex, bool bHover);

    // The former index of the tab last dragged out, -1 when none was.
    int GetDragOutTab() const;
    QVariant GetDragOutTabData() const;
    void GetCurDragOutData(AuxiliaryData& auxData) const;
    // The indexes of the tabs shown at the last layout.
    void GetListIndex(QList<int>& listIndex) const;

    // The number of open modules that come before strFrameID in module order.
    int GetItemIndexByFrameID(const QString& strFrameID) const;
    void InsertMapFrameIDButton(int iButton, const QString& strFrameID);
    void InitButtonLayout();
    void SetSlidingWidgetData();
    void SetSlidingWidgetHoverSelect(QString strFrameID);
    void SlidingButtonDragEnter(int iButton, const QString& strFrameID);
    void SlidingButtonDragOut(const QString& strFrameID);
    void SlidingButtonMoved(int iFrom, int iTo);
    void ClearNameOrSheet();

Q_SIGNALS:
    void SignalCurrentChanged(int iIndex);
    void SignalBeginDrag(int iIndex);
    void SignalDragLeaveTabBar();
    void SignalDragOutTabBar();
    void SignalTabAboutToClose(int iIndex);
    void SignalTabMoved(int iFrom, int iTo);
    void SignalTabDragAdded(int iIndex);

protected:
    CTabScene(CTabScenePrivate& dd, QObject* pParent);
    bool event(QEvent* pEvent) override;
    void mousePressEvent(QGraphicsSceneMouseEvent* pEvent) override;
    void mouseMoveEvent(QGraphicsSceneMouseEvent* pEvent) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent* pEvent) override;
    void wheelEvent(QGraphicsSceneWheelEvent* pEvent) override;
    void dragEnterEvent(QGraphicsSceneDragDropEvent* pEvent) override;
    void dragLeaveEvent(QGraphicsSceneDragDropEvent* pEvent) override;
    void dropEvent(QGraphicsSceneDragDropEvent* pEvent) override;

    const std::unique_ptr<CTabScenePrivate> d_ptr;

private Q_SLOTS:
    void OnItemSelected();
    void OnTabItemClosed();
    void OnDragDropItem(int iDragItemIndex, bool bPutFront);
    void OnDragEnterHideItem();
    void OnDropAtHideItem();
    void OnArrowClicked();
    void OnMenuItemClicked();
    void OnSceneRectChanged(QRectF rectScene);
    void OnTimer();
};

} // namespace OrvaGUIToolkit

#endif
