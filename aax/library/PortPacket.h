// One data packet of a component's data port: the bytes the dispatcher posts to the host's audio side.
#pragma once

#include <cstdint>
#include <cstring>
#include <vector>

#include "aax/library/AAX_Types.h"

class PortPacket
{
public:
    explicit PortPacket(AAX_CFieldIndex port) : port_(port), data_(kInitialBytes, 0) {}

    AAX_CFieldIndex port() const { return port_; }
    bool dirty() const { return dirty_; }
    void setDirty(bool dirty) { dirty_ = dirty; }

    // The last writer's value: its size, and the buffer cut or grown to exactly that size.
    void store(const void* value, uint32_t size)
    {
        size_ = size;
        data_.resize(size);
        if (size)
            std::memcpy(data_.data(), value, size);
    }
    template <typename T>
    void storeValue(const T& value)
    {
        store(&value, sizeof value);
    }

    uint32_t size() const { return size_; }
    const uint8_t* data() const { return data_.data(); }

private:
    static constexpr size_t kInitialBytes = 8;

    AAX_CFieldIndex port_;
    bool dirty_ = true;  // a new packet goes out on the first walk, changed or not
    uint32_t size_ = 0;
    std::vector<uint8_t> data_;
};
