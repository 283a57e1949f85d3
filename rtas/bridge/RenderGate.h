// The door between an instance's render and its teardown. The host may still deliver a render while its main thread
// deletes the instance; the render must then either finish before anything it uses goes, or see a stopped instance
// and touch nothing of the instance's audio state. Entering announces the render before it looks at the stopped
// mark, and stopping sets the mark before it looks for renders inside (both sequentially consistent), so of a render
// and a stop that start together at least one sees the other: never check-then-act. No lock, no allocation.
#pragma once

#include <atomic>
#include <cstdint>
#include <thread>

class RenderGate
{
public:
    // Audio thread (or the main thread for offline renders). True: the render may use the instance until Leave().
    // False: the instance has stopped; the render must not touch its audio state (and must not call Leave()).
    bool Enter()
    {
        fInside.fetch_add(1, std::memory_order_seq_cst);
        if (!fStopped.load(std::memory_order_seq_cst))
            return true;
        fInside.fetch_sub(1, std::memory_order_seq_cst);
        return false;
    }
    void Leave() { fInside.fetch_sub(1, std::memory_order_seq_cst); }

    // Main thread, from the instance's teardown. After it returns no render is inside and none will enter; the
    // waiting spins (the render it waits for never blocks). Calling it again returns at once.
    void Stop()
    {
        fStopped.store(true, std::memory_order_seq_cst);
        while (fInside.load(std::memory_order_seq_cst) != 0)
            std::this_thread::yield();
    }
    bool IsStopped() const { return fStopped.load(std::memory_order_seq_cst); }
    // Renders inside at this moment (for tests and the teardown's own checks).
    int32_t Inside() const { return fInside.load(std::memory_order_seq_cst); }

private:
    std::atomic<int32_t> fInside{0};
    std::atomic<bool> fStopped{false};
};

// Holds the gate open for one render: enters on construction, leaves on destruction when it entered.
class RenderGateEntry
{
public:
    explicit RenderGateEntry(RenderGate& gate) : fGate(gate), fEntered(gate.Enter()) {}
    ~RenderGateEntry()
    {
        if (fEntered)
            fGate.Leave();
    }
    RenderGateEntry(const RenderGateEntry&) = delete;
    RenderGateEntry& operator=(const RenderGateEntry&) = delete;
    bool Entered() const { return fEntered; }

private:
    RenderGate& fGate;
    bool fEntered;
};
