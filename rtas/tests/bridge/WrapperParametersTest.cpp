// Parameters through the wrapper: bounds, unchanged writes, display texts and "1EAD" value requests, the sample
// rate's range.
#include "rtas/tests/bridge/WrapperFixture.h"

#include "effect/vst2/Opcodes.h"

#include <cstring>

namespace {

using WrapperParameters = WrapperFixture;

TEST_F(WrapperParameters, WritesOnlyValuesThatDifferFromTheEffects)
{
    CPluginWrapper& w = load();
    w.SetParameter(2, 0.5f);
    EXPECT_EQ(countOf(kCallSetParameter), 1);
    log().callCount = 0;
    w.SetParameter(2, 0.5f);
    EXPECT_EQ(countOf(kCallSetParameter), 0) << "the value the effect already holds is not sent";
    EXPECT_EQ(countOf(kCallGetParameter), 1);
}

TEST_F(WrapperParameters, IndicesOutsideTheEffectsParametersReachNothing)
{
    CPluginWrapper& w = load();  // 4 parameters
    for (int index : {-1, 4, 1000}) {
        char text[36] = "untouched";
        ParameterProperties properties{};
        w.SetParameter(index, 0.5f);
        EXPECT_EQ(w.GetParameter(index), 0.0f);
        w.GetParamName(index, text);
        w.GetParamLabel(index, text);
        w.GetParamDisplay(index, text);
        w.GetParamDisplayText(index, text);
        EXPECT_STREQ(text, "untouched");
        EXPECT_FALSE(w.GetParamProperties(index, &properties));
        EXPECT_FALSE(w.CanBeAutomated(index));
    }
    EXPECT_EQ(log().callCount, 0);
}

TEST_F(WrapperParameters, DisplayTextOfTheCurrentValueOrOfARequestedOne)
{
    CPluginWrapper& w = load();
    w.SetParameter(0, 0.25f);

    char text[36];
    std::memset(text, 'x', sizeof text);
    w.GetParamDisplayText(0, text);
    EXPECT_STREQ(text, "0.250");

    // "1EAD" and a float: the effect formats that value; the wrapper keeps the eight request bytes intact.
    const float requested = 0.75f;
    std::memset(text, 'x', sizeof text);
    std::memcpy(text, "1EAD", 4);
    std::memcpy(text + 4, &requested, 4);
    w.GetParamDisplay(0, text);
    EXPECT_STREQ(text, "0.750");

    // The same call without a request shows the current value.
    std::memset(text, 'x', sizeof text);
    w.GetParamDisplay(0, text);
    EXPECT_STREQ(text, "0.250");
}

TEST_F(WrapperParameters, NameLabelPropertiesAndAutomatability)
{
    RecordingEffectConfig config;
    config.firstNotAutomatable = 3;
    CPluginWrapper& w = load(config);
    char text[36];
    w.GetParamName(2, text);
    EXPECT_STREQ(text, "P2");
    w.GetParamLabel(2, text);
    EXPECT_STREQ(text, "dB");
    ParameterProperties properties{};
    EXPECT_TRUE(w.GetParamProperties(1, &properties));
    EXPECT_EQ(properties.stepFloat, 0.25f);
    EXPECT_TRUE(w.CanBeAutomated(2));
    EXPECT_FALSE(w.CanBeAutomated(3));
    EXPECT_EQ(w.GetNumParams(), 4);
}

TEST_F(WrapperParameters, SampleRatesOutsideTheRangeBecome44100)
{
    struct Case
    {
        float rate;
        float kept;
        int wholeHz;
    };
    const Case cases[] = {{14999.0f, 44100.0f, 44100}, {15000.0f, 15000.0f, 15000},
                          {200000.0f, 200000.0f, 200000}, {200001.0f, 44100.0f, 44100},
                          {48000.7f, 48000.7f, 48000},    {-1.0f, 44100.0f, 44100}};
    CPluginWrapper& w = load();
    for (const Case& c : cases) {
        log().callCount = 0;
        w.SetSampleRate(c.rate);
        EXPECT_EQ(w.GetTimeInfo()->sampleRate, double(c.kept)) << c.rate;
        EXPECT_EQ(w.sampleRateHz(), c.wholeHz) << c.rate;
        ASSERT_EQ(opcodes(), std::vector<int32_t>{effSetSampleRate});
        EXPECT_EQ(log().calls[0].option, c.kept);
    }
}

TEST_F(WrapperParameters, LatencyAndSynthFlagComeFromTheRecord)
{
    RecordingEffectConfig config;
    config.initialDelay = 37;
    config.flags |= kFlagIsSynth;
    CPluginWrapper& w = load(config);
    EXPECT_EQ(w.GetLatency(), 37);
    EXPECT_TRUE(w.IsSynth());
    EXPECT_FALSE(load().IsSynth());
}

}  // namespace
