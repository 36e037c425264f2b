#include "LineEditTestHelpers.h"

#include <OrvaGUIToolkit/Foundation/GuiFunctions.h>
#include <OrvaGUIToolkit/LineEdit/LineEdit.h>
#include <OrvaGUIToolkit/LineEdit/PasswordLineEdit.h>
#include <OrvaGUIToolkit/LineEdit/RegExpValidator.h>
#include <OrvaGUIToolkit/LineEdit/ValidateLineEdit.h>
#include <OrvaGUIToolkit/LineEdit/ValidateLineEditEx.h>
#include <OrvaGUIToolkit/ToolTip/ToolTip.h>

#include <QTextCodec>
#include <QtWidgets/QMenu>

using namespace OrvaGUIToolkit;

namespace {

const QString s_strNineWarning = QStringLiteral(
    "Input cannot contain any of the following characters:\n / \\ : * ? \" < > |");
const QString s_strTenWarning = QStringLiteral(
    "Input cannot contain any of the following characters:\n ' / \\ : * ? \" < > |");

// Six Chinese characters: two bytes each in GBK, three in UTF-8.
const QString s_strChinese = QString::fromUtf8("\xe5\x8d\x97\xe9\x97\xa8\xe5\x8d\xa1\xe5\x8f\xa3\xe4\xb8\x9c\xe4\xbe\xa7");

// Focus changes delivered straight to the field, as the focus chain would.
void SendFocus(QWidget* pWidget, QEvent::Type enumType)
{
    QFocusEvent event(enumType, Qt::OtherFocusReason);
    QApplication::sendEvent(pWidget, &event);
}

} // namespace

class TestLineEdit : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void validatorCutsToBytes_data();
    void validatorCutsToBytes();
    void validatorFollowsProcessCodec();
    void validatorRemovesForbidden_data();
    void validatorRemovesForbidden();

    void byteLimitTypedPastedSet_data();
    void byteLimitTypedPastedSet();
    void byteLimitReplacesOwnValidator();
    void editingFinishedBeforeFocusOut();

    void passwordRefusesClipboard_data();
    void passwordRefusesClipboard();
    void passwordContextMenu();

    void validateRefuses_data();
    void validateRefuses();
    void validateAcceptsAndKeepsCursor();
    void validateCustomRegExp();

private:
    QTextCodec* m_pSavedCodec = nullptr;
};

void TestLineEdit::init()
{
    m_pSavedCodec = GetGuiTextCodec();
    QApplication::clipboard()->clear();
}

void TestLineEdit::cleanup()
{
    InitGuiTextCodec(m_pSavedCodec);
    CToolTip::HideText();
}

void TestLineEdit::validatorCutsToBytes_data()
{
    QTest::addColumn<QByteArray>("codec");
    QTest::addColumn<int>("limit");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("state");

    // A camera emoji: four bytes in UTF-8, two UTF-16 units.
    const QString strCamera = QString::fromUtf8("\xf0\x9f\x93\xb7");
    const int iCut = QValidator::Intermediate;
    QTest::newRow("gbk fits") << QByteArray("GBK") << 10 << s_strChinese.left(5) << s_strChinese.left(5)
                              << int(QValidator::Acceptable);
    // Odd limit: half a two-byte character never fits.
    QTest::newRow("gbk odd limit") << QByteArray("GBK") << 7 << s_strChinese << s_strChinese.left(3) << iCut;
    QTest::newRow("utf8") << QByteArray("UTF-8") << 10 << s_strChinese << s_strChinese.left(3) << iCut;
    QTest::newRow("utf8 surrogate pair kept whole") << QByteArray("UTF-8") << 6 << QStringLiteral("abcd") + strCamera
                                                    << QStringLiteral("abcd") << iCut;
    // Without a pattern of its own the validator forbids no character.
    const QString strLong = s_strChinese.repeated(50) + QStringLiteral(":*");
    QTest::newRow("no limit") << QByteArray("UTF-8") << -1 << strLong << strLong << int(QValidator::Acceptable);
}

