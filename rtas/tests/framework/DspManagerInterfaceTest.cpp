// The host's DSP manager interface is asked for once, kept with a reference of its own, and given back at teardown.
#include "DspFixture.h"

namespace {

using testsupport::DspHost;

TEST(DspManagerInterface, AHostWithoutAManagerIsAskedEachTime)
{
    DspHost host;
    EXPECT_EQ(rtas::dsp::GetDSPManagerInterface(), nullptr);
    EXPECT_EQ(rtas::dsp::GetDSPManagerInterface(), nullptr);
    EXPECT_EQ(QorKitCallCount("GetDSPManager"), 2);

    QorKitDspManagerOffer(1, 0);
    EXPECT_EQ(rtas::dsp::GetDSPManagerInterface(), nullptr) << "a manager without the interface";
    EXPECT_EQ(QorKitDspManagerReferences(), 0) << "the manager itself is given back";
}

TEST(DspManagerInterface, TheKeptInterfaceHoldsItsReferenceUntilTeardown)
{
    DspHost host;
    QorKitDspManagerOffer(1, 1);
    void* kept = rtas::dsp::GetDSPManagerInterface();
    ASSERT_NE(kept, nullptr);
    EXPECT_EQ(rtas::dsp::GetDSPManagerInterface(), kept);
    EXPECT_EQ(QorKitCallCount("GetDSPManager"), 1) << "asked once";
    EXPECT_EQ(QorKitDspManagerReferences(), 1) << "the kept pointer keeps the interface alive";

    rtas::dsp::ReleaseDSPManagerInterface();
    EXPECT_EQ(QorKitDspManagerReferences(), 0);
    rtas::dsp::ReleaseDSPManagerInterface();
    EXPECT_EQ(QorKitDspManagerReferences(), 0) << "released once only";
    EXPECT_NE(rtas::dsp::GetDSPManagerInterface(), nullptr);
    EXPECT_EQ(QorKitCallCount("GetDSPManager"), 2) << "asked again after teardown";
}

}  // namespace
