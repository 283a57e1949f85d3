// The JUCE build the AAX plug-in stands on: its message thread runs, a Timer fires on it, and work posted from another
// thread reaches it. Under ThreadSanitizer this also shows JUCE is built instrumented (an uninstrumented lock
// between the two threads would be reported as a race).
#include <juce_events/juce_events.h>
#include <juce_gui_basics/juce_gui_basics.h>

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <thread>

#if defined(_WIN32)
#include <windows.h>
#endif

namespace {

// Runs the message thread (this thread) until `done` answers true or `timeoutMs` have passed, as a host's GUI thread
// would: Linux through JUCE's own loop, Windows through ordinary Win32 messages to JUCE's hidden window.
bool pumpUntil(const std::function<bool()>& done, int timeoutMs)
{
    const auto end = juce::Time::getMillisecondCounter() + static_cast<juce::uint32>(timeoutMs);
    while (!done()) {
        if (juce::Time::getMillisecondCounter() >= end)
            return false;
#if defined(_WIN32)
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        Sleep(1);
#else
        juce::MessageManager::getInstance()->runDispatchLoopUntil(5);
#endif
    }
    return true;
}

class CountingTimer : public juce::Timer {
public:
    void timerCallback() override
    {
        if (!juce::MessageManager::existsAndIsCurrentThread())
            offMessageThread = true;
        if (++fired == 3)
            stopTimer();
    }

    std::atomic<int> fired{0};
    std::atomic<bool> offMessageThread{false};
};

class JuceMessageThread : public ::testing::Test {
protected:
    juce::ScopedJuceInitialiser_GUI juce;
};

TEST_F(JuceMessageThread, TimerFiresRepeatedlyOnTheMessageThreadAndStops)
{
    ASSERT_TRUE(juce::MessageManager::getInstance()->isThisTheMessageThread());
    CountingTimer timer;
    timer.startTimer(10);
    ASSERT_TRUE(pumpUntil([&] { return timer.fired >= 3; }, 5000)) << "fired " << timer.fired << " times";
    EXPECT_FALSE(timer.offMessageThread);
    EXPECT_FALSE(timer.isTimerRunning());
    // A stopped timer stays quiet.
    pumpUntil([] { return false; }, 100);
    EXPECT_EQ(timer.fired, 3);
}

TEST_F(JuceMessageThread, CallsPostedFromAnotherThreadRunOnTheMessageThreadInOrder)
{
    constexpr int kCalls = 50;
    std::atomic<int> next{0};
    std::atomic<bool> outOfOrder{false};
    std::atomic<bool> offMessageThread{false};
    std::thread poster([&] {
        for (int i = 0; i < kCalls; ++i) {
            juce::MessageManager::callAsync([&, i] {
                if (!juce::MessageManager::existsAndIsCurrentThread())
                    offMessageThread = true;
                if (next.load() != i)
                    outOfOrder = true;
                next = i + 1;
            });
        }
    });
    const bool finished = pumpUntil([&] { return next == kCalls; }, 5000);
    poster.join();
    ASSERT_TRUE(finished) << "ran " << next << " of " << kCalls << " calls";
    EXPECT_FALSE(outOfOrder);
    EXPECT_FALSE(offMessageThread);
}

}  // namespace
