#include <OrvaGUIToolkit/Button/ToolButton.h>

#include <QtTest/QtTest>

using OrvaGUIToolkit::CToolButton;

class TestToolButton : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void iconAndToolTip();
    void pressAndHover();
};

void TestToolButton::iconAndToolTip()
{
    QPixmap pixIcon(16, 16);
    pixIcon.fill(Qt::blue);
    CToolButton button(QIcon(pixIcon), QStringLiteral("Zoom in"));
    QCOMPARE(button.toolTip(), QStringLiteral("Zoom in"));
    QVERIFY(!button.icon().isNull());
    // Both constructors give the same flat, icon-only button.
    CToolButton plain;
    QVERIFY(plain.icon().isNull());
    QCOMPARE(plain.autoRaise(), button.autoRaise());
    QCOMPARE(plain.cursor().shape(), Qt::PointingHandCursor);
}

void TestToolButton::pressAndHover()
{
    QWidget window;
    window.resize(100, 60);
    auto* pButton = new CToolButton(&window);
    pButton->setGeometry(10, 10, 17, 16);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QSignalSpy spyPressed(pButton, &CToolButton::pressed);
    QSignalSpy spyClicked(pButton, &CToolButton::clicked);
    QSignalSpy spyEnter(pButton, &CToolButton::SignalMouseEnter);
    QSignalSpy spyLeave(pButton, &CToolButton::SignalMouseLeave);
    QTest::mousePress(pButton, Qt::LeftButton);
    QCOMPARE(spyPressed.count(), 1);
    QCOMPARE(spyClicked.count(), 0);
    QTest::mouseRelease(pButton, Qt::LeftButton);
    QCOMPARE(spyClicked.count(), 1);

    QEvent enter(QEvent::Enter);
    QCoreApplication::sendEvent(pButton, &enter);
    QCOMPARE(spyEnter.count(), 1);
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(pButton, &leave);
    QCOMPARE(spyLeave.count(), 1);
}

QTEST_MAIN(TestToolButton)
#include "tst_toolbutton.moc"
