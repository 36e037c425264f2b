#ifndef ORVAGUITOOLKIT_FOUNDATION_WAITWATCHER_H
#define ORVAGUITOOLKIT_FOUNDATION_WAITWATCHER_H

#include <OrvaGUIToolkit/Foundation/UiSingleton.h>

#include <QtCore/QString>

#include <functional>
#include <type_traits>

QT_BEGIN_NAMESPACE
class QWidget;
QT_END_NAMESPACE

namespace OrvaGUIToolkit {

// Runs long work off the GUI thread while the user waits.
//
// Run() hands the work to a thread of Qt's global thread pool and shows a
// modal wait dialog (an animated image and a text) until the work is done:
// the GUI thread keeps painting and delivering queued signals, user input is
// blocked, and Run() returns once the work has finished. The work must not
// touch widgets; objects it changes must not be used by the GUI thread until
// Run() returns. Run() must be called from the GUI thread; called elsewhere,
// or without a QApplication, it runs the work directly.
//
// Run() returns true once the work has run to its end. Work that throws ends
// early: the wait dialog closes, Run() logs a warning and returns false, and
// the exception goes no further.
class ORVAGUITOOLKIT_EXPORT CWaitWatcher : public CUiSingleton<CWaitWatcher>
{
public:
    ~CWaitWatcher() override;

    // Calls (pObject->*pFunction)() on a worker thread. pParent (may be null)
    // is the window the wait dialog is centred on. False, and nothing runs,
    // for a null object or function.
    template <class T, class U, class R>
    bool Run(T* pObject, R (U::*pFunction)(), const QString& strImagePath, const QString& strText,
             QWidget* pParent = nullptr);

    // Calls function() on a worker thread; false for an empty function.
    bool Run(const std::function<void()>& function, const QString& strImagePath, const QString& strText,
             QWidget* pParent = nullptr);

private:
    friend class CUiSingleton<CWaitWatcher>;
    CWaitWatcher();

    // Logs the refusal of a null object or member function; false.
    static bool RefuseNullTarget();
};

extern template class CUiSingleton<CWaitWatcher>;

template <class T, class U, class R>
bool CWaitWatcher::Run(T* pObject, R (U::*pFunction)(), const QString& strImagePath, const QString& strText,
                       QWidget* pParent)
{
    static_assert(std::is_base_of<U, T>::value, "the function must be a member of the object's class");
    if (!pObject || !pFunction)
        return RefuseNullTarget();
    return Run([pObject, pFunction] { (pObject->*pFunction)(); }, strImagePath, strText, pParent);
}

} // namespace OrvaGUIToolkit

#endif