void TestLineEdit::validatorCutsToBytes()
{
    QFETCH(QByteArray, codec);
    QFETCH(int, limit);
    QFETCH(QString, input);
    QFETCH(QString, expected);
    QFETCH(int, state);

    CRegExpValidator validator(limit);
    validator.SetTextCodec(QTextCodec::codecForName(codec));
    int iPos = 1;
    QCOMPARE(int(validator.validate(input, iPos)), state);
    QCOMPARE(input, expected);
    if (state == QValidator::Intermediate)
        QCOMPARE(iPos, expected.size());
}

void TestLineEdit::validatorFollowsProcessCodec()
{
    CRegExpValidator validator(4);
    InitGuiTextCodec(QTextCodec::codecForName("GBK"));
    QString strInput = s_strChinese;
    int iPos = 0;
    validator.validate(strInput, iPos);
    QCOMPARE(strInput, s_strChinese.left(2));

    // Replacing the process-wide codec later changes how the same validator counts.
    InitGuiTextCodec(QTextCodec::codecForName("UTF-8"));
    strInput = s_strChinese;
    validator.validate(strInput, iPos);
    QCOMPARE(strInput, s_strChinese.left(1));
}

void TestLineEdit::validatorRemovesForbidden_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<int>("pos");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("expectedPos");

    QTest::newRow("typed at end") << QStringLiteral("Gate:") << 5 << QStringLiteral("Gate") << 4;
    QTest::newRow("typed in middle") << QStringLiteral("Ga*te") << 3 << QStringLiteral("Gate") << 2;
    QTest::newRow("after cursor") << QStringLiteral("ab?cd") << 1 << QStringLiteral("abcd") << 1;
}

void TestLineEdit::validatorRemovesForbidden()
{
    QFETCH(QString, input);
    QFETCH(int, pos);
    QFETCH(QString, expected);

    const QValidator::State enumState = input == expected ? QValidator::Acceptable : QValidator::Intermediate;
    CRegExpValidator validator(QRegExp(QStringLiteral("(\\:|\\*|\\?)")));
    QCOMPARE(validator.validate(input, pos), enumState);
    QCOMPARE(input, expected);
    QTEST(pos, "expectedPos");
}

void TestLineEdit::byteLimitTypedPastedSet_data()
{
    QTest::addColumn<QByteArray>("codec");
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("expected");

    for (const char* szHow : {"typed", "committed", "pasted", "set"})
        QTest::addRow("gbk %s", szHow) << QByteArray("GBK") << QString::fromLatin1(szHow) << s_strChinese.left(5);
    QTest::newRow("utf8 typed") << QByteArray("UTF-8") << QStringLiteral("typed") << s_strChinese.left(3);
}

void TestLineEdit::byteLimitTypedPastedSet()
{
    QFETCH(QByteArray, codec);
    QFETCH(QString, how);
    QFETCH(QString, expected);

    InitGuiTextCodec(QTextCodec::codecForName(codec));
    CLineEdit edit;
    edit.SetMaxLineEditLength(10);
    QSignalSpy spyChanged(&edit, &QLineEdit::textChanged);
    EnterText(&edit, how, s_strChinese);

    QCOMPARE(edit.text(), expected);
    // No signal ever carries a text over the limit.
    QVERIFY(!spyChanged.isEmpty());
    for (const QList<QVariant>& args : qAsConst(spyChanged))
        QVERIFY2(GetGuiTextCodec()->fromUnicode(args.at(0).toString()).size() <= 10, qPrintable(args.at(0).toString()));
    QCOMPARE(spyChanged.last().at(0).toString(), expected);
}

void TestLineEdit::byteLimitReplacesOwnValidator()
{
    CLineEdit edit;
    edit.SetMaxLineEditLength(4);
    QPointer<const QValidator> pFirst = edit.validator();
    edit.SetMaxLineEditLength(8);
    QVERIFY(pFirst.isNull());
    QCOMPARE(qobject_cast<const CRegExpValidator*>(edit.validator())->GetMaxLength(), 8);

    // A validator given another parent belongs to that parent.
    QObject owner;
    edit.SetMaxLineEditLength(2, &owner);
    QPointer<const QValidator> pOwned = edit.validator();
    edit.SetMaxLineEditLength(3);
    QVERIFY(!pOwned.isNull());
}

