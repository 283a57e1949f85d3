// The group's context lock: made from the host's lock service at initialisation, counted by nesting level, and
// released completely while the host idles.
#include "FrameworkFixture.h"

#include <string>
#include <vector>

using namespace testsupport;

namespace {

// The kit's record of the lock service's calls and the host's idle call, in order.
std::vector<std::string> LockCalls()
{
    std::vector<char> text(size_t(QorKitCallLog(nullptr, 0)) + 1);
    QorKitCallLog(text.data(), int32_t(text.size()));
    std::vector<std::string> calls;
    std::string line;
    for (const char* c = text.data(); *c != '\0'; ++c) {
        if (*c != '\n') {
            line += *c;
            continue;
        }
        if (line == "Lock.new" || line == "Lock.newNamed" || line == "Lock.enter" || line == "Lock.leave" ||
            line == "SystemTask")
            calls.push_back(line);
        line.clear();
    }
    return calls;
}

class ContextLock : public FrameworkTest
{
};

TEST_F(ContextLock, TheLockIsNamedAfterTheEffectAndDeletedWithTheGroup)
{
    MakeGroup();
    EXPECT_EQ(std::string(QorKitLastLockName()), "CProcessGroup<Qor Kalvenor>");
    EXPECT_EQ(QorKitLiveLocks(), 1);
    fGroup.reset();
    EXPECT_EQ(QorKitLiveLocks(), 0);
}

TEST_F(ContextLock, TheServiceVersionChoosesTheKindOfLock)
{
    struct Case
    {
        int32_t version;
        std::vector<std::string> made;
        bool locked;
    };
    const Case cases[] = {
        {2, {"Lock.newNamed"}, true},
        {1, {"Lock.new"}, true},
        {0, {}, false},  // an unusable service: no lock, yet the group works
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.version);
        QorKitReset();
        QorKitSetLockServiceVersion(c.version);
        rtas::ForgetHostLockService();
        TestEffectGroup& group = MakeGroup();
        EXPECT_EQ(LockCalls(), c.made);
        EXPECT_EQ(group.HasHostLock(), c.locked);
        int16_t count = 0;
        EXPECT_EQ(Routine<22>()(&count), 0);
        EXPECT_EQ(count, 5);
        EXPECT_EQ(group.GetLockNestingLevel(), 0);
        EXPECT_EQ(QorKitLockDepth(), 0);
        fGroup.reset();
    }
}

TEST_F(ContextLock, AHostWithoutALockServiceStillRunsEveryRoutineAndTheLevelStillCounts)
{
    QorKitSetLockServiceVersion(-1);
    TestEffectGroup& group = MakeGroup();
    EXPECT_FALSE(group.HasHostLock());
    EXPECT_EQ(group.Lock(), 1);
    EXPECT_EQ(group.Lock(), 2);
    EXPECT_EQ(group.Unlock(), 1);
    EXPECT_EQ(group.Unlock(), 0);
    const int32_t index = CreateInstance(kKvss);
    int32_t value = 0;
    EXPECT_EQ(Routine<45>()(kKvss, index, 3, &value), 0);
    EXPECT_EQ(group.GetLockNestingLevel(), 0);
}

TEST_F(ContextLock, NestingCountsEveryEnterAndLeave)
{
    TestEffectGroup& group = MakeGroup();
    EXPECT_EQ(group.Lock(), 1);
    EXPECT_EQ(group.Lock(), 2);
    EXPECT_EQ(QorKitLockDepth(), 2);
    EXPECT_TRUE(group.TryLock());
    EXPECT_EQ(group.GetLockNestingLevel(), 3);
    EXPECT_EQ(QorKitLockDepth(), 3);
    EXPECT_EQ(group.Unlock(), 2);
    EXPECT_EQ(group.Unlock(), 1);
    EXPECT_EQ(group.Unlock(), 0);
    EXPECT_EQ(QorKitLockDepth(), 0);
}

TEST_F(ContextLock, IdleLeavesTheLockCompletelyAndEntersItAgainAsOftenAsBefore)
{
    struct Case
    {
        int level;
        std::vector<std::string> calls;
    };
    const Case cases[] = {
        {3,
         {"Lock.enter", "Lock.leave", "Lock.leave", "Lock.leave", "Lock.leave", "SystemTask", "Lock.enter",
          "Lock.enter", "Lock.enter"}},
        {0, {"Lock.enter", "Lock.leave", "SystemTask"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.level);
        TestEffectGroup& group = MakeGroup();
        for (int i = 0; i < c.level; ++i)
            group.Lock();
        const size_t before = LockCalls().size();
        group.IdleWithLockReleased();
        const std::vector<std::string> all = LockCalls();
        EXPECT_EQ(std::vector<std::string>(all.begin() + long(before), all.end()), c.calls);
        EXPECT_EQ(QorKitLockDepth(), c.level);
        EXPECT_EQ(group.GetLockNestingLevel(), c.level);
        for (int i = 0; i < c.level; ++i)
            group.Unlock();
        fGroup.reset();
    }
}

}  // namespace
