// Memory handles of the stand-in DigiExt.dll. A handle is the address of the word that holds the block's address;
// the kit keeps every live handle, so disposing of an unknown handle is an error instead of a crash, and a test can
// count the handles a plug-in left behind.
#include "hosts/rtas/KitControl.h"
#include "hosts/rtas/KitExport.h"
#include "hosts/rtas/KitLog.h"
#include "hosts/rtas/toolbox/MemoryBlocks.h"

#include <atomic>
#include <mutex>
#include <new>
#include <set>

namespace qorkit {
namespace {

constexpr int16_t kNoMemory = -108;
constexpr int16_t kBadHandle = -109;

struct Block
{
    char* data;  // first: the handle points here
    int32_t size;
};

std::mutex blocksMutex;
std::set<HostHandle> blocks;
std::atomic<int32_t> failNewHandle{0};
thread_local int16_t memoryError = 0;

}  // namespace

HostHandle newBlock(int32_t size)
{
    if (size < 0 || failNewHandle.load() != 0) {
        memoryError = kNoMemory;
        return nullptr;
    }
    auto* block = new (std::nothrow) Block{new (std::nothrow) char[size_t(size) + 1](), size};
    if (block == nullptr || block->data == nullptr) {
        delete block;
        memoryError = kNoMemory;
        return nullptr;
    }
    HostHandle handle = &block->data;
    std::lock_guard<std::mutex> guard(blocksMutex);
    blocks.insert(handle);
    memoryError = 0;
    return handle;
}

bool isBlock(HostHandle handle)
{
    std::lock_guard<std::mutex> guard(blocksMutex);
    return blocks.count(handle) != 0;
}

bool disposeBlock(HostHandle handle)
{
    {
        std::lock_guard<std::mutex> guard(blocksMutex);
        if (blocks.erase(handle) == 0) {
            memoryError = kBadHandle;
            return false;
        }
    }
    auto* block = reinterpret_cast<Block*>(handle);
    delete[] block->data;
    delete block;
    memoryError = 0;
    return true;
}

int32_t blockSize(HostHandle handle)
{
    return reinterpret_cast<Block*>(handle)->size;
}

}  // namespace qorkit

extern "C" {

QOR_KIT_EXPORT HostHandle QOR_HOST_CALL NewHandle(int32_t size)
{
    qorkit::record("NewHandle");
    return qorkit::newBlock(size);
}

QOR_KIT_EXPORT void QOR_HOST_CALL DisposeHandle(HostHandle handle)
{
    qorkit::record("DisposeHandle");
    qorkit::disposeBlock(handle);
}

// Blocks never move in the kit; locking only checks the handle.
QOR_KIT_EXPORT void QOR_HOST_CALL HLock(HostHandle handle)
{
    qorkit::record("HLock");
    qorkit::memoryError = qorkit::isBlock(handle) ? 0 : qorkit::kBadHandle;
}

QOR_KIT_EXPORT void QOR_HOST_CALL HUnlock(HostHandle handle)
{
    qorkit::record("HUnlock");
    qorkit::memoryError = qorkit::isBlock(handle) ? 0 : qorkit::kBadHandle;
}

QOR_KIT_EXPORT int32_t QOR_HOST_CALL GetHandleSize(HostHandle handle)
{
    if (!qorkit::isBlock(handle)) {
        qorkit::memoryError = qorkit::kBadHandle;
        return 0;
    }
    qorkit::memoryError = 0;
    return qorkit::blockSize(handle);
}

QOR_KIT_EXPORT int16_t QOR_HOST_CALL MemError(void)
{
    return qorkit::memoryError;
}

QOR_KIT_EXPORT int32_t QorKitLiveHandles(void)
{
    std::lock_guard<std::mutex> guard(qorkit::blocksMutex);
    return int32_t(qorkit::blocks.size());
}

QOR_KIT_EXPORT void QorKitSetNewHandleFails(int32_t fails)
{
    qorkit::failNewHandle = fails;
}

}  // extern "C"
