// The row kernels of MathKernels.h for batches of one architecture. Each build of them is instantiated in a source
// file of its own, compiled for that architecture, and shares no function with the others: code built for AVX2
// must never be what a processor without it runs.
#pragma once

#include <cstdint>

#include <xsimd/xsimd.hpp>

#include "effect/dsp/DspMath.h"
#include "effect/dsp/EnvelopeDetector.h"
#include "effect/dsp/MathKernels.h"
#include "effect/dsp/Shaping.h"

namespace dsp
{
template <class Arch>
struct RowKernels
{
    using Batch = xsimd::batch<double, Arch>;
    static constexpr int32_t kWidth = static_cast<int32_t>(Batch::size);
    static_assert(kMaxLevels % kWidth == 0 && kMaxLevels / kWidth <= kMaxLevelBatches, "levels fill whole batches");

    // f over full batches of a row, then over a last partial batch through a zero-filled copy: nothing past count
    // is read or written.
    template <class F>
    static void eachBatch(double* row, const double* other, int32_t count, F f)
    {
        int32_t i = 0;
        for (; i + kWidth <= count; i += kWidth)
            f(row + i, other == nullptr ? nullptr : other + i);
        if (i == count)
            return;
        double rowTail[kWidth] = {};
        double otherTail[kWidth] = {};
        for (int32_t j = i; j < count; ++j)
        {
            rowTail[j - i] = row[j];
            if (other != nullptr)
                otherTail[j - i] = other[j];
        }
        f(rowTail, otherTail);
        for (int32_t j = i; j < count; ++j)
            row[j] = rowTail[j - i];
    }

    static void saturatePositiveRow(double* row, int32_t count)
    {
        eachBatch(row, nullptr, count, [](double* x, const double*) {
            saturatePositive(Batch::load_unaligned(x)).store_unaligned(x);
        });
    }

    static void saturateNegativeRow(double* row, int32_t count)
    {
        eachBatch(row, nullptr, count, [](double* x, const double*) {
            saturateNegative(Batch::load_unaligned(x)).store_unaligned(x);
        });
    }

    static void applyOutputFactorRow(double* out, const double* follow, int32_t count)
    {
        eachBatch(out, follow, count, [](double* o, const double* s) {
            flush(Batch::load_unaligned(o) * outputFactor(Batch::load_unaligned(s))).store_unaligned(o);
        });
    }

    // Up to kMaxLevels at a time; unused lanes get input 0, whose level is 0.
    static void levels(const double* d, const double* a, double* q, int32_t count)
    {
        for (int32_t first = 0; first < count; first += kMaxLevels)
        {
            const int32_t size = count - first < kMaxLevels ? count - first : kMaxLevels;
            double input[kMaxLevels] = {};
            double exponent[kMaxLevels] = {};
            double level[kMaxLevels];
            for (int32_t i = 0; i < size; ++i)
            {
                input[i] = d[first + i];
                exponent[i] = a[first + i];
            }
            const int batches = static_cast<int>((size + kWidth - 1) / kWidth);
            Batch inputs[kMaxLevelBatches];
            Batch exponents[kMaxLevelBatches];
            Batch results[kMaxLevelBatches];
            for (int b = 0; b < batches; ++b)
            {
                inputs[b] = Batch::load_unaligned(input + b * kWidth);
                exponents[b] = Batch::load_unaligned(exponent + b * kWidth);
            }
            detectorLevels(inputs, exponents, results, batches);
            for (int b = 0; b < batches; ++b)
                results[b].store_unaligned(level + b * kWidth);
            for (int32_t i = 0; i < size; ++i)
                q[first + i] = level[i];
        }
    }

    static constexpr MathKernels table(const char* name)
    {
        return MathKernels{name, &saturatePositiveRow, &saturateNegativeRow, &applyOutputFactorRow, &levels};
    }
};
}  // namespace dsp
