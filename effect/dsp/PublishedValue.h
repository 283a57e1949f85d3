// A value the audio thread writes and other threads read without a lock (the meter). Copyable, unlike std::atomic,
// so the object holding it stays a plain value.
#pragma once

#include <atomic>

template <typename T>
class PublishedValue
{
public:
    PublishedValue(T value = T()) : value_(value) {}
    PublishedValue(const PublishedValue& other) : value_(other.load()) {}
    PublishedValue& operator=(const PublishedValue& other)
    {
        store(other.load());
        return *this;
    }

    T load() const { return value_.load(std::memory_order_relaxed); }
    void store(T value) { value_.store(value, std::memory_order_relaxed); }

private:
    std::atomic<T> value_;
};
