#include "rtas/framework/SharingTokenReader.h"

#include <cstring>

namespace sharing {
namespace {

constexpr int32_t kHighlightOn = kPayload;
constexpr int32_t kHighlightSecond = 40;
constexpr int32_t kHighlightColour = 42;
constexpr int32_t kHighlightFirst = 54;

}  // namespace

TokenReader::TokenReader(const uint8_t* token) : fToken(token), fSize(0)
{
    if (token == nullptr)
        return;
    uint16_t declared = 0;
    std::memcpy(&declared, token + kSize, 2);
    // A token that declares less than its own header holds nothing this reader may trust.
    fSize = declared >= kPayload ? int32_t(declared) : 0;
}

bool TokenReader::ReadWord(int32_t offset, uint32_t* out) const
{
    if (!Holds(offset, 4))
        return false;
    std::memcpy(out, fToken + offset, 4);
    return true;
}

bool TokenReader::ReadShort(int32_t offset, int16_t* out) const
{
    if (!Holds(offset, 2))
        return false;
    std::memcpy(out, fToken + offset, 2);
    return true;
}

bool TokenReader::ReadByte(int32_t offset, uint8_t* out) const
{
    if (!Holds(offset, 1))
        return false;
    *out = fToken[offset];
    return true;
}

uint32_t TokenReader::Type() const
{
    uint32_t type = 0;
    ReadWord(kType, &type);
    return type;
}

uint32_t TokenReader::Subtype() const
{
    uint32_t subtype = 0;
    ReadWord(kSubtype, &subtype);
    return subtype;
}

bool TokenReader::ReadHighlight(HighlightRequest* out) const
{
    HighlightRequest request;
    uint8_t on = 0;
    uint32_t colour = 0;
    if (!ReadByte(kHighlightOn, &on) || !ReadShort(kHighlightFirst, &request.first) ||
        !ReadShort(kHighlightSecond, &request.second) || !ReadWord(kHighlightColour, &colour))
        return false;
    request.on = on != 0;
    request.colour = int32_t(colour);
    *out = request;
    return true;
}

}  // namespace sharing
