// How the plug-in and the RTAS host call each other's services: C names with the stdcall convention of 32-bit x86
// (on Windows the names are then decorated _Name@bytes, which is how the host's libraries export them). A 64-bit
// compiler has one convention only and ignores the attribute, so it is left out there.
#pragma once

#include <cstdint>

#if defined(__i386__)
#define QOR_HOST_CALL __attribute__((stdcall))
#else
#define QOR_HOST_CALL
#endif

// A host object, handle or interface as the host passes it: one pointer-sized word (32 bits on the plug-in's
// platform).
using HostWord = intptr_t;

// A four-character code spelled most significant byte first.
constexpr uint32_t HostFourCC(const char (&text)[5])
{
    return (uint32_t(uint8_t(text[0])) << 24) | (uint32_t(uint8_t(text[1])) << 16) |
           (uint32_t(uint8_t(text[2])) << 8) | uint32_t(uint8_t(text[3]));
}
