// Gestalt 32 of a plug-in type by the DSP cards the host has: typed plug-ins answer their default setting, an untyped
// one the setting of the card family present. In both ways of reaching the DSI.
#include "DspFixture.h"

#include "rtas/framework/CEffectType.h"
#include "rtas/framework/host/DspSystemRecords.h"

namespace {

using testsupport::DspHost;
using testsupport::DsiWay;

class DspGestalt : public testing::TestWithParam<DsiWay>
{
protected:
    DspHost host{GetParam()};
};

TEST_P(DspGestalt, Gestalt32AnswersTheSettingOfTheCardFamilyPresent)
{
    const struct
    {
        const char* what;
        int32_t cardType;  // 0: no card
        uint32_t dspFlags;
        int32_t setting29;
        int32_t answer;
    } cases[] = {
        {"no card leaves the answer", 0, 0, 3, 77},
        {"TDM2 with a 321 DSP: key 29", 25, kDsp321Flag, 3, 3},
        {"key 29 of 1 defers to key 26", 25, kDsp321Flag, 1, 5},
        {"TDM2 without a 321 DSP, family 26: key 26", 26, 0, 3, 5},
        {"family 21: key 21", 21, 0, 3, 0},
        {"another card leaves the answer", 18, kDsp321Flag, 3, 77},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QorKitDsiReset();
        if (c.cardType != 0)
            QorKitDsiAddDsp(QorKitDsiAddCard(c.cardType, 0), 0, c.dspFlags);
        CEffectType untyped(HostFourCC("Kvmm"), HostFourCC("QKvp"), 0, 2);
        untyped.SetGestaltSetting(c.setting29, 29);
        untyped.SetGestaltSetting(5, 26);
        untyped.SetGestaltSetting(2, 21);
        int32_t answer = 77;
        EXPECT_EQ(untyped.GetGestalt(32, &answer), 0);
        EXPECT_EQ(answer, c.answer);

        CEffectType typed(HostFourCC("Kvmm"), HostFourCC("QKvp"), CEffectType::kKindRealTime, 2);
        typed.SetGestaltSettingDefault(6);
        EXPECT_EQ(typed.GetGestalt(32, &answer), 0);
        EXPECT_EQ(answer, 6);
    }
}

TEST_P(DspGestalt, ADriverThatDoesNotStartLeavesTheAnswer)
{
    QorKitDsiAddDsp(QorKitDsiAddCard(21, 0), 0, 0);
    QorKitDsiSetInitResult(-2);
    CEffectType untyped(HostFourCC("Kvmm"), HostFourCC("QKvp"), 0, 2);
    int32_t answer = 77;
    EXPECT_EQ(untyped.GetGestalt(32, &answer), 0);
    EXPECT_EQ(answer, 77);
}

INSTANTIATE_TEST_SUITE_P(BothWays, DspGestalt, testing::Values(DsiWay::kDirect, DsiWay::kDsi), testsupport::WayName);

}  // namespace
