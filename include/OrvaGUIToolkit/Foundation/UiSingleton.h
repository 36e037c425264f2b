#ifndef ORVAGUITOOLKIT_FOUNDATION_UISINGLETON_H
#define ORVAGUITOOLKIT_FOUNDATION_UISINGLETON_H

#include <OrvaGUIToolkit/OrvaGUIToolkitGlobal.h>

#include <QtCore/QMutex>

#include <atomic>
#include <memory>

namespace OrvaGUIToolkit {

// Base of the process-wide services. A service derives from CUiSingleton of
// itself, keeps its constructor private and befriends CUiSingleton<Service>.
// The instance is created on first use, from any thread, exactly once, and is
// destroyed when the library (or the program) is unloaded.
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

    // Lock-free fast path once the instance exists.
    static std::atomic<T*> s_pInstance;
};

template <class T>
std::atomic<T*> CUiSingleton<T>::s_pInstance{nullptr};

template <class T>
T& CUiSingleton<T>::Instance()
{
    T* pInstance = s_pInstance.load(std::memory_order_acquire);
    if (!pInstance) {
        static QMutex s_mutex;
        QMutexLocker locker(&s_mutex);
        pInstance = s_pInstance.load(std::memory_order_relaxed);
        if (!pInstance) {
            // The owner is created together with the instance, so it is
            // destroyed at unload before the Qt globals the instance began
            // to use while it was constructed (settings, for example).
            static const std::unique_ptr<T> s_pOwner(new T);
            pInstance = s_pOwner.get();
            s_pInstance.store(pInstance, std::memory_order_release);
        }
    }
    return *pInstance;
}

} // namespace OrvaGUIToolkit

#endif
