// setParameter against a lock held longer than its wait: the bank lock (state work on another thread) or the effect
// mutex (an audio block that stalls). Run under ThreadSanitizer in CI.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "effect/QorFETcomp.h"
#include "platform/Mutex.h"
#include "tests/support/TestHost.h"

namespace {

class LockedEffect : public QorFETcomp
{
public:
    LockedEffect() : QorFETcomp(&TestHost::callback) {}
    using QorFETcomp::effectMutex;
};

TEST(ParameterWait, GivesUpAfter500MsDroppingTheValueAndLeavesTheHoldersLockAlone)
{
    for (bool effectMutex : {true, false}) {
        SCOPED_TRACE(effectMutex ? "effect mutex held" : "bank lock held");
        TestHost::instance().reset();
        auto* effect = new LockedEffect;
        EffectRecord* record = effect->getRecord();
        record->setParameter(record, 8, 0.25f);
        platform::Mutex* mutex = effectMutex ? effect->effectMutex() : effect->bankMutex();
        ASSERT_NE(mutex, nullptr);

        std::atomic<bool> held{false}, release{false};
        std::thread holder([&] {
            mutex->lock();
            held.store(true);
            while (!release.load())
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            mutex->unlock();
        });
        while (!held.load())
            std::this_thread::yield();

        const auto started = std::chrono::steady_clock::now();
        record->setParameter(record, 8, 0.75f);
        const auto took = std::chrono::steady_clock::now() - started;
        EXPECT_GE(took, std::chrono::milliseconds(490));
        EXPECT_LT(took, std::chrono::milliseconds(2000));
        EXPECT_EQ(record->getParameter(record, 8), 0.25f) << "the change was dropped";

        // The holder still holds it: the caller that never got it released nothing.
        bool free = true;
        std::thread probe([&] {
            free = mutex->lockFor(0);
            if (free)
                mutex->unlock();
        });
        probe.join();
        EXPECT_FALSE(free);

        release.store(true);
        holder.join();
        record->setParameter(record, 8, 0.75f);
        EXPECT_EQ(record->getParameter(record, 8), 0.75f) << "once the lock is free, changes land again";
        EXPECT_EQ(effect->program(effect->getCurrentProgramIndex())->values[8], 0.75f);
        record->dispatcher(record, 1, 0, 0, nullptr, 0.0f);
    }
}

}  // namespace
