// The RTAS plug-in's byte-order pass over resources as the host reads them from its resource file: whatever the
// resource's size, it touches nothing outside the resource, and a second pass restores the bytes. The first input
// byte picks the resource type.
#include "rtas/bridge/entry/ResourceByteOrder.h"

#include <cstddef>
#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1)
        return 0;
    static const uint32_t kTypes[] = {HostFourCC("thng"), HostFourCC("cfrg"), HostFourCC("PgTL")};
    const uint32_t type = kTypes[data[0] % 3];
    // An exact copy, so a write past the end lands outside the allocation.
    std::vector<uint8_t> resource(data + 1, data + size);
    const std::vector<uint8_t> original = resource;
    const int32_t length = int32_t(resource.size());
    rtas::entry::SwapResourceByteOrder(type, resource.empty() ? nullptr : resource.data(), length);
    rtas::entry::SwapResourceByteOrder(type, resource.empty() ? nullptr : resource.data(), length);
    if (resource != original)
        __builtin_trap();
    return 0;
}
