// The kit's resource-file format: the typed, numbered and named resources of a plug-in, each stored as the plug-in
// reads it (big-endian fields). All numbers of the format itself are big-endian too:
//
//   "QRSF"  magic
//   u32     resource count
//   per resource: u32 type (four-character code), i32 id (-32768..32767), u8 name length, name bytes,
//                 u32 data size, data bytes
//
// The reader is bounded by the bytes it is given and refuses the whole file on any inconsistency.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace qorkit {

struct StoredResource
{
    uint32_t type = 0;
    int16_t id = 0;
    std::string name;
    std::vector<uint8_t> data;
};

std::optional<std::vector<StoredResource>> parseResourceFile(const uint8_t* bytes, size_t size);
std::vector<uint8_t> writeResourceFile(const std::vector<StoredResource>& resources);

}  // namespace qorkit
