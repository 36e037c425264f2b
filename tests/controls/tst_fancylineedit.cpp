#include "LineEditTestHelpers.h"

#include <OrvaGUIToolkit/LineEdit/FancyLineEdit.h>
#include <OrvaGUIToolkit/LineEdit/FilterLineEdit.h>
#include <OrvaGUIToolkit/LineEdit/IconButton.h>
#include <OrvaGUIToolkit/ToolTip/ToolTip.h>

#include <QtCore/QPropertyAnimation>
#include <QtWidgets/QMenu>

using namespace OrvaGUIToolkit;

namespace {

const QString s_strTenWarning = QStringLiteral(
    "Input cannot contain any of the following characters:\n ' / \\ : * ? \" < > |");

QPixmap SolidPixmap(const QSize& size, const QColor& color)
{
    QPixmap pixmap(size);
    pixmap.fill(color);
    return pixmap;
}

void ShowButton(CFancyLineEdit& edit, CFancyLineEdit::Side enumSide, int iWidth = 16)
{
    edit.SetButtonPixmap(enumSide, SolidPixmap(QSize(iWidth, 16), Qt::red));
    edit.SetButtonVisible(enumSide, true);
}

void ClickButton(const CFancyLineEdit& edit, CFancyLineEdit::Side enumSide)
{
    CIconButton* pButton = edit.Button(enumSide);
    QTest::mouseClick(pButton, Qt::LeftButton, Qt::NoModifier, pButton->rect().center());
}

void SendFocusIn(QWidget* pWidget, Qt::FocusReason enumReason)
{
    QFocusEvent event(QEvent::FocusIn, enumReason);
    QApplication::sendEvent(pWidget, &event);
}

} // namespace

class TestFancyLineEdit : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup();

    void iconButtonFadeEndState();

    void marginsFollowButtons_data();
    void marginsFollowButtons();
    void autoHideFadesWithText();
    void clickReportsSide();
    void clickOpensMenu();
    void refusesUnknownSide();
    void tabFocusOpensMenu();

    void filterClearButton();
    void filterReportsChanges();
    void filterRefuses_data();
    void filterRefuses();
    void filterCustomAndOff();
};

void TestFancyLineEdit::cleanup()
{
    CToolTip::HideText();
}

void TestFancyLineEdit::iconButtonFadeEndState()
{
    CIconButton button;
    QCOMPARE(button.GetIconOpacity(), 0.0f);
    // The button must never take the focus from its line edit.
    QCOMPARE(button.focusPolicy(), Qt::NoFocus);

    button.AnimateShow(true);
    QTRY_COMPARE(button.GetIconOpacity(), 1.0f);
    // Finished fades delete themselves.

    // A fade out that interrupts a fade in wins.
    button.AnimateShow(false);
    button.AnimateShow(true);
    button.AnimateShow(false);
    QTRY_COMPARE(button.GetIconOpacity(), 0.0f);
    QTRY_VERIFY(button.findChildren<QPropertyAnimation*>().isEmpty());
    QTest::qWait(200);
    QCOMPARE(button.GetIconOpacity(), 0.0f);
}

void TestFancyLineEdit::marginsFollowButtons_data()
{
    QTest::addColumn<Qt::LayoutDirection>("direction");
    QTest::newRow("left to right") << Qt::LeftToRight;
    QTest::newRow("right to left") << Qt::RightToLeft;
}

void TestFancyLineEdit::marginsFollowButtons()
{
    QFETCH(Qt::LayoutDirection, direction);
    const bool bLtr = direction == Qt::LeftToRight;

    CFancyLineEdit edit;
    edit.setLayoutDirection(direction);
    edit.resize(200, 28);
    edit.show();
    QVERIFY(QTest::qWaitForWindowExposed(&edit));
    QCOMPARE(edit.textMargins(), QMargins());

    // A side's margin is its pixmap width + 8, on the edge the direction puts it.
    ShowButton(edit, CFancyLineEdit::Left);
    QCOMPARE(edit.textMargins(), bLtr ? QMargins(24, 0, 0, 0) : QMargins(0, 0, 24, 0));
    ShowButton(edit, CFancyLineEdit::Right, 20);
    QCOMPARE(edit.textMargins(), bLtr ? QMargins(24, 0, 28, 0) : QMargins(28, 0, 24, 0));

    edit.SetButtonVisible(CFancyLineEdit::Left, false);
    QCOMPARE(edit.textMargins(), bLtr ? QMargins(0, 0, 28, 0) : QMargins(28, 0, 0, 0));
}

