#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

#include "aax/library/AAX_CPacketDispatcher.h"
#include "aax/library/AAX_CPacketHandler.h"
#include "aax/library/tests/RecordingController.h"

namespace {

// Reads a value other threads write, and nests a dispatcher call inside the walk as the effect-parameters object's
// callbacks do.
struct SharedValue
{
    AAX_CPacketDispatcher* dispatcher = nullptr;
    std::atomic<int32_t> value{0};
    AAX_Result fill(AAX_CParamID, PortPacket& packet) const
    {
        dispatcher->MarkDirty("none");
        packet.storeValue(value.load());
        return AAX_SUCCESS;
    }
};

}  // namespace

TEST(PacketDispatcherThreads, MarkAndSendFromSeveralThreadsKeepTheTablesWhole)
{
    RecordingController controller;
    AAX_CPacketDispatcher dispatcher;
    dispatcher.Initialize(&controller, nullptr);
    SharedValue shared;
    shared.dispatcher = &dispatcher;
    dispatcher.RegisterBypassPacket(AAX_CPacketHandler<SharedValue>(&shared, &SharedValue::fill));

    constexpr int kRounds = 2000;
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t)
        threads.emplace_back([&, t] {
            for (int i = 0; i < kRounds; ++i) {
                if (t % 2 == 0) {
                    shared.value = i;
                    dispatcher.MarkDirty("MasterBypassID");
                } else {
                    dispatcher.SendDirty();
                }
            }
        });
    for (auto& thread : threads)
        thread.join();
    dispatcher.MarkDirty("MasterBypassID");
    dispatcher.SendDirty();

    const auto posts = controller.posts();
    ASSERT_FALSE(posts.empty());
    for (const auto& post : posts) {
        EXPECT_EQ(post.port, 3);
        EXPECT_EQ(post.bytes.size(), 4u);
    }
}
