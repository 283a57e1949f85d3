// Streams as a processor of the other byte order writes them, for tests and seed corpora: every 32-bit field of the
// header and the records swapped, the name bytes not.
#pragma once

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

namespace testsupport {

inline void swapWordAt(std::vector<uint8_t>& bytes, size_t offset)
{
    std::swap(bytes.at(offset), bytes.at(offset + 3));
    std::swap(bytes.at(offset + 1), bytes.at(offset + 2));
}

inline uint32_t littleEndianWordAt(const std::vector<uint8_t>& bytes, size_t offset)
{
    return uint32_t(bytes.at(offset)) | uint32_t(bytes.at(offset + 1)) << 8 | uint32_t(bytes.at(offset + 2)) << 16 |
           uint32_t(bytes.at(offset + 3)) << 24;
}

// Swaps the native stream that starts at `start` in place. With swapId the unique ID swaps too (as in a file written
// on the other processor); without it the ID stays as the readers' callers compare it.
inline void swapStream(std::vector<uint8_t>& bytes, size_t start, bool swapId)
{
    constexpr size_t kHeaderSize = 41;
    const std::vector<uint8_t> native = bytes;
    if (swapId)
        swapWordAt(bytes, start);
    for (size_t offset = start + 5; offset + 4 <= start + kHeaderSize; offset += 4)
        swapWordAt(bytes, offset);
    for (size_t at = start + kHeaderSize; at + 12 <= native.size();) {
        const uint32_t type = littleEndianWordAt(native, at);
        const uint32_t length = littleEndianWordAt(native, at + 4);
        for (size_t k = 0; k < 3; ++k)
            swapWordAt(bytes, at + 4 * k);
        if (type != 0)  // name records hold bytes
            for (size_t k = 0; k < length / 4; ++k)
                swapWordAt(bytes, at + 12 + 4 * k);
        at += 12 + length;
    }
}

inline std::vector<uint8_t> foreignStream(std::vector<uint8_t> native, bool swapId)
{
    swapStream(native, 0, swapId);
    return native;
}

}  // namespace testsupport