void TestFancyLineEdit::autoHideFadesWithText()
{
    CFancyLineEdit edit;
    edit.resize(200, 28);
    ShowButton(edit, CFancyLineEdit::Right);
    edit.SetButtonToolTip(CFancyLineEdit::Right, QStringLiteral("Search plates"));
    CIconButton* pButton = edit.Button(CFancyLineEdit::Right);
    QCOMPARE(pButton->toolTip(), QStringLiteral("Search plates"));

    edit.SetAutoHideButton(CFancyLineEdit::Right, true);
    QCOMPARE(pButton->GetIconOpacity(), 0.0f);
    QCOMPARE(pButton->toolTip(), QString());
    // No room is kept for a hidden button.
    QCOMPARE(edit.textMargins().right(), 0);

    QTest::keyClicks(&edit, QStringLiteral("B7"));
    QTRY_COMPARE(pButton->GetIconOpacity(), 1.0f);
    QCOMPARE(pButton->toolTip(), QStringLiteral("Search plates"));
    QCOMPARE(edit.textMargins().right(), 24);

    edit.clear();
    QTRY_COMPARE(pButton->GetIconOpacity(), 0.0f);
    QCOMPARE(edit.textMargins().right(), 0);
}

void TestFancyLineEdit::clickReportsSide()
{
    CFancyLineEdit edit;
    edit.resize(200, 28);
    ShowButton(edit, CFancyLineEdit::Left);
    ShowButton(edit, CFancyLineEdit::Right);
    QStringList listSignals;
    connect(&edit, &CFancyLineEdit::SignalButtonClicked, this, [&listSignals](CFancyLineEdit::Side enumSide) {
        listSignals << QStringLiteral("side %1").arg(int(enumSide));
    });
    connect(&edit, &CFancyLineEdit::SignalLeftButtonClicked, this, [&listSignals] { listSignals << QStringLiteral("left"); });
    connect(&edit, &CFancyLineEdit::SignalRightButtonClicked, this, [&listSignals] { listSignals << QStringLiteral("right"); });
    edit.show();
    QVERIFY(QTest::qWaitForWindowExposed(&edit));

    ClickButton(edit, CFancyLineEdit::Left);
    ClickButton(edit, CFancyLineEdit::Right);
    QCOMPARE(listSignals, (QStringList{QStringLiteral("side 0"), QStringLiteral("left"), QStringLiteral("side 1"),
                                       QStringLiteral("right")}));
}

void TestFancyLineEdit::clickOpensMenu()
{
    CFancyLineEdit edit;
    edit.resize(200, 28);
    ShowButton(edit, CFancyLineEdit::Left);
    QPointer<QMenu> pMenu = new QMenu;
    pMenu->addAction(QStringLiteral("Plate"));
    edit.SetButtonMenu(CFancyLineEdit::Left, pMenu);
    // A menu without a parent is adopted.
    QCOMPARE(pMenu->parent(), &edit);
    QSignalSpy spyClicked(&edit, &CFancyLineEdit::SignalButtonClicked);
    edit.show();
    QVERIFY(QTest::qWaitForWindowExposed(&edit));

    ClickButton(edit, CFancyLineEdit::Left);
    QTRY_VERIFY(pMenu->isVisible());
    QCOMPARE(spyClicked.count(), 0);
    pMenu->close();

    // A menu deleted by its owner is forgotten.
    delete pMenu.data();
    QCOMPARE(edit.ButtonMenu(CFancyLineEdit::Left), nullptr);
    ClickButton(edit, CFancyLineEdit::Left);
    QCOMPARE(spyClicked.count(), 1);
}

void TestFancyLineEdit::refusesUnknownSide()
{
    CFancyLineEdit edit;
    const auto enumBad = static_cast<CFancyLineEdit::Side>(2);
    QTest::ignoreMessage(QtWarningMsg, "CFancyLineEdit::SetButtonVisible: enumSide != Left && enumSide != Right");
    edit.SetButtonVisible(enumBad, true);
    QTest::ignoreMessage(QtWarningMsg, "CFancyLineEdit::IsButtonVisible: enumSide != Left && enumSide != Right");
    QVERIFY(!edit.IsButtonVisible(enumBad));
    QTest::ignoreMessage(QtWarningMsg, "CFancyLineEdit::SetButtonMenu: enumSide != Left && enumSide != Right");
    edit.SetButtonMenu(enumBad, new QMenu(&edit));
    QTest::ignoreMessage(QtWarningMsg, "CFancyLineEdit::Button: enumSide != Left && enumSide != Right");
    QCOMPARE(edit.Button(enumBad), nullptr);
    QCOMPARE(edit.textMargins(), QMargins());
}

void TestFancyLineEdit::tabFocusOpensMenu()
{
    CFancyLineEdit edit;
    edit.show();
    QVERIFY(QTest::qWaitForWindowExposed(&edit));
    auto* pMenu = new QMenu(&edit);
    pMenu->addAction(QStringLiteral("Today"));
    edit.SetButtonMenu(CFancyLineEdit::Right, pMenu);

    // Without the trigger, Tab only moves the focus.
    SendFocusIn(&edit, Qt::TabFocusReason);
    QVERIFY(!pMenu->isVisible());

    edit.SetMenuTabFocusTrigger(CFancyLineEdit::Right, true);
    SendFocusIn(&edit, Qt::MouseFocusReason);
    QVERIFY(!pMenu->isVisible());
    SendFocusIn(&edit, Qt::BacktabFocusReason);
    QTRY_VERIFY(pMenu->isVisible());
    pMenu->close();
}

