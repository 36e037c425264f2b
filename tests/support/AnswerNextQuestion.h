#ifndef ORVAGUITOOLKIT_TESTS_SUPPORT_ANSWERNEXTQUESTION_H
#define ORVAGUITOOLKIT_TESTS_SUPPORT_ANSWERNEXTQUESTION_H

#include <OrvaGUIToolkit/Dialog/WarningDlg.h>

#include <QtCore/QElapsedTimer>
#include <QtCore/QTimer>
#include <QtWidgets/QApplication>
#include <QtWidgets/QDialog>

#include <functional>

namespace OrvaTest {

// Answers the next question from the event loop: waits (at most five
// seconds) for a warning dialog to become the modal window and hands it to
// fnAnswer. If none shows up, any modal window is rejected so that no test
// can hang.
inline void AnswerNextQuestion(std::function<void(OrvaGUIToolkit::CWarningDlg*)> fnAnswer)
{
    auto* pTimer = new QTimer;
    auto* pElapsed = new QElapsedTimer;
    pElapsed->start();
    QObject::connect(pTimer, &QTimer::timeout, [pTimer, pElapsed, fnAnswer] {
        auto* pQuestion = qobject_cast<OrvaGUIToolkit::CWarningDlg*>(QApplication::activeModalWidget());
        const bool bGiveUp = pElapsed->elapsed() > 5000;
        if (!pQuestion && !bGiveUp)
            return;
        pTimer->stop();
        pTimer->deleteLater();
        delete pElapsed;
        if (pQuestion)
            fnAnswer(pQuestion);
        else if (auto* pModal = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
            pModal->reject();
    });
    pTimer->start(10);
}

} // namespace OrvaTest

#endif
