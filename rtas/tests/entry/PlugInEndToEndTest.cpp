// The plug-in file from open to close as a host drives it: the effect is loaded for an instance and unloaded with
// it, the instance shows the effect's editor size and latency, and closing leaves nothing behind.
#include "PlugInFile.h"

namespace {

constexpr uint32_t kKvss = 3;
constexpr uint32_t kKvas = 4;
constexpr const char* kEffectFile = "Qor Kalvenor.dll";

bool EffectLoaded()
{
    platform::Library probe;
    return probe.attachLoaded(kEffectFile);
}

}  // namespace

TEST_F(PlugInFile, EachInstanceLoadsTheEffectAndItsTeardownUnloadsIt)
{
    ASSERT_EQ(WinOpen(kWinPlugInOpenVersion), 0);
    ASSERT_EQ(CountTypes(), 5);
    EXPECT_FALSE(EffectLoaded()) << "nothing loads the effect before an instance exists";

    int32_t realTime = 0;
    int32_t offline = 0;
    ASSERT_EQ(Routine<19>()(kKvss, &realTime), 0);
    ASSERT_EQ(Routine<19>()(kKvas, &offline), 0);
    EXPECT_TRUE(EffectLoaded());
    int32_t controls = 0;
    Routine<40>()(kKvss, realTime, &controls);
    EXPECT_EQ(controls, 17);
    Routine<40>()(kKvas, offline, &controls);
    EXPECT_EQ(controls, 17);
    Rect editor{};
    EXPECT_EQ(Routine<4>()(kKvss, realTime, &editor), 0);
    EXPECT_GT(editor.right, 0) << "the effect's editor size";
    EXPECT_GT(editor.bottom, 0);
    int16_t delay = -1;
    EXPECT_EQ(Routine<80>()(kKvss, realTime, &delay), 0);
    EXPECT_EQ(delay, 0);

    EXPECT_EQ(Routine<20>()(kKvss, realTime), 0);
    EXPECT_TRUE(EffectLoaded()) << "the AudioSuite instance still holds it";
    EXPECT_EQ(Routine<20>()(kKvas, offline), 0);
    EXPECT_FALSE(EffectLoaded()) << "the last instance's teardown unloads the effect";
    EXPECT_EQ(WinClose(), 0);
    EXPECT_EQ(QorKitLiveLocks(), 0);
    EXPECT_EQ(QorKitLiveSharingNames(), 0);
    EXPECT_EQ(QorKitLiveHostObjects(), 0);
}
