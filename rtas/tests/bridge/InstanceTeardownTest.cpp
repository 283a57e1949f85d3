// The host deletes a real-time instance while its engine still renders it: once the deletion has begun every render
// that reaches the instance passes the input and touches nothing of the effect, the rows or the rings, and the
// engine's road to the instance is withdrawn before any of them goes. Run under AddressSanitizer as well.
#include "rtas/tests/bridge/InstanceFixture.h"

#include <atomic>
#include <thread>

namespace {

using namespace instancetest;

TEST_F(WrapperInstance, RendersArrivingDuringDeletionPassTheInput)
{
    ConfigureRecording(0);
    MakeGroup(&NewRecordingRTAS, &NewRecordingASP);
    ASSERT_EQ(Routine<14>()(&QorKitComponentCallback), 0);
    Make(kKvss, &NewRecordingRTAS, &NewRecordingASP);
    const int32_t index = fIndex;
    void* plugIn = QorKitFindPlugIn(HostFourCC("Kvss"), index);
    ASSERT_NE(plugIn, nullptr);
    fInputRecords.assign(2, rtas::SConnectionRecord{});
    fOutputRecords.assign(2, rtas::SConnectionRecord{});
    for (int32_t i = 0; i < 2; ++i) {
        ASSERT_EQ(Routine<30>()(kKvss, index, i + 1, &fInputRecords[size_t(i)]), 0);
        ASSERT_EQ(Routine<32>()(kKvss, index, i + 1, &fOutputRecords[size_t(i)]), 0);
    }
    RecordingLog& log = RecordingEffectLog();
    log.closeEntered = 0;
    log.holdClose = 1;

    // The engine: one host buffer after the other, each checked once the deletion is known to be under way.
    std::atomic<bool> stop{false};
    std::atomic<int32_t> duringDeletion{0};
    std::atomic<int32_t> wrong{0};
    std::thread engine([&] {
        const std::vector<float> left = Signal(64, 0), right = Signal(64, 1);
        std::vector<float> inLeft = left, inRight = right;
        std::vector<float> outLeft(64), outRight(64);
        while (!stop.load()) {
            const bool deleting = log.closeEntered.load() != 0;
            std::fill(outLeft.begin(), outLeft.end(), -1.0f);
            std::fill(outRight.begin(), outRight.end(), -1.0f);
            float* slots[5] = {inLeft.data(), inRight.data(), nullptr, outLeft.data(), outRight.data()};
            int32_t answer = 0;
            if (QorKitRenderOnce(plugIn, slots, 5, nullptr, 0, 64, &answer) != 0)
                continue;
            if (deleting) {
                ++duringDeletion;
                if (outLeft != left || outRight != right)
                    ++wrong;
            }
        }
    });
    std::atomic<bool> deleted{false};
    std::thread host([&] {
        EXPECT_EQ(Routine<20>()(kKvss, index), 0);
        deleted = true;
    });
    // The deletion has stopped the render and is closing the effect: renders keep arriving meanwhile.
    while (log.closeEntered.load() == 0)
        std::this_thread::yield();
    while (duringDeletion.load() < 50)
        std::this_thread::yield();
    EXPECT_FALSE(deleted.load());
    // The engine stops before the instance lets go of its plug-in object, as a host stops rendering what it is
    // told is gone.
    stop = true;
    engine.join();
    log.holdClose = 0;
    host.join();
    EXPECT_TRUE(deleted.load());
    EXPECT_EQ(wrong.load(), 0) << "a render during the deletion reached the effect or the rows";
    EXPECT_EQ(QorKitFindPlugIn(HostFourCC("Kvss"), index), nullptr) << "the engine's road is withdrawn";
}

}  // namespace
