#include "LineEditTestHelpers.h"

#include <OrvaGUIToolkit/LineEdit/FancyLineEdit.h>
#include <OrvaGUIToolkit/LineEdit/FilterLineEdit.h>
#include <OrvaGUIToolkit/LineEdit/IconButton.h>
#include <OrvaGUIToolkit/ToolTip/ToolTip.h>

#include <QtTest/QtTest>
#include <QtWidgets/QtWidgets>

#include <memory>

using namespace OrvaGUIToolkit;

namespace {

const QString s_strTenWarning = QStringLiteral(
    "Input cannot contain any of the following characters:\n ' / \\ : * ? \" < > |");

void ShowButton(CFancyLineEdit& edit, CFancyLineEdit::Side enumSide, int iWidth = 16)
{
    QPixmap pixmap(iWidth, 16);
    pixmap.fill(Qt::red);
    edit.SetButtonPixmap(enumSide, pixmap);
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

// Every test starts with a shown, empty 200 x 28 fancy line edit and a shown
// filter edit.
class TestFancyLineEdit : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_pEdit.reset(new CFancyLineEdit);
        m_pFilter.reset(new CFilterLineEdit);
        for (QWidget* pWidget : {static_cast<QWidget*>(m_pEdit.get()), static_cast<QWidget*>(m_pFilter.get())}) {
            pWidget->resize(200, 28);
            pWidget->show();
            QVERIFY(QTest::qWaitForWindowExposed(pWidget));
        }
    }

    void cleanup()
    {
        m_pEdit.reset();
        m_pFilter.reset();
        CToolTip::HideText();
    }

    void iconButtonFadeEndState()
    {
        CIconButton button;
        QCOMPARE(button.GetIconOpacity(), 0.0f);
        // The button must never take the focus from its line edit.
        QCOMPARE(button.focusPolicy(), Qt::NoFocus);
        button.AnimateShow(true);
        QTRY_COMPARE(button.GetIconOpacity(), 1.0f);

        // A fade out that interrupts a fade in wins; finished fades delete themselves.
        button.AnimateShow(false);
        button.AnimateShow(true);
        button.AnimateShow(false);
        QTRY_VERIFY(button.findChildren<QPropertyAnimation*>().isEmpty());
        QTest::qWait(200);
        QCOMPARE(button.GetIconOpacity(), 0.0f);
    }

    // A side's margin is its pixmap width + 8, on the edge the direction puts it.
    void marginsFollowButtons()
    {
        for (const bool bLtr : {true, false}) {
            CFancyLineEdit edit;
            edit.setLayoutDirection(bLtr ? Qt::LeftToRight : Qt::RightToLeft);
            QCOMPARE(edit.textMargins(), QMargins());
            ShowButton(edit, CFancyLineEdit::Left);
            QCOMPARE(edit.textMargins(), bLtr ? QMargins(24, 0, 0, 0) : QMargins(0, 0, 24, 0));
            ShowButton(edit, CFancyLineEdit::Right, 20);
            QCOMPARE(edit.textMargins(), bLtr ? QMargins(24, 0, 28, 0) : QMargins(28, 0, 24, 0));
            edit.SetButtonVisible(CFancyLineEdit::Left, false);
            QCOMPARE(edit.textMargins(), bLtr ? QMargins(0, 0, 28, 0) : QMargins(28, 0, 0, 0));
        }
    }

    void autoHideFadesWithText()
    {
        ShowButton(*m_pEdit, CFancyLineEdit::Right);
        m_pEdit->SetButtonToolTip(CFancyLineEdit::Right, QStringLiteral("Search plates"));
        CIconButton* pButton = m_pEdit->Button(CFancyLineEdit::Right);
        m_pEdit->SetAutoHideButton(CFancyLineEdit::Right, true);
        QCOMPARE(pButton->GetIconOpacity(), 0.0f);
        QCOMPARE(pButton->toolTip(), QString());
        // No room is kept for a hidden button.
        QCOMPARE(m_pEdit->textMargins().right(), 0);

        QTest::keyClicks(m_pEdit.get(), QStringLiteral("B7"));
        QTRY_COMPARE(pButton->GetIconOpacity(), 1.0f);
        QCOMPARE(pButton->toolTip(), QStringLiteral("Search plates"));
        QCOMPARE(m_pEdit->textMargins().right(), 24);

        m_pEdit->clear();
        QTRY_COMPARE(pButton->GetIconOpacity(), 0.0f);
        QCOMPARE(m_pEdit->textMargins().right(), 0);

        // Turned on over a filled field, the button shows at once but without
        // its tool tip until the field is emptied and filled again.
        m_pEdit->SetAutoHideButton(CFancyLineEdit::Right, false);
        QCOMPARE(pButton->toolTip(), QStringLiteral("Search plates"));
        m_pEdit->setText(QStringLiteral("B7"));
        m_pEdit->SetAutoHideButton(CFancyLineEdit::Right, true);
        QCOMPARE(pButton->GetIconOpacity(), 1.0f);
        QCOMPARE(pButton->toolTip(), QString());
        m_pEdit->clear();
        m_pEdit->setText(QStringLiteral("C8"));
        QCOMPARE(pButton->toolTip(), QStringLiteral("Search plates"));
    }

