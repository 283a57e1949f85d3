#include "platform/Mutex.h"

#include <chrono>
#include <mutex>

namespace platform {

struct Mutex::Impl
{
    std::recursive_timed_mutex mutex;
};

Mutex::Mutex() : impl_(new Impl) {}
Mutex::~Mutex() = default;

bool Mutex::valid() const { return impl_ != nullptr; }

bool Mutex::lockFor(uint32_t timeoutMs)
{
    return impl_->mutex.try_lock_for(std::chrono::milliseconds(timeoutMs));
}

bool Mutex::lock()
{
    impl_->mutex.lock();
    return true;
}

void Mutex::unlock() { impl_->mutex.unlock(); }

}  // namespace platform
