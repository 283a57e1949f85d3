#include "aax/library/AAX_CChunkDataParser.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <string>

#include "aax/library/AAX_VHostServices.h"
#include "common/ByteReader.h"

namespace {

constexpr size_t roundUp4(size_t n) { return (n + 3) & ~size_t(3); }

const char* prefixOf(ChunkDataEntry::Type type)
{
    switch (type) {
    case ChunkDataEntry::kFloat: return "f_";
    case ChunkDataEntry::kInt32: return "l_";
    case ChunkDataEntry::kDouble: return "d_";
    case ChunkDataEntry::kInt16: return "s_";
    case ChunkDataEntry::kString: return "r_";
    default: return nullptr;  // untyped entries carry no value and are not written
    }
}

// Bytes of the value as written, before the padding after it.
size_t valueBytes(const ChunkDataEntry& entry)
{
    switch (entry.type) {
    case ChunkDataEntry::kDouble: return 8;
    case ChunkDataEntry::kInt16: return 2;
    case ChunkDataEntry::kString: return entry.text.Length() + 1;
    default: return 4;
    }
}

// Bytes from the value's start to the next entry.
size_t valueStride(const ChunkDataEntry& entry)
{
    switch (entry.type) {
    case ChunkDataEntry::kDouble: return 8;
    case ChunkDataEntry::kString: return roundUp4(entry.text.Length() + 1);
    default: return 4;
    }
}

void storeBigEndian(uint8_t* out, uint64_t value, size_t bytes)
{
    for (size_t i = 0; i < bytes; ++i)
        out[i] = uint8_t(value >> (8 * (bytes - 1 - i)));
}

}  // namespace

void AAX_CChunkDataParser::AppendDouble(const char* name, double value)
{
    ChunkDataEntry entry;
    entry.type = ChunkDataEntry::kDouble;
    entry.name.Set(name);
    std::memcpy(&entry.value, &value, 8);
    entries_.push_back(std::move(entry));
}

void AAX_CChunkDataParser::AppendInt32(const char* name, int32_t value)
{
    ChunkDataEntry entry;
    entry.type = ChunkDataEntry::kInt32;
    entry.name.Set(name);
    entry.value = uint32_t(value);
    entries_.push_back(std::move(entry));
}

void AAX_CChunkDataParser::AppendString(const char* name, const AAX_IString& text)
{
    ChunkDataEntry entry;
    entry.type = ChunkDataEntry::kString;
    entry.name.Set(name);
    entry.text.Set(text.Get());
    entries_.push_back(std::move(entry));
}

int32_t AAX_CChunkDataParser::ComputeChunkDataSize() const
{
    uint64_t size = 4;
    for (const ChunkDataEntry& entry : entries_)
        if (prefixOf(entry.type))
            size += roundUp4(entry.name.Length() + 3) + valueStride(entry);
    return size > uint64_t(std::numeric_limits<int32_t>::max()) ? -1 : int32_t(size);
}

AAX_Result AAX_CChunkDataParser::GetChunkData(AAX_HostChunk* chunk) const
{
    const int32_t size = ComputeChunkDataSize();
    chunk->size = size;
    if (size <= 0)
        return size;
    uint8_t* data = chunk->Data();
    std::memset(data, 0, size_t(size));
    storeBigEndian(data, kMagic, 4);
    size_t position = 4;
    for (const ChunkDataEntry& entry : entries_) {
        const char* prefix = prefixOf(entry.type);
        if (!prefix)
            continue;
        const size_t nameLength = entry.name.Length();
        const size_t valuePosition = roundUp4(position + 2 + nameLength + 1);
        const size_t count = valueBytes(entry);
        if (valuePosition + count > size_t(size)) {
            AAX_Log(kAAXLogError, "AAX_CChunkDataParser::GetChunkData ERROR: %s",
                    "aborting: chunk data will overflow buffer");
            return AAX_ERROR_CHUNK_DATA_OVERFLOW;
        }
        std::memcpy(data + position, prefix, 2);
        std::memcpy(data + position + 2, entry.name.Get(), nameLength + 1);
        if (entry.type == ChunkDataEntry::kString)
            std::memcpy(data + valuePosition, entry.text.Get(), count);  // already in byte order, with its NUL
        else
            storeBigEndian(data + valuePosition, entry.value, count);
        position = valuePosition + valueStride(entry);
    }
    return AAX_SUCCESS;
}

