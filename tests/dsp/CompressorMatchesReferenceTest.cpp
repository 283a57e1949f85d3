// The optimised core against the literal reference model, sample by sample, over seconds of programme-like audio:
// every channel mode, link, side-chain filter, blend switch, ratio extremes, sample rates, mono and missing rows,
// parameter automation and a rate change mid-stream, in both precisions.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "effect/dsp/CompressorCore.h"
#include "tests/dsp/ArithmeticModel.h"
#include "tests/dsp/ReferenceCompressor.h"
#include "tests/dsp/TestSignals.h"

namespace
{
using reference::Parameters;
using reference::ReferenceCompressor;

constexpr double kRelativeTolerance = 1e-9;

// With x87 arithmetic the float32 roundings of the 32-bit form fall where the compiler puts them: about an ulp.
template <typename Sample>
constexpr double tolerance()
{
    return sizeof(Sample) == sizeof(float) && !kExactArithmetic ? 1e-6 : kRelativeTolerance;
}

struct Case
{
    std::string name;
    Parameters params;
    float rate = 44100.0f;
    bool stereo = true;
    bool rightInputNull = false;
    bool rightOutputNull = false;
    double seconds = 3.0;
    bool automate = false;    // parameter changes at one third and two thirds of the run
    bool rateChange = false;  // a new rate and prepare half way, as a host's suspend/resume does
};

void PrintTo(const Case& c, std::ostream* os)
{
    *os << c.name;
}

struct Deviation
{
    double maxRelative = 0.0;
    long differing = 0;  // samples not bit-identical
    long samples = 0;
    double minMeter = 1.0;
    bool envelopesAgree = true;
};

void note(Deviation& dev, double actual, double expected)
{
    ++dev.samples;
    if (actual == expected)
        return;
    ++dev.differing;
    const double scale = std::max(std::fabs(expected), 1e-30);
    dev.maxRelative = std::max(dev.maxRelative, std::fabs(actual - expected) / scale);
}

bool close(double actual, double expected, double relative)
{
    return std::fabs(actual - expected) <= relative * std::fabs(expected) + 1e-300;
}

// Each change moves several parameters at once so that the ratio shape, the coefficients and the blend goal all
// have to follow.
Parameters automated(Parameters p, int step)
{
    if (step == 1)
    {
        p.ratio = std::min(1.0f, p.ratio + 0.35f);
        p.threshold = std::max(0.0f, p.threshold - 0.2f);
        p.attack = 0.1f;
        p.sideChainFilter = 0.8f;
        p.blendOn = p.blendOn > 0.5f ? 0.0f : 1.0f;
        p.blend = 0.6f;
    }
    else
    {
        p.ratio = 0.2f;
        p.release = 0.9f;
        p.link = p.link > 0.5f ? 0.0f : 1.0f;
        p.makeup = 0.8f;
        p.sideChainFilterOn = p.sideChainFilterOn > 0.5f ? 0.0f : 1.0f;
    }
    return p;
}

template <typename Sample>
Deviation compare(const Case& c)
{
    CompressorCore core;
    ReferenceCompressor<Sample> ref;
    testsignals::applyToCore(core, c.params);
    ref.apply(c.params);
    // As the effect does: suspend, resume (rate, prepare), suspend.
    core.reset();
    ref.reset();
    core.setSampleRate(c.rate);
    ref.setSampleRate(c.rate);
    core.prepare();
    ref.prepare();
    core.reset();
    ref.reset();

    const double signalRate = core.sampleRate();
    const int frames = static_cast<int>(c.seconds * signalRate);
    const std::vector<double> left = testsignals::bursts(frames, signalRate, 220.0, 11u);
    const std::vector<double> right = testsignals::bursts(frames, signalRate, 331.0, 23u);
    std::vector<Sample> inL(left.begin(), left.end());
    std::vector<Sample> inR(right.begin(), right.end());
    std::vector<Sample> outCoreL(frames), outCoreR(frames), outRefL(frames), outRefR(frames);

    Deviation dev;
    const int blockSizes[] = {512, 1, 37, 256, 1024, 5, 64, 65, 700};
    int offset = 0;
    int block = 0;
    int nextChange = c.automate ? frames / 3 : frames + 1;
    int step = 1;
    bool rateChanged = false;
    while (offset < frames)
    {
        if (offset >= nextChange)
        {
            const Parameters p = automated(c.params, step);
            testsignals::applyToCore(core, p);
            ref.apply(p);
            nextChange = step == 1 ? 2 * frames / 3 : frames + 1;
            ++step;
        }
        if (c.rateChange && !rateChanged && offset >= frames / 2)
        {
            rateChanged = true;
            core.reset();
            ref.reset();
            core.setSampleRate(48000.0f);
            ref.setSampleRate(48000.0f);
            core.prepare();
            ref.prepare();
        }
        const int n = std::min(blockSizes[block++ % 9], frames - offset);
        Sample* coreIn[2] = {inL.data() + offset, c.rightInputNull ? nullptr : inR.data() + offset};
        Sample* refIn[2] = {inL.data() + offset, c.rightInputNull ? nullptr : inR.data() + offset};
        Sample* coreOut[2] = {outCoreL.data() + offset, c.rightOutputNull ? nullptr : outCoreR.data() + offset};
        Sample* refOut[2] = {outRefL.data() + offset, c.rightOutputNull ? nullptr : outRefR.data() + offset};
        core.process(coreIn, coreOut, n, c.stereo);
        ref.process(refIn, refOut, n, c.stereo);

        note(dev, core.meterValue(), ref.meter);
        if (!close(core.envelopeLeft(), ref.envL, tolerance<Sample>()) ||
            !close(core.envelopeRight(), ref.envR, tolerance<Sample>()))
            dev.envelopesAgree = false;
        dev.minMeter = std::min(dev.minMeter, ref.meter);
        offset += n;
    }
    for (int i = 0; i < frames; ++i)
    {
        note(dev, outCoreL[i], outRefL[i]);
        if (!c.rightOutputNull)
            note(dev, outCoreR[i], outRefR[i]);
    }
    return dev;
}

Case make(const std::string& name, void (*edit)(Case&))
{
    Case c;
    c.name = name;
    c.params = testsignals::defaultProgram();
    edit(c);
    return c;
}

std::vector<Case> cases()
{
    return {
        make("DefaultProgram", [](Case&) {}),
        make("ConstructorDefaults", [](Case& c) { c.params = Parameters{}; }),
        make("Unlinked", [](Case& c) { c.params.link = 0.0f; }),
        make("LeftOnly", [](Case& c) { c.params.channel = 0.0f; }),
        make("RightOnly", [](Case& c) { c.params.channel = 1.0f; }),
        make("RightOnlyUnlinked", [](Case& c) {
            c.params.channel = 1.0f;
            c.params.link = 0.0f;
        }),
        make("MonoBoth", [](Case& c) { c.stereo = false; }),
        make("MonoRightMode", [](Case& c) {
            c.stereo = false;
            c.params.channel = 1.0f;
        }),
        make("SideChainFilterLowest", [](Case& c) {
            c.params.sideChainFilterOn = 1.0f;
            c.params.sideChainFilter = 0.0f;
        }),
        make("SideChainFilterHighest", [](Case& c) {
            c.params.sideChainFilterOn = 1.0f;
            c.params.sideChainFilter = 1.0f;
        }),
        make("BlendOnDry", [](Case& c) {
            c.params.blendOn = 1.0f;
            c.params.blend = 0.0f;
        }),
        make("BlendOnParallel", [](Case& c) {
            c.params.blendOn = 1.0f;
            c.params.blend = 0.4f;
        }),
        make("BlendOnFull", [](Case& c) {
            c.params.blendOn = 1.0f;
            c.params.blend = 1.0f;
        }),
        make("RatioZero", [](Case& c) { c.params.ratio = 0.0f; }),
        make("RatioOne", [](Case& c) { c.params.ratio = 1.0f; }),
        make("FastAttackRelease", [](Case& c) {
            c.params.attack = 0.0f;
            c.params.release = 0.0f;
        }),
        make("SlowAttackRelease", [](Case& c) {
            c.params.attack = 1.0f;
            c.params.release = 1.0f;
        }),
        make("HeavyThresholdAndMakeup", [](Case& c) {
            c.params.threshold = 0.0f;
            c.params.makeup = 1.0f;
        }),
        make("LightThreshold", [](Case& c) { c.params.threshold = 1.0f; }),
        make("Rate96000", [](Case& c) { c.rate = 96000.0f; }),
        make("Rate22050FallsBack", [](Case& c) { c.rate = 22050.0f; }),
        make("Rate32000", [](Case& c) { c.rate = 32000.0f; }),
        make("RightInputNull", [](Case& c) { c.rightInputNull = true; }),
        make("RightInputNullMono", [](Case& c) {
            c.rightInputNull = true;
            c.stereo = false;
        }),
        make("RightOutputNull", [](Case& c) { c.rightOutputNull = true; }),
        make("RightOutputNullRightOnly", [](Case& c) {
            c.rightOutputNull = true;
            c.params.channel = 1.0f;
        }),
        make("BothRowsNull", [](Case& c) {
            c.rightInputNull = true;
            c.rightOutputNull = true;
        }),
        make("Automation", [](Case& c) { c.automate = true; }),
        make("AutomationFromRatioZero", [](Case& c) {
            c.automate = true;
            c.params.ratio = 0.0f;
            c.params.sideChainFilterOn = 1.0f;
        }),
        make("RateChangeMidStream", [](Case& c) { c.rateChange = true; }),
    };
}

class CompressorMatchesReference : public ::testing::TestWithParam<Case>
{
};

template <typename Sample>
void expectMatch(const Case& c)
{
    const Deviation dev = compare<Sample>(c);
    ::testing::Test::RecordProperty("differing_samples", std::to_string(dev.differing));
    EXPECT_LE(dev.maxRelative, tolerance<Sample>()) << dev.differing << " of " << dev.samples << " values differ";
    EXPECT_TRUE(dev.envelopesAgree);
    if (c.params.ratio > 0.0f)
    {
        EXPECT_LT(dev.minMeter, 0.9) << "the signal should drive real gain reduction";
    }
}

TEST_P(CompressorMatchesReference, DoublePrecision)
{
    expectMatch<double>(GetParam());
}

TEST_P(CompressorMatchesReference, SinglePrecision)
{
    expectMatch<float>(GetParam());
}

INSTANTIATE_TEST_SUITE_P(Cases, CompressorMatchesReference, ::testing::ValuesIn(cases()),
                         [](const ::testing::TestParamInfo<Case>& info) { return info.param.name; });

// Random parameter sets, rates and row layouts, one second each.
TEST(CompressorMatchesReferenceSweep, RandomSettingsBothPrecisions)
{
    std::mt19937 rng(20240611u);
    std::uniform_real_distribution<float> unit(0.0f, 1.0f);
    const float rates[] = {44100.0f, 48000.0f, 88200.0f, 22050.0f, 500000.0f};
    for (int i = 0; i < 24; ++i)
    {
        Case c;
        c.name = "random" + std::to_string(i);
        c.params.attack = unit(rng);
        c.params.release = unit(rng);
        c.params.ratio = unit(rng);
        c.params.threshold = unit(rng);
        c.params.makeup = unit(rng);
        c.params.sideChainFilter = unit(rng);
        c.params.sideChainFilterOn = unit(rng);
        c.params.blend = unit(rng);
        c.params.blendOn = unit(rng);
        c.params.channel = unit(rng);
        c.params.link = unit(rng);
        c.rate = rates[i % 5];
        c.stereo = (i % 4) != 3;
        c.rightInputNull = (i % 7) == 5;
        c.rightOutputNull = (i % 6) == 4;
        c.automate = (i % 3) == 0;
        c.seconds = 1.0;
        const Deviation d64 = compare<double>(c);
        const Deviation d32 = compare<float>(c);
        EXPECT_LE(d64.maxRelative, tolerance<double>()) << c.name;
        EXPECT_LE(d32.maxRelative, tolerance<float>()) << c.name;
        EXPECT_TRUE(d64.envelopesAgree && d32.envelopesAgree) << c.name;
    }
}
}  // namespace

