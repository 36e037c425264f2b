#include <OrvaGUIToolkit/Foundation/FullScreenWidget.h>
#include <OrvaGUIToolkit/Foundation/WidgetSizeFactory.h>

#include <QtTest/QtTest>
#include <QtWidgets/QtWidgets>

using namespace OrvaGUIToolkit;

namespace {

const char s_szState[] = "_scc_WidgetSizeFactory_";
const char s_szGeometry[] = "_scc_WidgetGeometry_";

QRect Available()
{
    return QGuiApplication::primaryScreen()->availableGeometry();
}

} // namespace

class TestWidgetSizeFactory : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void maximizeKeepsFirstSavedGeometry()
    {
        QWidget window;
        window.setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
        window.setGeometry(50, 60, 300, 200);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QRect rectNormal(window.mapToGlobal(QPoint(0, 0)), window.size());

        CWidgetSizeFactory factory;
        factory.ShowMaximized(&window);
        // The state lives on the widget: any factory reads what another recorded.
        QVERIFY(CWidgetSizeFactory().IsMaximized(&window));
        QCOMPARE(window.property(s_szState).toUInt(), 1u);
        QCOMPARE(window.property(s_szGeometry).toRect(), rectNormal);
        QCOMPARE(window.size(), Available().size());
        QCOMPARE(window.minimumSize(), window.maximumSize());

        // A second maximise must not overwrite the normal geometry with the maximised one.
        factory.ShowMaximized(&window);
        QCOMPARE(window.property(s_szGeometry).toRect(), rectNormal);

        factory.ShowNormal(&window, QSize());
        QVERIFY(!factory.IsMaximized(&window));
        QCOMPARE(window.size(), rectNormal.size());
        QTRY_COMPARE(window.pos(), rectNormal.topLeft());
        QVERIFY(window.property(s_szGeometry).toRect().isEmpty());

        // Nothing saved any more: a second restore without a size changes nothing.
        window.move(120, 90);
        factory.ShowNormal(&window, QSize());
        QTRY_COMPARE(window.pos(), QPoint(120, 90));
    }

    void normalWithSizeUsesThatSize()
    {
        QWidget window;
        window.setGeometry(40, 30, 320, 240);
        CWidgetSizeFactory factory;
        factory.ShowMaximized(&window);
        factory.ShowNormal(&window, QSize(500, 400));
        QCOMPARE(window.size(), QSize(500, 400));
        QCOMPARE(window.minimumSize(), window.maximumSize());
        QVERIFY(window.isVisible());

        // Nothing saved: only resized, neither moved nor shown.
        QWidget other;
        other.setGeometry(10, 20, 200, 100);
        factory.ShowNormal(&other, QSize(260, 140), false);
        QCOMPARE(other.geometry(), QRect(10, 20, 260, 140));
        QVERIFY(other.isHidden());
    }

    void fullScreenFixedCoversScreen()
    {
        QWidget window;
        window.setGeometry(70, 80, 300, 200);
        CWidgetSizeFactory factory;
        factory.ShowFullScreen(&window);
        QVERIFY(factory.IsFullScreen(&window) && !factory.IsMaximized(&window));
        QCOMPARE(window.property(s_szState).toUInt(), 2u);
        QCOMPARE(window.size(), QGuiApplication::primaryScreen()->geometry().size());

        // Full screen again keeps the geometry saved the first time.
        factory.ShowFullScreen(&window);
        factory.ShowNormal(&window, QSize());
        QVERIFY(!factory.IsFullScreen(&window));
        QCOMPARE(window.size(), QSize(300, 200));
    }

    void fullScreenUnfixedFollowsParent()
    {
        QWidget parent;
        parent.resize(400, 300);
        QWidget child(&parent);
        child.setGeometry(10, 10, 50, 40);
        CWidgetSizeFactory factory;
        factory.ShowFullScreen(&child, false);
        QVERIFY(factory.IsFullScreen(&child));
        QCOMPARE(child.geometry(), parent.screen()->geometry());
        QVERIFY(!child.property(s_szGeometry).isValid());
        // Not fixed: the widget may still be resized.
        QVERIFY(child.minimumSize() != child.maximumSize());

        // Without a parent there is no screen to take: the widget keeps its
        // geometry, is full screen all the same and is shown.
        QWidget orphan;
        orphan.setGeometry(5, 5, 60, 40);
        factory.ShowFullScreen(&orphan, false);
        QVERIFY(factory.IsFullScreen(&orphan) && orphan.isVisible());
        QCOMPARE(orphan.geometry(), QRect(5, 5, 60, 40));
        QVERIFY(!orphan.property(s_szGeometry).isValid());
    }

    // A full-screen widget without a parent enters and leaves like an
    // embedded one, with nothing to hide or show again.
    void parentlessFullScreenWidget()
    {
        CFullScreenWidget video;
        video.setGeometry(20, 30, 160, 90);
        QSignalSpy spyChanged(&video, &CFullScreenWidget::SignalScreenChanged);
        video.EnterFullScreen();
        QVERIFY(video.IsFullScreen() && video.isVisible());
        QVERIFY(video.windowFlags() & Qt::FramelessWindowHint);
        video.OnChangeScreen();
        QVERIFY(!video.IsFullScreen());
        QCOMPARE(spyChanged.count(), 2);
    }

    void emptySizesAndNullAreIgnored()
    {
        QWidget window;
        window.setGeometry(10, 10, 120, 80);
        CWidgetSizeFactory factory;
        factory.SetWidgetSize(&window, QSize(0, 50), true);
        factory.SetWidgetSize(&window, QSize(), false);
        factory.SetWidgetGeometry(&window, QRect(0, 0, 100, 0), true);
        QCOMPARE(window.geometry(), QRect(10, 10, 120, 80));
        QVERIFY(window.minimumSize() != window.maximumSize());

        factory.SetWidgetGeometry(&window, QRect(30, 40, 150, 90), false);
        QCOMPARE(window.geometry(), QRect(30, 40, 150, 90));
        factory.SetWidgetSize(&window, QSize(160, 100), true);
        QCOMPARE(window.maximumSize(), QSize(160, 100));

        factory.ShowMaximized(nullptr);
        factory.ShowFullScreen(nullptr, false);
        QVERIFY(!factory.IsMinimized(nullptr) && !factory.IsMaximized(nullptr) && !factory.IsFullScreen(nullptr));
    }

    void fullScreenWidgetEntersAndLeaves()
    {
        QWidget window;
        auto* pLayout = new QVBoxLayout(&window);
        auto* pVideo = new CFullScreenWidget(&window);
        pLayout->addWidget(pVideo);
        window.resize(400, 300);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QRect rectEmbedded = pVideo->geometry();
        QSignalSpy spyChanged(pVideo, &CFullScreenWidget::SignalScreenChanged);

        // The video becomes a frameless window of its own and its window steps aside.
        pVideo->EnterFullScreen();
        QVERIFY(pVideo->IsFullScreen() && pVideo->isVisible() && window.isHidden());
        QVERIFY(pVideo->isWindow() && (pVideo->windowFlags() & Qt::FramelessWindowHint));
        QCOMPARE(pVideo->geometry(), window.screen()->geometry());

        QTest::keyClick(pVideo, Qt::Key_Escape);
        QVERIFY(!pVideo->IsFullScreen() && !pVideo->isWindow());
        QVERIFY(window.isVisible() && pVideo->isVisible());
        QTRY_COMPARE(pVideo->geometry(), rectEmbedded);
        QCOMPARE(spyChanged.count(), 2);
    }

    void fullScreenWidgetDeletedByItsSignal()
    {
        QWidget window;
        window.resize(400, 300);
        auto* pVideo = new CFullScreenWidget(&window);
        window.show();
        pVideo->EnterFullScreen();
        QPointer<CFullScreenWidget> pGuard(pVideo);
        connect(pVideo, &CFullScreenWidget::SignalScreenChanged, pVideo, [pVideo] { delete pVideo; });
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(pVideo, &escape);
        QVERIFY(pGuard.isNull());
        QVERIFY(escape.isAccepted());
    }
};

QTEST_MAIN(TestWidgetSizeFactory)
#include "tst_widgetsizefactory.moc"
