#include <OrvaGUIToolkit/Button/ToolButton.h>

#include <QtTest/QtTest>

using OrvaGUIToolkit::CToolButton;

class TestToolButton : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void iconAndToolTip();
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

QTEST_MAIN(TestToolButton)
#include "tst_toolbutton.moc"
