// The host services a plug-in fetches by name at run time, found the way the plug-in finds them: in the engine
// library already loaded, or by loading the host's library by its bare name; decorated names as the host exports
// them.
#include "hosts/rtas/KitControl.h"
#include "rtas/framework/host/DspManagerServices.h"
#include "rtas/framework/host/DspSystemServices.h"
#include "rtas/framework/host/EngineServices.h"

#include "platform/Library.h"

#include <gtest/gtest.h>

namespace {

int32_t QOR_HOST_CALL openProc()
{
    return 0;
}

int32_t QOR_HOST_CALL closeProc()
{
    return 0;
}

TEST(KitLookups, EngineEntriesByNameInTheLoadedEngine)
{
    QorKitReset();
    platform::Library engine;
    ASSERT_TRUE(engine.attachLoaded(kEngineLibraryName)) << engine.error();

    auto quantum = reinterpret_cast<FicGetMaximumRTASQuantumProc>(engine.symbol(kFicGetMaximumRTASQuantumName));
    ASSERT_NE(quantum, nullptr);
    EXPECT_EQ(quantum(), 32);
    QorKitSetMaximumQuantum(64);
    EXPECT_EQ(quantum(), 64);

    auto registration =
        reinterpret_cast<SetPlugInOpenAndCloseProcsProc>(engine.symbol(kSetPlugInOpenAndCloseProcsName));
    ASSERT_NE(registration, nullptr);
    registration(openProc, closeProc);
    EXPECT_EQ(QorKitOpenProc(), &openProc);
    EXPECT_EQ(QorKitCloseProc(), &closeProc);
    EXPECT_EQ(QorKitCallCount("SetPlugInOpenAndCloseProcs"), 1);

    EXPECT_NE(engine.symbol(kFicGetDAEIACFUnknownName), nullptr);
    EXPECT_EQ(engine.symbol("_FicNoSuchEntry@0"), nullptr);
    QorKitReset();
}

TEST(KitLookups, EveryNamedDspEntryIsThereAndAnswersAHostWithoutCards)
{
    platform::Library dsi;
    ASSERT_TRUE(dsi.openByName(kDspSystemLibraryName)) << dsi.error();
    for (const char* name : kDsiNamedEntries)
        EXPECT_NE(dsi.symbol(name), nullptr) << name;
    auto nextDsp = reinterpret_cast<DsiProc2>(dsi.symbol("_DsiGetNextDSP@8"));
    ASSERT_NE(nextDsp, nullptr);
    EXPECT_EQ(nextDsp(0, 0), 0);
    auto createShell = reinterpret_cast<DsiProc1>(dsi.symbol("_DsiCreateShell@4"));
    auto destroyShell = reinterpret_cast<DsiProc1>(dsi.symbol("_DsiDestroyShell@4"));
    const HostWord shell = createShell(0);
    EXPECT_NE(shell, 0);
    EXPECT_EQ(destroyShell(shell), 0);

    HostWord first = 123;
    EXPECT_EQ(InitSADriver(), 0);
    EXPECT_EQ(GetDSPList(&first), 0);
    EXPECT_EQ(first, 0) << "no DSPs";
    first = 123;
    EXPECT_EQ(GetCardList(&first), 0);
    EXPECT_EQ(first, 0) << "no cards";
}

TEST(KitLookups, NoDspManager)
{
    EXPECT_EQ(GetDSPManager(), nullptr);
}

TEST(KitLookups, ALibraryThatIsNotLoadedCannotBeAttached)
{
    platform::Library library;
    EXPECT_FALSE(library.attachLoaded("QorNotLoaded.dll"));
    EXPECT_FALSE(library.isOpen());
}

}  // namespace
