#ifndef ORVAGUITOOLKIT_TESTS_TABTESTSUPPORT_H
#define ORVAGUITOOLKIT_TESTS_TABTESTSUPPORT_H

#include <OrvaGUIToolkit/Menu/Menu.h>
#include <OrvaGUIToolkit/Tab/TabScene.h>

#include "tabs/items/ArrowItem.h"
#include "tabs/items/TabItem.h"

#include <QtTest/QtTest>
#include <QtWidgets/QtWidgets>

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

// Appends the tab of module iModule, its name as text and data.
inline void AddModuleTab(CTabScene& scene, int iModule, const QIcon& icon = QIcon())
{
    const QString& strModule = Modules().at(iModule);
    scene.InsertTab(-1, icon, icon, strModule, strModule, false);
}

// Icon-only tabs are 64 pixels long whatever the font, so positions are exact.
// They carry no text: the name "Camera n" goes into the tool tip, the data is
// "cam-n". A positive dWidth first sets a horizontal strip of that width.
inline void AddIconTabs(CTabScene& scene, int iCount, qreal dWidth = 0)
{
    if (dWidth > 0)
        scene.setSceneRect(0, 0, dWidth, 55);
    scene.SetTabStyle(CTabScene::IconOnly);
    for (int i = 0; i < iCount; ++i) {
        const int iIndex = scene.InsertTab(-1, SolidIcon(Qt::white), SolidIcon(Qt::gray),
                                           QStringLiteral("Camera %1").arg(i + 1), QStringLiteral("cam-%1").arg(i + 1),
                                           false);
        scene.SetTabToolTip(iIndex, QStringLiteral("Camera %1").arg(i + 1));
    }
}

// The name of tab i: its text, or its tool tip when it has no text.
inline QString Name(const CTabScene& scene, int iIndex)
{
    const QString strText = scene.TabText(iIndex);
    return strText.isEmpty() ? scene.TabToolTip(iIndex) : strText;
}

inline QStringList Names(const CTabScene& scene)
{
    QStringList listNames;
    for (int i = 0; i < scene.Count(); ++i)
        listNames << Name(scene, i);
    return listNames;
}

// The tab with that text, or without text and with that tool tip.
inline CTabItem* TabItem(const CTabScene& scene, const QString& strName)
{
    for (QGraphicsItem* pItem : scene.items()) {
        auto* pTab = dynamic_cast<CTabItem*>(pItem);
        if (pTab && (pTab->GetText().isEmpty() ? pTab->GetToolTip() : pTab->GetText()) == strName)
            return pTab;
    }
    return nullptr;
}

inline CArrowItem* Arrow(const CTabScene& scene)
{
    for (QGraphicsItem* pItem : scene.items()) {
        if (auto* pArrow = dynamic_cast<CArrowItem*>(pItem))
            return pArrow;
    }
    return nullptr;
}

// The first top-level widget of type T: the overflow menu is the only CMenu.
template <typename T>
T* TopLevel()
{
    const QList<QWidget*> listWidgets = QApplication::topLevelWidgets();
    for (QWidget* pWidget : listWidgets) {
        if (auto* pFound = qobject_cast<T*>(pWidget))
            return pFound;
    }
    return nullptr;
}

inline CMenu* OverflowMenu()
{
    return TopLevel<CMenu>();
}

inline void SendMouse(QGraphicsScene* pScene, QEvent::Type enumType, const QPointF& ptScene,
                      Qt::MouseButtons enumButtons = Qt::LeftButton)
{
    QGraphicsSceneMouseEvent event(enumType);
    event.setScenePos(ptScene);
    event.setScreenPos(ptScene.toPoint());
    event.setLastScenePos(ptScene);
    event.setButton(Qt::LeftButton);
    event.setButtons(enumButtons);
    event.setButtonDownScenePos(Qt::LeftButton, ptScene);
    QApplication::sendEvent(pScene, &event);
}

// A left click: press, then release.
inline void Click(QGraphicsScene* pScene, const QPointF& ptScene)
{
    SendMouse(pScene, QEvent::GraphicsSceneMousePress, ptScene);
    SendMouse(pScene, QEvent::GraphicsSceneMouseRelease, ptScene, Qt::NoButton);
}

inline void Wheel(QGraphicsScene* pScene, int iDelta)
{
    QGraphicsSceneWheelEvent event(QEvent::GraphicsSceneWheel);
    event.setScenePos(QPointF(90, 35));
    event.setDelta(iDelta);
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

// Sends each of listTypes at ptScene, as a view would hand them on; returns
// whether the last one was accepted.
inline bool SendDrag(QGraphicsScene* pScene, const QMimeData* pMime, const QPointF& ptScene,
                     std::initializer_list<QEvent::Type> listTypes)
{
    bool bAccepted = false;
    for (QEvent::Type enumType : listTypes) {
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

// Enter, move and drop at ptScene; returns whether the drop was accepted.
inline bool SendDrop(QGraphicsScene* pScene, const QMimeData* pMime, const QPointF& ptScene)
{
    return SendDrag(pScene, pMime, ptScene,
                    {QEvent::GraphicsSceneDragEnter, QEvent::GraphicsSceneDragMove, QEvent::GraphicsSceneDrop});
}

} // namespace TabTest

#endif
