// The stand-in RTAS host's resource files: a file the reader accepts is written back to the same bytes, and no
// input reads past its end.
#include "hosts/rtas/toolbox/ResourceFileFormat.h"

#include <cstdint>
#include <cstring>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // An exact copy, so a read past the end lands outside the allocation.
    std::vector<uint8_t> copy(data, data + size);
    const auto parsed = qorkit::parseResourceFile(copy.data(), copy.size());
    if (!parsed)
        return 0;
    const std::vector<uint8_t> written = qorkit::writeResourceFile(*parsed);
    if (written != copy)
        __builtin_trap();
    return 0;
}
