#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <memory>
#include <thread>
#include <future>
#include <string>
#include <vector>

#include "aax/library/AAX_CPacketDispatcher.h"
#include "aax/library/AAX_CPacketHandler.h"
#include "aax/library/tests/RecordingController.h"

namespace {

// A handler worker that stores its tag as the packet's value and records which identifier it was called for.
struct Filler
{
    int32_t tag = 0;
    AAX_Result answer = AAX_SUCCESS;
    mutable std::vector<std::string> calls;
    // Run inside the handler, on the same thread, while the dispatcher's walk holds its mutex.
    std::function<void()> inside;

    AAX_Result fill(AAX_CParamID identifier, PortPacket& packet) const
    {
        calls.push_back(identifier);
        if (inside)
            inside();
        packet.storeValue(tag);
        return answer;
    }
    AAX_Result fillPacketOnly(PortPacket& packet) const
    {
        calls.push_back("(packet)");
        packet.storeValue(tag);
        return answer;
    }
};

AAX_CPacketHandler<Filler> handlerOf(const Filler& filler)
{
    return AAX_CPacketHandler<Filler>(&filler, &Filler::fill);
}

std::vector<uint8_t> bytesOf(int32_t v)
{
    const auto* p = reinterpret_cast<const uint8_t*>(&v);
    return std::vector<uint8_t>(p, p + 4);
}

struct DispatcherTest : ::testing::Test
{
    RecordingController controller;
    AAX_CPacketDispatcher dispatcher;
    DispatcherTest() { dispatcher.Initialize(&controller, nullptr); }
};

}  // namespace

TEST_F(DispatcherTest, NewBypassPacketGoesOutOnTheFirstWalkOnlyUntilMarkedAgain)
{
    EXPECT_EQ(dispatcher.SendDirty(), AAX_SUCCESS);
    EXPECT_TRUE(controller.posts().empty()) << "nothing registered, nothing posted";

    Filler filler;
    filler.tag = 7;
    EXPECT_EQ(dispatcher.RegisterBypassPacket(handlerOf(filler)), AAX_SUCCESS);
    EXPECT_EQ(dispatcher.SendDirty(), AAX_SUCCESS);
    ASSERT_EQ(controller.posts().size(), 1u);
    EXPECT_EQ(controller.posts()[0].port, 3);
    EXPECT_EQ(controller.posts()[0].bytes, bytesOf(7));
    EXPECT_EQ(filler.calls, std::vector<std::string>{"MasterBypassID"});

    EXPECT_EQ(dispatcher.SendDirty(), AAX_SUCCESS);
    EXPECT_EQ(controller.posts().size(), 1u) << "clean after the walk";

    EXPECT_EQ(dispatcher.MarkDirty("0"), AAX_SUCCESS);
    EXPECT_EQ(dispatcher.MarkDirty("MasterBypass"), AAX_SUCCESS);  // a prefix is another identifier
    EXPECT_EQ(dispatcher.MarkDirty(nullptr), AAX_SUCCESS);
    dispatcher.SendDirty();
    EXPECT_EQ(controller.posts().size(), 1u) << "unregistered identifiers mark nothing";

    filler.tag = 9;
    dispatcher.MarkDirty("MasterBypassID");
    dispatcher.SendDirty();
    ASSERT_EQ(controller.posts().size(), 2u);
    EXPECT_EQ(controller.posts()[1].bytes, bytesOf(9));
}

TEST_F(DispatcherTest, SharedPacketIsFilledOncePerWalkByTheFirstEntry)
{
    Filler first, second;
    first.tag = 1;
    second.tag = 2;
    dispatcher.RegisterBypassPacket(handlerOf(first));
    dispatcher.RegisterBypassPacket(handlerOf(second));
    dispatcher.SendDirty();
    dispatcher.MarkDirty("MasterBypassID");
    dispatcher.SendDirty();

    EXPECT_EQ(first.calls.size(), 2u);
    EXPECT_TRUE(second.calls.empty()) << "the flag is clear by the second entry";
    ASSERT_EQ(controller.posts().size(), 2u);
    EXPECT_EQ(controller.posts()[1].bytes, bytesOf(1));
}

