#ifndef ORVAGUITOOLKIT_TESTS_LINEEDITTESTHELPERS_H
#define ORVAGUITOOLKIT_TESTS_LINEEDITTESTHELPERS_H

#include <QtGui/QClipboard>
#include <QtGui/QInputMethodEvent>
#include <QtGui/QKeyEvent>
#include <QtTest/QtTest>
#include <QtWidgets/QApplication>
#include <QtWidgets/QLineEdit>

// Typing as a keyboard does it: one key event per character carrying the
// character as its text (QTest::keyClicks only sends Latin-1 characters).
inline void TypeText(QWidget* pWidget, const QString& strText)
{
    for (const QChar ch : strText) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(pWidget, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(pWidget, &release);
    }
}

// Typing through an input method, as Chinese text is entered: one commit.
inline void CommitText(QWidget* pWidget, const QString& strText)
{
    QInputMethodEvent event;
    event.setCommitString(strText);
    QApplication::sendEvent(pWidget, &event);
}

// Pasting with the platform's paste shortcut.
inline void PasteText(QWidget* pWidget, const QString& strText)
{
    QApplication::clipboard()->setText(strText);
    QTest::keySequence(pWidget, QKeySequence(QKeySequence::Paste));
}

// Enters text the way a test row names it: "typed" key by key, "committed"
// by an input method, "pasted", or "set" by code (appended to the text).
inline void EnterText(QLineEdit* pEdit, const QString& strHow, const QString& strText)
{
    if (strHow == QLatin1String("typed"))
        TypeText(pEdit, strText);
    else if (strHow == QLatin1String("committed"))
        CommitText(pEdit, strText);
    else if (strHow == QLatin1String("pasted"))
        PasteText(pEdit, strText);
    else
        pEdit->setText(pEdit->text() + strText);
}

#endif