// Return reports the finished edit; leaving the field reports it before the
// focus loss, each with the text.
void TestLineEdit::editingFinishedBeforeFocusOut()
{
    CLineEdit edit;
    QStringList listSignals;
    connect(&edit, &CLineEdit::SignalEditingFinished, this,
            [&listSignals](const QString& strText) { listSignals << QStringLiteral("finished ") + strText; });
    connect(&edit, &CLineEdit::SignalFousOut, this,
            [&listSignals](const QString& strText) { listSignals << QStringLiteral("out ") + strText; });
    QTest::keyClicks(&edit, QStringLiteral("B7"));
    QTest::keyClick(&edit, Qt::Key_Return);
    QCOMPARE(listSignals, QStringList{QStringLiteral("finished B7")});
    QTest::keyClicks(&edit, QStringLiteral("4"));
    SendFocus(&edit, QEvent::FocusOut);
    QCOMPARE(listSignals, (QStringList{QStringLiteral("finished B7"), QStringLiteral("finished B74"),
                                       QStringLiteral("out B74")}));
}

void TestLineEdit::passwordRefusesClipboard_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QKeySequence>("sequence");
    QTest::addColumn<int>("iEchoMode");
    const QKeySequence none;
    QTest::newRow("paste key") << "key" << QKeySequence(QKeySequence::Paste) << int(QLineEdit::Password);
    QTest::newRow("shift+insert") << "key" << QKeySequence(Qt::SHIFT | Qt::Key_Insert) << int(QLineEdit::Password);
    QTest::newRow("copy key") << "key" << QKeySequence(QKeySequence::Copy) << int(QLineEdit::Password);
    QTest::newRow("cut key") << "key" << QKeySequence(QKeySequence::Cut) << int(QLineEdit::Password);
    // An Edit menu calls QLineEdit's slots on whatever field has the focus,
    // whatever its echo mode by then.
    for (const int iEchoMode : {int(QLineEdit::Password), int(QLineEdit::Normal)}) {
        for (const char* szHow : {"copy", "cut", "paste", "insert"})
            QTest::addRow("%s slot, echo %d", szHow, iEchoMode) << QString::fromLatin1(szHow) << none << iEchoMode;
    }
}

void TestLineEdit::passwordRefusesClipboard()
{
    QFETCH(QString, how);
    QFETCH(QKeySequence, sequence);
    QFETCH(int, iEchoMode);
    CPasswordLineEdit edit;
    QCOMPARE(edit.echoMode(), QLineEdit::Password);
    edit.setText(QStringLiteral("s3cret"));
    edit.selectAll();
    edit.setEchoMode(QLineEdit::EchoMode(iEchoMode));
    QApplication::clipboard()->setText(QStringLiteral("pasted"));
    QLineEdit* pField = &edit;

    if (how == QLatin1String("key"))
        QTest::keySequence(&edit, sequence);
    else if (how == QLatin1String("insert"))
        pField->insert(QStringLiteral("pasted"));
    else
        QVERIFY(QMetaObject::invokeMethod(pField, qPrintable(how)));
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("pasted"));
    if (how == QLatin1String("cut"))
        QVERIFY(edit.text() == QStringLiteral("s3cret") || edit.text().isEmpty());
    else
        QCOMPARE(edit.text(), QStringLiteral("s3cret"));

    // Everything else is typed as usual.
    edit.selectAll();
    QTest::keyClicks(&edit, QStringLiteral("new"));
    QCOMPARE(edit.text(), QStringLiteral("new"));
}

void TestLineEdit::passwordContextMenu()
{
    CPasswordLineEdit edit;
    edit.setText(QStringLiteral("s3cret"));
    edit.show();
    QVERIFY(QTest::qWaitForWindowExposed(&edit));
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(4, 4), edit.mapToGlobal(QPoint(4, 4)));
    QApplication::sendEvent(&edit, &event);
    QMenu* pMenu = edit.findChild<QMenu*>();
    QVERIFY(pMenu);
    // Everything is selectable, so without the refusal all three would be enabled.
    edit.selectAll();
    QApplication::clipboard()->setText(QStringLiteral("pasted"));
    QStringList listDisabled;
    for (QAction* pAction : pMenu->actions()) {
        if (!pAction->isEnabled())
            listDisabled << pAction->text().section(QLatin1Char('\t'), 0, 0);
    }
    for (const char* szEntry : {"Cu&t", "&Copy", "&Paste"})
        QVERIFY2(listDisabled.contains(QLatin1String(szEntry)), qPrintable(listDisabled.join(QLatin1Char(','))));
    pMenu->close();
    QVERIFY(!edit.acceptDrops());
}

