#include <OrvaGUIToolkit/Button/ToolButton.h>

#include <QtTest/QtTest>

using OrvaGUIToolkit::CToolButton;

class TestToolButton : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void iconAndToolTip();
    void hoverSignals();
};

void TestToolButton::iconAndToolTip()
{
    QPixmap pixIcon(16, 16);
    pixIcon.fill(Qt::blue);
    CToolButton button(QIcon(pixIcon), QStringLiteral("Zoom in"));
    QCOMPARE(button.toolTip(), QStringLiteral("Zoom in"));
    QVERIFY(!button.icon().isNull());
    QCOMPARE(CToolButton().cursor().shape(), Qt::PointingHandCursor);
}

void TestToolButton::hoverSignals()
{
    CToolButton button;
    QSignalSpy spyEnter(&button, &CToolButton::SignalMouseEnter);
    QSignalSpy spyLeave(&button, &CToolButton::SignalMouseLeave);
    QEvent enter(QEvent::Enter);
    QCoreApplication::sendEvent(&button, &enter);
    QCOMPARE(spyEnter.count(), 1);
    QCOMPARE(spyLeave.count(), 0);
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(&button, &leave);
    QCOMPARE(spyLeave.count(), 1);
}

QTEST_MAIN(TestToolButton)
#include "tst_toolbutton.moc"
