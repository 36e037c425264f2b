#include "LineEditTestHelpers.h"

#include <OrvaGUIToolkit/Foundation/GuiFunctions.h>
#include <OrvaGUIToolkit/LineEdit/LineEdit.h>
#include <OrvaGUIToolkit/LineEdit/PasswordLineEdit.h>
#include <OrvaGUIToolkit/LineEdit/RegExpValidator.h>
#include <OrvaGUIToolkit/LineEdit/ValidateLineEdit.h>
#include <OrvaGUIToolkit/LineEdit/ValidateLineEditEx.h>
#include <OrvaGUIToolkit/ToolTip/ToolTip.h>

#include <QTextCodec>
#include <QtTest/QtTest>
#include <QtWidgets/QtWidgets>

#include <climits>

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
    void init()
    {
        m_pSavedCodec = GetGuiTextCodec();
        QApplication::clipboard()->clear();
    }

    void cleanup()
    {
        InitGuiTextCodec(m_pSavedCodec);
        CToolTip::HideText();
    }

    // Each row validates an input with the cursor at iPos under a byte limit in
    // a codec and, if the row has one, a pattern of forbidden text.
    void validator_data()
    {
        QTest::addColumn<QByteArray>("codec");
        QTest::addColumn<int>("iLimit");
        QTest::addColumn<QString>("strPattern");
        QTest::addColumn<QString>("strInput");
        QTest::addColumn<int>("iPos");
        QTest::addColumn<QString>("strOutput");
        QTest::addColumn<int>("iPosAfter");
        QTest::addColumn<bool>("bAcceptable");
        const auto row = [](const char* szName, const char* szCodec, int iLimit, const char* szPattern,
                            const QString& strInput, int iPos, const QString& strOutput, int iPosAfter) {
            QTest::newRow(szName) << QByteArray(szCodec) << iLimit << QString::fromLatin1(szPattern) << strInput << iPos
                                  << strOutput << iPosAfter << (strInput == strOutput);
        };
        const QString strLane = QStringLiteral("Lane 1");
        // A camera emoji: four bytes in UTF-8, two UTF-16 units.
        const QString strCamera = QString::fromUtf8("\xf0\x9f\x93\xb7");
            // Odd limit: half a two-byte character never fits.
        row("gbk odd limit", "GBK", 7, "", s_strChinese, 1, s_strChinese.left(3), 3);
        row("utf8", "UTF-8", 10, "", s_strChinese, 1, s_strChinese.left(3), 3);
        row("utf8 surrogate pair kept whole", "UTF-8", 6, "", QStringLiteral("abcd") + strCamera, 1,
            QStringLiteral("abcd"), 4);
        // Without a pattern of its own the validator forbids no character.
        const QString strLong = s_strChinese.repeated(50) + QStringLiteral(":*");
        row("no limit", "UTF-8", -1, "", strLong, 1, strLong, 1);
        row("limit 0", "UTF-8", 0, ".*", strLane, INT_MAX, QString(), 0);
                // Forbidden text before the cursor moves it back; text after it does not.
        row("forbidden before cursor", "UTF-8", -1, "(\\:|\\*|\\?)", QStringLiteral("Ga*te"), 3,
            QStringLiteral("Gate"), 2);
        row("forbidden after cursor", "UTF-8", -1, "(\\:|\\*|\\?)", QStringLiteral("ab?cd"), 1,
            QStringLiteral("abcd"), 1);
        row("forbidden, cursor INT_MIN", "UTF-8", -1, "\\|", QStringLiteral("Lane|1|"), INT_MIN,
            QStringLiteral("Lane1"), 0);
        row("forbidden, cursor INT_MAX", "UTF-8", -1, "\\|", QStringLiteral("Lane|1|"), INT_MAX,
            QStringLiteral("Lane1"), 5);
        row("clean text, cursor INT_MIN", "UTF-8", -1, "\\|", strLane, INT_MIN, strLane, INT_MIN);
        row("empty matches forbid nothing", "UTF-8", -1, "x*", QStringLiteral("Lane"), 2, QStringLiteral("Lane"), 2);
        row("broken expression", "UTF-8", -1, "(", QStringLiteral("Lane("), 5, QStringLiteral("Lane("), 5);
        row("megabyte of forbidden pairs", "UTF-8", -1, "\\|", QStringLiteral("a|").repeated(500000), INT_MAX,
            QStringLiteral("a").repeated(500000), 500000);
    }

    void validator()
    {
        QFETCH(QByteArray, codec);
        QFETCH(int, iLimit);
        QFETCH(QString, strPattern);
        QFETCH(QString, strInput);
        QFETCH(int, iPos);
        QFETCH(bool, bAcceptable);
        QScopedPointer<CRegExpValidator> pValidator(strPattern.isEmpty() ? new CRegExpValidator(iLimit)
                                                                         : new CRegExpValidator(iLimit, QRegExp(strPattern)));
        pValidator->SetTextCodec(QTextCodec::codecForName(codec));
        QCOMPARE(pValidator->validate(strInput, iPos), bAcceptable ? QValidator::Acceptable : QValidator::Intermediate);
        QTEST(strInput, "strOutput");
        QTEST(iPos, "iPosAfter");
    }

    void validatorFollowsProcessCodec()
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

    void byteLimitTypedPastedSet_data()
    {
        QTest::addColumn<QByteArray>("codec");
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("expected");

        for (const char* szHow : {"typed", "committed", "pasted", "set"})
            QTest::addRow("gbk %s", szHow) << QByteArray("GBK") << QString::fromLatin1(szHow) << s_strChinese.left(5);
        QTest::newRow("utf8 typed") << QByteArray("UTF-8") << QStringLiteral("typed") << s_strChinese.left(3);
    }

    void byteLimitTypedPastedSet()
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
    }

    void byteLimitReplacesOwnValidator()
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
    void editingFinishedBeforeFocusOut()
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

    void passwordRefusesClipboard_data()
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

    void passwordRefusesClipboard()
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
        edit.clear();
        QTest::keyClicks(&edit, QStringLiteral("new"));
        QCOMPARE(edit.text(), QStringLiteral("new"));
    }

    void passwordContextMenu()
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

    void validateRefuses_data()
    {
        QTest::addColumn<bool>("extended");
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("input");
        QTest::addColumn<bool>("refused");
        QTest::addColumn<QString>("remaining");
        QTest::addColumn<int>("accepted");

        // Only the extended set forbids the apostrophe. Typing refuses the forbidden
        // key alone; a paste or a text set by code is refused whole.
        QTest::newRow("typed colon") << false << "typed" << ":" << true << "Entrance" << 0;
        QTest::newRow("set apostrophe") << false << "set" << "'" << false << "Entrance'" << 1;
        QTest::newRow("pasted apostrophe ex") << true << "pasted" << "'" << true << "Entrance" << 0;
        QTest::newRow("typed apostrophe ex") << true << "typed" << "'" << true << "Entrance" << 0;
        QTest::newRow("typed forbidden inside") << false << "typed" << "a<b" << true << "Entranceab" << 2;
        QTest::newRow("pasted forbidden inside") << false << "pasted" << "a<b" << true << "Entrance" << 0;
        QTest::newRow("set forbidden inside") << true << "set" << "a/b" << true << "Entrance" << 0;
        QTest::newRow("typed plain ex") << true << "typed" << "-01" << false << "Entrance-01" << 3;
    }

    void validateRefuses()
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

    void validateAcceptsAndCustomPattern()
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

        // A pattern of the client's own replaces the forbidden set and its warning.
        edit.clear();
        edit.SetRegExp(QRegExp(QStringLiteral("[0-9]")), QStringLiteral("Letters only"));
        edit.show();
        QVERIFY(QTest::qWaitForWindowExposed(&edit));
        QTest::keyClicks(&edit, QStringLiteral("ab:3"));
        QCOMPARE(edit.text(), QStringLiteral("ab:"));
        QCOMPARE(CToolTip::GetText(), QStringLiteral("Letters only"));
    }

private:
    QTextCodec* m_pSavedCodec = nullptr;
};

QTEST_MAIN(TestLineEdit)
#include "tst_lineedit.moc"