namespace
{
// After loud input the envelopes decay for minutes: first by whole runs of steps, then, once tiny, step by step to
// where the denormal guard holds them still. They must come to rest where the formulas' own do.
template <typename Sample>
void expectRestLikeTheModel(float release)
{
    Parameters p = testsignals::defaultProgram();
    p.release = release;
    CompressorCore core;
    ReferenceCompressor<Sample> ref;
    testsignals::applyToCore(core, p);
    ref.apply(p);
    const int loudFrames = 44100;
    const std::vector<double> left = testsignals::bursts(loudFrames, 44100.0, 220.0, 5u);
    const std::vector<double> right = testsignals::bursts(loudFrames, 44100.0, 331.0, 6u);
    std::vector<Sample> inL(left.begin(), left.end()), inR(right.begin(), right.end());
    std::vector<Sample> outCore(2 * 997), outRef(2 * 997);
    const int blockSizes[] = {997, 512, 3};
    int frame = 0;
    for (int block = 0; frame < 44100 * 12; ++block)
    {
        const int n = blockSizes[block % 3];
        const bool loud = frame + n <= loudFrames;
        std::vector<Sample> silence(static_cast<size_t>(n), Sample(0));
        Sample* in[2] = {loud ? inL.data() + frame : silence.data(), loud ? inR.data() + frame : silence.data()};
        Sample* coreOut[2] = {outCore.data(), outCore.data() + 997};
        Sample* refOut[2] = {outRef.data(), outRef.data() + 997};
        core.process(in, coreOut, n, true);
        ref.process(in, refOut, n, true);
        frame += n;
        ASSERT_TRUE(close(core.envelopeLeft(), ref.envL, tolerance<Sample>())) << "frame " << frame;
        ASSERT_TRUE(close(core.envelopeRight(), ref.envR, tolerance<Sample>())) << "frame " << frame;
        ASSERT_TRUE(close(core.meterValue(), ref.meter, tolerance<Sample>())) << "frame " << frame;
        for (int i = 0; i < n; ++i)
            ASSERT_TRUE(close(outCore[i], outRef[i], tolerance<Sample>())) << "frame " << frame - n + i;
    }
    EXPECT_GT(ref.envL, 0.0) << "the guard holds the envelope above zero";
    EXPECT_LT(ref.envL, 1e-25);
}

TEST(CompressorMatchesReferenceAtRest, EnvelopesComeToRestWhereTheModelsDo)
{
    for (float release : {0.0f, 0.5f})
    {
        expectRestLikeTheModel<double>(release);
        expectRestLikeTheModel<float>(release);
    }
}
}  // namespace
