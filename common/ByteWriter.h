// The one writer of stored bytes: everything the preset system stores is little-endian on every target.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

class ByteWriter
{
public:
    void reserve(size_t size) { bytes_.reserve(size); }
    void writeBytes(const void* data, size_t count)
    {
        const auto* p = static_cast<const uint8_t*>(data);
        bytes_.insert(bytes_.end(), p, p + count);
    }
    void writeZeros(size_t count) { bytes_.insert(bytes_.end(), count, 0); }
    void writeUInt8(uint8_t v) { bytes_.push_back(v); }
    void writeUInt32(uint32_t v)
    {
        uint8_t b[4] = {uint8_t(v), uint8_t(v >> 8), uint8_t(v >> 16), uint8_t(v >> 24)};
        writeBytes(b, 4);
    }
    void writeInt32(int32_t v) { writeUInt32(static_cast<uint32_t>(v)); }
    void writeFloat(float v)
    {
        uint32_t u;
        std::memcpy(&u, &v, 4);
        writeUInt32(u);
    }

    const std::vector<uint8_t>& bytes() const { return bytes_; }
    std::vector<uint8_t> take() { return std::move(bytes_); }

private:
    std::vector<uint8_t> bytes_;
};
