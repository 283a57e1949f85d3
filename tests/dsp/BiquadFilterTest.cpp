// The meter's low-pass: coefficients for cases worked by hand, the difference equation, and the guards at the edges
// of its rate and frequency.
#include <gtest/gtest.h>

#include <cmath>

#include "effect/dsp/BiquadFilter.h"
#include "tests/dsp/ArithmeticModel.h"

namespace
{
void expectRelative(double actual, double expected, double tolerance)
{
    EXPECT_NEAR(actual, expected, std::fabs(expected) * tolerance) << "expected " << expected;
}

// fs = 40000, f = 10000: w = pi/2, so sin w = 1 and cos w = 0 (to 6e-17).
// Q' = 0.5 * (1 - (10000 / 20000.4)^8) = 0.5 * (1 - 0.0039059375...) = 0.49804718747...
// alpha = 1 / (2 Q') = 1.00392093877..., a0 = 2.00392093877...
// b0 = b2 = 0.5 / a0, b1 = 1 / a0, a1 = -2 cos w / a0 = 0, a2 = (1 - alpha) / a0.
TEST(BiquadFilter, CoefficientsAtAQuarterOfTheRate)
{
    const BiquadFilter filter(40000.0, BiquadFilter::kLowPass, 10000.0, 0.5);
    expectRelative(filter.b0(), 0.24951084163338264, 1e-13);
    expectRelative(filter.b1(), 0.49902168326676527, 1e-13);
    expectRelative(filter.b2(), 0.24951084163338264, 1e-13);
    EXPECT_NEAR(filter.a1(), 0.0, 1e-15);
    expectRelative(filter.a2(), -0.001956633466469401, 1e-11);
}

// The meter filter as built (44100 Hz, 5 Hz, Q 0.65) and as prepared (3 Hz, Q 0.8765). Small-angle check of the
// first: w = 7.12379e-4, alpha = w / 1.3 = 5.47984e-4, b1 = (w^2 / 2) / (1 + alpha) = 2.53603e-7,
// a1 = -2 (1 - w^2 / 2) / (1 + alpha) = -1.998904, a2 = (1 - alpha) / (1 + alpha) = 0.998905.
TEST(BiquadFilter, CoefficientsOfTheMeterFilter)
{
    BiquadFilter filter(44100.0, BiquadFilter::kLowPass, 5.0, 0.65);
    expectRelative(filter.b0(), 1.2680157137006732e-07, 1e-9);
    expectRelative(filter.b1(), 2.5360314274013465e-07, 1e-9);
    expectRelative(filter.b2(), 1.2680157137006732e-07, 1e-9);
    expectRelative(filter.a1(), -1.9989041249973405, 1e-13);
    expectRelative(filter.a2(), 0.9989046322036259, 1e-13);

    filter.setFrequency(3.0);
    filter.setQ(0.8765);
    expectRelative(filter.b1(), 9.132489586364438e-08, 1e-9);
    expectRelative(filter.a1(), -1.9995122835610315, 1e-13);
    expectRelative(filter.a2(), 0.9995124662108231, 1e-13);
}

TEST(BiquadFilter, TickRunsTheDifferenceEquationFromClearedHistory)
{
    BiquadFilter filter(44100.0, BiquadFilter::kLowPass, 5.0, 0.65);
    const double first = filter.tick(1.0);
    EXPECT_DOUBLE_EQ(first, filter.b0());
    const double second = filter.tick(1.0);
    EXPECT_DOUBLE_EQ(second, filter.b0() + filter.b1() - filter.a1() * first);

    filter.clearHistory();
    EXPECT_DOUBLE_EQ(filter.tick(1.0), first);
}

TEST(BiquadFilter, SettlesAtUnityForAConstantInput)
{
    BiquadFilter filter(44100.0, BiquadFilter::kLowPass, 3.0, 0.8765);
    double y = 0.0;
    for (int i = 0; i < 5 * 44100; ++i)
        y = filter.tick(1.0);
    EXPECT_NEAR(y, 1.0, 1e-9);
}

TEST(BiquadFilter, TinyValuesFlushToZero)
{
    if (!kExactArithmetic)
        GTEST_SKIP() << "x87 keeps the guard's sum in 80 bits, where 1e-18 no longer swallows the value";
    BiquadFilter filter(44100.0, BiquadFilter::kLowPass, 5.0, 0.65);
    EXPECT_EQ(filter.tick(1e-30), 0.0);
}

// The difference equation as written, with the guard on every output.
double guardedTick(const BiquadFilter& f, double x, double x1, double x2, double y1, double y2)
{
    const double y = f.b0() * x + f.b1() * x1 + f.b2() * x2 - f.a1() * y1 - f.a2() * y2;
    return (y + 1e-18) - 1e-18;
}

// The guard is skipped where it cannot change the output; the outputs must still be those of the guarded equation,
// bit for bit, while the meter falls through the threshold to tiny values, rings below zero and rises again.
TEST(BiquadFilter, TickGivesTheGuardedEquationsOutputsBitForBit)
{
    if (!kExactArithmetic)
        GTEST_SKIP() << "x87 rounds the guard's sum where the compiler chooses";
    struct Stretch
    {
        double input;
        int samples;
    };
    const Stretch stretches[] = {{1.0, 20000}, {0.02, 30000}, {0.0, 400000}, {1e-30, 1000}, {0.5, 30000},
                                 {0.03125, 40000}, {-0.3, 20000}, {1.0, 5000}};
    for (double rate : {44100.0, 192000.0})
    {
        BiquadFilter filter(rate, BiquadFilter::kLowPass, 3.0, 0.8765);
        double x1 = 0.0, x2 = 0.0, y1 = 0.0, y2 = 0.0;
        long guarded = 0;  // outputs below the threshold, where the guard runs
        for (const Stretch& s : stretches)
        {
            for (int i = 0; i < s.samples; ++i)
            {
                const double expected = guardedTick(filter, s.input, x1, x2, y1, y2);
                const double y = filter.tick(s.input);
                ASSERT_EQ(y, expected) << "rate " << rate << ", input " << s.input << ", sample " << i;
                guarded += std::fabs(y) < BiquadFilter::Recursion::kGuardNeutral;
                x2 = x1;
                x1 = s.input;
                y2 = y1;
                y1 = y;
            }
        }
        EXPECT_GT(guarded, 1000) << "the run must reach the guard's range";
    }
}

// From 1/32 up, 1e-18 is less than half the distance to either neighbour: adding and taking it away gives every
// value back. At 1/64 the neighbour below is nearer and the guard moves the value.
TEST(BiquadFilter, GuardLeavesEveryValueFromOneThirtySecondUpUnchanged)
{
    if (!kExactArithmetic)
        GTEST_SKIP() << "x87 keeps the guard's sum in 80 bits";
    ASSERT_EQ(BiquadFilter::Recursion::kGuardNeutral, std::ldexp(1.0, -5));
    for (int exponent = -5; exponent <= 8; ++exponent)
    {
        const double low = std::ldexp(1.0, exponent);
        const double high = std::nextafter(2.0 * low, 0.0);
        for (double y : {low, std::nextafter(low, 2.0 * low), low * 1.3333333333333333, low * 1.5, high})
        {
            for (double v : {y, -y})
            {
                volatile double sum = v + 1e-18;
                EXPECT_EQ(sum - 1e-18, v) << std::hexfloat << v;
            }
        }
    }
    volatile double sum = std::ldexp(1.0, -6) + 1e-18;
    EXPECT_NE(sum - 1e-18, std::ldexp(1.0, -6));
}

TEST(BiquadFilter, FrequencyIsKeptBelowNyquist)
{
    BiquadFilter filter(44100.0, BiquadFilter::kLowPass, 30000.0, 0.65);
    filter.setRate(44100.0);
    EXPECT_DOUBLE_EQ(filter.frequency(), 0.499 * 44100.0);

    // A rate outside 20000..400000 limits the stored frequency as 44100 would; the coefficients still use the
    // real rate, capped again at 0.499 of it, and stay finite.
    filter.setFrequency(30000.0);
    filter.setRate(10000.0);
    EXPECT_DOUBLE_EQ(filter.frequency(), 0.499 * 44100.0);
    EXPECT_TRUE(std::isfinite(filter.b0()) && std::isfinite(filter.a1()) && std::isfinite(filter.a2()));
}

TEST(BiquadFilter, UnusableRateKeepsCoefficientsFinite)
{
    for (double rate : {0.0, -44100.0, std::nan("")})
    {
        BiquadFilter filter(44100.0, BiquadFilter::kLowPass, 5.0, 0.65);
        filter.setRate(rate);
        EXPECT_TRUE(std::isfinite(filter.b0()) && std::isfinite(filter.b1()) && std::isfinite(filter.a1()) &&
                    std::isfinite(filter.a2()))
            << "rate " << rate;
        EXPECT_TRUE(std::isfinite(filter.tick(1.0)));
    }
}
}  // namespace
