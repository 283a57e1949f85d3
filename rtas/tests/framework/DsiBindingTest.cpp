// Binding the host's DSI functions by name: the whole set, a library that is not there, a DSI that lacks names,
// and the choice between DSI mode and direct record access.
#include "DspFixture.h"
#include "FrameworkFixture.h"
#include "rtas/framework/ResultCodes.h"
#include "rtas/framework/host/DspSystemServices.h"

#include "platform/Library.h"

#include <cstring>
#include <set>
#include <string>

namespace {

using testsupport::DspHost;
using testsupport::DsiWay;

TEST(DsiBinding, ForwardersAreBoundInTheOrderOfTheHostsNames)
{
    // A forwarder bound to the wrong name would call a function of another argument list.
    const char* shortNames[] = {
#define QOR_NAME(name, arity) #name,
        QOR_DSI_NAMED_ENTRIES(QOR_NAME)
#undef QOR_NAME
    };
    ASSERT_EQ(int(sizeof(shortNames) / sizeof(shortNames[0])), kDsiNamedEntryCount);
    for (int i = 0; i < kDsiNamedEntryCount; ++i)
    {
        const std::string decorated = kDsiNamedEntries[i];
        EXPECT_EQ(decorated.substr(0, 4 + std::strlen(shortNames[i])), std::string("_Dsi") + shortNames[i]) << i;
        const int arity = [&] {
#define QOR_ARITY(name, arity) if (std::strcmp(shortNames[i], #name) == 0) return arity;
            QOR_DSI_NAMED_ENTRIES(QOR_ARITY)
#undef QOR_ARITY
            return -1;
        }();
        EXPECT_EQ(decorated.substr(decorated.find('@')), "@" + std::to_string(arity * 4)) << decorated;
    }
}

TEST(DsiBinding, TheHostsDsiBindsEveryNameAndForwardsTheArguments)
{
    DspHost host(DsiWay::kDsi);
    EXPECT_EQ(host.bindResult, rtas::kNoErr);
    for (int i = 0; i < kDsiNamedEntryCount; ++i)
        EXPECT_TRUE(rtas::dsi::IsEntryBound(i)) << kDsiNamedEntries[i];
    EXPECT_FALSE(rtas::dsi::IsEntryBound(-1));
    EXPECT_FALSE(rtas::dsi::IsEntryBound(kDsiNamedEntryCount));
    EXPECT_TRUE(rtas::dsi::IsDSIMode()) << "no gestalt 18: the host wants its DSI used";

    const HostWord card = QorKitDsiAddCard(21, 0);
    const HostWord dsp = QorKitDsiAddDsp(card, 0, 0);
    HostWord type = 0;
    EXPECT_EQ(rtas::dsi::GetCardTypeFromDSP(dsp, HostWord(&type)), 0);
    EXPECT_EQ(type, 21);
    EXPECT_EQ(QorKitCallCount("DsiGetCardTypeFromDSP"), 1);

    rtas::dsi::UnloadDSIEntryPoints();
    EXPECT_FALSE(rtas::dsi::IsDSIMode());
    EXPECT_EQ(rtas::dsi::GetCardTypeFromDSP(dsp, HostWord(&type)), -1);
    EXPECT_EQ(QorKitCallCount("DsiGetCardTypeFromDSP"), 1) << "an unbound forwarder calls nothing";
}

TEST(DsiBinding, GestaltEighteenKeepsDirectAccess)
{
    const struct
    {
        bool setGestalt;
        HostWord answer;
        bool dsiMode;
    } cases[] = {{false, 0, true}, {true, 0, true}, {true, 1, false}};
    for (const auto& c : cases)
    {
        QorKitReset();
        if (c.setGestalt)
            QorKitSetGestalt(18, c.answer);
        EXPECT_EQ(rtas::dsi::LoadDSIEntryPoints(), 0);
        EXPECT_EQ(rtas::dsi::IsDSIMode(), c.dsiMode) << c.setGestalt << " " << c.answer;
        rtas::dsi::UnloadDSIEntryPoints();
    }
    QorKitReset();
}

TEST(DsiBinding, AHostWithoutTheLibraryAnswersMinusOneEverywhere)
{
    DspHost host(DsiWay::kDsi);
    EXPECT_EQ(rtas::dsi::LoadDSIEntryPointsFrom("NoSuchDSI.dll"), rtas::kMissingObject);
    EXPECT_FALSE(rtas::dsi::IsDSIMode());
    for (int i = 0; i < kDsiNamedEntryCount; ++i)
        EXPECT_FALSE(rtas::dsi::IsEntryBound(i));
    HostWord shell = 0;
    EXPECT_EQ(rtas::dsi::CreateShell(0), -1);
    EXPECT_EQ(rtas::dsi::GetShellID(0, HostWord(&shell)), -1);
    EXPECT_EQ(rtas::dsi::DoHostCommandWithDataList(0, 0, 0, 0, 0, 0, 0), -1);
}

// A DSI that lacks some of the names: the library's own, filtered.
struct Filter
{
    platform::Library library;
    std::set<std::string> missing;
};

void* filteredLookup(const char* name, void* context)
{
    auto* filter = static_cast<Filter*>(context);
    return filter->missing.count(name) != 0 ? nullptr : filter->library.symbol(name);
}

TEST(DsiBinding, MissingNamesStayUnboundAndTheLastOneDecides)
{
    DspHost host(DsiWay::kDsi);
    rtas::dsi::UnloadDSIEntryPoints();
    Filter filter;
    ASSERT_TRUE(filter.library.openByName(kDspSystemLibraryName));

    filter.missing = {"_DsiIsPresto@8", "_DsiDoHostCommand@12"};
    EXPECT_EQ(rtas::dsi::BindDSIEntryPoints(filteredLookup, &filter), rtas::kNoErr);
    EXPECT_TRUE(rtas::dsi::IsDSIMode());
    EXPECT_FALSE(rtas::dsi::IsEntryBound(2));
    EXPECT_FALSE(rtas::dsi::IsEntryBound(22));
    EXPECT_TRUE(rtas::dsi::IsEntryBound(0));

    const HostWord dsp = QorKitDsiAddDsp(QorKitDsiAddCard(26, 0), 0, 0);
    HostWord answer = 7;
    EXPECT_EQ(rtas::dsi::IsPresto(dsp, HostWord(&answer)), -1);
    EXPECT_EQ(answer, 7) << "nothing was called";
    EXPECT_EQ(QorKitCallCount("DsiIsPresto"), 0);
    EXPECT_EQ(rtas::dsi::DoHostCommand(dsp, 13, 0), -1);
    EXPECT_EQ(rtas::dsi::IsTDM2(dsp, HostWord(&answer)), 0);
    EXPECT_EQ(answer, 1);

    rtas::dsi::UnloadDSIEntryPoints();
    filter.missing = {"_DsiSetShellHostCodeHandler@8"};
    EXPECT_EQ(rtas::dsi::BindDSIEntryPoints(filteredLookup, &filter), rtas::kMissingObject);
    EXPECT_FALSE(rtas::dsi::IsDSIMode()) << "a DSI without its last name is not used";
}

class DsiGroupBinding : public testsupport::FrameworkTest
{
};

TEST_F(DsiGroupBinding, EveryGroupBindsTheDsiAndItsTeardownLetsGo)
{
    QorKitDspManagerOffer(1, 1);
    MakeGroup();
    EXPECT_TRUE(rtas::dsi::IsEntryBound(kDsiNamedEntryCount - 1));
    EXPECT_TRUE(rtas::dsi::IsDSIMode());
    ASSERT_NE(rtas::dsp::GetDSPManagerInterface(), nullptr);
    EXPECT_EQ(QorKitDspManagerReferences(), 1);

    fGroup.reset();
    rtas::SetModuleGroup(nullptr);
    EXPECT_FALSE(rtas::dsi::IsEntryBound(0));
    EXPECT_FALSE(rtas::dsi::IsDSIMode());
    EXPECT_EQ(QorKitDspManagerReferences(), 0) << "no manager pointer survives the group";
    QorKitDspManagerOffer(0, 1);
}

}  // namespace
