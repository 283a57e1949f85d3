#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "platform/Mutex.h"

namespace {

using Clock = std::chrono::steady_clock;

// What another thread gets from lockFor(timeoutMs), and how long it waited; it lets go again when it got it.
bool otherThreadTakes(platform::Mutex& mutex, uint32_t timeoutMs, std::chrono::milliseconds& waited)
{
    bool taken = false;
    std::thread other([&] {
        const auto start = Clock::now();
        taken = mutex.lockFor(timeoutMs);
        waited = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start);
        if (taken)
            mutex.unlock();
    });
    other.join();
    return taken;
}

TEST(MutexTest, LockForTimesOutWhileAnotherThreadHoldsIt)
{
    platform::Mutex mutex;
    ASSERT_TRUE(mutex.valid());
    ASSERT_TRUE(mutex.lock());
    std::chrono::milliseconds waited{0};
    EXPECT_FALSE(otherThreadTakes(mutex, 50, waited));
    // The Windows tick behind the wait is coarse (10-16 ms); it still must not give up early by more than that.
    EXPECT_GE(waited.count(), 35);
    EXPECT_LT(waited.count(), 2000);
    mutex.unlock();
    EXPECT_TRUE(otherThreadTakes(mutex, 50, waited));
}

TEST(MutexTest, OwnerTakesItAgainAndHoldsItUntilEveryTakeIsReleased)
{
    platform::Mutex mutex;
    ASSERT_TRUE(mutex.valid());
    ASSERT_TRUE(mutex.lockFor(50));
    ASSERT_TRUE(mutex.lockFor(0));
    ASSERT_TRUE(mutex.lock());
    std::chrono::milliseconds waited{0};
    mutex.unlock();
    mutex.unlock();
    EXPECT_FALSE(otherThreadTakes(mutex, 20, waited));
    mutex.unlock();
    EXPECT_TRUE(otherThreadTakes(mutex, 20, waited));
}

}  // namespace
