// The loop's own assembly of xsimd's atan and tanh gives xsimd's bits, whatever mix of ranges shares a batch, and
// the output factor computed from the rational forms stays within a few ulps of its formula.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <vector>

#include "effect/dsp/RationalKernels.h"
#include "effect/dsp/Shaping.h"

namespace
{
using Batch = xsimd::batch<double, xsimd::sse2>;

bool sameBits(double a, double b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// Both signs of: zeros, the tiniest values, each range's bounds and their neighbours, and a spread of magnitudes.
std::vector<double> atanArguments()
{
    std::vector<double> v = {0.0, std::numeric_limits<double>::denorm_min(), 1e-300, 1e-8, 0.5, 1.0, 2.0, 1e8, 1e300,
                             std::numeric_limits<double>::max(), std::numeric_limits<double>::infinity()};
    for (double bound : {0.41421356237309503, 2.414213562373095})
    {
        double below = bound;
        double above = bound;
        for (int i = 0; i < 4; ++i)
        {
            below = std::nextafter(below, 0.0);
            above = std::nextafter(above, 10.0);
            v.push_back(below);
            v.push_back(above);
        }
        v.push_back(bound);
    }
    std::mt19937 rng(3u);
    std::uniform_real_distribution<double> exponent(-6.0, 6.0);
    for (int i = 0; i < 20000; ++i)
        v.push_back(std::pow(10.0, exponent(rng)));
    const size_t positive = v.size();
    for (size_t i = 0; i < positive; ++i)
        v.push_back(-v[i]);
    return v;
}

TEST(RationalKernels, AtanGivesXsimdsBitsForEveryPairOfRanges)
{
    const std::vector<double> v = atanArguments();
    std::mt19937 rng(9u);
    std::uniform_int_distribution<size_t> pick(0, v.size() - 1);
    // Each value alone (both lanes alike) and beside values of other ranges.
    for (size_t i = 0; i < v.size(); ++i)
    {
        for (double other : {v[i], v[pick(rng)]})
        {
            const Batch x(_mm_set_pd(other, v[i]));
            const Batch ours = dsp::atan(x);
            const Batch theirs = xsimd::atan(x);
            ASSERT_TRUE(sameBits(ours.get(0), theirs.get(0))) << "atan(" << v[i] << ") beside " << other;
            ASSERT_TRUE(sameBits(ours.get(1), theirs.get(1))) << "atan(" << other << ") beside " << v[i];
        }
    }
    EXPECT_TRUE(std::isnan(dsp::atan(Batch(std::nan(""))).get(0)));
}

TEST(RationalKernels, TanhRationalFormIsXsimdsTanhNearZero)
{
    for (double x = -0.6249; x < 0.625; x += 0.000123)
    {
        const Batch b(x);
        const double ours = (dsp::tanhRational(b * b) * b + b).get(0);
        ASSERT_TRUE(sameBits(ours, xsimd::tanh(b).get(0))) << x;
    }
}

// Against the formula in long double: tanh(2.82842712474619 s) 0.35355339059327 / s above 1e-4, atan(4 s) 0.25 / s
// below -1e-4, 1 between; the rational forms near zero and the full functions further out.
TEST(RationalKernels, OutputFactorFollowsItsFormula)
{
    for (double magnitude = 1e-5; magnitude < 40.0; magnitude *= 1.0007)
    {
        for (double s : {magnitude, -magnitude})
        {
            const long double ls = s;
            long double expected = 1.0L;
            if (s > 1e-4)
                expected = std::tanh(2.82842712474619L * ls) * 0.35355339059327L / ls;
            else if (s < -1e-4)
                expected = std::atan(4.0L * ls) * 0.25L / ls;
            const double factor = dsp::outputFactor(Batch(s)).get(0);
            ASSERT_NEAR(factor, static_cast<double>(expected), 4e-16 * static_cast<double>(expected)) << s;
        }
    }
}
}  // namespace
