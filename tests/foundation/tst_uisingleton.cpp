#include <OrvaGUIToolkit/Foundation/TemporaryDataManager.h>
#include <OrvaGUIToolkit/Foundation/WidgetMaximizeManager.h>

#include <QtCore/QSemaphore>
#include <QtCore/QSettings>
#include <QtCore/QStandardPaths>
#include <QtCore/QThread>
#include <QtTest/QtTest>

#include <atomic>
#include <vector>

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

// Starts iThreads threads that wait on one gate and then all call fnCall at
// once; returns what each of them got.
template <class Result>
std::vector<Result> CallFromThreads(int iThreads, Result (*fnCall)())
{
    std::vector<Result> vecResults(iThreads);
    QSemaphore ready;
    QSemaphore gate;
    std::vector<QThread*> vecThreads;
    for (int i = 0; i < iThreads; ++i) {
        vecThreads.push_back(QThread::create([&, i] {
            ready.release();
            gate.acquire();
            vecResults[i] = fnCall();
        }));
        vecThreads.back()->start();
    }
    ready.acquire(iThreads);
    gate.release(iThreads);
    for (QThread* pThread : vecThreads) {
        pThread->wait(10000);
        delete pThread;
    }
    return vecResults;
}

const char s_szOrganization[] = "_Orva_TemporaryData_";

QSettings* TemporarySettings()
{
    return new QSettings(QSettings::NativeFormat, QSettings::UserScope, QLatin1String(s_szOrganization), QString());
}

} // namespace

class TestUiSingleton : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void staleTemporaryDataIsWipedAtCreation();
    void createdOnceFromManyThreads();
    void temporaryDataManagerFromManyThreads();
    void temporaryValues();
    void maximizeModeDefaultsToAvailableArea();
};

void TestUiSingleton::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    // What a crashed previous run left behind.
    QScopedPointer<QSettings> pSettings(TemporarySettings());
    pSettings->setValue(QStringLiteral("Playback/LastCamera"), QStringLiteral("Gate 2 North"));
    pSettings->sync();
    QCOMPARE(pSettings->status(), QSettings::NoError);
}

void TestUiSingleton::staleTemporaryDataIsWipedAtCreation()
{
    CTemporaryDataManager& manager = CTemporaryDataManager::Instance();
    QCOMPARE(manager.GetValue(QStringLiteral("Playback/LastCamera")), QVariant());
    QScopedPointer<QSettings> pSettings(TemporarySettings());
    QVERIFY(pSettings->allKeys().isEmpty());
}

void TestUiSingleton::createdOnceFromManyThreads()
{
    const std::vector<CSlowService*> vecResults =
        CallFromThreads<CSlowService*>(8, [] { return &CSlowService::Instance(); });
    QCOMPARE(CSlowService::s_iConstructions.load(), 1);
    for (CSlowService* pService : vecResults)
        QCOMPARE(pService, &CSlowService::Instance());
}

void TestUiSingleton::temporaryDataManagerFromManyThreads()
{
    const std::vector<CTemporaryDataManager*> vecResults =
        CallFromThreads<CTemporaryDataManager*>(6, [] { return &CTemporaryDataManager::Instance(); });
    for (CTemporaryDataManager* pManager : vecResults)
        QCOMPARE(pManager, &CTemporaryDataManager::Instance());
}

void TestUiSingleton::temporaryValues()
{
    CTemporaryDataManager& manager = CTemporaryDataManager::Instance();
    manager.SetValue(QStringLiteral("Search/Plate"), QStringLiteral("B 4721 KX"));
    manager.SetValue(QStringLiteral("Search/Page"), 3);
    QCOMPARE(manager.GetValue(QStringLiteral("Search/Plate")).toString(), QStringLiteral("B 4721 KX"));
    QCOMPARE(manager.GetValue(QStringLiteral("Search/Page")).toInt(), 3);
    QCOMPARE(manager.GetValue(QStringLiteral("Search/Missing"), 42).toInt(), 42);

    // Written through at once: another reader of the settings sees the value.
    QScopedPointer<QSettings> pSettings(TemporarySettings());
    QCOMPARE(pSettings->value(QStringLiteral("Search/Plate")).toString(), QStringLiteral("B 4721 KX"));

    manager.RemoveKey(QStringLiteral("Search/Plate"));
    QVERIFY(!manager.GetValue(QStringLiteral("Search/Plate")).isValid());
    QCOMPARE(manager.GetValue(QStringLiteral("Search/Page")).toInt(), 3);
}

void TestUiSingleton::maximizeModeDefaultsToAvailableArea()
{
    CWidgetMaximizeManager& manager = CWidgetMaximizeManager::Instance();
    QCOMPARE(manager.GetWidgetMaximizeMode(), CWidgetMaximizeManager::MaximizeToAvailableArea);
    manager.SetWidgetMaximizeMode(CWidgetMaximizeManager::MaximizeToFullScreen);
    QCOMPARE(CWidgetMaximizeManager::Instance().GetWidgetMaximizeMode(), CWidgetMaximizeManager::MaximizeToFullScreen);
    manager.SetWidgetMaximizeMode(CWidgetMaximizeManager::MaximizeToAvailableArea);
}

QTEST_GUILESS_MAIN(TestUiSingleton)
#include "tst_uisingleton.moc"
