#include "foundation/ToolkitLogging.h"
#include <OrvaGUIToolkit/Foundation/WaitWatcher.h>

#include "WaitDialog.h"

#include <QtConcurrent/QtConcurrentRun>
#include <QtCore/QFutureWatcher>
#include <QtCore/QPointer>
#include <QtCore/QThread>
#include <QtCore/QThreadPool>
#include <QtWidgets/QApplication>

#include <atomic>

namespace OrvaGUIToolkit {

CWaitWatcher::CWaitWatcher() = default;
CWaitWatcher::~CWaitWatcher() = default;

namespace {

// What the two threads hand each other. Qt's own hand-over (futexes inside
// QtCore) orders the work correctly, but that order is invisible to the
// language and to ThreadSanitizer; the two atomics state it: everything the
// caller did before Run() is seen by the work, and everything the work did is
// seen by the caller once Run() returns.
struct SHandOver
{
    std::atomic<bool> m_bStarted{false};
    std::atomic<bool> m_bResult{false};
};

// Runs the work and reports whether it finished without throwing. An exception
// must not cross the thread pool (it would come back wrapped, past the wait
// dialog) nor end the process: the caller learns of it from Run()'s result.
bool RunCatching(const std::function<void()>& function)
{
    try {
        function();
        return true;
    } catch (...) {
        qCWarning(lcOrvaGUIToolkit, "CWaitWatcher::Run: the work threw an exception");
        return false;
    }
}

void RunHandedOver(SHandOver* pHandOver, const std::function<void()>& function)
{
    pHandOver->m_bStarted.load(std::memory_order_acquire);
    pHandOver->m_bResult.store(RunCatching(function), std::memory_order_release);
}

} // namespace

bool CWaitWatcher::RefuseNullTarget()
{
    qCWarning(lcOrvaGUIToolkit, "CWaitWatcher::Run: pObject == NULL || pFunction == NULL");
    return false;
}

bool CWaitWatcher::Run(const std::function<void()>& function, const QString& strImagePath,
                       const QString& strText, QWidget* pParent)
{
    if (!function) {
        qCWarning(lcOrvaGUIToolkit, "CWaitWatcher::Run: function is empty");
        return false;
    }
    // The wait dialog needs the GUI thread and its event loop.
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())
        || QThread::currentThread() != QCoreApplication::instance()->thread())
        return RunCatching(function);

    // The dialog lives on the heap: its parent may be deleted by an event
    // delivered while we wait, and takes the dialog with it.
    QPointer<CWaitDialog> pDialog = new CWaitDialog(strImagePath, strText, pParent);
    SHandOver handOver;
    QFutureWatcher<void> watcher;
    // The watcher reports through the GUI thread's event queue, so "finished"
    // reaches the dialog even if the work ends before the dialog starts.
    QObject::connect(&watcher, &QFutureWatcher<void>::finished, pDialog.data(), &CWaitDialog::Finish);
    handOver.m_bStarted.store(true, std::memory_order_release);
    watcher.setFuture(QtConcurrent::run(QThreadPool::globalInstance(), RunHandedOver, &handOver, function));
    if (!watcher.isFinished())
        pDialog->exec();
    watcher.waitForFinished();
    delete pDialog.data();
    return handOver.m_bResult.load(std::memory_order_acquire);
}

} // namespace OrvaGUIToolkit
