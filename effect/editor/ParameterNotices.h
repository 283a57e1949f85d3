// Parameter changes the effect reports from any thread, kept until the GUI thread shows them: the latest value of
// each parameter and a bit saying it has not been shown yet. Lock-free and allocation-free. A value is stored before
// its bit is set, so whoever takes the bit finds that value or a later one; a value stored after the bit was taken
// sets the bit again and is shown the next time.
#pragma once

#include <atomic>
#include <cstdint>

class ParameterNotices
{
public:
    static constexpr int32_t kCount = 32;

    // Any thread. Indices outside 0..kCount-1 are ignored.
    void post(int32_t index, float value)
    {
        if (index < 0 || index >= kCount)
            return;
        values_[index].store(value, std::memory_order_relaxed);
        pending_.fetch_or(1u << index, std::memory_order_release);
    }
    // The parameters posted since the last take, one bit each; read their values with value().
    uint32_t take() { return pending_.exchange(0, std::memory_order_acquire); }
    float value(int32_t index) const { return values_[index].load(std::memory_order_relaxed); }
    void clear() { pending_.store(0, std::memory_order_relaxed); }

private:
    std::atomic<float> values_[kCount] = {};
    std::atomic<uint32_t> pending_{0};
};