    void clickReportsSide()
    {
        ShowButton(*m_pEdit, CFancyLineEdit::Left);
        ShowButton(*m_pEdit, CFancyLineEdit::Right);
        QStringList listSignals;
        connect(m_pEdit.get(), &CFancyLineEdit::SignalButtonClicked, this,
                [&listSignals](CFancyLineEdit::Side enumSide) { listSignals << QString::number(int(enumSide)); });
        connect(m_pEdit.get(), &CFancyLineEdit::SignalLeftButtonClicked, this,
                [&listSignals] { listSignals << QStringLiteral("left"); });
        connect(m_pEdit.get(), &CFancyLineEdit::SignalRightButtonClicked, this,
                [&listSignals] { listSignals << QStringLiteral("right"); });
        QSignalSpy spyClicked(m_pEdit.get(), &CFancyLineEdit::SignalButtonClicked);
        ClickButton(*m_pEdit, CFancyLineEdit::Left);
        ClickButton(*m_pEdit, CFancyLineEdit::Right);
        QCOMPARE(listSignals, (QStringList{QStringLiteral("0"), QStringLiteral("left"), QStringLiteral("1"),
                                           QStringLiteral("right")}));
        // A spy reads the side too.
        QCOMPARE(spyClicked.count(), 2);
        QCOMPARE(spyClicked.at(1).at(0).value<CFancyLineEdit::Side>(), CFancyLineEdit::Right);
    }

    void clickOpensMenu()
    {
        ShowButton(*m_pEdit, CFancyLineEdit::Left);
        QPointer<QMenu> pMenu = new QMenu;
        pMenu->addAction(QStringLiteral("Plate"));
        m_pEdit->SetButtonMenu(CFancyLineEdit::Left, pMenu);
        // A menu without a parent is adopted.
        QCOMPARE(pMenu->parent(), m_pEdit.get());
        QSignalSpy spyClicked(m_pEdit.get(), &CFancyLineEdit::SignalButtonClicked);

        ClickButton(*m_pEdit, CFancyLineEdit::Left);
        QTRY_VERIFY(pMenu->isVisible());
        QCOMPARE(spyClicked.count(), 0);
        pMenu->close();

        // A menu deleted by its owner is forgotten.
        delete pMenu.data();
        QCOMPARE(m_pEdit->ButtonMenu(CFancyLineEdit::Left), nullptr);
        ClickButton(*m_pEdit, CFancyLineEdit::Left);
        QCOMPARE(spyClicked.count(), 1);
    }

    void refusesUnknownSide()
    {
        const auto enumBad = static_cast<CFancyLineEdit::Side>(2);
        QTest::ignoreMessage(QtWarningMsg, "CFancyLineEdit::SetButtonVisible: enumSide != Left && enumSide != Right");
        m_pEdit->SetButtonVisible(enumBad, true);
        QTest::ignoreMessage(QtWarningMsg, "CFancyLineEdit::IsButtonVisible: enumSide != Left && enumSide != Right");
        QVERIFY(!m_pEdit->IsButtonVisible(enumBad));
        QTest::ignoreMessage(QtWarningMsg, "CFancyLineEdit::SetButtonMenu: enumSide != Left && enumSide != Right");
        m_pEdit->SetButtonMenu(enumBad, new QMenu(m_pEdit.get()));
        QTest::ignoreMessage(QtWarningMsg, "CFancyLineEdit::Button: enumSide != Left && enumSide != Right");
        QCOMPARE(m_pEdit->Button(enumBad), nullptr);
        QCOMPARE(m_pEdit->textMargins(), QMargins());
    }

