// The context lock service: re-entrant locks (a plug-in enters its group's lock again from inside a routine), each
// counted per thread so a test can see that every path left what it entered. The service's version is the kit's
// setting: 1 offers unnamed locks only.
#include "hosts/rtas/KitControl.h"
#include "hosts/rtas/KitLog.h"
#include "hosts/rtas/engine/EngineState.h"
#include "hosts/rtas/engine/LockService.h"

#include <atomic>
#include <mutex>
#include <string>

namespace qorkit {
namespace {

struct Lock
{
    std::recursive_mutex mutex;
    std::string name;
};

std::atomic<int32_t> liveLocks{0};
thread_local int32_t depth = 0;
std::mutex nameMutex;
std::string lastName;

int32_t QOR_HOST_CALL version()
{
    record("Lock.version");
    auto& state = engine();
    std::lock_guard<std::mutex> guard(state.mutex);
    return state.lockServiceVersion;
}

HostWord QOR_HOST_CALL newLock()
{
    record("Lock.new");
    ++liveLocks;
    return reinterpret_cast<HostWord>(new Lock);
}

HostWord QOR_HOST_CALL newNamedLock(const char* name)
{
    record("Lock.newNamed");
    auto* lock = new Lock;
    lock->name = name != nullptr ? name : "";
    {
        std::lock_guard<std::mutex> guard(nameMutex);
        lastName = lock->name;
    }
    ++liveLocks;
    return reinterpret_cast<HostWord>(lock);
}

void QOR_HOST_CALL enter(HostWord lock)
{
    record("Lock.enter");
    if (lock == 0)
        return;
    reinterpret_cast<Lock*>(lock)->mutex.lock();
    ++depth;
}

int32_t QOR_HOST_CALL tryEnter(HostWord lock)
{
    record("Lock.tryEnter");
    if (lock == 0 || !reinterpret_cast<Lock*>(lock)->mutex.try_lock())
        return 0;
    ++depth;
    return 1;
}

void QOR_HOST_CALL leave(HostWord lock)
{
    record("Lock.leave");
    if (lock == 0)
        return;
    --depth;
    reinterpret_cast<Lock*>(lock)->mutex.unlock();
}

void QOR_HOST_CALL deleteLock(HostWord lock)
{
    record("Lock.delete");
    if (lock == 0)
        return;
    delete reinterpret_cast<Lock*>(lock);
    --liveLocks;
}

FicLockService service = {version, newLock, newNamedLock, enter, tryEnter, leave, deleteLock};

}  // namespace

FicLockService* lockService()
{
    return &service;
}

}  // namespace qorkit

extern "C" {

QOR_KIT_EXPORT int32_t QorKitLiveLocks(void)
{
    return qorkit::liveLocks.load();
}

QOR_KIT_EXPORT int32_t QorKitLockDepth(void)
{
    return qorkit::depth;
}

QOR_KIT_EXPORT const char* QorKitLastLockName(void)
{
    static thread_local std::string copy;
    std::lock_guard<std::mutex> guard(qorkit::nameMutex);
    copy = qorkit::lastName;
    return copy.c_str();
}

}  // extern "C"
