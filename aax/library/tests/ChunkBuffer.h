// A host chunk record of exactly the header and the given data bytes on the heap, so that the address sanitizer
// sees any read or write past the data.
#pragma once

#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

#include "aax/library/AAX_HostChunk.h"

class ChunkBuffer
{
public:
    explicit ChunkBuffer(size_t dataBytes, AAX_CTypeID identifier = 0)
        : bytes_(new uint8_t[AAX_HostChunk::kHeaderBytes + dataBytes]()), dataBytes_(dataBytes)
    {
        chunk()->size = int32_t(dataBytes);
        chunk()->identifier = identifier;
    }
    ChunkBuffer(const std::vector<uint8_t>& data, AAX_CTypeID identifier = 0) : ChunkBuffer(data.size(), identifier)
    {
        if (!data.empty())
            std::memcpy(chunk()->Data(), data.data(), data.size());
    }

    AAX_HostChunk* chunk() { return reinterpret_cast<AAX_HostChunk*>(bytes_.get()); }
    std::vector<uint8_t> data() const
    {
        const uint8_t* p = bytes_.get() + AAX_HostChunk::kHeaderBytes;
        return std::vector<uint8_t>(p, p + dataBytes_);
    }

private:
    std::unique_ptr<uint8_t[]> bytes_;
    size_t dataBytes_;
};
