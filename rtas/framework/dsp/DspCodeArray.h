// DSP code as the DSI loads it into a DSP: a resource's bytes laid out as one array of 32-bit words, either as they
// stand (a byte count, then the bytes) or converted into 24-bit DSP words (a word count, a zero, then one word per
// three bytes). Any thread; no state.
#pragma once

#include "rtas/framework/host/HostCall.h"

#include <cstdint>
#include <vector>

namespace rtas::dsp {

// Resources of this type store each DSP word least significant byte first; all others most significant first.
constexpr uint32_t kByteSwappedCodeType = HostFourCC("SACD");

// The byte count, then the bytes (the last word padded with zeros).
std::vector<uint32_t> MakeCodeByteArray(const uint8_t* bytes, uint32_t size);
// The word count, 0, then one word per three bytes. A resource whose length is no multiple of three ends in a word
// whose missing bytes are zero: nothing past the resource is read, and none of its bytes is dropped.
std::vector<uint32_t> MakeCodeWordArray(const uint8_t* bytes, uint32_t size, uint32_t resourceType);

}  // namespace rtas::dsp