void AAX_CChunkDataParser::ParseChunk(const AAX_HostChunk* chunk)
{
    ResetLastFoundAndVersion();
    entries_.clear();
    if (!chunk)
        return;
    chunkVersion_ = chunk->version;
    if (chunk->size <= 4)
        return;
    const size_t size = size_t(chunk->size);
    const uint8_t* data = chunk->Data();
    ByteReader reader(data, size, true);  // big-endian
    uint32_t magic = 0;
    if (!reader.readUInt32(magic) || magic != kMagic)
        return;

    size_t position = 4;
    while (position < size) {
        const size_t limit = std::min(kMaxPrefixedName, size - position);
        const void* nul = std::memchr(data + position, 0, limit);
        if (!nul)
            return;  // no end of the name inside the record (or within 255 bytes): nothing further is trusted
        const size_t nameLength = static_cast<const uint8_t*>(nul) - (data + position);
        const std::string prefixed(reinterpret_cast<const char*>(data + position), nameLength);
        const size_t valuePosition = roundUp4(position + nameLength + 1);

        ChunkDataEntry entry;
        entry.name.Set(prefixed.size() > 2 ? prefixed.c_str() + 2 : "");
        size_t next = valuePosition;
        // A value that would begin or run past the end ends the reading.
        ByteReader value = reader;
        const bool valueInside = value.seek(valuePosition);
        switch (nameLength > 0 ? prefixed[0] : 0) {
        case 'd': {
            uint32_t high = 0, low = 0;
            if (!valueInside || !value.readUInt32(high) || !value.readUInt32(low))
                return;
            entry.type = ChunkDataEntry::kDouble;
            entry.value = uint64_t(high) << 32 | low;
            next = valuePosition + 8;
            break;
        }
        case 'f':
        case 'l': {
            uint32_t bits = 0;
            if (!valueInside || !value.readUInt32(bits))
                return;
            entry.type = prefixed[0] == 'f' ? ChunkDataEntry::kFloat : ChunkDataEntry::kInt32;
            entry.value = bits;
            next = valuePosition + 4;
            break;
        }
        case 's': {
            uint8_t b[2];
            if (!valueInside || !value.readBytes(b, 2))
                return;
            entry.type = ChunkDataEntry::kInt16;
            entry.value = uint16_t(b[0] << 8 | b[1]);
            next = valuePosition + 4;
            break;
        }
        case 'r': {
            if (!valueInside)
                return;
            const void* end = std::memchr(data + valuePosition, 0, size - valuePosition);
            if (!end)
                return;  // a text without its NUL inside the record
            const size_t length = static_cast<const uint8_t*>(end) - (data + valuePosition);
            entry.type = ChunkDataEntry::kString;
            entry.text.Set(std::string(reinterpret_cast<const char*>(data + valuePosition), length).c_str());
            next = roundUp4(valuePosition + length + 1);
            break;
        }
        default:
            break;  // an untyped entry that no lookup accepts; the next one starts where its value would
        }
        entries_.push_back(std::move(entry));
        position = next;
    }
}

int32_t AAX_CChunkDataParser::IndexOfName(const char* name)
{
    const char* wanted = name ? name : "";
    const int32_t count = int32_t(entries_.size());
    const bool fromStart = lastFound_ < 0 || lastFound_ >= count - 1;
    const int32_t first = fromStart ? 0 : lastFound_ + 1;
    for (int32_t step = 0; step < count; ++step) {
        const int32_t i = (first + step) % count;
        if (std::strcmp(entries_[size_t(i)].name.Get(), wanted) == 0) {
            lastFound_ = i;
            return i;
        }
    }
    if (fromStart)
        lastFound_ = -1;
    return -1;
}

const ChunkDataEntry* AAX_CChunkDataParser::Find(const char* name, ChunkDataEntry::Type type)
{
    const int32_t index = IndexOfName(name);
    if (index < 0 || entries_[size_t(index)].type != type)
        return nullptr;
    return &entries_[size_t(index)];
}

bool AAX_CChunkDataParser::ReadDouble(const char* name, double* value)
{
    const ChunkDataEntry* entry = Find(name, ChunkDataEntry::kDouble);
    if (!entry || !value)
        return false;
    std::memcpy(value, &entry->value, 8);
    return true;
}

bool AAX_CChunkDataParser::ReadInt32(const char* name, int32_t* value)
{
    const ChunkDataEntry* entry = Find(name, ChunkDataEntry::kInt32);
    if (!entry || !value)
        return false;
    *value = int32_t(uint32_t(entry->value));
    return true;
}

bool AAX_CChunkDataParser::ReadString(const char* name, AAX_IString* text)
{
    const ChunkDataEntry* entry = Find(name, ChunkDataEntry::kString);
    if (!entry || !text)
        return false;
    text->Set(entry->text.Get());
    return true;
}
