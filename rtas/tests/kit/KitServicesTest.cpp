// The stand-in host's services answer as a plug-in expects: gestalts, the real-time quantum, the context lock with
// and without a lock service, memory handles, strings and resource files.
#include "hosts/rtas/KitControl.h"
#include "rtas/framework/host/EngineServices.h"
#include "rtas/framework/host/ToolboxServices.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class KitServices : public ::testing::Test
{
protected:
    void SetUp() override { QorKitReset(); }
    void TearDown() override { QorKitReset(); }
};

TEST_F(KitServices, GestaltAnswersKnownSelectorsAndFailsOthers)
{
    HostWord answer = 12345;
    EXPECT_EQ(FicGestalt(kGestaltRealTimeQuantum, &answer), 0);
    EXPECT_NE(answer, 0);
    answer = 12345;
    EXPECT_NE(FicGestalt(HostFourCC("none"), &answer), 0);
    EXPECT_EQ(answer, 12345) << "a failed gestalt leaves the answer word alone";
    QorKitSetGestalt(HostFourCC("whsf"), 7);
    EXPECT_EQ(FicGestalt(kGestaltHostRequest17, &answer), 0);
    EXPECT_EQ(answer, 7);
    QorKitRemoveGestalt(kGestaltRealTimeQuantum);
    EXPECT_NE(FicGestalt(kGestaltRealTimeQuantum, &answer), 0);
}

TEST_F(KitServices, LockServiceCountsNestingAndCanBeAbsent)
{
    HostWord answer = 0;
    ASSERT_EQ(FicGestalt(kGestaltLockService, &answer), 0);
    auto* service = reinterpret_cast<FicLockService*>(answer);
    EXPECT_EQ(service->version(), 2);
    const HostWord lock = service->newNamedLock("CProcessGroup<Qor Kalvenor>");
    EXPECT_EQ(std::string(QorKitLastLockName()), "CProcessGroup<Qor Kalvenor>");
    service->enter(lock);
    service->enter(lock);
    EXPECT_EQ(QorKitLockDepth(), 2);
    EXPECT_EQ(service->tryEnter(lock), 1);
    service->leave(lock);
    service->leave(lock);
    service->leave(lock);
    EXPECT_EQ(QorKitLockDepth(), 0);
    EXPECT_EQ(QorKitLiveLocks(), 1);
    service->deleteLock(lock);
    EXPECT_EQ(QorKitLiveLocks(), 0);

    QorKitSetLockServiceVersion(-1);
    EXPECT_NE(FicGestalt(kGestaltLockService, &answer), 0);
    QorKitSetLockServiceVersion(1);
    ASSERT_EQ(FicGestalt(kGestaltLockService, &answer), 0);
    EXPECT_EQ(reinterpret_cast<FicLockService*>(answer)->version(), 1);
}

TEST_F(KitServices, SharingObjectsAreCountedUntilDeleted)
{
    HostWord server = 0, type = 0, task = 0;
    ASSERT_EQ(FicSDSNewServer(&server), 0);
    ASSERT_EQ(FicSDSFindStandardType(server, 57, &type), 0);
    ASSERT_EQ(FicNewObject(type, &task), 0);
    EXPECT_EQ(QorKitLiveSharingObjects(), 2);
    EXPECT_EQ(FicDeleteObject(task), 0);
    EXPECT_EQ(FicSDSDeleteServer(server), 0);
    EXPECT_EQ(QorKitLiveSharingObjects(), 0);
    EXPECT_NE(FicDeleteObject(task), 0) << "deleting twice is refused, not a crash";
}

TEST_F(KitServices, MemoryHandlesAreCountedAndCanFail)
{
    const int32_t before = QorKitLiveHandles();
    HostHandle handle = NewHandle(20);
    ASSERT_NE(handle, nullptr);
    EXPECT_EQ(GetHandleSize(handle), 20);
    HLock(handle);
    (*handle)[19] = 1;
    HUnlock(handle);
    EXPECT_EQ(QorKitLiveHandles(), before + 1);
    DisposeHandle(handle);
    EXPECT_EQ(QorKitLiveHandles(), before);
    DisposeHandle(handle);
    EXPECT_EQ(MemError(), -109);

    QorKitSetNewHandleFails(1);
    EXPECT_EQ(NewHandle(16), nullptr);
    EXPECT_EQ(MemError(), -108);
    QorKitSetNewHandleFails(0);
}

TEST_F(KitServices, StringConversions)
{
    unsigned char number[256] = {};
    NumToString(-2047, number);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(number) + 1, number[0]), "-2047");

    char text[16] = "Qor";
    unsigned char* pascal = c2pstr(text);
    EXPECT_EQ(pascal[0], 3);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(pascal) + 1, 3), "Qor");
    EXPECT_EQ(std::string(p2cstr(pascal)), "Qor");
}

TEST_F(KitServices, CounterAdvances)
{
    HostWide first{}, later{};
    Microseconds(&first);
    do
        Microseconds(&later);
    while (later.hi == first.hi && later.lo == first.lo);
    EXPECT_TRUE(later.hi > first.hi || later.lo > first.lo);
}

}  // namespace
