#include "aax/library/OwnerTrackedMutex.h"

ScopedMutexLock::ScopedMutexLock(OwnerTrackedMutex* mutex) : mutex_(mutex)
{
    if (!mutex_)
        return;
    const std::thread::id self = std::this_thread::get_id();
    if (mutex_->owner_.load(std::memory_order_relaxed) == self)
        return;  // taken further out on this thread
    mutex_->mutex_.lock();
    mutex_->owner_.store(self, std::memory_order_relaxed);
    holds_ = true;
}

ScopedMutexLock::~ScopedMutexLock()
{
    if (!holds_)
        return;
    if (mutex_->owner_.load(std::memory_order_relaxed) != std::this_thread::get_id())
        return;
    mutex_->owner_.store(std::thread::id(), std::memory_order_relaxed);
    mutex_->mutex_.unlock();
}
