#include <OrvaGUIToolkit/Foundation/TemporaryDataManager.h>
#include <OrvaGUIToolkit/Foundation/UiSingleton.h>

#include <QtTest/QtTest>
#include <QtWidgets/QtWidgets>

#include <atomic>
#include <memory>
#include <vector>

#include <cstdlib>

using namespace OrvaGUIToolkit;

namespace {

// A service whose construction is slow, so that racing threads really do
// meet inside Instance() while the first one is still constructing.
class CSlowService : public CUiSingleton<CSlowService>
{
public:
    static std::atomic<int> s_iConstructions;

private:
    friend class CUiSingleton<CSlowService>;
    CSlowService()
    {
        ++s_iConstructions;
        QThread::msleep(50);
    }
};

std::atomic<int> CSlowService::s_iConstructions{0};

QSettings* TemporarySettings()
{
    return new QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("_Orva_TemporaryData_"), QString());
}

// A service of the test's own, to reach its instance after the owner that
// deletes it at exit has run.
class CProbeService : public CUiSingleton<CProbeService>
{
public:
    int m_iMagic = 4711;

private:
    friend class CUiSingleton<CProbeService>;
    CProbeService() = default;
};

// Runs at exit after the probe's owner has deleted the first instance (it
// was registered before that owner existed, and exit handlers run in reverse).
// Freed memory would stop the sanitizers here; a wrong value ends the run with
// a failing exit code that the test runner reports.
void UseProbeAfterDestruction()
{
    if (CProbeService::Instance().m_iMagic != 4711)
        std::_Exit(3);
}

} // namespace

class TestUiSingleton : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Runs first, before anything has created the manager.
    void staleTemporaryDataIsWipedAtCreation()
    {
        QStandardPaths::setTestModeEnabled(true);
        // What a crashed previous run left behind.
        QScopedPointer<QSettings> pSettings(TemporarySettings());
        pSettings->setValue(QStringLiteral("Playback/LastCamera"), QStringLiteral("Gate 2 North"));
        pSettings->sync();
        QCOMPARE(pSettings->status(), QSettings::NoError);

        QCOMPARE(CTemporaryDataManager::Instance().GetValue(QStringLiteral("Playback/LastCamera")), QVariant());
        pSettings->sync();
        QVERIFY(pSettings->allKeys().isEmpty());
    }

    // Eight threads wait on one gate and then all ask for the instance at once.
    void createdOnceFromManyThreads()
    {
        const int iThreads = 8;
        std::vector<CSlowService*> vecResults(iThreads);
        QSemaphore ready;
        QSemaphore gate;
        std::vector<std::unique_ptr<QThread>> vecThreads;
        for (int i = 0; i < iThreads; ++i) {
            vecThreads.emplace_back(QThread::create([&, i] {
                ready.release();
                gate.acquire();
                vecResults[i] = &CSlowService::Instance();
            }));
            vecThreads.back()->start();
        }
        ready.acquire(iThreads);
        gate.release(iThreads);
        for (const auto& pThread : vecThreads)
            QVERIFY(pThread->wait(10000));
        QCOMPARE(CSlowService::s_iConstructions.load(), 1);
        for (CSlowService* pService : vecResults)
            QCOMPARE(pService, &CSlowService::Instance());
    }

    void temporaryValues()
    {
        CTemporaryDataManager& manager = CTemporaryDataManager::Instance();
        manager.SetValue(QStringLiteral("Search/Plate"), QStringLiteral("B 4721 KX"));
        manager.SetValue(QStringLiteral("Search/Page"), 3);
        QCOMPARE(manager.GetValue(QStringLiteral("Search/Missing"), 42).toInt(), 42);

        // Written through at once: another reader of the settings sees the value.
        QScopedPointer<QSettings> pSettings(TemporarySettings());
        QCOMPARE(pSettings->value(QStringLiteral("Search/Plate")).toString(), QStringLiteral("B 4721 KX"));

        manager.RemoveKey(QStringLiteral("Search/Plate"));
        QVERIFY(!manager.GetValue(QStringLiteral("Search/Plate")).isValid());
        QCOMPARE(manager.GetValue(QStringLiteral("Search/Page")).toInt(), 3);
    }

    void singletonAfterItsDestruction()
    {
        // Registered before the first instance (and with it its owner) exists.
        QCOMPARE(std::atexit(UseProbeAfterDestruction), 0);
        QCOMPARE(CProbeService::Instance().m_iMagic, 4711);
        QCOMPARE(&CProbeService::Instance(), &CProbeService::Instance());
    }
};

QTEST_GUILESS_MAIN(TestUiSingleton)
#include "tst_uisingleton.moc"
