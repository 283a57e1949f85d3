// UTF-8 checks that match what the Windows registry accepts, so text refused there is refused here too.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace platform {

// Length in UTF-16 code units of well-formed UTF-8 text; false for malformed text (cut sequences, overlong forms,
// surrogates, code points past U+10FFFF).
inline bool utf16Length(const std::string& text, size_t& units)
{
    units = 0;
    const size_t size = text.size();
    size_t i = 0;
    while (i < size) {
        const uint8_t lead = static_cast<uint8_t>(text[i]);
        size_t extra = 0;
        uint32_t codePoint = 0;
        uint32_t smallest = 0;
        if (lead < 0x80) {
            codePoint = lead;
        } else if (lead >= 0xC2 && lead <= 0xDF) {
            extra = 1;
            codePoint = lead & 0x1Fu;
            smallest = 0x80;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            extra = 2;
            codePoint = lead & 0x0Fu;
            smallest = 0x800;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            extra = 3;
            codePoint = lead & 0x07u;
            smallest = 0x10000;
        } else {
            return false;
        }
        if (extra > size - i - 1)
            return false;
        for (size_t k = 1; k <= extra; ++k) {
            const uint8_t next = static_cast<uint8_t>(text[i + k]);
            if ((next & 0xC0u) != 0x80u)
                return false;
            codePoint = (codePoint << 6) | (next & 0x3Fu);
        }
        if (codePoint < smallest || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF))
            return false;
        units += codePoint >= 0x10000 ? 2 : 1;
        i += extra + 1;
    }
    return true;
}

}  // namespace platform
