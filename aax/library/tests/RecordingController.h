// A host controller that keeps every packet posted to it.
#pragma once

#include <cstdint>
#include <mutex>
#include <vector>

#include "aax/library/AAX_IController.h"

struct PostedPacket
{
    AAX_CFieldIndex port;
    std::vector<uint8_t> bytes;
};

class RecordingController : public AAX_IController
{
public:
    AAX_Result PostPacket(AAX_CFieldIndex port, const void* data, uint32_t size) override
    {
        std::lock_guard<std::mutex> lock(mutex_);
        const auto* p = static_cast<const uint8_t*>(data);
        posts_.push_back({port, std::vector<uint8_t>(p, p + size)});
        return answer_;
    }
    std::vector<PostedPacket> posts() const
    {
        std::lock_guard<std::mutex> lock(mutex_);
        return posts_;
    }
    void setAnswer(AAX_Result answer) { answer_ = answer; }

private:
    mutable std::mutex mutex_;
    std::vector<PostedPacket> posts_;
    AAX_Result answer_ = AAX_SUCCESS;
};
