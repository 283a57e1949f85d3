// A data-sharing token as plug-in and host exchange it: a host record of native-order words, the record's own size
// at byte 36 and the payload from byte 38 on. Read and written by offset (the payload's words are unaligned).
#pragma once

#include "rtas/framework/host/HostCall.h"

#include <cstdint>
#include <cstring>

namespace sharing {

constexpr int kDestination = 0;
constexpr int kType = 4;
constexpr int kSubtype = 8;
constexpr int kManufacturer = 12;
constexpr int kProtocol = 16;
constexpr int kSource = 20;
constexpr int kSize = 36;  // 16-bit
constexpr int kPayload = 38;
// Room for the largest token either side sends or reads (the highlight request reads up to byte 57).
constexpr int kCapacity = 64;

constexpr uint32_t kManufacturerCode = HostFourCC("DGDN");
constexpr uint32_t kControlProtocol = HostFourCC("Ctrl");
constexpr uint32_t kCurrentValue = HostFourCC("CURV");
constexpr uint32_t kGetValue = HostFourCC("GETV");
constexpr uint32_t kSetValue = HostFourCC("SETV");
constexpr uint32_t kControlValue = HostFourCC("CAVL");
constexpr uint32_t kHighlight = HostFourCC("CHIL");
constexpr uint32_t kTouch = HostFourCC("CTCH");
constexpr uint32_t kGiveAttention = HostFourCC("GIAC");

inline uint32_t Word(const uint8_t* token, int offset)
{
    uint32_t word = 0;
    std::memcpy(&word, token + offset, 4);
    return word;
}
inline int16_t Short(const uint8_t* token, int offset)
{
    int16_t value = 0;
    std::memcpy(&value, token + offset, 2);
    return value;
}
inline void PutWord(uint8_t* token, int offset, uint32_t word) { std::memcpy(token + offset, &word, 4); }
inline void PutShort(uint8_t* token, int offset, int16_t value) { std::memcpy(token + offset, &value, 2); }

}  // namespace sharing
