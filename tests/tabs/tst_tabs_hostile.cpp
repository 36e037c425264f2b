#include "TabTestSupport.h"

#include "tabs/SlidingWidget.h"

#include <OrvaGUIToolkit/Tab/TabView.h>
#include <OrvaGUIToolkit/Tab/TabWidget.h>

#include <QtGui/QDrag>
#include <QtWidgets/QPushButton>
#include <QtTest/QtTest>

#include <climits>
#include <cmath>
#include <functional>

using namespace OrvaGUIToolkit;
using namespace TabTest;

class TestTabsHostile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void badIndexes_data();
    void badIndexes();
    void badGeometry_data();
    void badGeometry();
    void oddTabs();
    void oddDrops();
    void unknownStyleAndModule();
    void nullCornerWidget();
    void deletingSlot_data();
    void deletingSlot();
};

void TestTabsHostile::badIndexes_data()
{
    QTest::addColumn<int>("iIndex");
    QTest::newRow("INT_MIN") << INT_MIN;
    QTest::newRow("-1") << -1;
    QTest::newRow("count") << 3;
    QTest::newRow("INT_MAX") << INT_MAX;
}

void TestTabsHostile::badIndexes()
{
    QFETCH(int, iIndex);
    CTabScene scene;
    AddIconTabs(scene, 3, 600);
    scene.SetCurrentIndex(1);
    QSignalSpy spyCurrent(&scene, &CTabScene::SignalCurrentChanged);
    QSignalSpy spyMoved(&scene, &CTabScene::SignalTabMoved);

    scene.ClickItem(iIndex);
    scene.SetCurrentIndex(iIndex);
    QCOMPARE(spyCurrent.size(), 0);
    QCOMPARE(scene.CurrentIndex(), 1);
    QVERIFY(scene.TabText(iIndex).isNull());
    QVERIFY(scene.TabIcon(iIndex).isNull());
    QVERIFY(scene.TabToolTip(iIndex).isNull());
    QVERIFY(!scene.TabData(iIndex).isValid());
    scene.SetTabToolTip(iIndex, QStringLiteral("x"));
    scene.SetTabData(iIndex, 5);
    scene.SetTabFixed(iIndex, true);
    scene.SetCloseBtnVisiable(iIndex, false);
    scene.SetTabSceneItemHover(iIndex, true);
    QCOMPARE(spyMoved.size(), 0);
    QTest::ignoreMessage(QtWarningMsg, "CTabScene::RemoveTab: iIndex out of range");
    scene.RemoveTab(iIndex);
    QCOMPARE(scene.Count(), 3);

    // An insertion at a bad index appends.
    QCOMPARE(scene.InsertTab(iIndex, QStringLiteral("Camera 4")), 3);
}

void TestTabsHostile::badGeometry_data()
{
    QTest::addColumn<QRectF>("rect");
    QTest::addColumn<int>("iShown");
    QTest::newRow("narrower than one tab") << QRectF(0, 0, 10, 55) << 0;
    QTest::newRow("empty") << QRectF(0, 0, 0, 0) << 0;
    QTest::newRow("huge") << QRectF(0, 0, 1e300, 1e300) << 3;
    QTest::newRow("infinite") << QRectF(0, 0, qInf(), qInf()) << 3;
}

void TestTabsHostile::badGeometry()
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

void TestTabsHostile::oddTabs()
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
    QCOMPARE(scene.GetTabIndexByData(QString()), -1);
    while (scene.Count() > 0)
        scene.RemoveTab(0);
    QCOMPARE(scene.CurrentIndex(), -1);
    QCOMPARE(scene.CurrentShowTabNum(), 0);
    // An empty strip ignores the wheel and presses.
    Wheel(&scene, -120);
    SendMouse(&scene, QEvent::GraphicsSceneMousePress, QPointF(5, 5));
    QCOMPARE(scene.CurrentIndex(), -1);
}

void TestTabsHostile::oddDrops()
{
    CTabScene scene;
    scene.setSceneRect(0, 0, 900, 55);
    AddModuleTab(scene, 2);
    // Properties of the wrong types still give a plain tab, at the end.
    QMimeData odd;
    odd.setProperty("TabItemData", QStringLiteral("Gate north"));
    odd.setProperty("TabItemIndex", QStringLiteral("not a number"));
    odd.setProperty("SelIcon", 42);
    QVERIFY(SendDrop(&scene, &odd, QPointF(800, 30)));
    QCOMPARE(scene.Count(), 2);
    QCOMPARE(scene.TabData(1).toString(), QStringLiteral("Gate north"));
    QVERIFY(scene.TabText(1).isEmpty());
    QVERIFY(!SendDrop(&scene, nullptr, QPointF(30, 30)));
    QCOMPARE(scene.Count(), 2);
}

void TestTabsHostile::unknownStyleAndModule()
{
    CTabScene scene;
    scene.setSceneRect(0, 0, 600, 55);
    scene.SetTabStyle(CTabScene::TabStyle(7));
    QTest::ignoreMessage(QtWarningMsg, "CTabScene::InsertTab: unknown tab style");
    QCOMPARE(scene.AddTab(QStringLiteral("Camera 1")), -1);
    QCOMPARE(scene.Count(), 0);
    scene.SetTabStyle(CTabScene::TextOnly);
    AddModuleTab(scene, 0);
    // A name outside the module list counts every open module before it.
    QCOMPARE(scene.GetItemIndexByFrameID(QStringLiteral("Parking")), 1);
    QCOMPARE(scene.GetItemIndexByFrameID(QString()), 1);
    AuxiliaryData auxData;
    auxData.Clear();
    QCOMPARE(scene.InsertTabAfterAuxClose(auxData), 1);
}

void TestTabsHostile::nullCornerWidget()
{
    CTabWidget widget;
    QTest::ignoreMessage(QtWarningMsg, "CTabWidget::SetCornerWidget: pWidget == NULL");
    widget.SetCornerWidget(nullptr);
    widget.resize(10, 10);
    widget.show();
    QVERIFY(QTest::qWaitForWindowExposed(&widget));
    QCOMPARE(widget.findChild<QWidget*>(QStringLiteral("m_pCornerWidget"))->width(), 0);
}

// Deletes the scene from a slot connected to one of its signals.
class SceneKiller : public QObject
{
    Q_OBJECT

public:
    QPointer<CTabScene> m_pScene;
    int m_iKills = 0;

public Q_SLOTS:
    void Kill()
    {
        ++m_iKills;
        delete m_pScene.data();
    }
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

void TestTabsHostile::deletingSlot_data()
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
    QTest::newRow("current by wheel") << current << Trigger([](Fixture& f) { Wheel(f.m_pScene, -120); });
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
    QTest::newRow("current by pop-up") << current << Trigger([](Fixture&) {
        QTest::mousePress(TopLevel<CSlidingWidget>()->Buttons().at(0), Qt::LeftButton);
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

void TestTabsHostile::deletingSlot()
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
    QCOMPARE(killer.m_iKills, 1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QTEST_MAIN(TestTabsHostile)
#include "tst_tabs_hostile.moc"
