// The core's setters, sample-rate rule, lifecycle and bypass copy, with values worked by hand.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "effect/dsp/CompressorCore.h"
#include "tests/dsp/TestSignals.h"

namespace
{
const float kNaN = std::numeric_limits<float>::quiet_NaN();

TEST(CompressorCoreSampleRate, StoresRatesInRangeAndFallsBackOutside)
{
    struct Row
    {
        float rate;
        float stored;
    };
    const Row rows[] = {
        {22050.0f, 44100.0f},  {31999.0f, 44100.0f},  {32000.0f, 32000.0f},
        {44100.0f, 44100.0f},  {96000.0f, 96000.0f},  {400000.0f, 400000.0f},
        {400001.0f, 44100.0f}, {-48000.0f, 44100.0f}, {kNaN, 44100.0f},
        {std::numeric_limits<float>::infinity(), 44100.0f},
    };
    for (const Row& row : rows)
    {
        CompressorCore core;
        core.setSampleRate(row.rate);
        EXPECT_EQ(core.sampleRate(), row.stored) << "rate " << row.rate;
        EXPECT_EQ(core.meterFilter().rate(), static_cast<double>(row.stored)) << "rate " << row.rate;
    }
}

TEST(CompressorCoreSetters, ChannelModeRoundsTwiceTheValue)
{
    struct Row
    {
        float value;
        int mode;
    };
    const Row rows[] = {{0.0f, 0}, {0.24f, 0}, {0.25f, 1}, {0.5f, 1}, {0.74f, 1},
                        {0.75f, 2}, {1.0f, 2}, {1.7f, 2}, {-0.3f, 0}, {kNaN, 0}};
    for (const Row& row : rows)
    {
        CompressorCore core;
        core.setChannel(row.value);
        EXPECT_EQ(core.channelMode(), row.mode) << "value " << row.value;
    }
}

TEST(CompressorCoreSetters, GainsAndTimesFromNormalisedValues)
{
    CompressorCore core;
    // Threshold 256^(1 - v) / 4, makeup 256^v / 4.
    core.setThreshold(1.0f);
    EXPECT_DOUBLE_EQ(core.thresholdGain(), 0.25);
    core.setThreshold(0.0f);
    EXPECT_DOUBLE_EQ(core.thresholdGain(), 64.0);
    core.setThreshold(0.5f);
    EXPECT_DOUBLE_EQ(core.thresholdGain(), 4.0);
    core.setThreshold(0.625f);
    EXPECT_DOUBLE_EQ(core.thresholdGain(), 2.0);
    core.setMakeup(0.0f);
    EXPECT_DOUBLE_EQ(core.makeupGain(), 0.25);
    core.setMakeup(1.0f);
    EXPECT_DOUBLE_EQ(core.makeupGain(), 64.0);
    core.setMakeup(0.375f);
    EXPECT_DOUBLE_EQ(core.makeupGain(), 2.0);
    // Attack 500^v / 1000 s, release 100^v / 200 s.
    core.setAttack(0.0f);
    EXPECT_DOUBLE_EQ(core.attackTime(), 0.001);
    core.setAttack(1.0f);
    EXPECT_DOUBLE_EQ(core.attackTime(), 0.5);
    core.setAttack(0.5f);
    EXPECT_NEAR(core.attackTime(), 0.022360679775, 1e-12);
    core.setRelease(0.0f);
    EXPECT_DOUBLE_EQ(core.releaseTime(), 0.005);
    core.setRelease(1.0f);
    EXPECT_DOUBLE_EQ(core.releaseTime(), 0.5);
}

TEST(CompressorCoreSetters, ValuesOutsideTheUnitRangeAreClamped)
{
    CompressorCore core;
    core.setThreshold(kNaN);
    EXPECT_DOUBLE_EQ(core.thresholdGain(), 64.0);
    core.setThreshold(1.7f);
    EXPECT_DOUBLE_EQ(core.thresholdGain(), 0.25);
    core.setMakeup(-2.0f);
    EXPECT_DOUBLE_EQ(core.makeupGain(), 0.25);
    core.setRatio(3.0f);
    EXPECT_EQ(core.ratioTarget(), 1.0);
    core.setRatio(kNaN);
    EXPECT_EQ(core.ratioTarget(), 0.0);
    core.setBlend(kNaN);
    EXPECT_EQ(core.blendTarget(), 0.0);
    core.setSideChainFilter(9.0f);
    EXPECT_EQ(core.sideChainFilter(), 1.0);
    core.setAttack(kNaN);
    EXPECT_DOUBLE_EQ(core.attackTime(), 0.001);
    core.setLink(kNaN);
    EXPECT_EQ(core.link(), 0);
}

TEST(CompressorCoreSetters, SwitchesTurnOnFromHalf)
{
    CompressorCore core;
    core.setLink(0.49f);
    EXPECT_EQ(core.link(), 0);
    core.setLink(0.5f);
    EXPECT_EQ(core.link(), 1);
    core.setSideChainFilterOn(0.49f);
    EXPECT_EQ(core.sideChainFilterOn(), 0);
    core.setSideChainFilterOn(0.5f);
    EXPECT_EQ(core.sideChainFilterOn(), 1);
    core.setBlendOn(0.49999997f);  // just below a half: must not round up through float arithmetic
    EXPECT_EQ(core.blendOn(), 0.0);
    core.setBlendOn(1.0f);
    EXPECT_EQ(core.blendOn(), 1.0);
}

TEST(CompressorCoreLifecycle, ConstructionLeavesTheDefaultsAtRest)
{
    const CompressorCore core;
    EXPECT_EQ(core.power(), 1);
    EXPECT_EQ(core.sampleRate(), 44100.0f);
    EXPECT_EQ(core.ratioTarget(), 0.5);
    EXPECT_EQ(core.smoothedRatio(), 0.5f);
    EXPECT_DOUBLE_EQ(core.thresholdGain(), 4.0);
    EXPECT_DOUBLE_EQ(core.makeupGain(), 0.25);
    EXPECT_EQ(core.sideChainFilter(), 0.0);
    EXPECT_EQ(core.sideChainFilterOn(), 1);
    EXPECT_EQ(core.blendTarget(), 0.0);
    EXPECT_EQ(core.blendOn(), 0.0);
    EXPECT_EQ(core.channelMode(), 1);
    EXPECT_EQ(core.link(), 1);
    EXPECT_EQ(core.meterValue(), 1.0);
    EXPECT_EQ(core.envelopeLeft(), 1e-4);
    EXPECT_EQ(core.envelopeRight(), 1e-4);
    // Prepared meter filter.
    EXPECT_EQ(core.meterFilter().rate(), 44100.0);
    EXPECT_EQ(core.meterFilter().frequency(), 3.0);
    EXPECT_EQ(core.meterFilter().q(), 0.8765);
}

// Drives the core into heavy gain reduction; returns the lowest meter value seen.
template <typename Sample>
double driveLoud(CompressorCore& core, int frames)
{
    std::vector<Sample> in(static_cast<size_t>(frames));
    for (int i = 0; i < frames; ++i)
        in[static_cast<size_t>(i)] = static_cast<Sample>(0.8 * std::sin(i * 0.05));
    std::vector<Sample> outL(in.size()), outR(in.size());
    Sample* inputs[2] = {in.data(), in.data()};
    Sample* outputs[2] = {outL.data(), outR.data()};
    double lowest = 1.0;
    for (int offset = 0; offset < frames; offset += 256)
    {
        inputs[0] = inputs[1] = in.data() + offset;
        outputs[0] = outL.data() + offset;
        outputs[1] = outR.data() + offset;
        core.process(inputs, outputs, std::min(256, frames - offset), true);
        lowest = std::min(lowest, core.meterValue());
    }
    return lowest;
}

TEST(CompressorCoreLifecycle, ResetRestoresTheRestingState)
{
    CompressorCore core;
    ASSERT_LT(driveLoud<double>(core, 44100), 0.5);
    ASSERT_GT(core.envelopeLeft(), 1e-3);
    core.setRatio(0.8f);
    core.reset();
    EXPECT_EQ(core.meterValue(), 1.0);
    EXPECT_EQ(core.envelopeLeft(), 1e-4);
    EXPECT_EQ(core.envelopeRight(), 1e-4);
    EXPECT_EQ(core.smoothedRatio(), 0.8f);
}

// After reset, prepare and reset a used core behaves exactly as a new one: no history and no cached value leaks.
TEST(CompressorCoreLifecycle, ResetAndPrepareMakeAUsedCoreBehaveAsNew)
{
    CompressorCore used;
    testsignals::applyToCore(used, testsignals::defaultProgram());
    driveLoud<double>(used, 30000);
    used.setRatio(0.2f);
    used.setSampleRate(96000.0f);
    driveLoud<double>(used, 3000);

    CompressorCore fresh;
    for (CompressorCore* core : {&used, &fresh})
    {
        testsignals::applyToCore(*core, testsignals::defaultProgram());
        core->reset();
        core->setSampleRate(48000.0f);
        core->prepare();
        core->reset();
    }
    const int frames = 20000;
    const std::vector<double> signal = testsignals::bursts(frames, 48000.0, 200.0, 5u);
    std::vector<double> in(signal), usedOut(frames), freshOut(frames);
    double* inputs[2] = {in.data(), in.data()};
    double* usedRows[2] = {usedOut.data(), nullptr};
    double* freshRows[2] = {freshOut.data(), nullptr};
    used.process(inputs, usedRows, frames, true);
    fresh.process(inputs, freshRows, frames, true);
    EXPECT_EQ(usedOut, freshOut);
    EXPECT_EQ(used.meterValue(), fresh.meterValue());
}

TEST(CompressorCoreCopy, DoubleCopyRoundsEachSampleThroughFloat)
{
    CompressorCore core;
    double left[3] = {0.1, -1.0 / 3.0, 1e-3};
    double right[3] = {0.7, 2.0, -0.123456789};
    double outL[3] = {};
    double outR[3] = {};
    double* inputs[2] = {left, right};
    double* outputs[2] = {outL, outR};
    core.copy(inputs, outputs, 3);
    EXPECT_EQ(outL[0], static_cast<double>(0.1f));
    EXPECT_NE(outL[0], 0.1);
    for (int i = 0; i < 3; ++i)
    {
        EXPECT_EQ(outL[i], static_cast<double>(static_cast<float>(left[i])));
        EXPECT_EQ(outR[i], static_cast<double>(static_cast<float>(right[i])));
    }
}

TEST(CompressorCoreCopy, SingleCopyPassesSamplesUnchanged)
{
    CompressorCore core;
    float left[2] = {0.1f, -0.25f};
    float right[2] = {0.3f, 1e-30f};
    float outL[2] = {};
    float outR[2] = {};
    float* inputs[2] = {left, right};
    float* outputs[2] = {outL, outR};
    core.copy(inputs, outputs, 2);
    EXPECT_EQ(outL[0], 0.1f);
    EXPECT_EQ(outL[1], -0.25f);
    EXPECT_EQ(outR[0], 0.3f);
    EXPECT_EQ(outR[1], 1e-30f);
}

TEST(CompressorCoreCopy, MissingRightRowsUseTheLeftInputAndWriteOnlyTheLeftOutput)
{
    CompressorCore core;
    double left[2] = {0.5, -0.5};
    double outL[2] = {};
    double outR[2] = {7.0, 7.0};
    double* inputs[2] = {left, nullptr};
    double* both[2] = {outL, outR};
    core.copy(inputs, both, 2);
    EXPECT_EQ(outR[0], 0.5);
    EXPECT_EQ(outR[1], -0.5);

    double onlyLeft[2] = {};
    double* leftRow[2] = {onlyLeft, nullptr};
    core.copy(inputs, leftRow, 2);
    EXPECT_EQ(onlyLeft[0], 0.5);
    EXPECT_EQ(onlyLeft[1], -0.5);
}

TEST(CompressorCoreCopy, MeterSettlesAtNoGainReduction)
{
    CompressorCore core;
    ASSERT_LT(driveLoud<double>(core, 44100), 0.5);
    std::vector<double> in(44100, 0.5), out(44100);
    double* inputs[2] = {in.data(), in.data()};
    double* outputs[2] = {out.data(), nullptr};
    core.copy(inputs, outputs, 44100);
    EXPECT_NEAR(core.meterValue(), 1.0, 1e-3);

    // From cleared history the first tick of 1.0 is b0.
    core.reset();
    core.copy(inputs, outputs, 1);
    EXPECT_DOUBLE_EQ(core.meterValue(), core.meterFilter().b0());
}

TEST(CompressorCoreCopy, ZeroFramesTouchesNothing)
{
    CompressorCore core;
    driveLoud<float>(core, 5000);
    const double meter = core.meterValue();
    core.copy(static_cast<float**>(nullptr), static_cast<float**>(nullptr), 0);
    core.copy(static_cast<double**>(nullptr), static_cast<double**>(nullptr), -3);
    EXPECT_EQ(core.meterValue(), meter);
}
}  // namespace
