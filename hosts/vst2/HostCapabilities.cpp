#include "hosts/vst2/HostCapabilities.h"

#include <cstring>

namespace vst2host {
namespace {

// Only what this host really does: it answers time requests and brackets every render with start/stop
// process. Its editor window keeps the size asked for at open, so "sizeWindow" is deliberately absent.
constexpr const char* kCapabilities[] = {
    "sendVstTimeInfo",
    "startStopProcess",
};

}  // namespace

bool hostCanDo(const char* capability)
{
    if (capability == nullptr)
        return false;
    for (const char* known : kCapabilities)
        if (std::strcmp(known, capability) == 0)
            return true;
    return false;
}

}  // namespace vst2host
