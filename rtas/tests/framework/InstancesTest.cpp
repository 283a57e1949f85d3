// Creating and deleting instances through the routines: numbering, the live count, the shared objects the first
// instance brings and the last takes away, and the two faults of the original design that must not come back.
#include "FrameworkFixture.h"

using namespace testsupport;

namespace {

class Instances : public FrameworkTest
{
protected:
    int32_t Value(uint32_t type, int32_t index, int32_t control = 0)
    {
        int32_t value = 0;
        const int32_t result = Routine<45>()(type, index, control, &value);
        return result == 0 ? value : result;
    }
};

TEST_F(Instances, TheSmallestFreeIndexIsReused)
{
    TestEffectGroup& group = MakeGroup();
    EXPECT_EQ(CreateInstance(kKvss), 1);
    EXPECT_EQ(CreateInstance(kKvss), 2);
    EXPECT_EQ(CreateInstance(kKvss), 3);
    EXPECT_EQ(Routine<20>()(kKvss, 2), 0);
    EXPECT_EQ(CreateInstance(kKvss), 2);
    EXPECT_EQ(Routine<20>()(kKvss, 1), 0);
    EXPECT_EQ(CreateInstance(kKvss), 1);
    EXPECT_EQ(CreateInstance(kKvss), 4);
    // Each type numbers its own instances.
    EXPECT_EQ(CreateInstance(kKvmm), 1);
    EXPECT_EQ(group.CountLiveInstances(), 5);
    EXPECT_EQ(Value(kKvss, 2), 2 * 1000 + 100 * kKvss);
    EXPECT_EQ(Value(kKvmm, 1), 1000 + 100 * kKvmm);
}

TEST_F(Instances, DeletingAnInstanceThatDoesNotExistChangesNothing)
{
    TestEffectGroup& group = MakeGroup();
    CreateInstance(kKvss);
    ASSERT_TRUE(group.HasSharingObjects());
    EXPECT_EQ(Routine<20>()(kKvss, 7), -7126);
    EXPECT_EQ(Routine<20>()(kKvss, 0), -7126);
    EXPECT_EQ(Routine<20>()(kKvmm, 1), -7126);
    EXPECT_EQ(Routine<20>()(9, 1), -7125);
    // The instance that lives keeps the shared objects; the count still reaches 0 with the real deletion.
    EXPECT_EQ(group.CountLiveInstances(), 1);
    EXPECT_TRUE(group.HasSharingObjects());
    EXPECT_EQ(Value(kKvss, 1), 1000 + 100 * kKvss);
    EXPECT_EQ(Routine<20>()(kKvss, 1), 0);
    EXPECT_EQ(group.CountLiveInstances(), 0);
    EXPECT_FALSE(group.HasSharingObjects());
    EXPECT_EQ(QorKitLiveSharingObjects(), 0);
}

TEST_F(Instances, AFailedEngineSetUpLeavesNoInstanceBehind)
{
    TestEffectGroup& group = MakeGroup();
    const int before = TestProcess::sLive;
    TestProcess::sSetUpResult = -9006;
    int32_t index = 0;
    EXPECT_EQ(Routine<19>()(kKvss, &index), -9006);
    EXPECT_EQ(TestProcess::sLive, before);
    EXPECT_EQ(group.CountLiveInstances(), 0);
    EXPECT_EQ(Value(kKvss, 1), -7126);
    // The first failure takes the shared objects away again; a later success makes them anew.
    EXPECT_FALSE(group.HasSharingObjects());
    EXPECT_EQ(QorKitLiveSharingObjects(), 0);
    TestProcess::sSetUpResult = 0;
    EXPECT_EQ(CreateInstance(kKvss), 1);
    EXPECT_TRUE(group.HasSharingObjects());
    EXPECT_EQ(group.CountLiveInstances(), 1);
    EXPECT_EQ(rtas::GetInstancesCreated(), 1);
}

TEST_F(Instances, ARealTimeInstanceIsSetUpWithItsIdentityAndTheHostToken)
{
    TestEffectGroup& group = MakeGroup();
    EXPECT_EQ(Routine<38>()(0x5150), 0);
    const int32_t index = CreateInstance(kKvms);
    auto* process = static_cast<TestProcess*>(group.FindProcessType(kKvms)->FindProcess(index));
    ASSERT_NE(process, nullptr);
    EXPECT_EQ(process->fIdentity.manufacturerID, HostFourCC("Qora"));
    EXPECT_EQ(process->fIdentity.productID, HostFourCC("QKvp"));
    EXPECT_EQ(process->fIdentity.typeID, HostFourCC("Kvms"));
    EXPECT_EQ(process->fGroupWord, 0x5150);
    // AudioSuite instances are not set up for the engine at creation.
    TestProcess::sSetUpResult = -1;
    EXPECT_EQ(CreateInstance(kKvam), 1);
}

TEST_F(Instances, SettingsReachLiveInstancesAndNewOnesStartWithThem)
{
    TestEffectGroup& group = MakeGroup();
    const int32_t first = CreateInstance(kKvss);
    EXPECT_EQ(Routine<7>()(96000), 0);
    const int32_t settings[] = {7, 3};
    EXPECT_EQ(Routine<111>()(settings), 0);
    const int32_t second = CreateInstance(kKvmm);
    for (auto [type, index] : {std::pair{kKvss, first}, std::pair{kKvmm, second}}) {
        CProcess* process = group.FindProcessType(type)->FindProcess(index);
        EXPECT_EQ(process->GetSampleRate(), 96000);
        EXPECT_EQ(process->GetEngineSettingA(), 7);
        EXPECT_EQ(process->GetEngineSettingB(), 3);
    }
}

TEST_F(Instances, TheGroupDeletesLiveInstancesWithItsTypes)
{
    MakeGroup();
    const int before = TestProcess::sLive;
    CreateInstance(kKvss);
    CreateInstance(kKvas);
    EXPECT_EQ(TestProcess::sLive, before + 2);
    fGroup.reset();
    EXPECT_EQ(TestProcess::sLive, before);
    EXPECT_EQ(QorKitLiveSharingObjects(), 0);
}

TEST_F(Instances, ValueRoutinesAnswerTheValueOrZero)
{
    MakeGroup();
    CreateInstance(kKvss);
    CreateInstance(kKvss);
    EXPECT_EQ(Routine<73>()(kKvss, 2), 2073);
    EXPECT_EQ(Routine<74>()(kKvss, 2), 0);  // the operation failed: 0, whatever it delivered
    EXPECT_EQ(Routine<73>()(kKvss, 9), 0);  // no instance: 0, not a code
}

}  // namespace
