// Holds a platform mutex for a scope. A null mutex (one the operating system could not create) is never held and
// never waited for; a wait that runs out leaves the scope without the mutex, and then nothing is released.
#pragma once

#include <cstdint>

#include "platform/Mutex.h"

namespace platform {

class MutexScope
{
public:
    // Waits without a time limit.
    explicit MutexScope(Mutex* mutex) : mutex_(mutex && mutex->lock() ? mutex : nullptr) {}
    // Waits at most timeoutMs milliseconds.
    MutexScope(Mutex* mutex, uint32_t timeoutMs) : mutex_(mutex && mutex->lockFor(timeoutMs) ? mutex : nullptr) {}
    ~MutexScope()
    {
        if (mutex_)
            mutex_->unlock();
    }
    MutexScope(const MutexScope&) = delete;
    MutexScope& operator=(const MutexScope&) = delete;

    // True when the scope holds its mutex.
    bool held() const { return mutex_ != nullptr; }

private:
    Mutex* mutex_;
};

}  // namespace platform
