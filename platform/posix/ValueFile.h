// The bytes of one key's value file.
//
// Little-endian throughout:
//   header  magic "QKVS" (4 bytes), format version (uint32, 1), value count (uint32)
//   value   type (uint8: 1 binary, 2 text), name size (uint32), data size (uint32),
//           name (UTF-8), data (text as UTF-8 without a terminating null), CRC-32 of the value's bytes from type to
//           the end of data (uint32)
//
// A damaged file is read as far as it is intact: a header that is short, foreign or of another version gives no
// values; otherwise every value up to the first one that is cut short, of unknown type, or fails its checksum is
// kept, and everything from there on is dropped (the next write then stores only what was kept).
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace platform {

enum class ValueType : uint8_t
{
    Binary = 1,
    Text = 2,
};

struct StoredValue
{
    ValueType type = ValueType::Binary;
    std::vector<uint8_t> data;
};

using StoredValues = std::map<std::string, StoredValue>;

constexpr uint8_t kValueFileMagic[4] = {'Q', 'K', 'V', 'S'};
constexpr uint32_t kValueFileVersion = 1;
constexpr size_t kValueFileHeaderSize = 12;
constexpr size_t kValueChecksumSize = 4;
// A value file beyond this is not read (nor written): no key of ours comes near it, and it bounds the memory a
// foreign or runaway file can take.
constexpr size_t kMaxValueFileSize = 64u << 20;

std::vector<uint8_t> encodeValueFile(const StoredValues& values);
// Decodes as much as is intact into values (emptied first); true when the whole file was intact.
bool decodeValueFile(const uint8_t* bytes, size_t size, StoredValues& values);

uint32_t crc32(const uint8_t* bytes, size_t size);

}  // namespace platform
