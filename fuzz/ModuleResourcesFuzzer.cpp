// The resource container of library files: every lookup stays inside the bytes, and what it finds lies within them.
#include "platform/posix/ResourceContainer.h"

#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // An exact copy, so a read past the end lands outside the allocation.
    std::vector<uint8_t> copy(data, data + size);
    const int32_t id = size > 12 ? int32_t(copy[12]) : 1;
    for (const char* type : {"#16", "DSPB", ""}) {
        const uint8_t* resource = nullptr;
        uint32_t length = 0;
        if (!platform::findContainerResource(copy.data(), copy.size(), type, id, &resource, &length))
            continue;
        if (resource < copy.data() || length > size_t(copy.data() + copy.size() - resource))
            __builtin_trap();
        volatile uint8_t sum = 0;
        for (uint32_t i = 0; i < length; ++i)
            sum = uint8_t(sum + resource[i]);
    }
    return 0;
}
