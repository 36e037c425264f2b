#include <OrvaGUIToolkit/ToolTip/ToolTip.h>

#include <QtGui/QScreen>
#include <QtTest/QtTest>
#include <QtWidgets/QApplication>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>

using namespace OrvaGUIToolkit;

class TestToolTip : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup();

    void showsAndHides();
    void emptyTextHides();
    void staysOnScreen_data();
    void staysOnScreen();
    void hidesWithItsWidget_data();
    void hidesWithItsWidget();
    void hidesOnInput_data();
    void hidesOnInput();
    void hidesAfterAWhile();
    void styledByObjectName();
};

void TestToolTip::cleanup()
{
    CToolTip::HideText();
    qApp->setStyleSheet(QString());
}

void TestToolTip::showsAndHides()
{
    QVERIFY(!CToolTip::IsVisible());
    QCOMPARE(CToolTip::GetText(), QString());
    QLineEdit edit;
    CToolTip::ShowText(QStringLiteral("Camera offline"), QPoint(100, 120), &edit);
    QVERIFY(CToolTip::IsVisible());
    QCOMPARE(CToolTip::GetText(), QStringLiteral("Camera offline"));
    QCOMPARE(CToolTip::GetWidget(), &edit);
    CToolTip* pTip = CToolTip::GetInstance();
    QVERIFY(pTip->isWindow());
    QVERIFY(pTip->windowFlags() & Qt::ToolTip);
    // Just below and right of the point, as tool tips go.
    QVERIFY(pTip->pos().x() >= 100 && pTip->pos().x() <= 104);
    QVERIFY(pTip->pos().y() > 120 && pTip->pos().y() <= 140);

    // The same window is reused for the next text.
    CToolTip::ShowText(QStringLiteral("Recording resumed at 14:02"), QPoint(10, 10), nullptr);
    QCOMPARE(CToolTip::GetInstance(), pTip);
    QCOMPARE(CToolTip::GetText(), QStringLiteral("Recording resumed at 14:02"));
    QCOMPARE(CToolTip::GetWidget(), nullptr);

    CToolTip::HideText();
    QVERIFY(!CToolTip::IsVisible());
    QCOMPARE(CToolTip::GetText(), QString());
}

void TestToolTip::emptyTextHides()
{
    CToolTip::ShowText(QStringLiteral("Disk 2 full"), QPoint(50, 50), nullptr);
    QVERIFY(CToolTip::IsVisible());
    CToolTip::ShowText(QString(), QPoint(50, 50), nullptr);
    QVERIFY(!CToolTip::IsVisible());
}

void TestToolTip::staysOnScreen_data()
{
    QTest::addColumn<QString>("corner");
    QTest::newRow("bottom right") << QStringLiteral("bottom right");
    QTest::newRow("far outside") << QStringLiteral("outside");
}

void TestToolTip::staysOnScreen()
{
    QFETCH(QString, corner);
    const QRect rectAvailable = QGuiApplication::primaryScreen()->availableGeometry();
    const QPoint ptAt = corner == QLatin1String("outside") ? rectAvailable.bottomRight() + QPoint(500, 500)
                                                           : rectAvailable.bottomRight() - QPoint(2, 2);
    CToolTip::ShowText(QStringLiteral("Input cannot contain any of the following characters:\n / \\ : * ? \" < > |"),
                       ptAt, nullptr);
    const QRect rectTip = CToolTip::GetInstance()->frameGeometry();
    QVERIFY2(rectAvailable.contains(rectTip), qPrintable(QStringLiteral("%1,%2 %3x%4").arg(rectTip.x()).arg(rectTip.y())
                                                             .arg(rectTip.width()).arg(rectTip.height())));
}

void TestToolTip::hidesWithItsWidget_data()
{
    QTest::addColumn<bool>("destroy");
    QTest::newRow("hidden") << false;
    QTest::newRow("destroyed") << true;
}

void TestToolTip::hidesWithItsWidget()
{
    QFETCH(bool, destroy);
    auto* pEdit = new QLineEdit;
    pEdit->show();
    QVERIFY(QTest::qWaitForWindowExposed(pEdit));
    CToolTip::ShowText(QStringLiteral("Name in use"), pEdit->mapToGlobal(QPoint()), pEdit);
    QVERIFY(CToolTip::IsVisible());
    if (destroy)
        delete pEdit;
    else
        pEdit->hide();
    QVERIFY(!CToolTip::IsVisible());
    QCOMPARE(CToolTip::GetWidget(), nullptr);
    if (!destroy)
        delete pEdit;
}

void TestToolTip::hidesOnInput_data()
{
    QTest::addColumn<bool>("mouse");
    QTest::newRow("key") << false;
    QTest::newRow("mouse") << true;
}

void TestToolTip::hidesOnInput()
{
    QFETCH(bool, mouse);
    QLineEdit edit;
    edit.show();
    QVERIFY(QTest::qWaitForWindowExposed(&edit));
    CToolTip::ShowText(QStringLiteral("Press any key"), edit.mapToGlobal(QPoint()), &edit);
    if (mouse)
        QTest::mouseClick(&edit, Qt::LeftButton);
    else
        QTest::keyClick(&edit, Qt::Key_A);
    QVERIFY(!CToolTip::IsVisible());
    // Hidden tips no longer watch the input.
    QTest::keyClick(&edit, Qt::Key_B);
    QCOMPARE(edit.text(), mouse ? QStringLiteral("b") : QStringLiteral("ab"));
}

void TestToolTip::hidesAfterAWhile()
{
    CToolTip::ShowText(QStringLiteral("Saved"), QPoint(40, 40), nullptr);
    QVERIFY(CToolTip::IsVisible());
    QTRY_VERIFY_WITH_TIMEOUT(!CToolTip::IsVisible(), 15000);
}

void TestToolTip::styledByObjectName()
{
    qApp->setStyleSheet(QStringLiteral("#CToolTip { background-color: #ff0000; border: none; }"
                                       "#CToolTip #m_pTextLabel { color: #00ff00; }"));
    CToolTip::ShowText(QStringLiteral("Alarm"), QPoint(40, 40), nullptr);
    CToolTip* pTip = CToolTip::GetInstance();
    QCOMPARE(pTip->objectName(), QStringLiteral("CToolTip"));
    auto* pLabel = pTip->findChild<QLabel*>(QStringLiteral("m_pTextLabel"));
    QVERIFY(pLabel);
    QCOMPARE(pLabel->text(), QStringLiteral("Alarm"));
    const QImage image = pTip->grab().toImage();
    QCOMPARE(image.pixelColor(1, 1), QColor(0xff, 0x00, 0x00));
    QCOMPARE(pLabel->palette().color(QPalette::WindowText), QColor(0x00, 0xff, 0x00));
}

QTEST_MAIN(TestToolTip)
#include "tst_tooltip.moc"
