#include "platform/Mutex.h"

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace platform {

// A recursive mutex with a timed wait, built from a plain mutex and a condition variable: the standard's
// recursive_timed_mutex waits through a call the thread sanitizer cannot see.
struct Mutex::Impl
{
    std::mutex guard;
    std::condition_variable released;
    std::thread::id owner;
    unsigned depth = 0;

    bool takeIfFree()
    {
        if (depth != 0 && owner != std::this_thread::get_id())
            return false;
        owner = std::this_thread::get_id();
        ++depth;
        return true;
    }
};

Mutex::Mutex() : impl_(new Impl) {}
Mutex::~Mutex() = default;

bool Mutex::valid() const { return impl_ != nullptr; }

bool Mutex::lockFor(uint32_t timeoutMs)
{
    std::unique_lock<std::mutex> lock(impl_->guard);
    if (impl_->takeIfFree())
        return true;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!impl_->takeIfFree())
        if (impl_->released.wait_until(lock, deadline) == std::cv_status::timeout)
            return impl_->takeIfFree();
    return true;
}

bool Mutex::lock()
{
    std::unique_lock<std::mutex> lock(impl_->guard);
    while (!impl_->takeIfFree())
        impl_->released.wait(lock);
    return true;
}

void Mutex::unlock()
{
    std::lock_guard<std::mutex> lock(impl_->guard);
    if (impl_->depth == 0 || impl_->owner != std::this_thread::get_id())
        return;
    if (--impl_->depth == 0) {
        impl_->owner = std::thread::id();
        impl_->released.notify_one();
    }
}

}  // namespace platform
