#include "controls/ToolTipPrivate.h"

#include <QtTest/QtTest>
#include <QtWidgets/QtWidgets>

#include <memory>

using namespace OrvaGUIToolkit;

class TestToolTip : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup()
    {
        CToolTip::HideText();
    }

    void showsAndHides()
    {
        QVERIFY(!CToolTip::IsVisible());
        QLineEdit edit;
        CToolTip::ShowText(QStringLiteral("Camera offline"), QPoint(100, 120), &edit);
        QVERIFY(CToolTip::IsVisible());
        QCOMPARE(CToolTip::GetText(), QStringLiteral("Camera offline"));
        QCOMPARE(CToolTip::GetWidget(), &edit);
        QVERIFY(CToolTipPrivate::Existing()->windowFlags() & Qt::ToolTip);

        // An empty text hides the tip, as HideText() does.
        CToolTip::ShowText(QString(), QPoint(50, 50), nullptr);
        QVERIFY(!CToolTip::IsVisible());
        QCOMPARE(CToolTip::GetText(), QString());
    }

    // Shown at (798, 598) on the 800 x 600 screen, the tip has no room below or
    // right of the point: it ends at the right edge and 4 pixels above the point.
    void staysOnScreen()
    {
        CToolTip::ShowText(QStringLiteral("Input cannot contain any of the following characters:\n / \\ : * ? \" < > |"),
                           QPoint(798, 598), nullptr);
        const QRect rectTip = CToolTipPrivate::Existing()->frameGeometry();
        QCOMPARE(rectTip.right(), 799);
        QCOMPARE(rectTip.bottom(), 593);
    }

    void hidesWithWidgetOrInput_data()
    {
        QTest::addColumn<QString>("how");
        for (const char* szHow : {"widget hidden", "widget destroyed", "key", "mouse"})
            QTest::newRow(szHow) << QString::fromLatin1(szHow);
    }

    void hidesWithWidgetOrInput()
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
};

QTEST_MAIN(TestToolTip)
#include "tst_tooltip.moc"
