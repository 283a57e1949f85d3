// A data-sharing token as the host hands it to an RTAS instance's idle: the type words and a control surface's
// highlight request, every read bounded by the size the token declares. The host never declares more than it
// allocated, so the copy is as long as the declared size at most.
#include "rtas/framework/SharingTokenReader.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < size_t(sharing::kPayload))
        return 0;
    // An exact copy, so a read past the end lands outside the allocation.
    std::vector<uint8_t> token(data, data + size);
    uint16_t declared = 0;
    std::memcpy(&declared, token.data() + sharing::kSize, 2);
    declared = uint16_t(std::min<size_t>(declared, size));
    std::memcpy(token.data() + sharing::kSize, &declared, 2);
    token.resize(std::max<size_t>(declared, size_t(sharing::kPayload)));

    const sharing::TokenReader reader(token.data());
    volatile uint32_t sink = reader.Type() ^ reader.Subtype();
    sharing::HighlightRequest request;
    if (reader.ReadHighlight(&request))
        sink = sink ^ uint32_t(request.colour) ^ uint32_t(request.first) ^ uint32_t(request.second);
    for (int32_t offset = -4; offset < int32_t(token.size()) + 4; ++offset) {
        uint32_t word = 0;
        int16_t half = 0;
        uint8_t byte = 0;
        if (reader.ReadWord(offset, &word) || reader.ReadShort(offset, &half) || reader.ReadByte(offset, &byte))
            sink = sink ^ word ^ uint32_t(half) ^ byte;
    }
    (void)sink;
    return 0;
}
