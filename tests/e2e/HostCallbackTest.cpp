// What this host answers when an effect calls back, reached through the callback every entry point gets.
#include "E2eSupport.h"

#include "effect/vst2/Opcodes.h"
#include "effect/vst2/Records.h"
#include "hosts/vst2/Transport.h"

#include <string>

namespace {

using e2e::LoadedEffect;
using vst2host::HostCall;
using vst2host::HostedEffect;

TEST(HostCallback, CallsNoHostCanPlaceGetSaneAnswers)
{
    EffectRecord unknown{};  // resvd1 0: not a record any host holds
    for (EffectRecord* record : {static_cast<EffectRecord*>(nullptr), &unknown}) {
        EXPECT_EQ(HostedEffect::hostCallback(record, audioMasterVersion, 0, 0, nullptr, 0.0f),
                  vst2host::kDefaultHostVersion);
        EXPECT_EQ(HostedEffect::hostCallback(record, audioMasterGetTime, 0, 0, nullptr, 0.0f), 0);
        EXPECT_EQ(HostedEffect::hostCallback(record, audioMasterAutomate, 3, 0, nullptr, 0.5f), 0);
        EXPECT_EQ(HostedEffect::hostCallback(record, audioMasterCanDo, 0, 0, nullptr, 0.0f), 0);
    }
}

TEST_F(LoadedEffect, HostAnswersTheHeldRecordsRequests)
{
    EffectRecord* record = effect.record();
    effect.setSampleRate(48000.0f);
    effect.setBlockSize(256);

    const auto* time = reinterpret_cast<const EffectTimeInfo*>(
        HostedEffect::hostCallback(record, audioMasterGetTime, 0, 0, nullptr, 0.0f));
    ASSERT_NE(time, nullptr);
    EXPECT_EQ(time->sampleRate, 48000.0);
    EXPECT_EQ(time->tempo, 120.0);
    EXPECT_EQ(time->timeSigNumerator, 4);
    EXPECT_EQ(time->timeSigDenominator, 4);
    EXPECT_EQ(time->flags, vst2host::kTimeInfoFlags);
    EXPECT_EQ(time->samplePos, 0.0);

    EXPECT_EQ(HostedEffect::hostCallback(record, audioMasterVersion, 0, 0, nullptr, 0.0f), 2400);
    EXPECT_EQ(HostedEffect::hostCallback(record, audioMasterGetSampleRate, 0, 0, nullptr, 0.0f), 48000);
    EXPECT_EQ(HostedEffect::hostCallback(record, audioMasterGetBlockSize, 0, 0, nullptr, 0.0f), 256);
    char text[64] = {};
    EXPECT_EQ(HostedEffect::hostCallback(record, audioMasterGetProductString, 0, 0, text, 0.0f), 1);
    EXPECT_EQ(std::string(text), "vst2host");

    const struct
    {
        const char* capability;
        intptr_t answer;
    } capabilities[] = {{"sendVstTimeInfo", 1}, {"startStopProcess", 1}, {"sizeWindow", 0}, {"SendVstTimeInfo", 0}};
    for (const auto& c : capabilities)
        EXPECT_EQ(HostedEffect::hostCallback(record, audioMasterCanDo, 0, 0, const_cast<char*>(c.capability), 0.0f),
                  c.answer)
            << c.capability;

    effect.log().clear();
    EXPECT_EQ(HostedEffect::hostCallback(record, audioMasterAutomate, 8, 0, nullptr, 0.25f), 0);
    const std::vector<HostCall> automation = effect.log().callsWithOpcode(audioMasterAutomate);
    ASSERT_EQ(automation.size(), 1u);
    EXPECT_EQ(automation[0].index, 8);
    EXPECT_EQ(automation[0].opt, 0.25f);
    EXPECT_TRUE(automation[0].fromHeldRecord);
}

TEST_F(LoadedEffect, HostVersionAnswerFollowsTheSetting)
{
    effect.setHostVersion(0);
    EXPECT_EQ(HostedEffect::hostCallback(effect.record(), audioMasterVersion, 0, 0, nullptr, 0.0f), 0);
}

}  // namespace
