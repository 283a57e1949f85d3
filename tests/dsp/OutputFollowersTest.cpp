// The output stage's followers take a step reordered for a shorter chain. Held against the step as the formula
// reads it: within a few ulps of its terms on every kind of signal, no denormal ever, tiny values collapse to zero,
// and after loud input followed by a long silence they come to rest exactly where the formula's step does.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <random>
#include <algorithm>

#include "effect/dsp/OutputFollowers.h"
#include "tests/dsp/ArithmeticModel.h"

namespace
{
using Followers = dsp::OutputFollowers<xsimd::sse2>;

double plainStep(double state, double target, double c)
{
    const double moved = state + (target - state) * c;
    return (moved + 1e-16) - 1e-16;
}

// The output stage's coefficient at a rate.
double coefficientAt(double rate)
{
    return 1.0 - std::pow(0.1091012, 14.0 / rate);
}

bool subnormal(double v)
{
    return std::fpclassify(v) == FP_SUBNORMAL;
}

TEST(OutputFollowers, StepStaysWithinAFewUlpsOfTheFormulasStep)
{
    for (double rate : {44100.0, 96000.0, 192000.0})
    {
        const double c = coefficientAt(rate);
        std::mt19937 random(7);
        std::uniform_real_distribution<double> level(-1.5, 1.5);
        std::uniform_int_distribution<int> scale(-40, 4);
        for (int i = 0; i < 200000; ++i)
        {
            // States and targets of every size, from loud down to where the guard decides.
            const double state = std::ldexp(level(random), scale(random));
            const double target = i % 4 == 0 ? 0.0 : std::ldexp(level(random), scale(random));
            Followers followers(dsp::lanes(state, -state), c);
            const dsp::Lanes next = followers.step(dsp::lanes(target, -target));
            // The terms' size bounds the error of either order; the guard's grid bounds it near zero.
            const double ulp = std::ldexp(1.0, -52) * std::max(std::fabs(state), std::fabs(target)) + 1.3e-32;
            ASSERT_LE(std::fabs(next.get(0) - plainStep(state, target, c)), 4.0 * ulp) << state << " to " << target;
            ASSERT_LE(std::fabs(next.get(1) - plainStep(-state, -target, c)), 4.0 * ulp) << -state << " to "
                                                                                          << -target;
        }
    }
}

TEST(OutputFollowers, TinyValuesCollapseToZero)
{
    if (!kExactArithmetic)
        GTEST_SKIP() << "x87 keeps the guard's sum in 80 bits";
    const double c = coefficientAt(44100.0);
    for (double tiny : {1e-40, -3e-35, 4.9e-324, 1e-310})
    {
        Followers followers(dsp::lanes(tiny, 0.0), c);
        const dsp::Lanes next = followers.step(dsp::lanes(0.0, tiny));
        EXPECT_EQ(next.get(0), 0.0) << tiny;
        EXPECT_EQ(next.get(1), 0.0) << tiny;
    }
}

// Minutes of silence after loud input: the state decays until the guard holds it still, at the value where the
// formula's step is held, and is never a denormal on the way.
TEST(OutputFollowers, LongSilenceComesToRestWhereTheFormulasStepDoes)
{
    if (!kExactArithmetic)
        GTEST_SKIP() << "x87 keeps the guard's sum in 80 bits";
    for (double rate : {44100.0, 192000.0})
    {
        const double c = coefficientAt(rate);
        for (double loud : {0.9, -0.7, 3e-3, 1e-20})
        {
            Followers followers(dsp::lanes(loud, -loud), c);
            double plain = loud;
            const long steps = static_cast<long>(rate) * 120;
            for (long i = 0; i < steps; ++i)
            {
                const dsp::Lanes next = followers.step(dsp::lanes(0.0, 0.0));
                plain = plainStep(plain, 0.0, c);
                ASSERT_FALSE(subnormal(next.get(0)) || subnormal(next.get(1))) << "step " << i;
            }
            EXPECT_EQ(followers.state().get(0), plain) << "from " << loud << " at " << rate;
            EXPECT_EQ(followers.state().get(1), -plain) << "from " << -loud << " at " << rate;
            EXPECT_LT(std::fabs(plain), 1e-28);
        }
    }
}
}  // namespace
