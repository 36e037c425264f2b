#include <OrvaGUIToolkit/Dialog/InformationDlg.h>
#include <OrvaGUIToolkit/Dialog/TitleWidget.h>
#include <OrvaGUIToolkit/Dialog/WarningDlg.h>

#include <QtCore/QPointer>
#include <QtCore/QTimer>
#include <QtGui/QScreen>
#include <QtWidgets/QApplication>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QToolButton>
#include <QtTest/QtTest>

#include <functional>

using namespace OrvaGUIToolkit;

namespace {

// Answers the next question from the event loop: waits (at most five
// seconds) for a warning dialog to become the modal window and hands it to
// fnAnswer. If none shows up, any modal window is rejected so that no test
// can hang.
void AnswerNextQuestion(std::function<void(CWarningDlg*)> fnAnswer)
{
    auto* pTimer = new QTimer;
    auto* pElapsed = new QElapsedTimer;
    pElapsed->start();
    QObject::connect(pTimer, &QTimer::timeout, [pTimer, pElapsed, fnAnswer] {
        auto* pQuestion = qobject_cast<CWarningDlg*>(QApplication::activeModalWidget());
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

void FlushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

class TestMessageDialogs : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup();
    void questionAnswers_data();
    void questionAnswers();
    void questionShowsTextAndTitle();
    void questionSurvivesDeletedParent();
    void noticeAtScreenRightBottom();
    void newNoticeReplacesOld();
    void noticeFadesOutByItself();
    void noticeCanStay();
};

void TestMessageDialogs::cleanup()
{
    for (QWidget* pWidget : QApplication::topLevelWidgets()) {
        if (qobject_cast<CInformationDlg*>(pWidget))
            pWidget->close();
    }
    FlushDeletes();
}

void TestMessageDialogs::questionAnswers_data()
{
    QTest::addColumn<QString>("strAnswer");
    QTest::addColumn<int>("iResult");
    QTest::newRow("confirm button") << QStringLiteral("confirm") << 1;
    QTest::newRow("cancel button") << QStringLiteral("cancel") << 0;
    QTest::newRow("close button") << QStringLiteral("close") << 0;
    QTest::newRow("Return") << QStringLiteral("return") << 1;
    QTest::newRow("Escape") << QStringLiteral("escape") << 0;
}

void TestMessageDialogs::questionAnswers()
{
    QFETCH(QString, strAnswer);
    QFETCH(int, iResult);
    QWidget window;
    window.resize(500, 400);
    window.show();
    AnswerNextQuestion([strAnswer](CWarningDlg* pQuestion) {
        if (strAnswer == QLatin1String("confirm"))
            QTest::mouseClick(pQuestion->GetConfirmBtn(), Qt::LeftButton);
        else if (strAnswer == QLatin1String("cancel"))
            QTest::mouseClick(pQuestion->GetCancelBtn(), Qt::LeftButton);
        else if (strAnswer == QLatin1String("close"))
            QTest::mouseClick(pQuestion->GetCloseBtn(), Qt::LeftButton);
        else
            QTest::keyClick(pQuestion, strAnswer == QLatin1String("return") ? Qt::Key_Return : Qt::Key_Escape);
    });
    QCOMPARE(CWarningDlg::CheckMessageInfo(QStringLiteral("Delete the selected recordings?"),
                                           QStringLiteral("Delete"), &window), iResult);
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    QVERIFY(!window.findChild<CWarningDlg*>());
}

void TestMessageDialogs::questionShowsTextAndTitle()
{
    QString strText;
    QString strTitle;
    bool bCloseVisible = false;
    AnswerNextQuestion([&](CWarningDlg* pQuestion) {
        strText = pQuestion->GetText();
        strTitle = pQuestion->GetTitle();
        bCloseVisible = pQuestion->GetCloseBtn()->isVisible();
        pQuestion->GetConfirmBtn()->click();
    });
    QCOMPARE(CWarningDlg::CheckMessageInfo(QStringLiteral("Stop recording on Gate 2 North?"), QString(), nullptr), 1);
    QCOMPARE(strText, QStringLiteral("Stop recording on Gate 2 North?"));
    QCOMPARE(strTitle, QStringLiteral("Warning"));
    QVERIFY(bCloseVisible);
}

void TestMessageDialogs::questionSurvivesDeletedParent()
{
    QPointer<QWidget> pWindow = new QWidget;
    pWindow->show();
    AnswerNextQuestion([pWindow](CWarningDlg*) { delete pWindow.data(); });
    QCOMPARE(CWarningDlg::CheckMessageInfo(QStringLiteral("Apply the schedule to all cameras?"),
                                           QStringLiteral("Schedule"), pWindow), 0);
    QVERIFY(pWindow.isNull());
}

void TestMessageDialogs::noticeAtScreenRightBottom()
{
    QWidget window;
    window.setGeometry(50, 50, 300, 200);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.activateWindow();
    QPointer<CInformationDlg> pNotice =
        CInformationDlg::ShowInformationAtScreenRightBottom(QStringLiteral("The start time should be earlier than the end time."),
                                                            &window, true);
    QVERIFY(pNotice);
    QVERIFY(pNotice->isVisible());
    QCOMPARE(pNotice->GetText(), QStringLiteral("The start time should be earlier than the end time."));
    const QRect available = window.screen()->availableGeometry();
    const QRect rect = pNotice->frameGeometry();
    QVERIFY2(available.contains(rect), qPrintable(QStringLiteral("notice outside the available area")));
    QVERIFY(available.right() - rect.right() <= 16);
    QVERIFY(available.bottom() - rect.bottom() <= 16);
    QVERIFY(rect.left() > available.center().x());
    QVERIFY(pNotice->testAttribute(Qt::WA_ShowWithoutActivating));
    QVERIFY(!pNotice->isModal());

    QPointer<CInformationDlg> pOrphan =
        CInformationDlg::ShowInformationAtScreenRightBottom(QStringLiteral("Export finished."), nullptr, true);
    QVERIFY(pOrphan);
    QVERIFY(pOrphan->isVisible());
}

void TestMessageDialogs::newNoticeReplacesOld()
{
    QPointer<CInformationDlg> pFirst =
        CInformationDlg::ShowInformationAtScreenRightBottom(QStringLiteral("Camera 3 offline."));
    QPointer<CInformationDlg> pSecond =
        CInformationDlg::ShowInformationAtScreenRightBottom(QStringLiteral("Camera 3 online."));
    FlushDeletes();
    QVERIFY(pFirst.isNull());
    QVERIFY(pSecond);
    QVERIFY(pSecond->isVisible());
}

void TestMessageDialogs::noticeFadesOutByItself()
{
    QPointer<CInformationDlg> pNotice =
        CInformationDlg::ShowInformationAtScreenRightBottom(QStringLiteral("The same template is existed."));
    QTRY_VERIFY_WITH_TIMEOUT(pNotice && pNotice->windowOpacity() < 1.0, 8000);
    QTRY_VERIFY_WITH_TIMEOUT(pNotice.isNull(), 5000);
}

void TestMessageDialogs::noticeCanStay()
{
    QPointer<CInformationDlg> pNotice =
        CInformationDlg::ShowInformationAtScreenRightBottom(QStringLiteral("Disk D: is full."), nullptr, false);
    const QList<QTimer*> listTimers = pNotice->findChildren<QTimer*>();
    QVERIFY(!listTimers.isEmpty());
    for (const QTimer* pTimer : listTimers)
        QVERIFY(!pTimer->isActive());
    QTest::mouseClick(pNotice->GetCloseBtn(), Qt::LeftButton);
    FlushDeletes();
    QVERIFY(pNotice.isNull());
}

QTEST_MAIN(TestMessageDialogs)
#include "tst_messagedialogs.moc"
