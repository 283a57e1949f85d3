#include "rtas/framework/SpinWait.h"

#include "rtas/framework/host/ToolboxServices.h"

namespace rtas {
namespace {

uint64_t ReadCounter()
{
    HostWide counter{};
    Microseconds(&counter);
    return (uint64_t(counter.hi) << 32) | counter.lo;
}

}  // namespace

void SpinWait(uint32_t n)
{
    const uint64_t target = ReadCounter() + n;
    while (ReadCounter() < target) {
    }
}

}  // namespace rtas
