// The table of level bounds may only ever claim that a step stays below the envelope when its computed level does:
// for inputs anywhere in a cell, at its edges and outside the grid, in scalar and batch form alike.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

#include "effect/dsp/EnvelopeDetector.h"
#include "effect/dsp/LevelTable.h"
#include "tests/dsp/LevelTableFor.h"

namespace
{
using Batch = xsimd::batch<double, xsimd::sse2>;

// Inputs over the whole grid and past it: random ones, each cell's top, and the doubles either side of it.
std::vector<double> inputs()
{
    std::vector<double> d;
    std::mt19937_64 rng(11);
    std::uniform_real_distribution<double> octaves(0.0, 25.0);
    for (int i = 0; i < 100000; ++i)
        d.push_back(std::exp2(octaves(rng)));
    std::vector<double> tops(dsp::LevelTable::kCells);
    dsp::LevelTable::tops(0, dsp::LevelTable::kCells, tops.data());
    for (double top : tops)
    {
        d.push_back(top);
        d.push_back(std::nextafter(top, 0.0));
        d.push_back(std::nextafter(top, 1e300));
    }
    return d;
}

TEST(LevelTable, NeverClaimsAStepBelowAnEnvelopeItsLevelExceeds)
{
    const std::vector<double> d = inputs();
    for (double a : {1e-4, 0.0625, 0.125})
    {
        const dsp::LevelTable table = testsignals::levelTableFor(a);
        int claims = 0;
        for (double x : d)
        {
            const double q = dsp::detectorLevel(x, a);
            // Just below the level the step would rise: no claim may hold there.
            ASSERT_FALSE(table.below(x, std::nextafter(q, -1.0), a)) << "d " << x << " a " << a;
            // Comfortably above it, beyond the allowance for rounding, the claim is what the table is for.
            claims += table.below(x, 2.0 * q + (1.0 + x) * 0x1p-42, a);
            // The batch form answers each lane as the scalar one does.
            const double env = q * 1.01;
            const Batch lanes(_mm_set_pd(2.0 * x, x));
            const Batch envs(_mm_set_pd(env, env));
            const int bits = _mm_movemask_pd(table.below(lanes, envs, Batch(a)));
            ASSERT_EQ((bits & 1) != 0, table.below(x, env, a)) << "d " << x;
            ASSERT_EQ((bits & 2) != 0, table.below(2.0 * x, env, a)) << "d " << 2.0 * x;
        }
        EXPECT_GT(claims, static_cast<int>(d.size()) * 9 / 10) << "a " << a;
    }
}

TEST(LevelTable, ClaimsNothingOutsideItsGridOrForAnotherExponent)
{
    const dsp::LevelTable table = testsignals::levelTableFor(0.1);
    EXPECT_FALSE(dsp::LevelTable().below(10.0, 1e300, 0.1)) << "an empty table";
    EXPECT_FALSE(table.below(10.0, 1e300, 0.1000001));
    for (double d : {0.0, 0.5, std::nextafter(1.0, 0.0), 16777216.0, 1e30, std::nan("")})
    {
        EXPECT_FALSE(table.below(d, 1e300, 0.1)) << d;
        EXPECT_EQ(_mm_movemask_pd(table.below(Batch(d), Batch(1e300), Batch(0.1))), 0) << d;
    }
    EXPECT_TRUE(table.below(1.0, 1e300, 0.1));
    EXPECT_TRUE(table.below(std::nextafter(16777216.0, 0.0), 1e300, 0.1));
}
}  // namespace
