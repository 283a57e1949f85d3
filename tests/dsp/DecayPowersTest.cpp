// The envelope's decay over a run of steps comes from powers of the per-step decay held to twice double precision;
// powers rounded once per factor drift, and the drift shows in the meter, whose near-unit-circle filter magnifies
// any difference in its input.
#include <gtest/gtest.h>

#include <cmath>

#include "effect/dsp/DoubleDouble.h"
#include "effect/dsp/LoopCoefficients.h"

namespace
{
TEST(DoubleDouble, ProductIsExact)
{
    struct Case
    {
        double a, b, hi, lo;
    };
    const double e30 = std::ldexp(1.0, -30);
    const Case cases[] = {
        {1.0 + e30, 1.0 + e30, 1.0 + 2.0 * e30, e30 * e30},             // the square's last term is below an ulp
        {1.0 - e30, 1.0 + e30, 1.0, -e30 * e30},                         // (1 - e)(1 + e) = 1 - e^2
        {3.0, 1.0 / 3.0, 1.0, -std::ldexp(1.0, -54)},                    // 3 * fl(1/3) = 1 - 2^-54, a tie to 1
        {0.5, 0.25, 0.125, 0.0},                                         // exact in double already
    };
    for (const Case& c : cases)
    {
        const dsp::DoubleDouble p = dsp::exactProduct(c.a, c.b);
        EXPECT_EQ(p.hi, c.hi) << c.a << " * " << c.b;
        EXPECT_EQ(p.lo, c.lo) << c.a << " * " << c.b;
    }
}

TEST(DoubleDouble, DecayPowersAreWithinHalfAnUlp)
{
    LoopCoefficientCache cache;
    // Fast and slow release at the lowest, a common and the highest rate.
    for (double rate : {32000.0, 44100.0, 400000.0})
    {
        for (double releaseTime : {0.005, 0.5})
        {
            const LoopCoefficients& k = cache.get(rate, 0.001, releaseTime, 0.0);
            // The per-step decay as the loop uses it; powers of it carried in long double (64-bit significand) err
            // by far less than the half ulp a double allows.
            const long double keep = 1.0 - k.release;
            long double exact = 1.0L;
            auto withinHalfUlp = [&](double power) {
                const double ulp = std::nextafter(power, 2.0) - power;
                return std::fabs(static_cast<long double>(power) - exact) <= 0.5L * ulp + exact * 1e-18L;
            };
            for (int i = 0; i <= LoopCoefficients::kRun; ++i)
            {
                EXPECT_TRUE(withinHalfUlp(k.decayBefore[i])) << "rate " << rate << " step " << 2 * i;
                EXPECT_EQ(k.decayBeforeExact[i].hi, k.decayBefore[i]);
                exact *= keep;
                EXPECT_TRUE(withinHalfUlp(k.decayBetween[i])) << "rate " << rate << " step " << 2 * i + 1;
                exact *= keep;
            }
        }
    }
}
}  // namespace
