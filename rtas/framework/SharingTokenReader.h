// Reads a data-sharing token that reached the instance from the host: every field read is bounded by the size the
// token declares for itself (byte 36), so a short token is never read past its end. Main thread, under the group's
// context lock (the instance's idle).
#pragma once

#include "rtas/framework/host/SharingToken.h"

#include <cstdint>

namespace sharing {

// A highlight request ('SETV'/'CHIL') of a control surface for one control's view.
struct HighlightRequest
{
    bool on = false;
    int16_t first = 0;   // the 16-bit value at 54
    int16_t second = 0;  // the 16-bit value at 40
    int32_t colour = 0;  // the 32-bit value at 42
};

class TokenReader
{
public:
    // token: the host's record, at least its 38-byte header.
    explicit TokenReader(const uint8_t* token);

    // The size the token declares (0 when it declares less than its header).
    int32_t Size() const { return fSize; }
    // Each answers false, leaving out alone, when the field does not lie whole inside the declared size.
    bool ReadWord(int32_t offset, uint32_t* out) const;
    bool ReadShort(int32_t offset, int16_t* out) const;
    bool ReadByte(int32_t offset, uint8_t* out) const;

    // Type and subtype; 0 for a token shorter than its header.
    uint32_t Type() const;
    uint32_t Subtype() const;
    // False when the token is too short to hold the whole request.
    bool ReadHighlight(HighlightRequest* out) const;

private:
    bool Holds(int32_t offset, int32_t bytes) const { return offset >= 0 && offset + bytes <= fSize; }

    const uint8_t* fToken;
    int32_t fSize;
};

}  // namespace sharing
