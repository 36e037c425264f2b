#ifndef ORVAGUITOOLKIT_TESTS_TABTESTSUPPORT_H
#define ORVAGUITOOLKIT_TESTS_TABTESTSUPPORT_H

#include <OrvaGUIToolkit/Menu/Menu.h>
#include <OrvaGUIToolkit/Tab/TabScene.h>

#include "tabs/items/ArrowItem.h"
#include "tabs/items/TabItem.h"

#include <QtCore/QMimeData>
#include <QtGui/QPainter>
#include <QtWidgets/QApplication>
#include <QtWidgets/QGraphicsView>
#include <QtWidgets/QGraphicsSceneDragDropEvent>
#include <QtWidgets/QGraphicsSceneMouseEvent>

namespace TabTest {

using namespace OrvaGUIToolkit;

inline QIcon SolidIcon(const QColor& color)
{
    QPixmap pixmap(24, 24);
    pixmap.fill(color);
    return QIcon(pixmap);
}

inline const QStringList& Modules()
{
    static const QStringList s_listModules = {
        QStringLiteral("License Plate Recognition"), QStringLiteral("Vehicle Tracking"),
        QStringLiteral("Vehicle Search"), QStringLiteral("Alarm Center"), QStringLiteral("Health"),
        QStringLiteral("System")};
    return s_listModules;
}

// Icon-only tabs are 64 pixels long whatever the font, so positions are exact.
inline void AddIconTabs(CTabScene& scene, int iCount)
{
    scene.SetTabStyle(CTabScene::IconOnly);
    for (int i = 0; i < iCount; ++i)
        scene.InsertTab(-1, SolidIcon(Qt::white), SolidIcon(Qt::gray), QStringLiteral("Camera %1").arg(i + 1),
                        QStringLiteral("cam-%1").arg(i + 1), false);
}

// The tab item showing text strText.
inline CTabItem* TabItem(const CTabScene& scene, const QString& strText)
{
    const QList<QGraphicsItem*> listItems = scene.items();
    for (QGraphicsItem* pItem : listItems) {
        auto* pTab = dynamic_cast<CTabItem*>(pItem);
        if (pTab && pTab->GetText() == strText)
            return pTab;
    }
    return nullptr;
}

inline CArrowItem* Arrow(const CTabScene& scene)
{
    const QList<QGraphicsItem*> listItems = scene.items();
    for (QGraphicsItem* pItem : listItems) {
        if (auto* pArrow = dynamic_cast<CArrowItem*>(pItem))
            return pArrow;
    }
    return nullptr;
}

// The overflow menu: the only CMenu among the top-level widgets.
inline CMenu* OverflowMenu()
{
    const QList<QWidget*> listWidgets = QApplication::topLevelWidgets();
    for (QWidget* pWidget : listWidgets) {
        if (auto* pMenu = qobject_cast<CMenu*>(pWidget))
            return pMenu;
    }
    return nullptr;
}

inline void SendMouse(QGraphicsScene* pScene, QEvent::Type enumType, const QPointF& ptScene,
                      Qt::MouseButtons enumButtons, Qt::MouseButton enumButton = Qt::LeftButton)
{
    QGraphicsSceneMouseEvent event(enumType);
    event.setScenePos(ptScene);
    event.setScreenPos(ptScene.toPoint());
    event.setLastScenePos(ptScene);
    event.setButton(enumButton);
    event.setButtons(enumButtons);
    event.setButtonDownScenePos(enumButton, ptScene);
    QApplication::sendEvent(pScene, &event);
}

inline QMimeData* TabMime(const QString& strText, const QVariant& varData, int iIndex = 0)
{
    auto* pMime = new QMimeData;
    pMime->setProperty("TabItemText", strText);
    pMime->setProperty("TabItemData", varData);
    pMime->setProperty("TabItemIndex", iIndex);
    pMime->setProperty("TabItemTips", strText + QStringLiteral(" (drag me back)"));
    pMime->setProperty("SelIcon", QVariant::fromValue(SolidIcon(Qt::white)));
    pMime->setProperty("UnSelIcon", QVariant::fromValue(SolidIcon(Qt::gray)));
    return pMime;
}

// Enter, move and drop at ptScene, as a view would hand them on; returns
// whether the drop was accepted.
inline bool SendDrop(QGraphicsScene* pScene, QMimeData* pMime, const QPointF& ptScene)
{
    bool bAccepted = false;
    for (QEvent::Type enumType : {QEvent::GraphicsSceneDragEnter, QEvent::GraphicsSceneDragMove,
                                  QEvent::GraphicsSceneDrop}) {
        QGraphicsSceneDragDropEvent event(enumType);
        event.setScenePos(ptScene);
        event.setScreenPos(ptScene.toPoint());
        event.setMimeData(pMime);
        event.setButtons(Qt::LeftButton);
        event.setPossibleActions(Qt::MoveAction);
        event.setProposedAction(Qt::MoveAction);
        event.setDropAction(Qt::MoveAction);
        QApplication::sendEvent(pScene, &event);
        bAccepted = event.isAccepted();
    }
    return bAccepted;
}

} // namespace TabTest

#endif
