// The side-chain low-pass walks a shorter chain than its plain step and checks it against that step. These tests
// build inputs on which the two round differently, so the walk must be repaired, and hold the result to the plain
// step bit for bit: the filter's own rows and state, and the core's state against the literal model.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "effect/dsp/CompressorCore.h"
#include "effect/dsp/LoopCoefficients.h"
#include "effect/dsp/SideChainLowPass.h"
#include "tests/dsp/ArithmeticModel.h"
#include "tests/dsp/ReferenceCompressor.h"
#include "tests/dsp/TestSignals.h"

namespace
{
using reference::Parameters;
using reference::ReferenceCompressor;

constexpr float kRate = 44100.0f;

double flush(double x)
{
    return (x + 1e-16) - 1e-16;
}

// The filter's step as written: the state is float.
float plainStep(float lp, double x, double c)
{
    return static_cast<float>(flush(lp + (x - lp) * c));
}

// The shorter chain the filter walks.
float fastStep(float lp, double x, double c)
{
    return static_cast<float>(lp * (1.0 - c) + x * c);
}

uint32_t bitsOf(float v)
{
    uint32_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    return bits;
}

uint64_t bitsOf(double v)
{
    uint64_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    return bits;
}

// Two float inputs for a filter at state lp: the first takes the state to a value L, the second lies where
// L * (1 - c) + x * c is nearest zero. The result is then far smaller than the terms it is summed from, and the two
// steps' different rounding errors in those terms reach the float's last bit. Trying L over consecutive floats
// finds a pair that makes the result small enough within some hundreds of tries.
struct Pair
{
    float first;
    float second;
};

Pair divergingPair(float lp, double c)
{
    const float inf = std::numeric_limits<float>::infinity();
    float target = 0.25f;
    for (int i = 0; i < (1 << 16); ++i, target = std::nextafter(target, inf))
    {
        float first = static_cast<float>((target - lp * (1.0 - c)) / c);
        for (int k = 0; k < 8 && plainStep(lp, first, c) != target; ++k)
            first = std::nextafter(first, plainStep(lp, first, c) < target ? inf : -inf);
        if (plainStep(lp, first, c) != target)
            continue;
        const float zero = static_cast<float>(-target * (1.0 - c) / c);
        for (float second : {zero, std::nextafter(zero, inf), std::nextafter(zero, -inf)})
        {
            if (bitsOf(fastStep(target, second, c)) != bitsOf(plainStep(target, second, c)))
                return {first, second};
        }
    }
    ADD_FAILURE() << "no diverging pair found from state " << lp;
    return {0.0f, 0.0f};
}

double sideChainCoefficient(double filter)
{
    LoopCoefficientCache cache;
    return cache.get(kRate, 0.01, 0.1, filter).sideChain;
}

// Programme-like audio with diverging pairs ending at the positions given (each position at least 1, no two
// adjacent), each found from the plain filter's state before it. Both channels get them, each from its own state.
struct Fixture
{
    std::vector<float> left;
    std::vector<float> right;
    int diverging = 0;  // steps at which the shorter chain would take another value than the plain step
};

Fixture buildFixture(int frames, const std::vector<int>& at, double c, bool silenceFirst)
{
    Fixture f;
    const std::vector<double> l = testsignals::bursts(frames, kRate, 220.0, 5u);
    const std::vector<double> r = testsignals::bursts(frames, kRate, 331.0, 9u);
    f.left.assign(l.begin(), l.end());
    f.right.assign(r.begin(), r.end());
    if (silenceFirst)
    {
        // Loud, then silence: the state decays into the range where the flush decides its value.
        for (int i = frames / 4; i < frames; ++i)
            f.left[i] = f.right[i] = 0.0f;
    }
    float lpL = 0.0f;
    float lpR = 0.0f;
    size_t next = 0;
    for (int i = 0; i < frames; ++i)
    {
        if (next < at.size() && at[next] == i + 1)
        {
            const Pair pairL = divergingPair(lpL, c);
            const Pair pairR = divergingPair(lpR, c);
            f.left[i] = pairL.first;
            f.left[i + 1] = pairL.second;
            f.right[i] = pairR.first;
            f.right[i + 1] = pairR.second;
            ++next;
        }
        f.diverging += bitsOf(fastStep(lpL, f.left[i], c)) != bitsOf(plainStep(lpL, f.left[i], c));
        f.diverging += bitsOf(fastStep(lpR, f.right[i], c)) != bitsOf(plainStep(lpR, f.right[i], c));
        lpL = plainStep(lpL, f.left[i], c);
        lpR = plainStep(lpR, f.right[i], c);
    }
    return f;
}

// ---- the filter alone: rows and state, chunk by chunk

// Walks the inputs in chunks of 64 from the states given, as the loop does, and holds each chunk's rows and the
// state after it to the plain steps bit for bit. A chunk must be repaired exactly when one of its steps, taken
// from the plain state, would round otherwise on the shorter chain, or, held still, when sound meets it. Returns
// the number of repaired chunks; still counts the chunks held still.
int walkChunks(float lpL, float lpR, const std::vector<float>& left, const std::vector<float>& right, double c,
               bool highPass, int* still = nullptr)
{
    constexpr int kCount = 64;
    dsp::SideChainLowPass<xsimd::sse2> filter(dsp::lanes(lpL, lpR), c);
    int repairs = 0;
    for (size_t start = 0; start + kCount <= left.size(); start += kCount)
    {
        double xL[kCount], xR[kCount], sL[kCount], sR[kCount];
        filter.beginChunk();
        for (int j = 0; j < kCount; ++j)
        {
            xL[j] = left[start + j];
            xR[j] = right[start + j];
            const dsp::Lanes lp = filter.step(dsp::lanes(xL[j], xR[j]));
            sL[j] = highPass ? xL[j] - lp.get(0) : xL[j];
            sR[j] = highPass ? xR[j] - lp.get(1) : xR[j];
        }
        const bool heldStill = filter.standingStill();
        const bool repaired = filter.endChunk(xL, xR, sL, sR, kCount, highPass);
        repairs += repaired;
        if (still != nullptr)
            *still += heldStill;

        bool diverges = false;
        bool sounds = false;
        for (int j = 0; j < kCount; ++j)
        {
            diverges |= bitsOf(fastStep(lpL, xL[j], c)) != bitsOf(plainStep(lpL, xL[j], c)) ||
                        bitsOf(fastStep(lpR, xR[j], c)) != bitsOf(plainStep(lpR, xR[j], c));
            sounds |= xL[j] != 0.0 || xR[j] != 0.0;
            lpL = plainStep(lpL, xL[j], c);
            lpR = plainStep(lpR, xR[j], c);
            EXPECT_EQ(bitsOf(sL[j]), bitsOf(highPass ? xL[j] - lpL : xL[j])) << "left, sample " << start + j;
            EXPECT_EQ(bitsOf(sR[j]), bitsOf(highPass ? xR[j] - lpR : xR[j])) << "right, sample " << start + j;
        }
        EXPECT_EQ(repaired, heldStill ? sounds : diverges) << "chunk at " << start;
        EXPECT_EQ(bitsOf(static_cast<float>(filter.state().get(0))), bitsOf(lpL)) << "after chunk at " << start;
        EXPECT_EQ(bitsOf(static_cast<float>(filter.state().get(1))), bitsOf(lpR)) << "after chunk at " << start;
    }
    return repairs;
}

TEST(SideChainLowPass, RepairedChunkGivesThePlainStepsStateAndRows)
{
    const double c = sideChainCoefficient(0.5);
    // Pairs ending on the second chunk's first step, one inside and its last: the repair must start from the
    // chunk's first state, and the chunks around it must not need one.
    const Fixture f = buildFixture(3 * 64, {64, 81, 127}, c, false);
    ASSERT_GE(f.diverging, 6);
    for (bool highPass : {true, false})
    {
        SCOPED_TRACE(highPass ? "high-pass" : "plain side chain");
        EXPECT_EQ(walkChunks(0.0f, 0.0f, f.left, f.right, c, highPass), 1);
    }
}

TEST(SideChainLowPass, DecayInSilenceShowsTheFlushedStateInTheRows)
{
    // Silence after a tiny state: the flush decides every step, and the high-passed rows are the state itself.
    const double c = sideChainCoefficient(0.5);
    const std::vector<float> silence(3 * 64, 0.0f);
    EXPECT_GE(walkChunks(3e-24f, -2e-25f, silence, silence, c, true), 1);
}

// Silence once the state has come to rest: the chunks after the first hold it still and walk no chain, and input
// returning at a chunk's first, an inner or its last sample has that chunk walked again the plain way. Negative
// zeros are silence as well: the rows they give must still be the plain step's, sign and all.
TEST(SideChainLowPass, StateAtRestIsHeldStillUntilInputReturns)
{
    const double c = sideChainCoefficient(0.5);
    // States at rest: the plain step in silence gives them back.
    float restL = 3e-24f;
    float restR = -2e-25f;
    for (int i = 0; i < 1000000 && (plainStep(restL, 0.0, c) != restL || plainStep(restR, 0.0, c) != restR); ++i)
    {
        restL = plainStep(restL, 0.0, c);
        restR = plainStep(restR, 0.0, c);
    }
    ASSERT_EQ(plainStep(restL, 0.0, c), restL);
    ASSERT_EQ(plainStep(restR, 0.0, c), restR);
    ASSERT_NE(restL, 0.0f) << "the flush holds a tiny state";

    const std::vector<double> loud = testsignals::bursts(64, kRate, 220.0, 3u);
    for (int resume : {4 * 64, 4 * 64 + 17, 5 * 64 - 1})
    {
        SCOPED_TRACE(resume);
        std::vector<float> left(7 * 64, 0.0f);
        std::vector<float> right(7 * 64, 0.0f);
        for (size_t i = 0; i < right.size(); i += 3)
            right[i] = -0.0f;  // silence too
        for (int i = resume; i < resume + 64 && i < 7 * 64; ++i)
            left[i] = right[i] = static_cast<float>(loud[i - resume]) + 0.1f;
        for (bool highPass : {true, false})
        {
            int still = 0;
            const int repairs = walkChunks(restL, restR, left, right, c, highPass, &still);
            EXPECT_EQ(still, 4) << "held from the second chunk to the one in which input returns";
            EXPECT_GE(repairs, 1);
        }
    }
}

// ---- the core against the literal model

struct Case
{
    std::string name;
    double filter;          // side-chain filter value
    float filterOn;         // 1: the side chain is high-passed
    bool silenceFirst;      // the state decays to zero after loud input
    std::vector<int> at;    // positions of the diverging inputs
};

std::vector<Case> cases()
{
    // Blocks of 64, 1, 37, 256, 5, 65, 700 begin at 64, 65, 102, 358, 363, 428, 1128 and chunks within them every
    // 64 samples: pairs that end on a block's first or last sample, a chunk's first and last, inside, and on the
    // stream's last sample. The state is compared after each block, so a wrong state shows on a block's last one.
    return {
        {"HighPassedAtChunkAndBlockEdges", 0.5, 1.0f, false, {1, 64, 102, 166, 229, 361, 1000, 1999}},
        {"PlainSideChainStillCarriesTheState", 0.5, 0.0f, false, {3, 64, 357, 1500}},
        {"LowestFilter", 0.0, 1.0f, false, {63, 101, 700, 1127}},
        {"HighestFilter", 1.0, 1.0f, false, {63, 101, 700, 1127}},
        {"DecayToSilence", 0.5, 1.0f, true, {}},
    };
}

class SideChainMatchesReference : public ::testing::TestWithParam<Case>
{
};

template <typename Sample>
void expectSameLowPass(const Case& c)
{
    if (!kExactArithmetic)
        GTEST_SKIP() << "x87 arithmetic rounds the model's float steps where the compiler puts them";
    Parameters p = testsignals::defaultProgram();
    p.sideChainFilter = static_cast<float>(c.filter);
    p.sideChainFilterOn = c.filterOn;
    CompressorCore core;
    ReferenceCompressor<Sample> ref;
    testsignals::applyToCore(core, p);
    ref.apply(p);
    core.reset();
    ref.reset();
    core.setSampleRate(kRate);
    ref.setSampleRate(kRate);
    core.prepare();
    ref.prepare();
    core.reset();
    ref.reset();

    const double cH = sideChainCoefficient(core.sideChainFilter());
    // The model computes its coefficient with the C library's pow, which on some builds may round it otherwise;
    // its states can only agree where it is the same. The plain steps with the core's coefficient always must.
    const bool modelAgrees =
        bitsOf(cH) == bitsOf(1.0 - std::pow(0.1091012, std::pow(125.0, ref.filterValue) * 12.5 / kRate));

    const int frames = c.silenceFirst ? 20000 : 2000;
    const Fixture f = buildFixture(frames, c.at, cH, c.silenceFirst);
    ASSERT_GE(f.diverging, static_cast<int>(2 * c.at.size()));
    ASSERT_GT(f.diverging, 0);

    std::vector<Sample> inL(f.left.begin(), f.left.end());
    std::vector<Sample> inR(f.right.begin(), f.right.end());
    std::vector<Sample> outL(frames), outR(frames);
    const int blockSizes[] = {64, 1, 37, 256, 5, 65, 700};
    float lpL = 0.0f;
    float lpR = 0.0f;
    int offset = 0;
    for (int block = 0; offset < frames; ++block)
    {
        const int n = std::min(blockSizes[block % 7], frames - offset);
        Sample* in[2] = {inL.data() + offset, inR.data() + offset};
        Sample* out[2] = {outL.data() + offset, outR.data() + offset};
        core.process(in, out, n, true);
        ref.process(in, out, n, true);
        for (int i = offset; i < offset + n; ++i)
        {
            lpL = plainStep(lpL, inL[i], cH);
            lpR = plainStep(lpR, inR[i], cH);
        }
        offset += n;
        ASSERT_EQ(bitsOf(core.lowPassLeft()), bitsOf(lpL)) << "after sample " << offset;
        ASSERT_EQ(bitsOf(core.lowPassRight()), bitsOf(lpR)) << "after sample " << offset;
        if (modelAgrees)
        {
            ASSERT_EQ(bitsOf(core.lowPassLeft()), bitsOf(ref.lpL)) << "after sample " << offset;
            ASSERT_EQ(bitsOf(core.lowPassRight()), bitsOf(ref.lpR)) << "after sample " << offset;
        }
    }
}

TEST_P(SideChainMatchesReference, DoublePrecision)
{
    expectSameLowPass<double>(GetParam());
}

TEST_P(SideChainMatchesReference, SinglePrecision)
{
    expectSameLowPass<float>(GetParam());
}

INSTANTIATE_TEST_SUITE_P(Cases, SideChainMatchesReference, ::testing::ValuesIn(cases()),
                         [](const ::testing::TestParamInfo<Case>& info) { return info.param.name; });
}  // namespace
