// The host's counters and its idle call in the stand-in DigiExt.dll.
#include "hosts/rtas/KitControl.h"
#include "hosts/rtas/KitExport.h"
#include "hosts/rtas/KitLog.h"
#include "rtas/framework/host/ToolboxServices.h"

#include <chrono>

namespace {

uint64_t microsecondsSinceStart()
{
    static const auto start = std::chrono::steady_clock::now();
    return uint64_t(
        std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start).count());
}

}  // namespace

extern "C" {

QOR_KIT_EXPORT void QOR_HOST_CALL Microseconds(HostWide* counter)
{
    if (counter == nullptr)
        return;
    const uint64_t now = microsecondsSinceStart();
    counter->hi = uint32_t(now >> 32);
    counter->lo = uint32_t(now);
}

QOR_KIT_EXPORT uint32_t QOR_HOST_CALL TickCount(void)
{
    uint32_t manual = 0;
    if (QorKitManualTick(&manual) != 0)
        return manual;
    return uint32_t(microsecondsSinceStart() * 60 / 1000000);
}

QOR_KIT_EXPORT void QOR_HOST_CALL SystemTask(void)
{
    qorkit::record("SystemTask");
}

// The kit's graphics port is the native window itself.
QOR_KIT_EXPORT void* QOR_HOST_CALL GetWindowFromPort(void* port)
{
    qorkit::record("GetWindowFromPort");
    return port;
}

}  // extern "C"
