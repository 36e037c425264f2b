#include <OrvaGUIToolkit/Dialog/InformationDlg.h>
#include <OrvaGUIToolkit/Dialog/TitleWidget.h>
#include <OrvaGUIToolkit/Dialog/WarningDlg.h>

#include <QtCore/QPointer>
#include <QtCore/QTimer>
#include <QtGui/QScreen>
#include <QtWidgets/QApplication>
#include <QtWidgets/QLabel>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QToolButton>
#include <QtTest/QtTest>

#include <functional>

#include "support/AnswerNextQuestion.h"

using namespace OrvaGUIToolkit;

namespace {

using OrvaTest::AnswerNextQuestion;

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
    void questionSurvivesDeletedParent();
    void signIsAStyleProperty();
    void noticeAtScreenRightBottom();
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
    QTest::addColumn<QString>("strTitle");
    QTest::addColumn<int>("iResult");
    QTest::newRow("confirm button") << QStringLiteral("confirm") << QString() << 1;
    QTest::newRow("cancel button") << QStringLiteral("cancel") << QStringLiteral("Delete") << 0;
    QTest::newRow("close button") << QStringLiteral("close") << QString() << 0;
    QTest::newRow("Return") << QStringLiteral("return") << QStringLiteral("Delete") << 1;
    QTest::newRow("Escape") << QStringLiteral("escape") << QString() << 0;
}

void TestMessageDialogs::questionAnswers()
{
    QFETCH(QString, strAnswer);
    QFETCH(QString, strTitle);
    QFETCH(int, iResult);
    QWidget window;
    window.resize(500, 400);
    window.show();
    QStringList listSeen;
    AnswerNextQuestion([strAnswer, &listSeen](CWarningDlg* pQuestion) {
        listSeen << pQuestion->GetText() << pQuestion->GetTitle()
                 << (pQuestion->GetCloseBtn()->isVisible() ? QStringLiteral("close shown") : QString());
        if (strAnswer == QLatin1String("confirm"))
            QTest::mouseClick(pQuestion->GetConfirmBtn(), Qt::LeftButton);
        else if (strAnswer == QLatin1String("cancel"))
            QTest::mouseClick(pQuestion->GetCancelBtn(), Qt::LeftButton);
        else if (strAnswer == QLatin1String("close"))
            QTest::mouseClick(pQuestion->GetCloseBtn(), Qt::LeftButton);
        else
            QTest::keyClick(pQuestion, strAnswer == QLatin1String("return") ? Qt::Key_Return : Qt::Key_Escape);
    });
    QCOMPARE(CWarningDlg::CheckMessageInfo(QStringLiteral("Delete the selected recordings?"), strTitle, &window),
             iResult);
    // Without a title of its own the question is a "Warning".
    QCOMPARE(listSeen, (QStringList{QStringLiteral("Delete the selected recordings?"),
                                    strTitle.isEmpty() ? QStringLiteral("Warning") : strTitle,
                                    QStringLiteral("close shown")}));
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    QVERIFY(!window.findChild<CWarningDlg*>());
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

// The sign comes from the style (the test has no artwork): no room is taken
// until a style sheet or the client sets one.
void TestMessageDialogs::signIsAStyleProperty()
{
    QPixmap pixSign(24, 24);
    pixSign.fill(Qt::yellow);
    CWarningDlg question(QStringLiteral("Overwrite the existing export?"), QString());
    QPointer<CInformationDlg> pNotice = CInformationDlg::ShowInformationAtScreenRightBottom(QStringLiteral("Saved."));
    for (QWidget* pDialog : {static_cast<QWidget*>(&question), static_cast<QWidget*>(pNotice.data())}) {
        auto* pSign = pDialog->findChild<QLabel*>(QStringLiteral("m_pIconLabel"));
        QVERIFY(pSign);
        QVERIFY(pSign->isHidden());
        QVERIFY(pDialog->setProperty("m_pixIcon", pixSign));
        QVERIFY(!pSign->isHidden());
        QCOMPARE(pDialog->property("m_pixIcon").value<QPixmap>().size(), QSize(24, 24));
        QVERIFY(pDialog->setProperty("m_pixIcon", QPixmap()));
        QVERIFY(pSign->isHidden());
    }
}

// A notice shows near the bottom right of the available area, never takes the
// focus, and goes away by itself.
void TestMessageDialogs::noticeAtScreenRightBottom()
{
    QPointer<CInformationDlg> pNotice = CInformationDlg::ShowInformationAtScreenRightBottom(
        QStringLiteral("The start time should be earlier than the end time."));
    QVERIFY(pNotice && pNotice->isVisible());
    const QRect available = pNotice->screen()->availableGeometry();
    const QRect rect = pNotice->frameGeometry();
    QVERIFY2(available.contains(rect), "notice outside the available area");
    QVERIFY(available.right() - rect.right() <= 16 && available.bottom() - rect.bottom() <= 16);
    QVERIFY(pNotice->testAttribute(Qt::WA_ShowWithoutActivating));
    QTRY_VERIFY_WITH_TIMEOUT(pNotice.isNull(), 13000);
}

QTEST_MAIN(TestMessageDialogs)
#include "tst_messagedialogs.moc"
