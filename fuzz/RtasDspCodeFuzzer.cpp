// DSP code resources as the RTAS library lays them out for the DSI: every byte of the resource, and none past it,
// ends up in the array, in both byte orders and as it stands.
#include "rtas/framework/dsp/DspCodeArray.h"

#include <cstdint>
#include <cstring>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > 1u << 20)
        return 0;
    // An exact copy, so a read past the end lands outside the allocation.
    std::vector<uint8_t> copy(data, data + size);
    const uint8_t* bytes = size == 0 ? nullptr : copy.data();
    const auto length = uint32_t(size);
    const std::vector<uint32_t> plain = rtas::dsp::MakeCodeWordArray(bytes, length, HostFourCC("DSPC"));
    const std::vector<uint32_t> swapped = rtas::dsp::MakeCodeWordArray(bytes, length, rtas::dsp::kByteSwappedCodeType);
    const size_t words = (size + 2) / 3;
    if (plain.size() != 2 + words || swapped.size() != 2 + words || plain[0] != words || plain[1] != 0)
        __builtin_trap();
    for (size_t i = 0; i < size; ++i) {
        const size_t shift = 8 * (2 - i % 3);
        if (uint8_t(plain[2 + i / 3] >> shift) != copy[i] || uint8_t(swapped[2 + i / 3] >> (16 - shift)) != copy[i])
            __builtin_trap();
    }
    const std::vector<uint32_t> counted = rtas::dsp::MakeCodeByteArray(bytes, length);
    if (counted[0] != size || (size != 0 && std::memcmp(&counted[1], copy.data(), size) != 0))
        __builtin_trap();
    return 0;
}
