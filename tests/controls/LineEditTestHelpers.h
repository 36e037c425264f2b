#ifndef ORVAGUITOOLKIT_TESTS_LINEEDITTESTHELPERS_H
#define ORVAGUITOOLKIT_TESTS_LINEEDITTESTHELPERS_H

#include <QtTest/QtTest>
#include <QtWidgets/QtWidgets>

// Enters text the way a test row names it: "typed" key by key as a keyboard
// does it (QTest::keyClicks only sends Latin-1 characters), "committed" by an
// input method as Chinese text is entered, "pasted" with the platform's paste
// shortcut, or "set" by code (appended to the text).
inline void EnterText(QLineEdit* pEdit, const QString& strHow, const QString& strText)
{
    if (strHow == QLatin1String("typed")) {
        for (const QChar ch : strText) {
            for (const QEvent::Type enumType : {QEvent::KeyPress, QEvent::KeyRelease}) {
                QKeyEvent event(enumType, 0, Qt::NoModifier, QString(ch));
                QApplication::sendEvent(pEdit, &event);
            }
        }
    } else if (strHow == QLatin1String("committed")) {
        QInputMethodEvent event;
        event.setCommitString(strText);
        QApplication::sendEvent(pEdit, &event);
    } else if (strHow == QLatin1String("pasted")) {
        QApplication::clipboard()->setText(strText);
        QTest::keySequence(pEdit, QKeySequence(QKeySequence::Paste));
    } else {
        pEdit->setText(pEdit->text() + strText);
    }
}

#endif
