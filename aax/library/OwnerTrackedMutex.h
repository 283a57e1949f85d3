// A mutex that the thread holding it may take again without waiting: only the outermost guard of a thread waits
// for it and releases it. The packet dispatcher's tables are guarded by one; its operations call each other.
#pragma once

#include <atomic>
#include <thread>

#include "platform/Mutex.h"

class OwnerTrackedMutex
{
public:
    OwnerTrackedMutex() = default;
    OwnerTrackedMutex(const OwnerTrackedMutex&) = delete;
    OwnerTrackedMutex& operator=(const OwnerTrackedMutex&) = delete;

    // False when the operating system could not make the mutex; the owner then runs unguarded.
    bool valid() const { return mutex_.valid(); }

private:
    friend class ScopedMutexLock;
    // Written only by the thread that holds the mutex. Another thread can never find its own identifier here, so
    // the comparison is sound with relaxed ordering; atomic only so that the unlocked read is not a data race.
    std::atomic<std::thread::id> owner_{};
    platform::Mutex mutex_;
};

// Held for the whole of each guarded operation. A null mutex holds nothing.
class ScopedMutexLock
{
public:
    explicit ScopedMutexLock(OwnerTrackedMutex* mutex);
    ~ScopedMutexLock();
    ScopedMutexLock(const ScopedMutexLock&) = delete;
    ScopedMutexLock& operator=(const ScopedMutexLock&) = delete;

    // True for the outermost guard of the calling thread, the one that waited and will release.
    bool holds() const { return holds_; }

private:
    OwnerTrackedMutex* mutex_;
    bool holds_ = false;
};
