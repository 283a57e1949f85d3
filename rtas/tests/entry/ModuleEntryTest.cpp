// The module's entry logic in this process (the module's sources are linked into this program): attach without the
// engine's registration procedure, and an open whose group creation fails. The group maker below stands in for the
// real one so that a failure can be had on demand.
#include "hosts/rtas/KitControl.h"
#include "rtas/bridge/entry/GroupCreation.h"
#include "rtas/bridge/entry/ModuleEntry.h"
#include "rtas/framework/CProcessGroupInterface.h"
#include "rtas/framework/ModuleState.h"
#include "rtas/framework/PlugInResourceFile.h"
#include "rtas/framework/ResultCodes.h"
#include "platform/ModulePath.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

namespace {

// How many of the next group creations fail, with what code, and how many groups live.
int gFailures = 0;
int32_t gFailureCode = rtas::kNoMemoryForGroup;
int gLiveGroups = 0;

class CountedGroup : public CProcessGroupInterface
{
public:
    CountedGroup() { ++gLiveGroups; }
    ~CountedGroup() override { --gLiveGroups; }
};

SetPlugInOpenAndCloseProcsProc gNoRegistration = nullptr;
PlugInOpenProc gRegisteredOpen = nullptr;
PlugInCloseProc gRegisteredClose = nullptr;

void QOR_HOST_CALL Register(PlugInOpenProc open, PlugInCloseProc close)
{
    gRegisteredOpen = open;
    gRegisteredClose = close;
}

class ModuleEntry : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QorKitReset();
        rtas::ResetModuleState();
        gFailures = 0;
        gLiveGroups = 0;
        // The resource file beside this program, as the module's would lie beside it.
        std::string program;
        int errorCode = 0;
        ASSERT_TRUE(platform::modulePathOf(reinterpret_cast<const void*>(&Register), program, errorCode));
        resourcePath_ = program + ".rsr";
        std::ifstream source("Wrapper.dpm.rsr", std::ios::binary);
        ASSERT_TRUE(source.good());
        std::ofstream(resourcePath_, std::ios::binary) << source.rdbuf();
    }
    void TearDown() override
    {
        while (rtas::entry::OpenCount() > 0)
            rtas::entry::ClosePlugIn();
        EXPECT_EQ(gLiveGroups, 0);
        EXPECT_EQ(QorKitOpenResourceFiles(), 0);
        std::remove(resourcePath_.c_str());
    }

    std::string resourcePath_;
};

}  // namespace

namespace rtas::entry {

int32_t CreateModuleGroup()
{
    if (gFailures > 0) {
        --gFailures;
        return gFailureCode;
    }
    if (GetModuleGroup() == nullptr)
        SetModuleGroup(new CountedGroup);
    return 0;
}

}  // namespace rtas::entry

TEST_F(ModuleEntry, WithoutTheEnginesRegistrationTheModuleOpensAtAttachAndClosesAtDetach)
{
    ASSERT_TRUE(rtas::entry::AttachModule(nullptr, gNoRegistration));
    EXPECT_EQ(rtas::entry::OpenCount(), 1);
    EXPECT_EQ(gLiveGroups, 1);
    EXPECT_NE(rtas::GetModuleGroup(), nullptr);
    EXPECT_EQ(rtas::entry::ResourceFilePath(), resourcePath_);
    EXPECT_EQ(QorKitOpenResourceFiles(), 1);
    EXPECT_EQ(QorKitCallCount("SetPlugInOpenAndCloseProcs"), 0);

    rtas::entry::DetachModule();
    EXPECT_EQ(rtas::entry::OpenCount(), 0);
    EXPECT_EQ(gLiveGroups, 0);
    EXPECT_EQ(rtas::GetModuleGroup(), nullptr);
    EXPECT_EQ(QorKitOpenResourceFiles(), 0);
}

TEST_F(ModuleEntry, WithoutTheEnginesRegistrationAFailedOpenFailsTheAttachAndLeavesNothingOpen)
{
    gFailures = 1;
    EXPECT_FALSE(rtas::entry::AttachModule(nullptr, gNoRegistration));
    EXPECT_EQ(rtas::entry::OpenCount(), 0);
    EXPECT_EQ(rtas::GetModuleGroup(), nullptr);
    EXPECT_EQ(QorKitOpenResourceFiles(), 0);
    // The loader then detaches the module it refused: nothing is closed twice.
    rtas::entry::DetachModule();
    EXPECT_EQ(rtas::entry::OpenCount(), 0);
}

TEST_F(ModuleEntry, WithTheEnginesRegistrationAttachOnlyHandsOverTheProceduresAndDetachClosesNothing)
{
    ASSERT_TRUE(rtas::entry::AttachModule(nullptr, &Register));
    EXPECT_EQ(gRegisteredOpen, &rtas::entry::OpenPlugIn);
    EXPECT_EQ(gRegisteredClose, &rtas::entry::ClosePlugIn);
    EXPECT_EQ(rtas::entry::OpenCount(), 0);
    EXPECT_EQ(QorKitCallCount("OpenResourceFile"), 0);

    ASSERT_EQ(gRegisteredOpen(), 0);
    rtas::entry::DetachModule();
    EXPECT_EQ(rtas::entry::OpenCount(), 1) << "the engine closes what it opened";
    EXPECT_EQ(gRegisteredClose(), 0);
    EXPECT_EQ(gLiveGroups, 0);
}

// A failed first open used to be followed by opens that answered 0 with no group behind them.
TEST_F(ModuleEntry, AFailedOpenIsReportedAgainByTheNextOpenUntilOneSucceeds)
{
    ASSERT_TRUE(rtas::entry::AttachModule(nullptr, &Register));
    for (int32_t code : {rtas::kNoMemoryForGroup, rtas::kUnexpected}) {
        SCOPED_TRACE(code);
        gFailureCode = code;
        gFailures = 2;
        EXPECT_EQ(rtas::entry::OpenPlugIn(), code);
        EXPECT_EQ(QorKitOpenResourceFiles(), 0) << "a failed open closes the resource file again";
        EXPECT_EQ(rtas::entry::OpenPlugIn(), code);
        EXPECT_EQ(rtas::GetModuleGroup(), nullptr);
        EXPECT_EQ(rtas::entry::OpenCount(), 0);
        // A close for a failed open gives back nothing.
        EXPECT_EQ(rtas::entry::ClosePlugIn(), 0);

        EXPECT_EQ(rtas::entry::OpenPlugIn(), 0);
        EXPECT_NE(rtas::GetModuleGroup(), nullptr);
        EXPECT_EQ(QorKitOpenResourceFiles(), 1);
        EXPECT_EQ(rtas::entry::ClosePlugIn(), 0);
        EXPECT_EQ(gLiveGroups, 0);
    }
}