TEST_F(DispatcherTest, FailingHandlerPostsNothingAndClearsTheFlag)
{
    Filler failing;
    failing.answer = -5;
    dispatcher.RegisterBypassPacket(handlerOf(failing));
    EXPECT_EQ(dispatcher.SendDirty(), AAX_SUCCESS) << "a handler's failure is not returned";
    EXPECT_TRUE(controller.posts().empty());
    dispatcher.SendDirty();
    EXPECT_EQ(failing.calls.size(), 1u) << "flag cleared although nothing was posted";
}

TEST_F(DispatcherTest, WalkAnswersTheHostsResultOfTheLastPost)
{
    Filler filler;
    dispatcher.RegisterBypassPacket(handlerOf(filler));
    controller.setAnswer(-20004);
    EXPECT_EQ(dispatcher.SendDirty(), -20004);
    EXPECT_EQ(controller.posts().size(), 1u);
}

TEST_F(DispatcherTest, HandlerCallbacksAreChosenIdentifierFirst)
{
    Filler filler;
    AAX_CPacketHandler<Filler> packetOnly(&filler, nullptr, &Filler::fillPacketOnly);
    AAX_CPacketHandler<Filler> both(&filler, &Filler::fill, &Filler::fillPacketOnly);
    AAX_CPacketHandler<Filler> neither(&filler, nullptr, nullptr);
    PortPacket packet(3);

    EXPECT_EQ(packetOnly.Call("x", packet), AAX_SUCCESS);
    EXPECT_EQ(both.Call("y", packet), AAX_SUCCESS);
    EXPECT_EQ(neither.Call("z", packet), AAX_ERROR_NULL_OBJECT);
    EXPECT_EQ(filler.calls, (std::vector<std::string>{"(packet)", "y"}));

    std::unique_ptr<AAX_IPacketHandler> clone(both.Clone());
    EXPECT_EQ(clone->Call("w", packet), AAX_SUCCESS);
    EXPECT_EQ(filler.calls.back(), "w");
}

TEST(PortPacket, WriterSetsSizeAndBufferToItsValue)
{
    PortPacket packet(3);
    EXPECT_TRUE(packet.dirty());
    EXPECT_EQ(packet.size(), 0u);
    packet.storeValue(double(1.0));
    EXPECT_EQ(packet.size(), 8u);
    packet.storeValue(int32_t(1));
    EXPECT_EQ(packet.size(), 4u);
    EXPECT_EQ(std::vector<uint8_t>(packet.data(), packet.data() + 4), bytesOf(1));
}

TEST_F(DispatcherTest, SameThreadNestsOperationsAndOnlyTheOutermostReleases)
{
    Filler filler;
    int nested = 0;
    // From inside the walk: further operations on the same thread must not wait for the mutex the walk holds.
    filler.inside = [&] {
        if (nested++ == 0) {
            dispatcher.MarkDirty("MasterBypassID");
            dispatcher.SendDirty();
        }
    };
    dispatcher.RegisterBypassPacket(handlerOf(filler));
    dispatcher.SendDirty();
    EXPECT_EQ(nested, 2) << "the inner walk found the packet marked again and filled it";

    // Released once, by the outer walk: another thread gets the mutex now.
    auto other = std::async(std::launch::async, [&] { return dispatcher.MarkDirty("MasterBypassID"); });
    ASSERT_EQ(other.wait_for(std::chrono::seconds(10)), std::future_status::ready);
    EXPECT_EQ(other.get(), AAX_SUCCESS);
}

TEST(OwnerTrackedMutex, OnlyTheOutermostGuardHoldsTheLock)
{
    OwnerTrackedMutex mutex;
    ASSERT_TRUE(mutex.valid());
    auto outer = std::make_unique<ScopedMutexLock>(&mutex);
    EXPECT_TRUE(outer->holds());
    {
        ScopedMutexLock inner(&mutex);
        EXPECT_FALSE(inner.holds());
    }
    // The inner guard's end left the mutex with the outer one: another thread still waits for it.
    std::atomic<bool> taken{false};
    std::thread other([&] {
        ScopedMutexLock guard(&mutex);
        taken = true;
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_FALSE(taken.load());
    outer.reset();
    other.join();
    EXPECT_TRUE(taken.load());

    ScopedMutexLock none(nullptr);
    EXPECT_FALSE(none.holds());
}
