#ifndef ORVAGUITOOLKIT_FOUNDATION_UISINGLETON_H
#define ORVAGUITOOLKIT_FOUNDATION_UISINGLETON_H

#include <OrvaGUIToolkit/OrvaGUIToolkitGlobal.h>

#include <QtCore/QMutex>

#include <atomic>
#include <mutex>

namespace OrvaGUIToolkit {

// Base of the process-wide services. A service derives from CUiSingleton of
// itself, keeps its constructor private and befriends CUiSingleton<Service>.
// The instance is created on first use, from any thread, exactly once, and is
// destroyed when the library (or the program) is unloaded.
//
// Code that runs after that destruction (an atexit handler, the destructor of
// a client's static object) gets a fresh instance, never the destroyed one;
// that late instance lives until the process ends.
//
// The template has default visibility so that an instantiation for an exported
// service resolves to one instance across the library and its clients.
template <class T>
class ORVAGUITOOLKIT_EXPORT CUiSingleton
{
public:
    virtual ~CUiSingleton() = default;

    static T& Instance();

protected:
    CUiSingleton() = default;

private:
    CUiSingleton(const CUiSingleton&) = delete;
    CUiSingleton& operator=(const CUiSingleton&) = delete;

    // Deletes the instance at unload and forgets it, so that a later
    // Instance() creates a new one instead of handing out freed memory.
    struct Owner
    {
        ~Owner() { delete s_pInstance.exchange(nullptr, std::memory_order_acq_rel); }
    };

    static T* Create();

    // Lock-free fast path once the instance exists.
    static std::atomic<T*> s_pInstance;
    // Constant-initialised and never destroyed, so it still works for a
    // caller that runs after the other statics are gone.
    static QBasicMutex s_mutex;
};

template <class T>
std::atomic<T*> CUiSingleton<T>::s_pInstance{nullptr};

template <class T>
QBasicMutex CUiSingleton<T>::s_mutex;

template <class T>
T* CUiSingleton<T>::Create()
{
    T* pInstance = new T;
    // The owner is created after the instance, so it is destroyed at unload
    // before the Qt globals the instance began to use while it was constructed
    // (settings, for example). Only the first instance gets an owner: one
    // created after the owner's destruction stays until the process ends.
    static Owner s_owner;
    return pInstance;
}

template <class T>
T& CUiSingleton<T>::Instance()
{
    T* pInstance = s_pInstance.load(std::memory_order_acquire);
    if (!pInstance) {
        const std::lock_guard<QBasicMutex> lock(s_mutex);
        pInstance = s_pInstance.load(std::memory_order_relaxed);
        if (!pInstance) {
            pInstance = Create();
            s_pInstance.store(pInstance, std::memory_order_release);
        }
    }
    return *pInstance;
}

} // namespace OrvaGUIToolkit

#endif
