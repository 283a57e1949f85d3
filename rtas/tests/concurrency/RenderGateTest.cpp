// The door between a render and the teardown of its instance, under ThreadSanitizer and AddressSanitizer: renders
// keep arriving while the instance stops and frees what they use; every render either finishes before the free or
// sees the stop and touches nothing.
#include "rtas/bridge/RenderGate.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

namespace {

// What a render uses and the teardown frees: rows the render writes.
struct Rows
{
    std::vector<float> samples = std::vector<float>(256, 0.0f);
};

// One render as the instance runs it: through the gate, or the stopped way that uses nothing of the instance.
int Render(RenderGate& gate, Rows* const& rows, std::vector<float>& output)
{
    RenderGateEntry entry(gate);
    if (!entry.Entered()) {
        std::fill(output.begin(), output.end(), 1.0f);  // the input passes
        return 0;
    }
    for (size_t i = 0; i < rows->samples.size(); ++i)
        rows->samples[i] += 0.5f;
    std::copy(rows->samples.begin(), rows->samples.end(), output.begin());
    return 1;
}

TEST(RenderGate, RendersRacingTheTeardownNeverTouchWhatItFrees)
{
    for (int round = 0; round < 200; ++round) {
        RenderGate gate;
        auto* rows = new Rows;
        Rows* const shared = rows;
        std::atomic<bool> started{false};
        std::atomic<bool> done{false};
        int stoppedRenders = 0;
        std::thread engine([&] {
            std::vector<float> output(256);
            // Renders go on past the free, until three have met the stopped gate.
            while (!done.load() || stoppedRenders < 3) {
                if (Render(gate, shared, output) == 0)
                    ++stoppedRenders;
                started = true;
            }
        });
        while (!started.load())
            std::this_thread::yield();
        gate.Stop();
        delete rows;  // the instance's parts go while renders still arrive
        done = true;
        engine.join();
        EXPECT_TRUE(gate.IsStopped());
    }
}

TEST(RenderGate, StopWaitsForTheRenderInsideAndLaterRendersStayOut)
{
    RenderGate gate;
    std::atomic<bool> inside{false};
    std::atomic<bool> release{false};
    std::thread engine([&] {
        RenderGateEntry entry(gate);
        ASSERT_TRUE(entry.Entered());
        inside = true;
        while (!release.load())
            std::this_thread::yield();
    });
    while (!inside.load())
        std::this_thread::yield();
    std::atomic<bool> stopped{false};
    std::thread teardown([&] {
        gate.Stop();
        stopped = true;
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_FALSE(stopped.load()) << "the stop returned while a render was inside";
    release = true;
    engine.join();
    teardown.join();
    EXPECT_TRUE(stopped.load());
    EXPECT_TRUE(gate.IsStopped());
    EXPECT_FALSE(gate.Enter());
    EXPECT_EQ(gate.Inside(), 0);
    gate.Stop();  // again: returns at once
}

}  // namespace
