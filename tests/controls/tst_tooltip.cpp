#include <OrvaGUIToolkit/ToolTip/ToolTip.h>

#include <QtGui/QScreen>
#include <QtTest/QtTest>
#include <QtWidgets/QApplication>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>

#include <memory>

using namespace OrvaGUIToolkit;

class TestToolTip : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup();

    void showsAndHides();
    void staysOnScreen_data();
    void staysOnScreen();
    void hidesWithWidgetOrInput_data();
    void hidesWithWidgetOrInput();
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
    QLineEdit edit;
    CToolTip::ShowText(QStringLiteral("Camera offline"), QPoint(100, 120), &edit);
    QVERIFY(CToolTip::IsVisible());
    QCOMPARE(CToolTip::GetText(), QStringLiteral("Camera offline"));
    QCOMPARE(CToolTip::GetWidget(), &edit);
    CToolTip* pTip = CToolTip::GetInstance();
    QVERIFY(pTip->isWindow() && (pTip->windowFlags() & Qt::ToolTip));
    // Just below and right of the point, as tool tips go.
    QVERIFY(pTip->pos().x() >= 100 && pTip->pos().x() <= 104);
    QVERIFY(pTip->pos().y() > 120 && pTip->pos().y() <= 140);

    // The same window is reused for the next text.
    CToolTip::ShowText(QStringLiteral("Recording resumed at 14:02"), QPoint(10, 10), nullptr);
    QCOMPARE(CToolTip::GetInstance(), pTip);
    QCOMPARE(CToolTip::GetText(), QStringLiteral("Recording resumed at 14:02"));
    QCOMPARE(CToolTip::GetWidget(), nullptr);

    // An empty text hides the tip, as HideText() does.
    CToolTip::ShowText(QString(), QPoint(50, 50), nullptr);
    QVERIFY(!CToolTip::IsVisible());
    QCOMPARE(CToolTip::GetText(), QString());
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

void TestToolTip::hidesWithWidgetOrInput_data()
{
    QTest::addColumn<QString>("how");
    for (const char* szHow : {"widget hidden", "widget destroyed", "key", "mouse"})
        QTest::newRow(szHow) << QString::fromLatin1(szHow);
}

void TestToolTip::hidesWithWidgetOrInput()
{
    QFETCH(QString, how);
    std::unique_ptr<QLineEdit> pEdit(new QLineEdit);
    pEdit->show();
    QVERIFY(QTest::qWaitForWindowExposed(pEdit.get()));
    CToolTip::ShowText(QStringLiteral("Name in use"), pEdit->mapToGlobal(QPoint()), pEdit.get());
    QVERIFY(CToolTip::IsVisible());
    if (how == QLatin1String("widget hidden"))
        pEdit->hide();
    else if (how == QLatin1String("widget destroyed"))
        pEdit.reset();
    else if (how == QLatin1String("key"))
        QTest::keyClick(pEdit.get(), Qt::Key_A);
    else
        QTest::mouseClick(pEdit.get(), Qt::LeftButton);
    QVERIFY(!CToolTip::IsVisible());
    if (!pEdit || pEdit->isHidden())
        return;
    // The tip never swallows the input that hid it, nor the input after it.
    QTest::keyClick(pEdit.get(), Qt::Key_B);
    QCOMPARE(pEdit->text(), how == QLatin1String("key") ? QStringLiteral("ab") : QStringLiteral("b"));
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
    auto* pLabel = pTip->findChild<QLabel*>(QStringLiteral("m_pTextLabel"));
    QVERIFY(pLabel);
    QCOMPARE(pTip->grab().toImage().pixelColor(1, 1), QColor(0xff, 0x00, 0x00));
    QCOMPARE(pLabel->palette().color(QPalette::WindowText), QColor(0x00, 0xff, 0x00));
}

QTEST_MAIN(TestToolTip)
#include "tst_tooltip.moc"
