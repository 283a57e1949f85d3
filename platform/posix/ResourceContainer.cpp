#include "platform/posix/ResourceContainer.h"

#include "common/ByteReader.h"

#include <cstring>

namespace platform {

bool findContainerResource(const uint8_t* data, size_t size, const char* type, int32_t id, const uint8_t** resource,
                           uint32_t* resourceSize)
{
    if (type == nullptr)
        return false;
    ByteReader reader(data, size);
    char magic[8];
    uint32_t count = 0;
    if (!reader.readBytes(magic, sizeof magic) || std::memcmp(magic, kResourceContainerMagic, sizeof magic) != 0 ||
        !reader.readUInt32(count))
        return false;
    const size_t typeLength = std::strlen(type);
    for (uint32_t entry = 0; entry < count; ++entry) {
        uint8_t nameLength = 0;
        char name[256];
        int32_t entryID = 0;
        uint32_t entrySize = 0;
        if (!reader.readUInt8(nameLength) || !reader.readBytes(name, nameLength) || !reader.readInt32(entryID) ||
            !reader.readUInt32(entrySize) || entrySize > reader.remaining())
            return false;
        if (entryID == id && nameLength == typeLength && std::memcmp(name, type, typeLength) == 0) {
            if (resource != nullptr)
                *resource = data + reader.position();
            if (resourceSize != nullptr)
                *resourceSize = entrySize;
            return true;
        }
        reader.skip(entrySize);
    }
    return false;
}

}  // namespace platform
