#include <OrvaGUIToolkit/Foundation/WaitWatcher.h>

#include "foundation/WaitDialog.h"

#include <QtTest/QtTest>
#include <QtWidgets/QtWidgets>

#include <algorithm>
#include <atomic>
#include <stdexcept>

using namespace OrvaGUIToolkit;

namespace {

const char s_szLoading[] = ":/OrvaDesk/Dialog/Images/Public/Control/Dialog/Loading.gif";

// A worker in the shape of a filtering view: its long job runs on a pool
// thread and reports progress through a signal.
class CIndexBuilder : public QObject
{
    Q_OBJECT

public:
    void Rebuild()
    {
        m_pWorkerThread = QThread::currentThread();
        for (int i = 1; i <= 3; ++i)
            Q_EMIT SignalProgress(i);
        // Holds the job open until the test has looked at the GUI.
        if (m_pGate)
            m_pGate->tryAcquire(1, 5000);
        m_bDone = true;
    }

    QSemaphore* m_pGate = nullptr;
    QThread* m_pWorkerThread = nullptr;
    std::atomic<bool> m_bDone{false};

Q_SIGNALS:
    void SignalProgress(int iStep);
};

class CPlateIndexBuilder : public CIndexBuilder
{
    Q_OBJECT
};

struct CThrowsQException : QException
{
    void raise() const override { throw *this; }
    CThrowsQException* clone() const override { return new CThrowsQException(*this); }
};

} // namespace

class TestWaitWatcher : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void runsOnPoolThreadBehindModalDialog()
    {
        QWidget window;
        window.resize(400, 300);
        window.show();
        CIndexBuilder builder;
        QSemaphore gate;
        builder.m_pGate = &gate;
        QList<int> listProgress;
        connect(&builder, &CIndexBuilder::SignalProgress, this, [&](int iStep) {
            QCOMPARE(QThread::currentThread(), qApp->thread());
            listProgress << iStep;
        });

        // Look at the GUI while the job runs: the wait dialog must be the modal window.
        QString strShownText;
        QTimer::singleShot(60, this, [&] {
            if (QWidget* pModal = QApplication::activeModalWidget()) {
                if (const auto* pText = pModal->findChild<QLabel*>(QStringLiteral("m_pTextLabel")))
                    strShownText = pText->text();
            }
            gate.release();
        });

        QVERIFY(CWaitWatcher::Instance().Run(&builder, &CIndexBuilder::Rebuild, QLatin1String(s_szLoading),
                                             QStringLiteral("Processing..."), &window));
        QVERIFY(builder.m_bDone);
        QVERIFY(builder.m_pWorkerThread != qApp->thread());
        QCOMPARE(strShownText, QStringLiteral("Processing..."));
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
        // Queued progress reports arrive while the dialog keeps the loop running.
        QTRY_COMPARE(listProgress, (QList<int>{1, 2, 3}));
    }

    void quickJobNeverHangs()
    {
        for (int i = 0; i < 20; ++i) {
            int iCalls = 0;
            QVERIFY(CWaitWatcher::Instance().Run([&iCalls] { ++iCalls; }, QStringLiteral(":/missing.gif"),
                                                 QStringLiteral("Loading")));
            QCOMPARE(iCalls, 1);
        }
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
    }

    void escapeDoesNotEndTheWait()
    {
        std::atomic<bool> bDone{false};
        bool bStillShown = false;
        QSemaphore gate;
        QTimer::singleShot(40, this, [&] {
            if (QWidget* pModal = QApplication::activeModalWidget()) {
                QTest::keyClick(pModal, Qt::Key_Escape);
                pModal->close();
                bStillShown = pModal->isVisible();
            }
            gate.release();
        });
        QVERIFY(CWaitWatcher::Instance().Run([&bDone, &gate] {
            gate.tryAcquire(1, 5000);
            bDone = true;
        }, QString(), QStringLiteral("Exporting clips...")));
        QVERIFY(bDone);
        QVERIFY(bStillShown);
    }

    void memberFunctionArguments()
    {
        CIndexBuilder* pNoBuilder = nullptr;
        QTest::ignoreMessage(QtWarningMsg, "CWaitWatcher::Run: pObject == NULL || pFunction == NULL");
        QVERIFY(!CWaitWatcher::Instance().Run(pNoBuilder, &CIndexBuilder::Rebuild, QString(), QString()));

        CIndexBuilder builder;
        void (CIndexBuilder::*pNoFunction)() = nullptr;
        QTest::ignoreMessage(QtWarningMsg, "CWaitWatcher::Run: pObject == NULL || pFunction == NULL");
        QVERIFY(!CWaitWatcher::Instance().Run(&builder, pNoFunction, QString(), QString()));

        QTest::ignoreMessage(QtWarningMsg, "CWaitWatcher::Run: function is empty");
        QVERIFY(!CWaitWatcher::Instance().Run(std::function<void()>(), QString(), QString()));

        // A member function of a base class runs on an object of a derived class.
        CPlateIndexBuilder derived;
        QVERIFY(CWaitWatcher::Instance().Run(&derived, &CIndexBuilder::Rebuild, QString(), QString()));
        QVERIFY(derived.m_bDone);
    }

    // A standard exception, a Qt exception or anything else: the run fails,
    // its dialog goes and the watcher still works afterwards.
    void throwingWork()
    {
        QWidget window;
        window.show();
        for (int iKind = 0; iKind < 3; ++iKind) {
            const auto work = [iKind] {
                QThread::msleep(30);
                if (iKind == 0)
                    throw std::runtime_error("camera list unreadable");
                if (iKind == 1)
                    throw CThrowsQException();
                throw 42;
            };
            QTest::ignoreMessage(QtWarningMsg, "CWaitWatcher::Run: the work threw an exception");
            QVERIFY(!CWaitWatcher::Instance().Run(work, QString(), QStringLiteral("Loading cameras..."), &window));
            const QList<QWidget*> listTopLevels = QApplication::topLevelWidgets();
            QVERIFY(std::none_of(listTopLevels.begin(), listTopLevels.end(),
                                 [](QWidget* pWidget) { return qobject_cast<CWaitDialog*>(pWidget); }));
        }
        bool bRan = false;
        QVERIFY(CWaitWatcher::Instance().Run([&bRan] { bRan = true; }, QString(), QString(), &window));
        QVERIFY(bRan);
    }
};

QTEST_MAIN(TestWaitWatcher)
#include "tst_waitwatcher.moc"
