#include "hosts/vst2/HostCallLog.h"

#include <utility>

namespace vst2host {

void HostCallLog::add(HostCall call)
{
    std::lock_guard<std::mutex> lock(mutex_);
    calls_.push_back(std::move(call));
}

std::vector<HostCall> HostCallLog::calls() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return calls_;
}

std::vector<HostCall> HostCallLog::callsWithOpcode(int32_t opcode) const
{
    std::lock_guard<std::mutex> lock(mutex_);
    std::vector<HostCall> matching;
    for (const HostCall& call : calls_)
        if (call.opcode == opcode)
            matching.push_back(call);
    return matching;
}

void HostCallLog::clear()
{
    std::lock_guard<std::mutex> lock(mutex_);
    calls_.clear();
}

}  // namespace vst2host
