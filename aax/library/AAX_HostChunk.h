// The host's chunk record: a fixed header and then the data. The host allocates it with the size the plug-in
// answered to its size query; the plug-in fills or reads the data behind the header.
#pragma once

#include <cstddef>
#include <cstdint>

#include "aax/library/AAX_Types.h"

struct AAX_HostChunk
{
    int32_t size;         // number of data bytes after the header
    int32_t version;      // controls-state chunks carry their parser's version (-1 when saved)
    uint32_t reserved[3];  // the host's; never touched
    AAX_CTypeID identifier;  // set by the host
    char name[32];        // zero-terminated, at most 31 characters

    static constexpr size_t kHeaderBytes = 56;
    static constexpr size_t kNameBytes = 32;

    uint8_t* Data() { return reinterpret_cast<uint8_t*>(this) + kHeaderBytes; }
    const uint8_t* Data() const { return reinterpret_cast<const uint8_t*>(this) + kHeaderBytes; }
};

static_assert(offsetof(AAX_HostChunk, size) == 0, "chunk size at 0");
static_assert(offsetof(AAX_HostChunk, version) == 4, "chunk version at 4");
static_assert(offsetof(AAX_HostChunk, identifier) == 20, "chunk identifier at 20");
static_assert(offsetof(AAX_HostChunk, name) == 24, "chunk name at 24");
static_assert(sizeof(AAX_HostChunk) == AAX_HostChunk::kHeaderBytes, "chunk data at 56");
