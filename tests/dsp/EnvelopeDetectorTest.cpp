// The detector's shortcut rests on three facts: inputs up to 1 and a zero exponent give a level of exactly 0, a
// learned bound (or the table's) covers every smaller input, and a skipped step leaves the very envelope a computed
// one would.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "effect/dsp/EnvelopeDetector.h"
#include "tests/dsp/ArithmeticModel.h"
#include "tests/dsp/LevelTableFor.h"

namespace
{
// The step written out in full, with nothing skipped.
void literalStep(double d, double& env, double a, double attack, double keep)
{
    const double q = dsp::detectorLevel(d, a);
    env = env + attack * dsp::maxZero(q - env);
    env = dsp::flush(env * keep);
}

TEST(EnvelopeDetector, LevelIsExactlyZeroUpToUnitInputOrWithoutExponent)
{
    for (double a : {0.0, 1e-6, 0.0625, 0.125})
        for (double d : {0.0, 1e-300, 0.5, 0.999999, 1.0})
            EXPECT_EQ(dsp::detectorLevel(d, a), 0.0) << "d " << d << " a " << a;
    for (double d : {1.5, 10.0, 1e4, 1e12})
        EXPECT_EQ(dsp::detectorLevel(d, 0.0), 0.0) << "d " << d;
    EXPECT_GT(dsp::detectorLevel(200.0, 0.1), 0.3);
}

TEST(EnvelopeDetector, LearnedBoundCoversEverySmallerInput)
{
    std::mt19937_64 rng(7);
    std::uniform_real_distribution<double> exponent(1e-4, 0.125);
    std::uniform_real_distribution<double> logInput(0.0, 6.0);
    std::uniform_real_distribution<double> fraction(0.0, 1.0);
    for (int i = 0; i < 200000; ++i)
    {
        const double a = exponent(rng);
        const double d0 = std::pow(10.0, logInput(rng));
        const double q0 = dsp::detectorLevel(d0, a);
        dsp::DetectorShortcut shortcut;
        shortcut.learn(d0, q0, 1e300, a);  // an envelope high enough to keep the point
        ASSERT_EQ(shortcut.safeInput, d0);
        // Smaller inputs, including ones a hair below d0.
        const double d = fraction(rng) < 0.5 ? d0 * fraction(rng) : std::nextafter(d0, 0.0);
        ASSERT_LE(dsp::detectorLevel(d, a), shortcut.safeLevel) << "d0 " << d0 << " d " << d << " a " << a;
        ASSERT_TRUE(shortcut.below(d, shortcut.safeLevel, a));
        ASSERT_FALSE(shortcut.below(d, std::nextafter(shortcut.safeLevel, 0.0), a) && d > 1.0);
    }
}

TEST(EnvelopeDetector, ShortcutStepsGiveTheLiteralEnvelope)
{
    if (!kExactArithmetic)
        GTEST_SKIP() << "x87 rounds the two codings of the step at different points";
    std::mt19937_64 rng(11);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    const double attack = 0.0185;
    const double keep = 1.0 - 1.6e-4;
    for (double a : {0.0, 0.03, 0.1023, 0.125})
    {
        // Without a table of levels, and with one for this exponent.
        for (const dsp::LevelTable& table : {dsp::LevelTable(), testsignals::levelTableFor(a)})
        {
            double fast = 1e-4;
            double slow = 1e-4;
            dsp::DetectorShortcut shortcut;
            for (int i = 0; i < 200000; ++i)
            {
                // Bursts of large inputs over a quieter floor, so the envelope both rises and decays.
                const double burst = (i / 5000) % 2 == 0 ? 300.0 : 3.0;
                const double d = burst * unit(rng) * unit(rng);
                dsp::detectorStep(d, fast, shortcut, table, a, attack, keep);
                literalStep(d, slow, a, attack, keep);
                ASSERT_EQ(fast, slow) << "step " << i << " a " << a;
            }
        }
    }
}

// The loop computes levels many batches at a time, stage by stage; each must be the level computed alone, or the
// shortcut's bound and the builds' identical output would depend on which levels happened to go together.
TEST(EnvelopeDetector, LevelsComputedTogetherEqualLevelsComputedAlone)
{
    std::mt19937_64 rng(5);
    std::uniform_real_distribution<double> exponent(0.0, 0.125);
    std::uniform_real_distribution<double> logInput(-1.0, 6.0);
    for (int round = 0; round < 2000; ++round)
    {
        const int batches = 1 + round % dsp::kMaxLevelBatches;
        dsp::Lanes d[dsp::kMaxLevelBatches];
        dsp::Lanes a[dsp::kMaxLevelBatches];
        dsp::Lanes q[dsp::kMaxLevelBatches];
        for (int b = 0; b < batches; ++b)
        {
            d[b] = dsp::lanes(std::pow(10.0, logInput(rng)), round % 7 == 0 ? 0.0 : std::pow(10.0, logInput(rng)));
            a[b] = dsp::lanes(exponent(rng), round % 5 == 0 ? 0.0 : exponent(rng));
        }
        dsp::detectorLevels(d, a, q, batches);
        for (int b = 0; b < batches; ++b)
            for (int lane = 0; lane < dsp::kLanes; ++lane)
                ASSERT_EQ(q[b].get(lane), dsp::detectorLevel(d[b].get(lane), a[b].get(lane)))
                    << "d " << d[b].get(lane) << " a " << a[b].get(lane) << " with " << batches << " batches";
    }
}

TEST(EnvelopeDetector, ChangingTheExponentForgetsWhatWasLearned)
{
    dsp::DetectorShortcut shortcut;
    shortcut.learn(100.0, dsp::detectorLevel(100.0, 0.05), 1.0, 0.05);
    EXPECT_TRUE(shortcut.below(50.0, 1.0, 0.05));
    EXPECT_FALSE(shortcut.below(50.0, 1.0, 0.125));
}
}  // namespace
