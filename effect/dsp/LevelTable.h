// Bounds on the detector's level q(d) over a grid of inputs, for one ratio exponent: a step whose input lies in a
// cell of the grid cannot rise above the bound at the cell's top, since q never falls as d grows. Where the
// envelope stands above that bound the step only decays, and its level need not be computed. The single remembered
// input of DetectorShortcut is lost as soon as the envelope decays below its level; the grid holds for every input
// as long as the exponent does not change.
//
// The cells are the doubles from 1 to 2^24 that share their exponent and top five bits of mantissa, so a cell is
// found from an input's bits alone. The bounds are levelBound() of the cells' tops, as the shortcut's are.
//
// Built by the loop once the smoothed ratio comes to rest, at a sample that depends on the signal alone, never on
// where blocks or chunks end: which steps skip their levels then decides where runs of decay-only steps begin.
//
// Audio thread only, inside the loop's block (the caller holds the effect mutex); no allocation, no lock.
#pragma once

#include <cstdint>
#include <cstring>
#include <limits>

#include <xsimd/xsimd.hpp>

namespace dsp
{
class LevelTable
{
public:
    static constexpr int kMantissaBits = 5;
    static constexpr int kOctaves = 24;
    static constexpr int32_t kCells = kOctaves << kMantissaBits;

    double exponent() const { return exponent_; }

    // The inputs at the tops of cells first to first + count - 1, whose levels set() takes.
    static void tops(int32_t first, int32_t count, double* tops);

    // Takes the levels q of the tops (as tops() gives them) of cells first to first + count - 1 under exponent a,
    // in order from cell 0; the table holds for a once the last cell has its bound.
    void set(double a, int32_t first, int32_t count, const double* tops, const double* q);

    // True when q(d) under exponent a is known not to exceed env (env is never negative).
    [[gnu::always_inline]] bool below(double d, double env, double a) const
    {
        if (a != exponent_ || !(d >= 1.0 && d < kGridTop))
            return false;
        return bound_[cellOf(d)] <= env;
    }

    // below() for a batch of steps, lane by lane, without branches.
    template <class A>
    xsimd::batch_bool<double, A> below(xsimd::batch<double, A> d, xsimd::batch<double, A> env,
                                       xsimd::batch<double, A> a) const
    {
        using B = xsimd::batch<double, A>;
        const auto inGrid = (d >= B(1.0)) && (d < B(kGridTop));
        const B cellInputs = xsimd::select(inGrid, d, B(1.0));  // cell 0 for the others, whose bound is not used
        B bounds;
        if constexpr (B::size == 2)
        {
            const __m128i cells = _mm_sub_epi64(_mm_srli_epi64(_mm_castpd_si128(cellInputs), kShift),
                                                _mm_set1_epi64x(static_cast<int64_t>(kFirstCell)));
            bounds = B(_mm_set_pd(bound_[_mm_cvtsi128_si32(_mm_unpackhi_epi64(cells, cells))],
                                  bound_[_mm_cvtsi128_si32(cells)]));
        }
#if defined(__AVX512F__)  // eight lanes exist only in the AVX-512 build
        else if constexpr (B::size == 8)
        {
            const __m512i cells = _mm512_sub_epi64(_mm512_srli_epi64(_mm512_castpd_si512(cellInputs), kShift),
                                                   _mm512_set1_epi64(static_cast<int64_t>(kFirstCell)));
            bounds = B(_mm512_i64gather_pd(cells, bound_, sizeof(double)));
        }
#endif
#if defined(__AVX2__)  // four lanes exist only in the AVX2 builds
        else
        {
            const __m256i cells = _mm256_sub_epi64(_mm256_srli_epi64(_mm256_castpd_si256(cellInputs), kShift),
                                                   _mm256_set1_epi64x(static_cast<int64_t>(kFirstCell)));
            bounds = B(_mm256_i64gather_pd(bound_, cells, sizeof(double)));
        }
#endif
        return inGrid && (a == B(exponent_)) && (bounds <= env);
    }

private:
    static constexpr int kShift = 52 - kMantissaBits;
    static constexpr double kGridTop = static_cast<double>(1 << kOctaves);
    static constexpr uint64_t kFirstCell = 0x3FF0000000000000ull >> kShift;  // the cell of 1.0

    [[gnu::always_inline]] static int32_t cellOf(double d)
    {
        uint64_t bits;
        std::memcpy(&bits, &d, sizeof bits);
        return static_cast<int32_t>((bits >> kShift) - kFirstCell);
    }

    double exponent_ = std::numeric_limits<double>::quiet_NaN();  // never equal: no bounds yet
    double bound_[kCells] = {};
};
}  // namespace dsp
