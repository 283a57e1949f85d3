#include "platform/Mutex.h"

#include <windows.h>

namespace platform {

struct Mutex::Impl
{
    HANDLE handle = nullptr;
};

Mutex::Mutex() : impl_(new Impl)
{
    impl_->handle = CreateMutexA(nullptr, FALSE, nullptr);
}

Mutex::~Mutex()
{
    if (impl_->handle)
        CloseHandle(impl_->handle);
}

bool Mutex::valid() const { return impl_->handle != nullptr; }

bool Mutex::lockFor(uint32_t timeoutMs)
{
    if (!impl_->handle)
        return false;
    // An abandoned mutex (its owner thread ended holding it) still passes to the caller.
    const DWORD result = WaitForSingleObject(impl_->handle, timeoutMs);
    return result == WAIT_OBJECT_0 || result == WAIT_ABANDONED;
}

bool Mutex::lock() { return lockFor(INFINITE); }

void Mutex::unlock()
{
    if (impl_->handle)
        ReleaseMutex(impl_->handle);
}

}  // namespace platform
