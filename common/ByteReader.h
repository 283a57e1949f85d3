// The one reader of untrusted bytes: chunks, streams, files and registry values. It answers "not enough bytes"
// instead of reading on. Values are stored little-endian; a swapped reader takes them big-endian (a stream written
// on a processor of the other byte order).
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

class ByteReader
{
public:
    ByteReader(const void* data, size_t size, bool swap = false)
        : data_(static_cast<const uint8_t*>(data)), size_(data ? size : 0), swap_(swap)
    {
    }

    size_t size() const { return size_; }
    size_t position() const { return position_; }
    size_t remaining() const { return size_ - position_; }
    bool swapped() const { return swap_; }

    bool seek(size_t position)
    {
        if (position > size_)
            return false;
        position_ = position;
        return true;
    }
    bool skip(size_t count)
    {
        if (count > remaining())
            return false;
        position_ += count;
        return true;
    }
    bool readBytes(void* out, size_t count)
    {
        if (count > remaining())
            return false;
        if (count)
            std::memcpy(out, data_ + position_, count);
        position_ += count;
        return true;
    }
    bool readUInt8(uint8_t& out) { return readBytes(&out, 1); }
    bool readUInt32(uint32_t& out)
    {
        uint8_t b[4];
        if (!readBytes(b, 4))
            return false;
        out = swap_ ? (uint32_t(b[0]) << 24 | uint32_t(b[1]) << 16 | uint32_t(b[2]) << 8 | uint32_t(b[3]))
                    : (uint32_t(b[3]) << 24 | uint32_t(b[2]) << 16 | uint32_t(b[1]) << 8 | uint32_t(b[0]));
        return true;
    }
    bool readInt32(int32_t& out)
    {
        uint32_t u;
        if (!readUInt32(u))
            return false;
        out = static_cast<int32_t>(u);
        return true;
    }
    bool readFloat(float& out)
    {
        uint32_t u;
        if (!readUInt32(u))
            return false;
        std::memcpy(&out, &u, 4);
        return true;
    }
    // A bounded view of count bytes from the current position (same byte order); empty when they are not there.
    ByteReader slice(size_t count) const
    {
        if (count > remaining())
            return ByteReader(nullptr, 0, swap_);
        return ByteReader(data_ + position_, count, swap_);
    }

private:
    const uint8_t* data_;
    size_t size_;
    size_t position_ = 0;
    bool swap_;
};

inline uint32_t byteSwap32(uint32_t v)
{
    return (v >> 24) | ((v >> 8) & 0xFF00u) | ((v << 8) & 0xFF0000u) | (v << 24);
}