    void tabFocusOpensMenu()
    {
        auto* pMenu = new QMenu(m_pEdit.get());
        pMenu->addAction(QStringLiteral("Today"));
        m_pEdit->SetButtonMenu(CFancyLineEdit::Right, pMenu);
        // Without the trigger, Tab only moves the focus.
        SendFocusIn(m_pEdit.get(), Qt::TabFocusReason);
        QVERIFY(!pMenu->isVisible());

        m_pEdit->SetMenuTabFocusTrigger(CFancyLineEdit::Right, true);
        SendFocusIn(m_pEdit.get(), Qt::MouseFocusReason);
        QVERIFY(!pMenu->isVisible());
        SendFocusIn(m_pEdit.get(), Qt::BacktabFocusReason);
        QTRY_VERIFY(pMenu->isVisible());
        pMenu->close();
    }

    // Each change reports the new and the previous filter; the filter's own right
    // button fades in with the first character and clears the text.
    void filterReportsChangesAndClears()
    {
        QSignalSpy spyFilter(m_pFilter.get(), &CFilterLineEdit::SignalFilterChanged);
        QTest::keyClicks(m_pFilter.get(), QStringLiteral("Ga"));
        QCOMPARE(spyFilter.count(), 2);
        QCOMPARE(spyFilter.at(0), (QList<QVariant>{QStringLiteral("G"), QString()}));
        QCOMPARE(spyFilter.at(1), (QList<QVariant>{QStringLiteral("Ga"), QStringLiteral("G")}));
        m_pFilter->setText(QStringLiteral("Ga"));
        QCOMPARE(spyFilter.count(), 2);

        QTRY_COMPARE(m_pFilter->Button(CFancyLineEdit::Right)->GetIconOpacity(), 1.0f);
        QCOMPARE(m_pFilter->Button(CFancyLineEdit::Right)->toolTip(), QStringLiteral("Clear Text"));
        ClickButton(*m_pFilter, CFancyLineEdit::Right);
        QCOMPARE(m_pFilter->text(), QString());
        QCOMPARE(spyFilter.last(), (QList<QVariant>{QString(), QStringLiteral("Ga")}));
    }

    void filterRefuses_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("input");
        // The apostrophe is what sets the filter's forbidden set apart from the plain one.
        QTest::newRow("typed apostrophe") << "typed" << "Lobby" << "'";
        QTest::newRow("pasted apostrophe") << "pasted" << "Lobby" << "'";
        QTest::newRow("set into empty") << "set" << "" << "|";
        QTest::newRow("typed into empty") << "typed" << "" << "|";
    }

    void filterRefuses()
    {
        QFETCH(QString, how);
        QFETCH(QString, start);
        QFETCH(QString, input);
        m_pFilter->SetDefaultRegExp(true);
        m_pFilter->setText(start);
        QSignalSpy spyFilter(m_pFilter.get(), &CFilterLineEdit::SignalFilterChanged);
        EnterText(m_pFilter.get(), how, input);

        QCOMPARE(m_pFilter->text(), start);
        QCOMPARE(spyFilter.count(), 0);
        QCOMPARE(CToolTip::GetText(), s_strTenWarning);
        QCOMPARE(CToolTip::GetWidget(), m_pFilter.get());
        // A refused first character leaves the clear button faded out.
        QTRY_COMPARE(m_pFilter->Button(CFancyLineEdit::Right)->GetIconOpacity(), start.isEmpty() ? 0.0f : 1.0f);
    }

    void filterCustomAndOff()
    {
        QSignalSpy spyFilter(m_pFilter.get(), &CFilterLineEdit::SignalFilterChanged);
        m_pFilter->SetRegExp(QRegExp(QStringLiteral("[#%]")), QStringLiteral("No # or %"));
        QTest::keyClicks(m_pFilter.get(), QStringLiteral("a'#"));
        QCOMPARE(m_pFilter->text(), QStringLiteral("a'"));
        QCOMPARE(spyFilter.count(), 2);
        QCOMPARE(CToolTip::GetText(), QStringLiteral("No # or %"));

        // The default set comes back with its own warning.
        m_pFilter->SetDefaultRegExp(true);
        m_pFilter->setText(QStringLiteral("a#"));
        m_pFilter->setText(QStringLiteral("x'"));
        QCOMPARE(m_pFilter->text(), QStringLiteral("a#"));
        QCOMPARE(CToolTip::GetText(), s_strTenWarning);

        m_pFilter->SetDefaultRegExp(false);
        CToolTip::HideText();
        m_pFilter->setText(QStringLiteral("x'"));
        QCOMPARE(m_pFilter->text(), QStringLiteral("x'"));
        QVERIFY(!CToolTip::IsVisible());
    }

private:
    std::unique_ptr<CFancyLineEdit> m_pEdit;
    std::unique_ptr<CFilterLineEdit> m_pFilter;
};

QTEST_MAIN(TestFancyLineEdit)
#include "tst_fancylineedit.moc"