void TestLineEdit::validateRefuses_data()
{
    QTest::addColumn<bool>("extended");
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("input");
    QTest::addColumn<bool>("refused");
    QTest::addColumn<QString>("remaining");
    QTest::addColumn<int>("accepted");

    // Typing refuses the forbidden key alone; a paste or a text set by code is
    // refused whole.
    for (const char* szHow : {"typed", "pasted", "set"}) {
        const QString strHow = QString::fromLatin1(szHow);
        const bool bTyped = strHow == QLatin1String("typed");
        const QString strEntrance = QStringLiteral("Entrance");
        QTest::addRow("%s colon", szHow) << false << strHow << QStringLiteral(":") << true << strEntrance << 0;
        QTest::addRow("%s apostrophe", szHow) << false << strHow << QStringLiteral("'") << false
                                              << QStringLiteral("Entrance'") << 1;
        QTest::addRow("%s apostrophe ex", szHow) << true << strHow << QStringLiteral("'") << true << strEntrance << 0;
        QTest::addRow("%s forbidden inside", szHow) << false << strHow << QStringLiteral("a<b") << true
                                                    << (bTyped ? QStringLiteral("Entranceab") : strEntrance)
                                                    << (bTyped ? 2 : 0);
    }
    QTest::newRow("typed plain ex") << true << QStringLiteral("typed") << QStringLiteral("-01") << false
                                    << QStringLiteral("Entrance-01") << 3;
}

void TestLineEdit::validateRefuses()
{
    QFETCH(bool, extended);
    QFETCH(QString, how);
    QFETCH(QString, input);
    QFETCH(bool, refused);
    QFETCH(QString, remaining);
    QFETCH(int, accepted);

    QWidget window;
    CValidateLineEdit* pEdit = extended ? new CValidateLineEditEx(&window) : new CValidateLineEdit(&window);
    pEdit->move(30, 20);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    pEdit->setText(QStringLiteral("Entrance"));
    QSignalSpy spyAccepted(pEdit, &CValidateLineEdit::SignalTextChanged);
    EnterText(pEdit, how, input);

    QCOMPARE(pEdit->text(), remaining);
    QCOMPARE(spyAccepted.count(), accepted);
    // A key pressed after the refusal hides the warning again.
    const bool bHiddenByLaterKey = how == QLatin1String("typed") && remaining.endsWith(input.right(1));
    QCOMPARE(CToolTip::IsVisible(), refused && !bHiddenByLaterKey);
    if (!CToolTip::IsVisible())
        return;
    QCOMPARE(CToolTip::GetText(), extended ? s_strTenWarning : s_strNineWarning);
    QCOMPARE(CToolTip::GetWidget(), pEdit);
}

void TestLineEdit::validateAcceptsAndKeepsCursor()
{
    CValidateLineEdit edit;
    QSignalSpy spyAccepted(&edit, &CValidateLineEdit::SignalTextChanged);
    edit.setText(QStringLiteral("Camera 12"));
    // The same text again is no new accepted text.
    edit.setText(QStringLiteral("Camera 12"));
    QCOMPARE(spyAccepted.count(), 1);

    edit.setCursorPosition(6);
    QTest::keyClicks(&edit, QStringLiteral("?"));
    QCOMPARE(edit.text(), QStringLiteral("Camera 12"));
    QCOMPARE(edit.cursorPosition(), 6);
    QTest::keyClicks(&edit, QStringLiteral("-"));
    QCOMPARE(edit.text(), QStringLiteral("Camera- 12"));
}

void TestLineEdit::validateCustomRegExp()
{
    CValidateLineEdit edit;
    edit.SetRegExp(QRegExp(QStringLiteral("[0-9]")), QStringLiteral("Letters only"));
    edit.show();
    QVERIFY(QTest::qWaitForWindowExposed(&edit));
    QTest::keyClicks(&edit, QStringLiteral("ab:3"));
    QCOMPARE(edit.text(), QStringLiteral("ab:"));
    QCOMPARE(CToolTip::GetText(), QStringLiteral("Letters only"));
}

QTEST_MAIN(TestLineEdit)
#include "tst_lineedit.moc"
