#include "TabTestSupport.h"

#include "tabs/SlidingWidget.h"

#include <OrvaGUIToolkit/Tab/TabBar.h>
#include <OrvaGUIToolkit/Tab/TabView.h>
#include <OrvaGUIToolkit/Tab/TabWidget.h>

#include <QtTest/QtTest>
#include <QtWidgets/QtWidgets>

#include <functional>

using namespace OrvaGUIToolkit;
using namespace TabTest;

// Deletes the scene from a slot connected to one of its signals.
class SceneKiller : public QObject
{
    Q_OBJECT

public:
    QPointer<CTabScene> m_pScene;

public Q_SLOTS:
    void Kill() { delete m_pScene.data(); }
};

namespace {

// A strip of three module tabs, two of them shown, in a window.
struct Fixture
{
    QWidget m_window;
    QPointer<CTabScene> m_pScene = new CTabScene(&m_window);
    CTabView* m_pView = new CTabView(m_pScene, &m_window);
};

using Trigger = std::function<void(Fixture&)>;

} // namespace

Q_DECLARE_METATYPE(Trigger)

class TestTabView : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void backgroundRefusesNullValues()
    {
        CTabScene scene;
        CTabView view(&scene);
        view.resize(120, 40);
        view.SetBkgroundColor(QColor(0x1b, 0x1f, 0x26));
        const QImage imageBefore = view.backgroundBrush().texture().toImage();
        QCOMPARE(imageBefore.pixelColor(60, 20), QColor(0x1b, 0x1f, 0x26));

        view.SetBkgroundColor(QColor());
        view.SetBkgroundPixmap(QPixmap());
        QCOMPARE(view.backgroundBrush().texture().toImage(), imageBefore);

        QPixmap pixmap(10, 10);
        pixmap.fill(Qt::darkCyan);
        view.SetBkgroundPixmap(pixmap);
        QCOMPARE(view.backgroundBrush().texture().size(), QSize(120, 40));

        // A colour on an empty view leaves an empty picture: no background.
        view.resize(0, 0);
        QVERIFY(view.size().isEmpty());
        view.SetBkgroundColor(Qt::red);
        QCOMPARE(view.GetBkgroundColor(), QColor(Qt::red));
        QVERIFY(view.backgroundBrush().texture().isNull());
    }

    void resizeAndProperties()
    {
        CTabScene scene;
        CTabView view(&scene);
        view.resize(200, 55);
        view.setStyleSheet(QStringLiteral("OrvaGUIToolkit--CTabView { qproperty-m_colorTabText: #336699; "
                                          "qproperty-m_colorSelTabText: #ffcc00; }"));
        AddIconTabs(scene, 4);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QCOMPARE(scene.CurrentShowTabNum(), 3);
        view.resize(400, 55);
        QCOMPARE(scene.sceneRect(), QRectF(0, 0, 400, 55));
        QCOMPARE(scene.CurrentShowTabNum(), 4);

        // Style-sheet colours reach the tabs added later.
        scene.SetTabStyle(CTabScene::TextOnly);
        view.resize(600, 55);
        scene.AddTab(QStringLiteral("Gate north"));
        const CTabItem* pItem = TabItem(scene, QStringLiteral("Gate north"));
        QCOMPARE(pItem->GetTextColor(), QColor(0x33, 0x66, 0x99));
        QCOMPARE(pItem->GetSelTextColor(), QColor(0xff, 0xcc, 0x00));
    }

    void dragOutCarriesTabDescription_data()
    {
        QTest::addColumn<bool>("bAux");
        QTest::newRow("main bar") << false;
        QTest::newRow("auxiliary bar") << true;
    }

    // The drag carries the tab's description; only the main bar gives the tab
    // up, and both remember what went out.
    void dragOutCarriesTabDescription()
    {
        QFETCH(bool, bAux);
        QWidget window;
        CTabScene scene(&window);
        auto* pView = new CTabView(&scene, &window);
        pView->setGeometry(0, 0, 400, 55);
        scene.SetAuxTab(bAux);
        scene.SetTabStyle(CTabScene::IconOnly);
        const QStringList& listModules = Modules();
        for (int i = 0; i < 3; ++i)
            AddModuleTab(scene, i, SolidIcon(Qt::white));
        scene.SetTabToolTip(1, QStringLiteral("Tracks of the last hour"));
        window.resize(400, 200);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QSignalSpy spyBegin(&scene, &CTabScene::SignalBeginDrag);
        QSignalSpy spyLeave(&scene, &CTabScene::SignalDragLeaveTabBar);
        QSignalSpy spyOut(&scene, &CTabScene::SignalDragOutTabBar);

        // The drag is built before the bar says the tab has left; on a platform
        // whose drag runs its own loop it is called off from that loop.
        QStringList listSeen;
        connect(&scene, &CTabScene::SignalDragLeaveTabBar, pView, [&] {
            if (QDrag* pDrag = pView->viewport()->findChild<QDrag*>()) {
                for (const char* szName : {"TabItemText", "TabItemData", "TabItemIndex", "TabItemTips"})
                    listSeen << pDrag->mimeData()->property(szName).toString();
                for (const char* szName : {"SelIcon", "UnSelIcon"})
                    listSeen << QString::number(!pDrag->mimeData()->property(szName).value<QIcon>().isNull());
            }
            QTimer::singleShot(0, pView, [] { QDrag::cancel(); });
        });
        // Icon-only tabs carry no text: the tool tip names the tab.
        const CTabItem* pSecond = TabItem(scene, QStringLiteral("Tracks of the last hour"));
        const QPoint ptPress = pView->mapFromScene(pSecond->mapToScene(QPointF(20, 30)));
        QTest::mousePress(pView->viewport(), Qt::LeftButton, Qt::NoModifier, ptPress);
        QCOMPARE(scene.CurrentIndex(), 1);
        QMouseEvent moveOut(QEvent::MouseMove, QPointF(ptPress.x(), 120), pView->viewport()->mapToGlobal(QPoint(ptPress.x(), 120)),
                            Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(pView->viewport(), &moveOut);

        QCOMPARE(spyBegin.size(), 1);
        QCOMPARE(spyBegin.at(0).at(0).toInt(), 1);
        QCOMPARE((QList<int>{spyLeave.size(), spyOut.size()}), (QList<int>{1, 1}));
        QCOMPARE(listSeen, (QStringList{QString(), listModules.at(1), QStringLiteral("1"),
                                        QStringLiteral("Tracks of the last hour"), QStringLiteral("1"), QStringLiteral("1")}));

        QCOMPARE(scene.Count(), bAux ? 3 : 2);
        AuxiliaryData auxData;
        scene.GetCurDragOutData(auxData);
        QCOMPARE(auxData.m_strText, QString());
        QCOMPARE(auxData.m_strToolTip, QStringLiteral("Tracks of the last hour"));
        QCOMPARE(scene.GetDragOutTab(), 1);
        QCOMPARE(scene.GetDragOutTabData().toString(), listModules.at(1));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void navigationPopupButtons()
    {
        CTabScene scene;
        scene.setSceneRect(0, 0, 900, 55);
        const QList<QPushButton*> listButtons = TopLevel<CSlidingWidget>()->Buttons();
        QCOMPARE(listButtons.size(), 6);
        QCOMPARE(listButtons.at(0)->objectName(), QStringLiteral("m_pBtn"));

        const QStringList& listModules = Modules();
        AddModuleTab(scene, 3);
        AddModuleTab(scene, 5);
        QVERIFY(!listButtons.at(3)->isHidden());
        QVERIFY(listButtons.at(0)->isHidden());
        QCOMPARE(listButtons.at(3)->text(), listModules.at(3));
        QCOMPARE(listButtons.at(3)->property("_FrameID_").toString(), listModules.at(3));

        scene.SetSlidingWidgetHoverSelect(listModules.at(5));
        QCOMPARE(listButtons.at(5)->objectName(), QStringLiteral("m_pBtnHover"));
        scene.ClearNameOrSheet();
        QCOMPARE(listButtons.at(5)->objectName(), QStringLiteral("m_pBtn"));

        // A press on a button selects its module's tab.
        QTest::mousePress(listButtons.at(5), Qt::LeftButton);
        QCOMPARE(scene.CurrentIndex(), 1);
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(listButtons.at(3), &enter);
        QVERIFY(TabItem(scene, listModules.at(3))->IsHover());

        scene.RemoveTab(0);
        QVERIFY(listButtons.at(3)->isHidden());
    }

    // The popup shown by a move over the strip goes when the mouse leaves the
    // view, at the next tick of the scene's timer.
    void navigationPopupHidesAfterLeave()
    {
        Fixture fixture;
        fixture.m_pView->setGeometry(0, 0, 300, 55);
        fixture.m_window.resize(300, 200);
        fixture.m_pScene->SetParentWidget(&fixture.m_window);
        AddModuleTab(*fixture.m_pScene, 0);
        fixture.m_window.show();
        QVERIFY(QTest::qWaitForWindowActive(&fixture.m_window));
        auto* pPopup = fixture.m_window.findChild<CSlidingWidget*>();
        QVERIFY(pPopup);
        QWidget* pViewport = fixture.m_pView->viewport();
        QMouseEvent move(QEvent::MouseMove, QPointF(90, 30), pViewport->mapToGlobal(QPoint(90, 30)), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(pViewport, &move);
        QVERIFY(pPopup->isVisible());
        QTest::qWait(700);
        QVERIFY(pPopup->isVisible());
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(pViewport, &leave);
        QTRY_VERIFY_WITH_TIMEOUT(!pPopup->isVisible(), 2000);
    }

    void tabWidgetCorner()
    {
        CTabWidget widget;
        widget.addTab(new QWidget, QStringLiteral("Passing vehicles"));
        widget.addTab(new QWidget, QStringLiteral("Alarms"));
        auto* pExport = new QPushButton(QStringLiteral("Export"));
        widget.SetCornerWidget(pExport);
        widget.resize(700, 300);
        widget.show();
        QVERIFY(QTest::qWaitForWindowExposed(&widget));

        auto* pBar = qobject_cast<CTabBar*>(widget.tabBar());
        QVERIFY(pBar && !pBar->expanding());
        QCOMPARE(pBar->elideMode(), Qt::ElideRight);
        auto* pCorner = widget.findChild<QWidget*>(QStringLiteral("m_pCornerWidget"));
        QCOMPARE(pExport->parentWidget(), pCorner);
        QCOMPARE(pCorner->geometry(), QRect(pBar->width() + 30, pBar->y(), 700 - pBar->width() - 30, pBar->height()));
        widget.resize(900, 300);
        QCOMPARE(pCorner->width(), 900 - pBar->width() - 30);

        CTabWidget empty;
        QTest::ignoreMessage(QtWarningMsg, "CTabWidget::SetCornerWidget: pWidget == NULL");
        empty.SetCornerWidget(nullptr);
        empty.resize(10, 10);
        empty.show();
        QCOMPARE(empty.findChild<QWidget*>(QStringLiteral("m_pCornerWidget"))->width(), 0);
    }

    void menuReportsTriggeredAction()
    {
        CMenu menu;
        menu.AddAction(QStringLiteral("Gate north"), 3);
        QAction* pSouth = menu.AddAction(SolidIcon(Qt::green), QStringLiteral("Gate south"), QStringLiteral("cam-12"));
        QCOMPARE(menu.FindAction(QStringLiteral("cam-12")), pSouth);
        QCOMPARE(menu.FindAction(99), nullptr);
        QSignalSpy spy(&menu, &CMenu::SignalActionTriggered);
        pSouth->trigger();
        QCOMPARE(spy.size(), 1);
        QCOMPARE(spy.at(0).at(0).value<QAction*>(), pSouth);

        menu.setStyleSheet(QStringLiteral("OrvaGUIToolkit--CMenu { qproperty-m_colorBorder: #445566; "
                                          "qproperty-m_colorHover: #2a5fa0; }"));
        menu.ensurePolished();
        QCOMPARE(menu.GetBorderColor(), QColor(0x44, 0x55, 0x66));
        QCOMPARE(menu.palette().color(QPalette::Highlight), QColor(0x2a, 0x5f, 0xa0));
    }

    void deletingSlot_data()
    {
        QTest::addColumn<QByteArray>("signal");
        QTest::addColumn<Trigger>("trigger");
        const QByteArray current = SIGNAL(SignalCurrentChanged(int));
        QTest::newRow("current by press") << current << Trigger([](Fixture& f) {
            SendMouse(f.m_pScene, QEvent::GraphicsSceneMousePress, QPointF(90, 30));
        });
        QTest::newRow("close by press") << QByteArray(SIGNAL(SignalTabAboutToClose(int)))
                                        << Trigger([](Fixture& f) {
            SendMouse(f.m_pScene, QEvent::GraphicsSceneMousePress, QPointF(114, 9));
        });
        QTest::newRow("moved by dragging") << QByteArray(SIGNAL(SignalTabMoved(int, int))) << Trigger([](Fixture& f) {
            SendMouse(f.m_pScene, QEvent::GraphicsSceneMousePress, QPointF(30, 30));
            SendMouse(f.m_pScene, QEvent::GraphicsSceneMouseMove, QPointF(80, 30));
        });
        QTest::newRow("moved by menu") << QByteArray(SIGNAL(SignalTabMoved(int, int))) << Trigger([](Fixture&) {
            OverflowMenu()->actions().last()->trigger();
        });
        QTest::newRow("current by menu") << current << Trigger([](Fixture&) {
            OverflowMenu()->actions().first()->trigger();
        });
        for (const char* szSignal : {SIGNAL(SignalTabDragAdded(int)), SIGNAL(SignalCurrentChanged(int))}) {
            QTest::newRow(QByteArray("drop: ").append(szSignal).constData()) << QByteArray(szSignal) << Trigger([](Fixture& f) {
                std::unique_ptr<QMimeData> pMime(TabMime(Modules().at(5), Modules().at(5)));
                SendDrop(f.m_pScene, pMime.get(), QPointF(150, 30));
            });
        }
        for (const char* szSignal : {SIGNAL(SignalBeginDrag(int)), SIGNAL(SignalDragLeaveTabBar()),
                                     SIGNAL(SignalDragOutTabBar()), SIGNAL(SignalCurrentChanged(int))}) {
            QTest::newRow(QByteArray("drag out: ").append(szSignal).constData()) << QByteArray(szSignal) << Trigger([](Fixture& f) {
                QWidget* pViewport = f.m_pView->viewport();
                QTest::mousePress(pViewport, Qt::LeftButton, Qt::NoModifier, QPoint(90, 30));
                QTimer::singleShot(0, [] { QDrag::cancel(); });
                QMouseEvent move(QEvent::MouseMove, QPointF(90, 150), pViewport->mapToGlobal(QPoint(90, 150)), Qt::NoButton,
                                 Qt::LeftButton, Qt::NoModifier);
                QApplication::sendEvent(pViewport, &move);
            });
        }
    }

    void deletingSlot()
    {
        QFETCH(QByteArray, signal);
        QFETCH(Trigger, trigger);
        Fixture fixture;
        fixture.m_pView->setGeometry(0, 0, 170, 55);
        fixture.m_window.resize(300, 200);
        fixture.m_pScene->SetTabStyle(CTabScene::IconOnly);
        for (int i = 0; i < 3; ++i)
            AddModuleTab(*fixture.m_pScene, i, SolidIcon(Qt::white));
        fixture.m_window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&fixture.m_window));
        QCOMPARE(fixture.m_pScene->CurrentShowTabNum(), 2);

        SceneKiller killer;
        killer.m_pScene = fixture.m_pScene;
        QVERIFY(connect(fixture.m_pScene, signal.constData(), &killer, SLOT(Kill())));
        trigger(fixture);
        QVERIFY(fixture.m_pScene.isNull());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

QTEST_MAIN(TestTabView)
#include "tst_tabview.moc"