// The filter's own right button clears the text; it fades in with the first
// character as any auto-hiding button does.
void TestFancyLineEdit::filterClearButton()
{
    CFilterLineEdit edit;
    edit.resize(220, 28);
    edit.show();
    QVERIFY(QTest::qWaitForWindowExposed(&edit));
    QSignalSpy spyFilter(&edit, &CFilterLineEdit::SignalFilterChanged);
    QTest::keyClicks(&edit, QStringLiteral("PL8"));
    QTRY_COMPARE(edit.Button(CFancyLineEdit::Right)->GetIconOpacity(), 1.0f);
    QCOMPARE(edit.Button(CFancyLineEdit::Right)->toolTip(), QStringLiteral("Clear Text"));

    ClickButton(edit, CFancyLineEdit::Right);
    QCOMPARE(edit.text(), QString());
    QCOMPARE(spyFilter.last(), (QList<QVariant>{QString(), QStringLiteral("PL8")}));
}

void TestFancyLineEdit::filterReportsChanges()
{
    CFilterLineEdit edit;
    QSignalSpy spyFilter(&edit, &CFilterLineEdit::SignalFilterChanged);
    QTest::keyClicks(&edit, QStringLiteral("Ga"));
    QCOMPARE(spyFilter.count(), 2);
    QCOMPARE(spyFilter.at(0), (QList<QVariant>{QStringLiteral("G"), QString()}));
    QCOMPARE(spyFilter.at(1), (QList<QVariant>{QStringLiteral("Ga"), QStringLiteral("G")}));

    edit.setText(QStringLiteral("Ga"));
    QCOMPARE(spyFilter.count(), 2);
}

void TestFancyLineEdit::filterRefuses_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("input");

    // The apostrophe is what sets the filter's forbidden set apart from the plain one.
    for (const char* szHow : {"typed", "pasted", "set"}) {
        const QString strHow = QString::fromLatin1(szHow);
        QTest::addRow("%s apostrophe", szHow) << strHow << QStringLiteral("Lobby") << QStringLiteral("'");
        QTest::addRow("%s into empty", szHow) << strHow << QString() << QStringLiteral("|");
    }
}

void TestFancyLineEdit::filterRefuses()
{
    QFETCH(QString, how);
    QFETCH(QString, start);
    QFETCH(QString, input);

    QWidget window;
    auto* pEdit = new CFilterLineEdit(&window);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    pEdit->SetDefaultRegExp(true);
    pEdit->setText(start);
    QSignalSpy spyFilter(pEdit, &CFilterLineEdit::SignalFilterChanged);
    EnterText(pEdit, how, input);

    QCOMPARE(pEdit->text(), start);
    QCOMPARE(spyFilter.count(), 0);
    QCOMPARE(CToolTip::GetText(), s_strTenWarning);
    QCOMPARE(CToolTip::GetWidget(), pEdit);
    // A refused first character leaves the clear button faded out.
    const float fExpected = start.isEmpty() ? 0.0f : 1.0f;
    QTRY_COMPARE(pEdit->Button(CFancyLineEdit::Right)->GetIconOpacity(), fExpected);
}

void TestFancyLineEdit::filterCustomAndOff()
{
    CFilterLineEdit edit;
    edit.show();
    QVERIFY(QTest::qWaitForWindowExposed(&edit));
    QSignalSpy spyFilter(&edit, &CFilterLineEdit::SignalFilterChanged);
    edit.SetRegExp(QRegExp(QStringLiteral("[#%]")), QStringLiteral("No # or %"));
    QTest::keyClicks(&edit, QStringLiteral("a'#"));
    QCOMPARE(edit.text(), QStringLiteral("a'"));
    QCOMPARE(spyFilter.count(), 2);
    QCOMPARE(CToolTip::GetText(), QStringLiteral("No # or %"));

    // The default set comes back with its own warning.
    edit.SetDefaultRegExp(true);
    edit.setText(QStringLiteral("a#"));
    edit.setText(QStringLiteral("x'"));
    QCOMPARE(edit.text(), QStringLiteral("a#"));
    QCOMPARE(CToolTip::GetText(), s_strTenWarning);

    edit.SetDefaultRegExp(false);
    CToolTip::HideText();
    edit.setText(QStringLiteral("x'"));
    QCOMPARE(edit.text(), QStringLiteral("x'"));
    QVERIFY(!CToolTip::IsVisible());
}

QTEST_MAIN(TestFancyLineEdit)
#include "tst_fancylineedit.moc"
