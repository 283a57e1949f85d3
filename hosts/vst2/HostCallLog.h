// The host callbacks an effect has sent, kept so tests and the tool can see what the effect asked for.
#pragma once

#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

namespace vst2host {

struct HostCall
{
    int32_t opcode = 0;
    int32_t index = 0;
    intptr_t value = 0;
    float opt = 0.0f;
    // False when the call arrived without a record this host holds: a null record, or one whose resvd1
    // was not yet set because the entry point had not returned.
    bool fromHeldRecord = false;
    // The text behind the pointer for requests that carry one (can-do).
    std::string text;
};

// Any thread: the effect may call back from its GUI, automation or audio thread.
class HostCallLog
{
public:
    void add(HostCall call);
    std::vector<HostCall> calls() const;
    std::vector<HostCall> callsWithOpcode(int32_t opcode) const;
    void clear();

private:
    mutable std::mutex mutex_;
    std::vector<HostCall> calls_;
};

}  // namespace vst2host
