#include "hosts/rtas/toolbox/ResourceFileFormat.h"

#include "common/ByteReader.h"

namespace qorkit {
namespace {

constexpr uint32_t kMagic = 0x51525346;  // "QRSF"

void putWord(std::vector<uint8_t>& out, uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(uint8_t(value >> shift));
}

}  // namespace

std::optional<std::vector<StoredResource>> parseResourceFile(const uint8_t* bytes, size_t size)
{
    ByteReader reader(bytes, size, /*swap=*/true);
    uint32_t magic = 0;
    uint32_t count = 0;
    if (!reader.readUInt32(magic) || magic != kMagic || !reader.readUInt32(count))
        return std::nullopt;
    std::vector<StoredResource> resources;
    for (uint32_t i = 0; i < count; ++i) {
        StoredResource resource;
        int32_t id = 0;
        uint8_t nameLength = 0;
        uint32_t dataSize = 0;
        if (!reader.readUInt32(resource.type) || !reader.readInt32(id) || id < -32768 || id > 32767 ||
            !reader.readUInt8(nameLength))
            return std::nullopt;
        resource.id = int16_t(id);
        resource.name.resize(nameLength);
        if (!reader.readBytes(resource.name.data(), nameLength) || !reader.readUInt32(dataSize) ||
            dataSize > reader.remaining())
            return std::nullopt;
        resource.data.resize(dataSize);
        reader.readBytes(resource.data.data(), dataSize);
        resources.push_back(std::move(resource));
    }
    if (reader.remaining() != 0)
        return std::nullopt;
    return resources;
}

std::vector<uint8_t> writeResourceFile(const std::vector<StoredResource>& resources)
{
    std::vector<uint8_t> out;
    putWord(out, kMagic);
    putWord(out, uint32_t(resources.size()));
    for (const auto& resource : resources) {
        putWord(out, resource.type);
        putWord(out, uint32_t(int32_t(resource.id)));
        const size_t nameLength = resource.name.size() < 255 ? resource.name.size() : 255;
        out.push_back(uint8_t(nameLength));
        out.insert(out.end(), resource.name.begin(), resource.name.begin() + long(nameLength));
        putWord(out, uint32_t(resource.data.size()));
        out.insert(out.end(), resource.data.begin(), resource.data.end());
    }
    return out;
}

}  // namespace qorkit
