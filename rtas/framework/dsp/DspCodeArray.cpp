#include "rtas/framework/dsp/DspCodeArray.h"

#include <cstring>

namespace rtas::dsp {

namespace {

constexpr uint32_t kBytesPerDspWord = 3;

}  // namespace

std::vector<uint32_t> MakeCodeByteArray(const uint8_t* bytes, uint32_t size)
{
    if (bytes == nullptr)
        size = 0;
    std::vector<uint32_t> array(1 + (size_t(size) + 3) / 4, 0);
    array[0] = size;
    if (size != 0)
        std::memcpy(&array[1], bytes, size);
    return array;
}

std::vector<uint32_t> MakeCodeWordArray(const uint8_t* bytes, uint32_t size, uint32_t resourceType)
{
    if (bytes == nullptr)
        size = 0;
    const uint32_t count = uint32_t((size_t(size) + kBytesPerDspWord - 1) / kBytesPerDspWord);
    std::vector<uint32_t> array;
    array.reserve(2 + size_t(count));
    array.push_back(count);
    array.push_back(0);
    const bool swapped = resourceType == kByteSwappedCodeType;
    for (uint32_t word = 0; word < count; ++word) {
        uint8_t group[kBytesPerDspWord] = {};
        const uint32_t first = word * kBytesPerDspWord;
        for (uint32_t i = 0; i < kBytesPerDspWord && first + i < size; ++i)
            group[i] = bytes[first + i];
        array.push_back(swapped ? (uint32_t(group[2]) << 16) | (uint32_t(group[1]) << 8) | group[0]
                                : (uint32_t(group[0]) << 16) | (uint32_t(group[1]) << 8) | group[2]);
    }
    return array;
}

}  // namespace rtas::dsp
