#include "rtas/views/ItemList.h"

#include "rtas/framework/CDAEError.h"

#include <cstring>

namespace rtas::views {
namespace {

int16_t Be16(const uint8_t* p) { return int16_t((uint16_t(p[0]) << 8) | p[1]); }

}  // namespace

ItemListReader::ItemListReader(const uint8_t* bytes, int32_t size) : fBytes(bytes), fSize(size)
{
    if (bytes == nullptr || size < 2)
        throw CDAEError(-7400);
    fCount = Be16(bytes) + 1;
    if (fCount < 0)
        fCount = 0;
}

bool ItemListReader::Next(ItemRecord* item)
{
    if (fRead >= fCount)
        return false;
    if (fSize - fAt < int32_t(kItemRecordHeaderSize))
        throw CDAEError(-7400);
    const uint8_t* p = fBytes + fAt;
    const int32_t length = p[13];
    if (fSize - fAt - int32_t(kItemRecordHeaderSize) < length)
        throw CDAEError(-7400);
    std::memset(item, 0, sizeof *item);
    item->rect = Rect{Be16(p + 4), Be16(p + 6), Be16(p + 8), Be16(p + 10)};
    item->kind = p[12];
    item->length = uint8_t(length);
    std::memcpy(item->data, p + kItemRecordHeaderSize, size_t(length));
    fAt += int32_t(kItemRecordHeaderSize) + length + (length & 1);
    ++fRead;
    return true;
}

int16_t ItemResourceID(const ItemRecord& item)
{
    return item.length >= 2 ? Be16(item.data) : int16_t(-1);
}

}  // namespace rtas::views
