// Locks a movable global block for one scope, so that every return path unlocks it again.
#pragma once
#include "platform/win32/globalmem.h"

namespace wut {

template <class T>
class GlobalLockGuard {
public:
    explicit GlobalLockGuard(HGLOBAL mem) : m_mem(mem), m_ptr(mem ? static_cast<T*>(GlobalLock(mem)) : nullptr) {}
    ~GlobalLockGuard()
    {
        if (m_ptr)
            GlobalUnlock(m_mem);
    }
    GlobalLockGuard(const GlobalLockGuard&) = delete;
    GlobalLockGuard& operator=(const GlobalLockGuard&) = delete;

    T* get() const { return m_ptr; }
    T* operator->() const { return m_ptr; }
    T& operator*() const { return *m_ptr; }
    explicit operator bool() const { return m_ptr != nullptr; }

private:
    HGLOBAL m_mem;
    T* m_ptr;
};

} // namespace wut
