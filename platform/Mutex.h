// An unnamed operating-system mutex, not owned at creation. Like the Windows mutex it stands for, the owning thread
// may take it again (each take needs its own release).
#pragma once

#include <cstdint>
#include <memory>

namespace platform {

class Mutex
{
public:
    Mutex();
    ~Mutex();
    Mutex(const Mutex&) = delete;
    Mutex& operator=(const Mutex&) = delete;

    // False when the operating system could not create it; callers then skip every lock step.
    bool valid() const;
    // Waits at most timeoutMs milliseconds; true when the calling thread now holds the mutex.
    bool lockFor(uint32_t timeoutMs);
    // Waits without a time limit; true when held.
    bool lock();
    void unlock();

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace platform
