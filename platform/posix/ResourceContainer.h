// The resources of a library file where the system keeps none in its libraries: a container of our own, read
// bounded from the bytes of the file.
//
// Layout (little-endian): the eight bytes "QORRSRC1", a 32-bit entry count, then per entry a type name (one length
// byte and that many characters), a signed 32-bit id, a 32-bit size and that many bytes.
#pragma once

#include <cstddef>
#include <cstdint>

namespace platform {

constexpr char kResourceContainerMagic[9] = "QORRSRC1";

// Finds the first entry of this type and id. False when the bytes are not a whole container up to that entry, or
// the entry is not there; never reads past size.
bool findContainerResource(const uint8_t* data, size_t size, const char* type, int32_t id, const uint8_t** resource,
                           uint32_t* resourceSize);

}  // namespace platform
