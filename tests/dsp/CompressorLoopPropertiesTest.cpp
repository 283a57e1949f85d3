// Behaviour of the per-sample loop that holds whatever the settings: silence, bad input samples, empty blocks,
// no-ratio, mono and missing rows, in-place buffers, the blend switch, and first samples worked by hand.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "effect/dsp/CompressorCore.h"
#include "tests/dsp/TestSignals.h"

namespace
{
template <typename Sample>
struct Stereo
{
    std::vector<Sample> left;
    std::vector<Sample> right;

    explicit Stereo(int frames) : left(static_cast<size_t>(frames)), right(static_cast<size_t>(frames)) {}

    static Stereo bursts(int frames)
    {
        Stereo s(frames);
        const std::vector<double> l = testsignals::bursts(frames, 44100.0, 180.0, 3u);
        const std::vector<double> r = testsignals::bursts(frames, 44100.0, 270.0, 9u);
        s.left.assign(l.begin(), l.end());
        s.right.assign(r.begin(), r.end());
        return s;
    }
};

CompressorCore makeCore(const reference::Parameters& p = testsignals::defaultProgram())
{
    return testsignals::preparedCore(p);
}

// Processes in blocks of 512, passing absent rows as null; returns the lowest meter value after a block.
template <typename Sample>
double run(CompressorCore& core, Stereo<Sample>& in, Stereo<Sample>& out, bool stereo, bool rightIn = true,
           bool rightOut = true)
{
    const int frames = static_cast<int>(in.left.size());
    double lowestMeter = 1.0;
    for (int offset = 0; offset < frames; offset += 512)
    {
        Sample* inputs[2] = {in.left.data() + offset, rightIn ? in.right.data() + offset : nullptr};
        Sample* outputs[2] = {out.left.data() + offset, rightOut ? out.right.data() + offset : nullptr};
        core.process(inputs, outputs, std::min(512, frames - offset), stereo);
        // The meter filter starts from empty history after prepare: skip its first rise.
        if (offset >= 22050)
            lowestMeter = std::min(lowestMeter, core.meterValue());
    }
    return lowestMeter;
}

template <typename Sample>
class CompressorLoopProperties : public ::testing::Test
{
};
using SampleTypes = ::testing::Types<float, double>;
TYPED_TEST_SUITE(CompressorLoopProperties, SampleTypes);

TYPED_TEST(CompressorLoopProperties, SilenceInGivesSilenceOutWhileTheCoreRelaxes)
{
    using Sample = TypeParam;
    CompressorCore core = makeCore();
    Stereo<Sample> loud = Stereo<Sample>::bursts(44100);
    Stereo<Sample> out(44100);
    ASSERT_LT(run(core, loud, out, true), 0.95);

    Stereo<Sample> silence(4096);
    Stereo<Sample> silentOut(4096);
    double previousL = core.envelopeLeft();
    double previousR = core.envelopeRight();
    for (int block = 0; block < 60; ++block)  // about 5.6 s
    {
        run(core, silence, silentOut, true);
        for (size_t i = 0; i < silentOut.left.size(); ++i)
        {
            ASSERT_EQ(silentOut.left[i], Sample(0)) << "block " << block << " sample " << i;
            ASSERT_EQ(silentOut.right[i], Sample(0)) << "block " << block << " sample " << i;
        }
        EXPECT_LE(core.envelopeLeft(), previousL);
        EXPECT_LE(core.envelopeRight(), previousR);
        previousL = core.envelopeLeft();
        previousR = core.envelopeRight();
    }
    EXPECT_LT(core.envelopeLeft(), 1e-12);
    EXPECT_LT(core.envelopeRight(), 1e-12);
    EXPECT_NEAR(core.meterValue(), 1.0, 1e-6);
}

TYPED_TEST(CompressorLoopProperties, NonFiniteInputCountsAsSilenceAndLeavesNoTrace)
{
    using Sample = TypeParam;
    const Sample bad[] = {std::numeric_limits<Sample>::quiet_NaN(), std::numeric_limits<Sample>::infinity(),
                          -std::numeric_limits<Sample>::infinity()};
    const int positions[] = {1000, 1001, 7000, 15000};
    for (bool dry : {true, false})
    {
        reference::Parameters p = testsignals::defaultProgram();
        if (dry)
        {
            p.blendOn = 1.0f;
            p.blend = 0.0f;
        }
        Stereo<Sample> poisoned = Stereo<Sample>::bursts(22050);
        Stereo<Sample> zeroed = poisoned;
        for (int k = 0; k < 4; ++k)
        {
            poisoned.left[positions[k]] = bad[k % 3];
            poisoned.right[positions[k] + 3] = bad[(k + 1) % 3];
            zeroed.left[positions[k]] = 0;
            zeroed.right[positions[k] + 3] = 0;
        }
        CompressorCore a = makeCore(p);
        CompressorCore b = makeCore(p);
        Stereo<Sample> outA(22050), outB(22050);
        run(a, poisoned, outA, true);
        run(b, zeroed, outB, true);
        EXPECT_EQ(outA.left, outB.left) << (dry ? "dry" : "processed");
        EXPECT_EQ(outA.right, outB.right) << (dry ? "dry" : "processed");
        EXPECT_EQ(a.envelopeLeft(), b.envelopeLeft());
        EXPECT_EQ(a.meterValue(), b.meterValue());
        for (int k = 0; k < 4; ++k)
        {
            EXPECT_EQ(outA.left[positions[k]], Sample(0));
            EXPECT_EQ(outA.right[positions[k] + 3], Sample(0));
        }
        for (Sample v : outA.left)
            ASSERT_TRUE(std::isfinite(v));
    }
}

TYPED_TEST(CompressorLoopProperties, EmptyBlockTouchesNothing)
{
    using Sample = TypeParam;
    CompressorCore core = makeCore();
    CompressorCore twin = makeCore();
    Stereo<Sample> in = Stereo<Sample>::bursts(3000);
    Stereo<Sample> out(3000), twinOut(3000);
    run(core, in, out, true);
    run(twin, in, twinOut, true);

    // Rows untouched, no pointer read, no state changed.
    Sample sentinel[4] = {Sample(9), Sample(9), Sample(9), Sample(9)};
    Sample* rows[2] = {sentinel, sentinel + 2};
    core.process(rows, rows, 0, true);
    core.process(static_cast<Sample**>(nullptr), static_cast<Sample**>(nullptr), 0, true);
    core.process(rows, rows, -4, false);
    for (Sample v : sentinel)
        EXPECT_EQ(v, Sample(9));
    EXPECT_EQ(core.meterValue(), twin.meterValue());
    EXPECT_EQ(core.envelopeLeft(), twin.envelopeLeft());
    EXPECT_EQ(core.smoothedRatio(), twin.smoothedRatio());

    run(core, in, out, true);
    run(twin, in, twinOut, true);
    EXPECT_EQ(out.left, twinOut.left);
    EXPECT_EQ(out.right, twinOut.right);
}

TYPED_TEST(CompressorLoopProperties, RatioZeroBuildsNoGainReduction)
{
    using Sample = TypeParam;
    reference::Parameters p = testsignals::defaultProgram();
    p.ratio = 0.0f;
    p.threshold = 0.0f;  // strongest side chain
    CompressorCore core = makeCore(p);
    const int frames = 3 * 44100;
    Stereo<Sample> in = Stereo<Sample>::bursts(frames);
    Stereo<Sample> out(frames);
    for (int offset = 0; offset < frames; offset += 441)
    {
        Sample* inputs[2] = {in.left.data() + offset, in.right.data() + offset};
        Sample* outputs[2] = {out.left.data() + offset, out.right.data() + offset};
        core.process(inputs, outputs, 441, true);
        ASSERT_LE(core.envelopeLeft(), 1e-4);
        ASSERT_LE(core.envelopeRight(), 1e-4);
        // Once the meter filter has risen from its empty history it stays at no gain reduction.
        if (offset >= 66150)
        {
            ASSERT_GT(core.meterValue(), 0.9999) << offset;
        }
    }
}

TYPED_TEST(CompressorLoopProperties, MonoLeavesTheRightChannelAsItCame)
{
    using Sample = TypeParam;
    Stereo<Sample> in = Stereo<Sample>::bursts(44100);
    {
        CompressorCore core = makeCore();
        Stereo<Sample> out(44100);
        EXPECT_LT(run(core, in, out, false), 0.95);
        EXPECT_EQ(out.right, in.right);
        EXPECT_NE(out.left, in.left);
    }
    {
        // Without a right input row the right output carries the left input.
        CompressorCore core = makeCore();
        Stereo<Sample> out(44100);
        run(core, in, out, false, false, true);
        EXPECT_EQ(out.right, in.left);
    }
}

TYPED_TEST(CompressorLoopProperties, MissingRightOutputKeepsTheLeftResult)
{
    using Sample = TypeParam;
    Stereo<Sample> in = Stereo<Sample>::bursts(22050);
    CompressorCore withBoth = makeCore();
    CompressorCore withLeft = makeCore();
    Stereo<Sample> both(22050), leftOnly(22050);
    run(withBoth, in, both, true);
    run(withLeft, in, leftOnly, true, true, false);
    EXPECT_EQ(leftOnly.left, both.left);
}

TYPED_TEST(CompressorLoopProperties, InPlaceBuffersGiveTheSameResult)
{
    using Sample = TypeParam;
    Stereo<Sample> in = Stereo<Sample>::bursts(22050);
    CompressorCore separate = makeCore();
    CompressorCore inPlace = makeCore();
    Stereo<Sample> out(22050);
    Stereo<Sample> buffer = in;
    run(separate, in, out, true);
    run(inPlace, buffer, buffer, true);
    EXPECT_EQ(buffer.left, out.left);
    EXPECT_EQ(buffer.right, out.right);
}

// A host's block size never shows in the sound: the same input gives the same bits in blocks of any sizes, while
// the ratio moves after a change and after it has come to rest again (where the detector's skipped levels are
// decided), with the other parameters moving too. The changes fall on the same samples for both.
TYPED_TEST(CompressorLoopProperties, BlockSizesNeverShowWhileTheRatioMovesAndRests)
{
    using Sample = TypeParam;
    const int frames = 3 * 44100;
    Stereo<Sample> in = Stereo<Sample>::bursts(frames);
    const int changes[] = {44500, 63000, 88501};
    auto settingsAt = [](int change) {
        reference::Parameters p = testsignals::defaultProgram();
        if (change >= 1)
        {
            p.ratio = 0.9f;
            p.threshold = 0.4f;
        }
        if (change >= 2)
            p.ratio = 0.2f;
        if (change >= 3)
        {
            p.ratio = 0.55f;
            p.makeup = 0.6f;
            p.link = 0.0f;
        }
        return p;
    };
    auto render = [&](const std::vector<int>& sizes, CompressorCore& core) {
        Stereo<Sample> out(frames);
        size_t next = 0;
        int offset = 0;
        int change = 0;
        while (offset < frames)
        {
            const int segmentEnd = change < 3 ? changes[change] : frames;
            const int n = std::min(sizes[next++ % sizes.size()], segmentEnd - offset);
            Sample* inputs[2] = {in.left.data() + offset, in.right.data() + offset};
            Sample* outputs[2] = {out.left.data() + offset, out.right.data() + offset};
            core.process(inputs, outputs, n, true);
            offset += n;
            if (offset == segmentEnd && change < 3)
                testsignals::applyToCore(core, settingsAt(++change));
        }
        return out;
    };
    CompressorCore a = makeCore();
    CompressorCore b = makeCore();
    const Stereo<Sample> outA = render({512}, a);
    const Stereo<Sample> outB = render({1, 37, 64, 65, 700, 5, 128, 3}, b);
    for (int i = 0; i < frames; ++i)
    {
        ASSERT_EQ(outA.left[i], outB.left[i]) << "frame " << i;
        ASSERT_EQ(outA.right[i], outB.right[i]) << "frame " << i;
    }
    EXPECT_EQ(a.envelopeLeft(), b.envelopeLeft());
    EXPECT_EQ(a.envelopeRight(), b.envelopeRight());
    EXPECT_EQ(a.meterValue(), b.meterValue());
}

// With the switch off the blend moves to 1 within milliseconds: once the output follower has forgotten the first
// moments, the result is that of a full blend.
TEST(CompressorLoop, BlendSwitchOffGivesTheFullyProcessedSignal)
{
    reference::Parameters off = testsignals::defaultProgram();
    off.blendOn = 0.0f;
    off.blend = 0.2f;
    reference::Parameters full = off;
    full.blendOn = 1.0f;
    full.blend = 1.0f;
    CompressorCore a = makeCore(off);
    CompressorCore b = makeCore(full);
    Stereo<double> in = Stereo<double>::bursts(3 * 44100);
    Stereo<double> outA(3 * 44100), outB(3 * 44100);
    run(a, in, outA, true);
    run(b, in, outB, true);
    for (size_t i = 2 * 44100; i < outA.left.size(); ++i)
        ASSERT_NEAR(outA.left[i], outB.left[i], 1e-9 * std::fabs(outB.left[i]) + 1e-15) << i;
}

// Dry blend: the output is the input shaped only by the output stage.
// cO = 1 - 0.1091012^(14/44100) = 7.030795e-4; the follower after one sample of 0.5 is s = 0.5 cO = 3.515398e-4;
// F = tanh(2.8284271 s) * 0.35355339 / s = 1 - (2.8284271 s)^2 / 3 = 1 - 3.29547e-7; out = 0.5 F.
TEST(CompressorLoop, FirstSampleOfADryBlendByHand)
{
    reference::Parameters p;  // constructor defaults
    p.blendOn = 1.0f;
    p.blend = 0.0f;
    CompressorCore core = makeCore(p);
    double left[1] = {0.5};
    double right[1] = {0.5};
    double outL[1] = {};
    double outR[1] = {};
    double* inputs[2] = {left, right};
    double* outputs[2] = {outL, outR};
    core.process(inputs, outputs, 1, true);
    EXPECT_NEAR(outL[0], 0.4999998352264591, 1e-15);
    EXPECT_NEAR(outL[0], 0.5 * (1.0 - 3.29547e-7), 1e-11);
    EXPECT_EQ(outR[0], outL[0]);
}

// Constructor defaults at 44100 Hz (ratio 0.5, threshold gain 4, makeup 0.25, high-pass side chain at its lowest,
// blend switch off, both channels linked), one sample of 0.5 on both channels:
//   blend b = cP = 1 - 0.1091012^(1/441) = 0.00501116
//   side chain s = 0.5 - lp = 0.5 - 0.5 cH = 0.49968611 (cH = 6.27773e-4)
//   A = (3^(0.5^0.18) - 1) / 16 = 0.10233, B = 64 * 4^(0.5^1.3) = 112.3808
//   feedback pass: d = s * 0.99999967 * 4 * B = 224.6205, k = 223.6205, u = 1 + k - 10 atan(k/10) = 209.33,
//     p = u^A = 1.7285, q = h - 0.35 atan(h/0.35) = 0.334921, env = 1e-4 + cA (q - 1e-4) with cA = 0.0185483,
//     then times (1 - cR) with cR = 1.61429e-4: env = 0.00630934
//   gain g = 0.03 / (env^2 + 0.03) = 0.998675, y = 0.5 g = 0.499337
//   w = 10 atan(y * 0.25 / 10) = 0.1248279, o = (1 - b) 0.5 + b w = 0.4981200
//   follower 0.4981200 cO = 3.50218e-4, F = 1 - 3.2707e-7, out = 0.4981198
TEST(CompressorLoop, FirstProcessedSampleByHand)
{
    CompressorCore core = makeCore(reference::Parameters{});
    double left[1] = {0.5};
    double right[1] = {0.5};
    double outL[1] = {};
    double outR[1] = {};
    double* inputs[2] = {left, right};
    double* outputs[2] = {outL, outR};
    core.process(inputs, outputs, 1, true);
    EXPECT_NEAR(outL[0], 0.4981198, 1e-7);
    EXPECT_NEAR(outL[0], 0.4981197877106745, 1e-15);
    EXPECT_EQ(outR[0], outL[0]);
    EXPECT_NEAR(core.envelopeLeft(), 0.012402520595533206, 1e-15);  // after the feed-forward pass as well
}
}  // namespace
