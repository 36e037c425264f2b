#include "TabTestSupport.h"

#include <QtTest/QtTest>
#include <QtWidgets/QtWidgets>

#include <climits>
#include <cmath>

using namespace OrvaGUIToolkit;
using namespace TabTest;

class TestTabScene : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Icon-only tabs are 64 long, 40 without icons; text at 16 pixels adds its width.
    void tabWidth()
    {
        const QString strText = QStringLiteral("Health");
        QList<qreal> listWidths;
        for (const QPair<CTabScene::TabStyle, bool>& styleIcons :
             {qMakePair(CTabScene::IconOnly, true), qMakePair(CTabScene::IconOnly, false),
              qMakePair(CTabScene::TextOnly, true), qMakePair(CTabScene::IconAndText, true)}) {
            CTabScene scene;
            scene.setSceneRect(0, 0, 600, 55);
            scene.SetTabStyle(styleIcons.first);
            const QIcon icon = styleIcons.second ? SolidIcon(Qt::red) : QIcon();
            scene.AddTab(icon, icon, strText);
            scene.SetTabToolTip(0, strText);
            QCOMPARE(TabItem(scene, strText)->boundingRect().height(), 51.0);
            listWidths << TabItem(scene, strText)->boundingRect().width();
        }
        QFont font;
        font.setPixelSize(16);
        const qreal dText = QFontMetrics(font).horizontalAdvance(strText);
        QCOMPARE(listWidths, (QList<qreal>{64, 40, 60 + dText, 84 + dText}));
    }

    void iconOnlyTabsCarryNoText_data()
    {
        QTest::addColumn<int>("iStyle");
        QTest::addColumn<QString>("strText");
        QTest::addColumn<int>("iSystemIndex");
        const QString strHealth = QStringLiteral("Health");
        QTest::newRow("icon and text") << int(CTabScene::IconAndText) << strHealth << 1;
        // Without text the tab has no tool tip either, and its module does not count as open.
        QTest::newRow("icon only") << int(CTabScene::IconOnly) << QString() << 0;
        QTest::newRow("text only") << int(CTabScene::TextOnly) << strHealth << 1;
    }

    void iconOnlyTabsCarryNoText()
    {
        QFETCH(int, iStyle);
        CTabScene scene;
        scene.setSceneRect(0, 0, 600, 55);
        scene.SetTabStyle(CTabScene::TabStyle(iStyle));
        AddModuleTab(scene, 4, SolidIcon(Qt::red));
        QTEST(scene.TabText(0), "strText");
        QTEST(scene.TabToolTip(0), "strText");
        QCOMPARE(scene.TabData(0).toString(), QStringLiteral("Health"));
        QTEST(scene.GetItemIndexByFrameID(QStringLiteral("System")), "iSystemIndex");
    }

    void layoutAndOverflow_data()
    {
        QTest::addColumn<bool>("bVertical");
        QTest::addColumn<bool>("bRightToLeft");
        QTest::addColumn<QSizeF>("sizeStrip");
        QTest::addColumn<QList<QRectF>>("listTabs");
        QTest::addColumn<QRectF>("rectArrow");
        QTest::addColumn<QRectF>("rectClose");
        // 200 pixels hold three tabs of 64; the fourth goes behind the arrow.
        QTest::newRow("horizontal") << false << false << QSizeF(200, 55)
                                    << QList<QRectF>({QRectF(-2, 2, 64, 51), QRectF(62, 2, 64, 51), QRectF(126, 2, 64, 51)})
                                    << QRectF(185, 2, 17, 41) << QRectF();
        QTest::newRow("vertical") << true << false << QSizeF(80, 200)
                                  << QList<QRectF>({QRectF(2, -2, 80, 64), QRectF(2, 62, 80, 64), QRectF(2, 126, 80, 64)})
                                  << QRectF(2, 185, 41, 17) << QRectF();
        // The close button sits at the left end of a right-to-left tab.
        QTest::newRow("right to left") << false << true << QSizeF(200, 55)
                                       << QList<QRectF>({QRectF(136, 2, 64, 51), QRectF(72, 2, 64, 51), QRectF(8, 2, 64, 51)})
                                       << QRectF(-2, 2, 17, 41) << QRectF(5, 2, 12, 12);
    }

    void layoutAndOverflow()
    {
        QFETCH(bool, bVertical);
        QFETCH(bool, bRightToLeft);
        QFETCH(QSizeF, sizeStrip);
        QFETCH(QList<QRectF>, listTabs);
        QFETCH(QRectF, rectClose);
        CTabScene scene;
        QGraphicsView view(&scene);
        view.setLayoutDirection(bRightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
        scene.SetLayoutDirect(bVertical ? CTabScene::Vertical : CTabScene::Horizontal);
        scene.setSceneRect(QRectF(QPointF(), sizeStrip));
        AddIconTabs(scene, 4);
        QCOMPARE(scene.CurrentShowTabNum(), 3);
        for (int i = 0; i < 3; ++i) {
            const CTabItem* pItem = TabItem(scene, Name(scene, i));
            QVERIFY(pItem->isVisible());
            QCOMPARE(QRectF(pItem->pos(), pItem->boundingRect().size()), listTabs.at(i));
        }
        QVERIFY(!TabItem(scene, Name(scene, 3))->isVisible());
        const CArrowItem* pArrow = Arrow(scene);
        QVERIFY(pArrow->isVisible());
        QTEST(QRectF(pArrow->pos(), pArrow->boundingRect().size()), "rectArrow");
        if (!rectClose.isNull())
            QCOMPARE(TabItem(scene, Name(scene, 0))->CloseRect(), rectClose);
        QList<int> listIndex;
        scene.GetListIndex(listIndex);
        QCOMPARE(listIndex, QList<int>({0, 1, 2}));

        // The menu lists every tab, hidden or not, with its index as data.
        CMenu* pMenu = OverflowMenu();
        QCOMPARE(pMenu->actions().size(), 4);
        QCOMPARE(pMenu->actions().at(3)->data().toInt(), 3);

        // A longer strip shows all four again and hides the arrow.
        scene.setSceneRect(QRectF(QPointF(), sizeStrip * 1.5));
        QCOMPARE(scene.CurrentShowTabNum(), 4);
        QVERIFY(TabItem(scene, Name(scene, 3))->isVisible());
        QVERIFY(!pArrow->isVisible());
    }

    void hiddenTabs()
    {
        CTabScene scene;
        AddIconTabs(scene, 5, 200);
        QSignalSpy spyMoved(&scene, &CTabScene::SignalTabMoved);
        QSignalSpy spyCurrent(&scene, &CTabScene::SignalCurrentChanged);

        // Clicking a hidden tab selects the last one shown.
        scene.ClickItem(4);
        QCOMPARE(scene.CurrentIndex(), 2);
        QCOMPARE(spyCurrent.size(), 1);
        QVERIFY(TabItem(scene, QStringLiteral("Camera 3"))->IsSelected());

        // The menu brings a hidden tab forward, behind the fixed ones.
        scene.SetTabFixed(0, true);
        OverflowMenu()->actions().at(4)->trigger();
        QCOMPARE(spyMoved.size(), 1);
        QCOMPARE(spyMoved.at(0), QVariantList({4, 1}));
        QCOMPARE(scene.CurrentIndex(), 1);
        QCOMPARE(Name(scene, 2), QStringLiteral("Camera 2"));
        QCOMPARE(spyCurrent.last().at(0).toInt(), 1);

        // A shown tab is simply selected.
        OverflowMenu()->actions().at(2)->trigger();
        QCOMPARE(spyMoved.size(), 1);
        QCOMPARE(scene.CurrentIndex(), 2);
    }

    // Removing the current tab selects the one before it, or the new first;
    // the index never drops below 0, not even for the last tab.
    void removalRules()
    {
        QStringList listCurrent;
        for (const QPoint& currentRemoved : {QPoint(1, 1), QPoint(2, 0), QPoint(0, 0)}) {
            CTabScene scene;
            AddIconTabs(scene, 3, 600);
            scene.SetCurrentIndex(currentRemoved.x());
            scene.RemoveTab(currentRemoved.y());
            QCOMPARE(scene.Count(), 2);
            listCurrent << QString::number(scene.CurrentIndex()) + Name(scene, scene.CurrentIndex());
        }
        QCOMPARE(listCurrent, (QStringList{QStringLiteral("0Camera 1"), QStringLiteral("1Camera 3"),
                                           QStringLiteral("0Camera 2")}));
        CTabScene single;
        AddIconTabs(single, 1, 600);
        single.SetCurrentIndex(0);
        QSignalSpy spyCurrent(&single, &CTabScene::SignalCurrentChanged);
        single.RemoveTab(0);
        QCOMPARE(single.CurrentIndex(), 0);
        QCOMPARE(single.Count(), 0);
        QCOMPARE(spyCurrent.size(), 0);
    }

    void fixedTabs()
    {
        CTabScene scene;
        AddIconTabs(scene, 4, 600);
        QSignalSpy spyMoved(&scene, &CTabScene::SignalTabMoved);

        // A tab that becomes fixed behind the fixed group moves to the group's end.
        scene.SetTabFixed(2, true);
        scene.SetTabFixed(3, true);
        QCOMPARE(QList<QList<QVariant>>(spyMoved), (QList<QList<QVariant>>{{2, 0}, {3, 1}}));
        QCOMPARE(Names(scene), (QStringList{"Camera 3", "Camera 4", "Camera 1", "Camera 2"}));
        scene.SetTabFixed(1, true);

        // A tab that stops being fixed stays where it is; only the count shrinks,
        // so the next tab fixed goes to index 1.
        scene.SetTabFixed(0, false);
        QCOMPARE(spyMoved.size(), 2);
        QCOMPARE(Names(scene), (QStringList{"Camera 3", "Camera 4", "Camera 1", "Camera 2"}));
        QVERIFY(!TabItem(scene, QStringLiteral("Camera 3"))->IsFixed());
        scene.SetTabFixed(2, true);
        QCOMPARE(spyMoved.size(), 3);
        QCOMPARE(spyMoved.at(2), QVariantList({2, 1}));
        QCOMPARE(Names(scene), (QStringList{"Camera 3", "Camera 1", "Camera 4", "Camera 2"}));


        // Insertions go where they are asked, fixed or not; an index outside
        // the list appends.
        QCOMPARE(scene.InsertTab(0, QStringLiteral("Camera 9")), 0);
        scene.SetTabToolTip(0, QStringLiteral("Camera 9"));
        QCOMPARE(scene.InsertTab(-1, QIcon(), QIcon(), QStringLiteral("Camera 0"), QVariant(), true), 5);
        scene.SetTabToolTip(5, QStringLiteral("Camera 0"));
        QCOMPARE(scene.InsertTab(1, QIcon(), QIcon(), QStringLiteral("Camera 8"), QVariant(), true), 1);
        scene.SetTabToolTip(1, QStringLiteral("Camera 8"));
        QCOMPARE(Names(scene),
                 (QStringList{"Camera 9", "Camera 8", "Camera 3", "Camera 1", "Camera 4", "Camera 2", "Camera 0"}));
        QVERIFY(TabItem(scene, QStringLiteral("Camera 0"))->IsFixed());

        // A fixed tab is never dragged: pressing it and moving off the strip does nothing.
        QSignalSpy spyBegin(&scene, &CTabScene::SignalBeginDrag);
        // Tabs 0 and 1 have no icon: 40 pixels each, so tab 1 spans 38..78.
        SendMouse(&scene, QEvent::GraphicsSceneMousePress, QPointF(50, 30));
        SendMouse(&scene, QEvent::GraphicsSceneMouseMove, QPointF(90, 30));
        SendMouse(&scene, QEvent::GraphicsSceneMouseMove, QPointF(90, 90));
        QCOMPARE(scene.CurrentIndex(), 1);
        QCOMPARE(spyBegin.size(), 0);
        QCOMPARE(Name(scene, 1), QStringLiteral("Camera 8"));
    }

    // Fixing a tab moves it, not the current index: the layout then selects
    // whichever tab the move brought to that index.
    void fixingKeepsTheCurrentIndex_data()
    {
        QTest::addColumn<int>("iCurrent");
        QTest::addColumn<QString>("strSelected");
        QTest::newRow("current tab fixed") << 2 << QStringLiteral("Camera 2");
        QTest::newRow("tab before it") << 1 << QStringLiteral("Camera 1");
        QTest::newRow("tab after it") << 3 << QStringLiteral("Camera 4");
    }

    void fixingKeepsTheCurrentIndex()
    {
        QFETCH(int, iCurrent);
        QFETCH(QString, strSelected);
        CTabScene scene;
        AddIconTabs(scene, 4, 600);
        scene.SetCurrentIndex(iCurrent);
        QSignalSpy spyMoved(&scene, &CTabScene::SignalTabMoved);
        QSignalSpy spyCurrent(&scene, &CTabScene::SignalCurrentChanged);
        scene.SetTabFixed(2, true);
        QCOMPARE(spyMoved.size(), 1);
        QCOMPARE(spyMoved.at(0), QVariantList({2, 0}));
        QCOMPARE(Names(scene), (QStringList{"Camera 3", "Camera 1", "Camera 2", "Camera 4"}));
        QCOMPARE(scene.CurrentIndex(), iCurrent);
        QCOMPARE(spyCurrent.size(), 1);
        QCOMPARE(spyCurrent.at(0).at(0).toInt(), iCurrent);
        for (const QString& strName : Names(scene))
            QCOMPARE(TabItem(scene, strName)->IsSelected(), strName == strSelected);
    }

    void moduleOrder()
    {
        CTabScene scene;
        scene.setSceneRect(0, 0, 900, 55);
        AddModuleTab(scene, 2);
        AddModuleTab(scene, 4);
        const QStringList& listModules = Modules();
        QCOMPARE(scene.GetItemIndexByFrameID(listModules.at(0)), 0);
        QCOMPARE(scene.GetItemIndexByFrameID(listModules.at(3)), 1);
        QCOMPARE(scene.GetItemIndexByFrameID(listModules.at(5)), 2);
        scene.RemoveTab(0);
        QCOMPARE(scene.GetItemIndexByFrameID(listModules.at(5)), 1);

        // A tab put back after its window closed lands at its module's place.
        AuxiliaryData auxData;
        auxData.m_strText = listModules.at(1);
        auxData.m_varData = listModules.at(1);
        auxData.m_strToolTip = QStringLiteral("Tracks of the last hour");
        QCOMPARE(scene.InsertTabAfterAuxClose(auxData), 0);
        QCOMPARE(scene.TabText(0), listModules.at(1));
        QCOMPARE(scene.TabToolTip(0), QStringLiteral("Tracks of the last hour"));
    }

    void dataLookupAndCloseButtonPress()
    {
        CTabScene scene;
        AddIconTabs(scene, 3, 600);
        QCOMPARE(scene.GetTabIndexByData(QStringLiteral("cam-2")), 1);
        QCOMPARE(scene.GetTabIndexByData(QStringLiteral("cam-7")), -1);
        scene.SetTabData(2, 17);
        QCOMPARE(scene.GetTabIndexByData(QStringLiteral("17")), 2);
        scene.SetCurrentIndex(0);
        QSignalSpy spyClose(&scene, &CTabScene::SignalTabAboutToClose);
        QSignalSpy spyCurrent(&scene, &CTabScene::SignalCurrentChanged);
        // Tab 1 spans 62..126; its close square is at 62 + 64 - 17 = 109, y 4.
        Click(&scene, QPointF(114, 9));
        QCOMPARE(spyClose.size(), 1);
        QCOMPARE(spyClose.at(0).at(0).toInt(), 1);
        QCOMPARE(spyCurrent.size(), 0);

        // Without its close button the same press selects the tab.
        scene.SetCloseBtnVisiable(1, false);
        Click(&scene, QPointF(114, 9));
        QCOMPARE(spyClose.size(), 1);
        QCOMPARE(scene.CurrentIndex(), 1);
    }

    void pressWheelAndArrow()
    {
        CTabScene scene;
        AddIconTabs(scene, 5, 200);
        Click(&scene, QPointF(90, 35));
        QCOMPARE(scene.CurrentIndex(), 1);
        Wheel(&scene, -120);
        QCOMPARE(scene.CurrentIndex(), 2);
        // Only the shown tabs are stepped through.
        Wheel(&scene, -120);
        QCOMPARE(scene.CurrentIndex(), 2);
        for (int i = 0; i < 3; ++i)
            Wheel(&scene, 120);
        QCOMPARE(scene.CurrentIndex(), 0);

        // The arrow stays pressed while its menu is open.
        CArrowItem* pArrow = Arrow(scene);
        SendMouse(&scene, QEvent::GraphicsSceneMousePress, QPointF(192, 20));
        QVERIFY(pArrow->IsPressed());
        QTRY_VERIFY(OverflowMenu()->isVisible());
        OverflowMenu()->hide();
        QVERIFY(!pArrow->IsPressed());
    }

    void reorderByDragging()
    {
        CTabScene scene;
        AddIconTabs(scene, 3, 600);
        QSignalSpy spyMoved(&scene, &CTabScene::SignalTabMoved);
        CTabItem* pFirst = TabItem(scene, QStringLiteral("Camera 1"));
        SendMouse(&scene, QEvent::GraphicsSceneMousePress, QPointF(30, 30));
        QCOMPARE(scene.CurrentIndex(), 0);
        // 20 pixels right: 44 pixels still part the tabs, more than half of 64.
        SendMouse(&scene, QEvent::GraphicsSceneMouseMove, QPointF(50, 30));
        QCOMPARE(spyMoved.size(), 0);
        QCOMPARE(pFirst->pos(), QPointF(18, 2));
        QCOMPARE(pFirst->zValue(), 65535.0);
        // 20 more: 24 pixels apart, so the neighbour jumps back by 64.
        SendMouse(&scene, QEvent::GraphicsSceneMouseMove, QPointF(70, 30));
        QCOMPARE(spyMoved.size(), 1);
        QCOMPARE(spyMoved.at(0), QVariantList({0, 1}));
        QCOMPARE(TabItem(scene, QStringLiteral("Camera 2"))->pos(), QPointF(-2, 2));
        QCOMPARE(scene.CurrentIndex(), 1);
        SendMouse(&scene, QEvent::GraphicsSceneMouseRelease, QPointF(70, 30), Qt::NoButton);
        QCOMPARE(pFirst->pos(), QPointF(62, 2));
        QCOMPARE(pFirst->zValue(), 0.0);

        // Leftwards past the start of the strip the tab stays put.
        SendMouse(&scene, QEvent::GraphicsSceneMousePress, QPointF(20, 30));
        SendMouse(&scene, QEvent::GraphicsSceneMouseMove, QPointF(10, 30));
        QCOMPARE(TabItem(scene, QStringLiteral("Camera 2"))->pos(), QPointF(-2, 2));
        SendMouse(&scene, QEvent::GraphicsSceneMouseRelease, QPointF(10, 30), Qt::NoButton);
    }

    // A dragged tab keeps 2 pixels off the start of the strip: from its laid
    // out place at -2 it moves only to x >= 2.
    void dragKeepsOffTheStart_data()
    {
        QTest::addColumn<QList<int>>("listMoves");
        QTest::addColumn<qreal>("dX");
        QTest::newRow("3 right from -2") << QList<int>{3} << -2.0;
        QTest::newRow("4 right from -2") << QList<int>{4} << 2.0;
        QTest::newRow("20 right, 16 back") << QList<int>{20, -16} << 2.0;
        QTest::newRow("20 right, 17 back") << QList<int>{20, -17} << 18.0;
        QTest::newRow("1 at a time") << QList<int>{1, 1, 1} << -2.0;
    }

    void dragKeepsOffTheStart()
    {
        QFETCH(QList<int>, listMoves);
        QFETCH(qreal, dX);
        CTabScene scene;
        AddIconTabs(scene, 3, 600);
        CTabItem* pFirst = TabItem(scene, QStringLiteral("Camera 1"));
        QPointF ptMouse(30, 30);
        SendMouse(&scene, QEvent::GraphicsSceneMousePress, ptMouse);
        for (int iMove : listMoves) {
            ptMouse.rx() += iMove;
            SendMouse(&scene, QEvent::GraphicsSceneMouseMove, ptMouse);
        }
        QCOMPARE(pFirst->pos(), QPointF(dX, 2));
        QCOMPARE(scene.CurrentIndex(), 0);
    }

    void drops()
    {
        CTabScene scene;
        scene.setSceneRect(0, 0, 900, 55);
        AddModuleTab(scene, 0);
        AddModuleTab(scene, 4);
        const QStringList& listModules = Modules();
        QSignalSpy spyAdded(&scene, &CTabScene::SignalTabDragAdded);

        // Mime data without "TabItemData" is foreign, and no mime data at all
        // is nothing: both are ignored everywhere.
        QMimeData foreign;
        foreign.setText(QStringLiteral("Camera 12"));
        foreign.setProperty("TabItemText", QStringLiteral("Camera 12"));
        QVERIFY(!SendDrop(&scene, &foreign, QPointF(800, 30)));
        QVERIFY(!SendDrop(&scene, nullptr, QPointF(30, 30)));
        QCOMPARE(scene.Count(), 2);

        // Dropped on the right half of the first tab, the tab still lands at its
        // module's place: after "License Plate Recognition", before "Health".
        const CTabItem* pFirst = TabItem(scene, listModules.at(0));
        const QPointF ptDrop = pFirst->mapToScene(QPointF(pFirst->boundingRect().width() - 5, 30));
        std::unique_ptr<QMimeData> pMime(TabMime(listModules.at(3), listModules.at(3), 2));
        QStringList listOrder;
        connect(&scene, &CTabScene::SignalTabDragAdded, this,
                [&listOrder](int iIndex) { listOrder << QStringLiteral("added %1").arg(iIndex); });
        connect(&scene, &CTabScene::SignalCurrentChanged, this,
                [&listOrder](int iIndex) { listOrder << QStringLiteral("current %1").arg(iIndex); });
        QVERIFY(SendDrop(&scene, pMime.get(), ptDrop));
        // The tabs are laid out, and so one selected, after the addition is announced.
        QCOMPARE(listOrder.mid(listOrder.size() - 2), (QStringList{"added 1", "current 1"}));
        QCOMPARE(spyAdded.size(), 1);
        QCOMPARE(spyAdded.at(0).at(0).toInt(), 1);
        QCOMPARE(scene.TabData(1).toString(), listModules.at(3));
        QCOMPARE(scene.TabToolTip(1), listModules.at(3) + QStringLiteral(" (drag me back)"));

        // The same tab again is a duplicate and is not added.
        QVERIFY(SendDrop(&scene, pMime.get(), ptDrop));
        QCOMPARE(spyAdded.size(), 1);
        QCOMPARE(scene.Count(), 3);

        // Past the last tab the background takes the drop.
        std::unique_ptr<QMimeData> pLast(TabMime(listModules.at(5), listModules.at(5)));
        QVERIFY(SendDrop(&scene, pLast.get(), QPointF(800, 30)));
        QCOMPARE(scene.TabText(3), listModules.at(5));

        // An auxiliary bar takes no drops at all.
        scene.SetAuxTab(true);
        std::unique_ptr<QMimeData> pOther(TabMime(listModules.at(2), listModules.at(2)));
        QVERIFY(!SendDrop(&scene, pOther.get(), QPointF(800, 30)));
        QCOMPARE(scene.Count(), 4);
    }

    // The indicator shows before a tab on its left half, after it on its right
    // half, and never before a fixed tab.
    void dropIndicator()
    {
        QList<bool> listBefore;
        for (const QPair<qreal, bool>& xFixed : {qMakePair(10.0, false), qMakePair(50.0, false), qMakePair(10.0, true)}) {
            CTabScene scene;
            AddIconTabs(scene, 2, 600);
            scene.SetTabFixed(1, xFixed.second);
            CTabItem* pItem = TabItem(scene, QStringLiteral("Camera 2"));
            std::unique_ptr<QMimeData> pMime(TabMime(QStringLiteral("Camera 7"), QStringLiteral("cam-7")));
            SendDrag(&scene, pMime.get(), pItem->mapToScene(QPointF(xFixed.first, 30)),
                     {QEvent::GraphicsSceneDragEnter, QEvent::GraphicsSceneDragMove});
            QVERIFY(pItem->IsDropIndicatorShown());
            listBefore << pItem->IsDropBefore();
            SendDrag(&scene, pMime.get(), QPointF(), {QEvent::GraphicsSceneDragLeave});
            QVERIFY(!pItem->IsDropIndicatorShown());
        }
        QCOMPARE(listBefore, (QList<bool>{true, false, false}));
    }

    // Below 0 or at the count an index is refused: nothing changes, nothing
    // is emitted, and an insertion there appends.
    void badIndexes()
    {
        for (const int iIndex : {INT_MIN, 3}) {
            CTabScene scene;
            AddIconTabs(scene, 3, 600);
            scene.SetCurrentIndex(1);
            QSignalSpy spyCurrent(&scene, &CTabScene::SignalCurrentChanged);
            QSignalSpy spyMoved(&scene, &CTabScene::SignalTabMoved);
            scene.ClickItem(iIndex);
            scene.SetCurrentIndex(iIndex);
            QVERIFY(scene.TabText(iIndex).isNull() && scene.TabIcon(iIndex).isNull() && scene.TabToolTip(iIndex).isNull());
            QVERIFY(!scene.TabData(iIndex).isValid());
            scene.SetTabToolTip(iIndex, QStringLiteral("x"));
            scene.SetTabData(iIndex, 5);
            scene.SetTabFixed(iIndex, true);
            scene.SetCloseBtnVisiable(iIndex, false);
            scene.SetTabSceneItemHover(iIndex, true);
            QTest::ignoreMessage(QtWarningMsg, "CTabScene::RemoveTab: iIndex out of range");
            scene.RemoveTab(iIndex);
            QCOMPARE((QList<int>{spyCurrent.size(), spyMoved.size(), scene.CurrentIndex(), scene.Count()}),
                     (QList<int>{0, 0, 1, 3}));
            QCOMPARE(scene.InsertTab(iIndex, QStringLiteral("Camera 4")), 3);
        }
    }

    // Fixed tabs inserted or released out of order leave the fixed count
    // unlike the group at the front; the menu still moves within the list.
    void fixedCountStaysInsideTheList_data()
    {
        QTest::addColumn<bool>("bRemoveFirst");
        QTest::addColumn<QVariantList>("listMoved");
        QTest::addColumn<QStringList>("listNames");
        // Fixed count 2 for a single tab: the hidden tab stays the last one.
        QTest::newRow("count above the tabs") << false << QVariantList{1, 1} << QStringList{"Camera 1", "Camera 3"};
        // The count never drops below 0: the hidden tab comes first.
        QTest::newRow("count at zero") << true << QVariantList{1, 0} << QStringList{"Camera 3", "Camera 2"};
    }

    void fixedCountStaysInsideTheList()
    {
        QFETCH(bool, bRemoveFirst);
        CTabScene scene;
        AddIconTabs(scene, 1, 100);
        scene.InsertTab(-1, SolidIcon(Qt::white), SolidIcon(Qt::gray), QString(), QStringLiteral("cam-2"), true);
        scene.SetTabToolTip(1, QStringLiteral("Camera 2"));
        if (bRemoveFirst) {
            scene.RemoveTab(0);
            scene.SetTabFixed(0, false);
        } else {
            scene.RemoveTab(1);
            scene.SetTabFixed(0, true);
        }
        scene.InsertTab(-1, SolidIcon(Qt::white), SolidIcon(Qt::gray), QString(), QStringLiteral("cam-3"), false);
        scene.SetTabToolTip(1, QStringLiteral("Camera 3"));
        QCOMPARE(scene.CurrentShowTabNum(), 1);
        QSignalSpy spyMoved(&scene, &CTabScene::SignalTabMoved);
        OverflowMenu()->actions().at(1)->trigger();
        QCOMPARE(spyMoved.size(), 1);
        QTEST(spyMoved.at(0), "listMoved");
        QTEST(Names(scene), "listNames");
    }

    void badGeometry_data()
    {
        QTest::addColumn<QRectF>("rect");
        QTest::addColumn<int>("iShown");
        QTest::newRow("narrower than one tab") << QRectF(0, 0, 10, 55) << 0;
        QTest::newRow("huge") << QRectF(0, 0, 1e300, 1e300) << 3;
        QTest::newRow("infinite") << QRectF(0, 0, qInf(), qInf()) << 3;
    }

    void badGeometry()
    {
        QFETCH(QRectF, rect);
        QFETCH(int, iShown);
        for (int iDirect : {int(CTabScene::Horizontal), int(CTabScene::Vertical)}) {
            CTabScene scene;
            scene.SetLayoutDirect(CTabScene::LayoutDirect(iDirect));
            AddIconTabs(scene, 3);
            scene.setSceneRect(rect);
            QCOMPARE(scene.CurrentShowTabNum(), iShown);
            QCOMPARE(Arrow(scene)->isVisible(), iShown < 3);
            scene.ClickItem(2);
            QCOMPARE(scene.CurrentIndex(), 2);
            // Moving the current tab about must stay harmless.
            SendMouse(&scene, QEvent::GraphicsSceneMousePress, QPointF(5, 5));
            SendMouse(&scene, QEvent::GraphicsSceneMouseMove, QPointF(9, 9));
            SendMouse(&scene, QEvent::GraphicsSceneMouseRelease, QPointF(9, 9), Qt::NoButton);
        }
        // A NaN-sized scene lays nothing out.
        CTabScene scene;
        AddIconTabs(scene, 2);
        scene.setSceneRect(0, 0, std::nan(""), 55);
        QCOMPARE(scene.Count(), 2);
    }

    void oddTabs()
    {
        CTabScene scene;
        scene.setSceneRect(0, 0, 600, 55);
        QCOMPARE(scene.AddTab(QString()), 0);
        QCOMPARE(scene.AddTab(QIcon(), QIcon(), QString()), 1);
        QCOMPARE(TabItem(scene, QString())->boundingRect().width(), 40.0);
        const QString strHuge(200000, QLatin1Char('W'));
        QCOMPARE(scene.AddTab(strHuge), 2);
        QCOMPARE(scene.CurrentShowTabNum(), 2);
        scene.ClickItem(2);
        QCOMPARE(scene.CurrentIndex(), 1);
        while (scene.Count() > 0)
            scene.RemoveTab(0);
        QCOMPARE(scene.CurrentIndex(), 0);
        QCOMPARE(scene.CurrentShowTabNum(), 0);
        // An empty strip ignores the wheel and presses.
        QSignalSpy spyCurrent(&scene, &CTabScene::SignalCurrentChanged);
        Wheel(&scene, -120);
        Wheel(&scene, 120);
        SendMouse(&scene, QEvent::GraphicsSceneMousePress, QPointF(5, 5));
        QCOMPARE(scene.CurrentIndex(), 0);
        QCOMPARE(spyCurrent.size(), 0);
        // The next tab added is the current one.
        QCOMPARE(scene.AddTab(QStringLiteral("Camera 5")), 0);
        QCOMPARE(spyCurrent.size(), 1);
    }

    void unknownStyleAndModule()
    {
        CTabScene scene;
        scene.setSceneRect(0, 0, 600, 55);
        scene.SetTabStyle(CTabScene::TabStyle(7));
        QTest::ignoreMessage(QtWarningMsg, "CTabScene::InsertTab: unknown tab style");
        QCOMPARE(scene.AddTab(QStringLiteral("Camera 1")), -1);
        scene.SetTabStyle(CTabScene::TextOnly);
        AddModuleTab(scene, 0);
        // A name outside the module list counts every open module before it.
        QCOMPARE(scene.GetItemIndexByFrameID(QStringLiteral("Parking")), 1);
        AuxiliaryData auxData;
        QCOMPARE(scene.InsertTabAfterAuxClose(auxData), 1);
    }
};

QTEST_MAIN(TestTabScene)
#include "tst_tabscene.moc"
