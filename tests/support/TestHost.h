// A host callback for unit tests that drive the effect object directly: records every call it gets and answers the
// version request with a settable value.
#pragma once

#include <cstdint>
#include <mutex>
#include <vector>

#include "effect/vst2/EffectRecord.h"

struct HostCall
{
    int32_t opcode;
    int32_t index;
    intptr_t value;
    float opt;
    intptr_t resvd1;  // the record's first reserved word when the call arrived (0 while no host holds the record)
    bool hadRecord;
};

class TestHost
{
public:
    static TestHost& instance()
    {
        static TestHost host;
        return host;
    }

    static intptr_t callback(EffectRecord* effect, int32_t opcode, int32_t index, intptr_t value, void* ptr,
                             float opt)
    {
        TestHost& host = instance();
        std::lock_guard<std::mutex> lock(host.mutex_);
        host.calls_.push_back({opcode, index, value, opt, effect ? effect->resvd1 : 0, effect != nullptr});
        if (opcode == 1)
            return host.version_;
        return 0;
    }

    void reset(intptr_t version = 2400)
    {
        std::lock_guard<std::mutex> lock(mutex_);
        calls_.clear();
        version_ = version;
    }
    std::vector<HostCall> calls()
    {
        std::lock_guard<std::mutex> lock(mutex_);
        return calls_;
    }

private:
    std::mutex mutex_;
    std::vector<HostCall> calls_;
    intptr_t version_ = 2400;
};
