// Reads the items of a dialog item list resource ('DITL', big-endian as stored: an int16 holding the number of
// items minus one, then per item 4 reserved bytes, the rectangle, the kind byte, the data length n and n data bytes
// padded to an even length) into item records in the processor's order. Every read stays inside the resource: an
// item that does not fit ends the list with -7400 rather than reading past it.
#pragma once

#include "rtas/views/ItemRecord.h"

#include <cstdint>

namespace rtas::views {

class ItemListReader
{
public:
    ItemListReader(const uint8_t* bytes, int32_t size);
    // The next item; false after the last. -7400 for a list that claims more than its bytes hold.
    bool Next(ItemRecord* item);
    int32_t ItemCount() const { return fCount; }

private:
    const uint8_t* fBytes;
    int32_t fSize;
    int32_t fAt = 2;
    int32_t fCount = 0;
    int32_t fRead = 0;
};

// The 16-bit resource ID that icon, picture and resource-control items carry in their data (big-endian as stored);
// -1 when the data is too short to hold one.
int16_t ItemResourceID(const ItemRecord& item);

}  // namespace rtas::views
