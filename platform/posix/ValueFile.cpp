#include "platform/posix/ValueFile.h"

#include <cstring>

#include "common/ByteReader.h"
#include "common/ByteWriter.h"

namespace platform {

namespace {

// file is the whole file the reader walks; the checksum covers file[start, end) once the reader has been there.
bool readValue(ByteReader& reader, const uint8_t* file, std::string& name, StoredValue& value)
{
    const size_t start = reader.position();
    uint8_t type = 0;
    uint32_t nameSize = 0;
    uint32_t dataSize = 0;
    if (!reader.readUInt8(type) || !reader.readUInt32(nameSize) || !reader.readUInt32(dataSize))
        return false;
    if (type != static_cast<uint8_t>(ValueType::Binary) && type != static_cast<uint8_t>(ValueType::Text))
        return false;
    // Sizes are checked against what is left before anything is allocated for them.
    if (nameSize > reader.remaining() || dataSize > reader.remaining() - nameSize ||
        reader.remaining() - nameSize - dataSize < kValueChecksumSize)
        return false;
    name.resize(nameSize);
    value.type = static_cast<ValueType>(type);
    value.data.resize(dataSize);
    if (!reader.readBytes(&name[0], nameSize) || !reader.readBytes(value.data.data(), dataSize))
        return false;
    const size_t end = reader.position();
    uint32_t stored = 0;
    return reader.readUInt32(stored) && crc32(file + start, end - start) == stored;
}

}  // namespace

uint32_t crc32(const uint8_t* bytes, size_t size)
{
    uint32_t crc = 0xFFFFFFFFu;
    for (size_t i = 0; i < size; ++i) {
        crc ^= bytes[i];
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

std::vector<uint8_t> encodeValueFile(const StoredValues& values)
{
    ByteWriter writer;
    writer.writeBytes(kValueFileMagic, sizeof kValueFileMagic);
    writer.writeUInt32(kValueFileVersion);
    writer.writeUInt32(static_cast<uint32_t>(values.size()));
    for (const auto& entry : values) {
        const size_t start = writer.bytes().size();
        writer.writeUInt8(static_cast<uint8_t>(entry.second.type));
        writer.writeUInt32(static_cast<uint32_t>(entry.first.size()));
        writer.writeUInt32(static_cast<uint32_t>(entry.second.data.size()));
        writer.writeBytes(entry.first.data(), entry.first.size());
        writer.writeBytes(entry.second.data.data(), entry.second.data.size());
        const auto& bytes = writer.bytes();
        writer.writeUInt32(crc32(bytes.data() + start, bytes.size() - start));
    }
    return writer.take();
}

bool decodeValueFile(const uint8_t* bytes, size_t size, StoredValues& values)
{
    values.clear();
    ByteReader reader(bytes, size);
    uint8_t magic[sizeof kValueFileMagic];
    uint32_t version = 0;
    uint32_t count = 0;
    if (!reader.readBytes(magic, sizeof magic) || std::memcmp(magic, kValueFileMagic, sizeof magic) != 0 ||
        !reader.readUInt32(version) || version != kValueFileVersion || !reader.readUInt32(count))
        return false;
    for (uint32_t i = 0; i < count; ++i) {
        std::string name;
        StoredValue value;
        if (!readValue(reader, bytes, name, value))
            return false;
        values[name] = std::move(value);
    }
    return reader.remaining() == 0;
}

}  // namespace platform
