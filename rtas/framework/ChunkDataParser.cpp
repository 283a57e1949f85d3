#include "rtas/framework/ChunkDataParser.h"

#include "common/ByteReader.h"

#include <cstring>

namespace {

constexpr size_t kMaximumNameLength = 255;

size_t PaddedNameSize(size_t nameLength) { return (nameLength + 1 + 3) / 4 * 4; }

void PutBigEndian(uint8_t* out, uint64_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out[i] = uint8_t(value >> (8 * (bytes - 1 - i)));
}

}  // namespace

void ChunkDataParser::Clear()
{
    fNames.clear();
    fTypes.clear();
    fDoubles.clear();
    fLongs.clear();
    fLastHit = -1;
}

void ChunkDataParser::AddDouble(const std::string& key, double value)
{
    fNames.push_back(key);
    fTypes.push_back(kDouble);
    fDoubles.push_back(value);
    fLongs.push_back(0);
}

void ChunkDataParser::AddLong(const std::string& key, int32_t value)
{
    fNames.push_back(key);
    fTypes.push_back(kLong);
    fDoubles.push_back(0.0);
    fLongs.push_back(value);
}

int32_t ChunkDataParser::GetBodySize() const
{
    size_t size = 4;
    for (size_t i = 0; i < fNames.size(); ++i)
        size += PaddedNameSize(2 + fNames[i].size()) + (fTypes[i] == kDouble ? 8 : 4);
    return int32_t(size);
}

bool ChunkDataParser::WriteChunk(SFicPlugInChunk* chunk, size_t capacity) const
{
    const size_t bodySize = size_t(GetBodySize());
    if (chunk == nullptr || capacity < size_t(kPlugInChunkHeaderSize) + bodySize)
        return false;
    chunk->size = int32_t(bodySize) + kPlugInChunkHeaderSize;
    uint8_t* body = chunk->body;
    std::memset(body, 0, bodySize);
    PutBigEndian(body, kMagic, 4);
    size_t offset = 4;
    for (size_t i = 0; i < fNames.size(); ++i) {
        const std::string name = (fTypes[i] == kDouble ? "d_" : "l_") + fNames[i];
        std::memcpy(body + offset, name.data(), name.size());
        offset += PaddedNameSize(name.size());
        if (fTypes[i] == kDouble) {
            uint64_t bits = 0;
            std::memcpy(&bits, &fDoubles[i], 8);
            PutBigEndian(body + offset, bits, 8);
            offset += 8;
        } else {
            PutBigEndian(body + offset, uint32_t(fLongs[i]), 4);
            offset += 4;
        }
    }
    return true;
}

void ChunkDataParser::ReadChunk(const SFicPlugInChunk* chunk, size_t available)
{
    Clear();
    if (chunk == nullptr || available < size_t(kPlugInChunkHeaderSize))
        return;
    int32_t size = 0;
    std::memcpy(&size, chunk, sizeof size);
    if (size < kPlugInChunkHeaderSize)
        return;
    const size_t bodySize = std::min(size_t(size), available) - size_t(kPlugInChunkHeaderSize);
    ReadBody(reinterpret_cast<const uint8_t*>(chunk) + kPlugInChunkHeaderSize, bodySize);
}

void ChunkDataParser::ReadBody(const uint8_t* body, size_t size)
{
    Clear();
    ByteReader reader(body, size, /*big-endian*/ true);
    uint32_t magic = 0;
    if (!reader.readUInt32(magic) || magic != kMagic)
        return;
    while (reader.remaining() > 0) {
        const size_t start = reader.position();
        const size_t limit = std::min(reader.remaining(), kMaximumNameLength + 1);
        const void* end = std::memchr(body + start, 0, limit);
        if (end == nullptr)
            return;
        const size_t nameLength = size_t(static_cast<const uint8_t*>(end) - (body + start));
        const std::string name(reinterpret_cast<const char*>(body + start), nameLength);
        // The padding may run past the body only when nothing follows; then there is no value either.
        if (!reader.skip(PaddedNameSize(nameLength)))
            return;
        ValueType type = kNone;
        double number = 0.0;
        int32_t integer = 0;
        switch (name.empty() ? '\0' : name[0]) {
        case 'd': {
            uint32_t high = 0;
            uint32_t low = 0;
            if (!reader.readUInt32(high) || !reader.readUInt32(low))
                return;
            const uint64_t bits = (uint64_t(high) << 32) | low;
            std::memcpy(&number, &bits, 8);
            type = kDouble;
            break;
        }
        case 'f': {
            float single = 0.0f;
            if (!reader.readFloat(single))
                return;
            number = single;
            type = kFloat;
            break;
        }
        case 'l':
            if (!reader.readInt32(integer))
                return;
            type = kLong;
            break;
        case 's': {
            uint32_t word = 0;
            if (!reader.readUInt32(word))
                return;
            integer = int16_t(uint16_t(word >> 16));
            type = kShort;
            break;
        }
        default:
            // The size of a value of an unknown type cannot be known: nothing after it can be read reliably.
            return;
        }
        fNames.push_back(name.size() > 2 ? name.substr(2) : std::string());
        fTypes.push_back(type);
        fDoubles.push_back(number);
        fLongs.push_back(integer);
    }
}

bool ChunkDataParser::Find(const std::string& key, ValueType wanted, size_t* position)
{
    const size_t count = fNames.size();
    for (size_t step = 1; step <= count; ++step) {
        const size_t i = size_t(fLastHit + int32_t(step)) % count;
        if (fNames[i] == key) {
            fLastHit = int32_t(i);
            *position = i;
            return fTypes[i] == wanted;
        }
    }
    return false;
}

bool ChunkDataParser::FindDouble(const std::string& key, double* value)
{
    size_t i = 0;
    if (!Find(key, kDouble, &i))
        return false;
    *value = fDoubles[i];
    return true;
}

bool ChunkDataParser::FindLong(const std::string& key, int32_t* value)
{
    size_t i = 0;
    if (!Find(key, kLong, &i))
        return false;
    *value = fLongs[i];
    return true;
}

bool ChunkDataParser::GetEntry(size_t i, std::string* key, ValueType* type, double* number, int32_t* integer) const
{
    if (i >= fNames.size())
        return false;
    *key = fNames[i];
    *type = fTypes[i];
    *number = fDoubles[i];
    *integer = fLongs[i];
    return true;
}
