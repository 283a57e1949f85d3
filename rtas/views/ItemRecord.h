// One entry of a dialog item list as the host's resource services deliver it in memory (integers in the processor's
// order): a reserved handle slot, the item's rectangle, its kind byte, and n bytes of item data (the text, or a
// 16-bit resource ID). Entries follow each other with the data padded to an even length.
#pragma once

#include "rtas/framework/host/PlugInRecords.h"

#include <cstddef>
#include <cstdint>

namespace rtas::views {

struct ItemRecord
{
    uint32_t reserved;
    Rect rect;
    uint8_t kind;    // bit 7 disabled; bits 2-6 the item kind; bits 0-1 the control kind
    uint8_t length;  // n
    uint8_t data[255];
};
static_assert(offsetof(ItemRecord, rect) == 4, "rectangle at offset 4");
static_assert(offsetof(ItemRecord, kind) == 12, "kind byte at offset 12");
static_assert(offsetof(ItemRecord, length) == 13, "data length at offset 13");
static_assert(offsetof(ItemRecord, data) == 14, "item data at offset 14");

constexpr size_t kItemRecordHeaderSize = 14;

enum ItemKind : uint8_t
{
    kUserItem = 0,
    kControlItem = 4,
    kStaticTextItem = 8,
    kEditTextItem = 16,
    kIconItem = 32,
    kPictureItem = 64,
};

inline bool ItemIsEnabled(const ItemRecord& item) { return (item.kind & 0x80) == 0; }

}  // namespace rtas::views
