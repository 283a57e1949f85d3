// A flag by which the audio thread and the GUI thread keep out of each other's way without a system lock: the
// audio thread must never block on the GUI thread's scheduler, so the waiting side spins. Taking the flag is one
// atomic exchange, so two threads can never both see it clear and both take it.
#pragma once

#include <atomic>
#include <cstdint>
#include <thread>

class BusyFlag
{
public:
    // Spins until the flag was clear, and leaves it set. Any thread.
    void acquire()
    {
        while (flag_.exchange(1, std::memory_order_seq_cst) != 0)
            pause();
    }
    void set() { flag_.store(1, std::memory_order_seq_cst); }
    void clear() { flag_.store(0, std::memory_order_seq_cst); }
    bool isSet() const { return flag_.load(std::memory_order_seq_cst) != 0; }
    // Spins until the flag is clear (re-reading it each time); does not take it.
    void waitUntilClear() const
    {
        while (isSet())
            pause();
    }

private:
    static void pause() { std::this_thread::yield(); }

    std::atomic<int32_t> flag_{0};
};
