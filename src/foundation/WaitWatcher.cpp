#include "foundation/ToolkitLogging.h"
#include <OrvaGUIToolkit/Foundation/WaitWatcher.h>

#include "WaitDialog.h"

#include <QtConcurrent/QtConcurrentRun>
#include <QtCore/QFutureWatcher>
#include <QtCore/QPointer>
#include <QtCore/QThread>
#include <QtCore/QThreadPool>
#include <QtWidgets/QApplication>

namespace OrvaGUIToolkit {

CWaitWatcher::CWaitWatcher() = default;
CWaitWatcher::~CWaitWatcher() = default;

namespace {

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
    QFutureWatcher<bool> watcher;
    // The watcher reports through the GUI thread's event queue, so "finished"
    // reaches the dialog even if the work ends before the dialog starts.
    QObject::connect(&watcher, &QFutureWatcher<bool>::finished, pDialog.data(), &CWaitDialog::Finish);
    watcher.setFuture(QtConcurrent::run(QThreadPool::globalInstance(), RunCatching, function));
    if (!watcher.isFinished())
        pDialog->exec();
    watcher.waitForFinished();
    delete pDialog.data();
    return watcher.result();
}

} // namespace OrvaGUIToolkit
