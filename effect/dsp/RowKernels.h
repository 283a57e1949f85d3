// The compressor loop's heaviest maths over rows of values, in batches of one architecture.
#pragma once

#include <cstdint>

#include <xsimd/xsimd.hpp>

#include "effect/dsp/DspMath.h"
#include "effect/dsp/EnvelopeDetector.h"
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
        // Fixed-length loops: a copy of variable length becomes a call to memcpy.
        double rowTail[kWidth];
        double otherTail[kWidth];
        for (int32_t j = 0; j < kWidth; ++j)
        {
            rowTail[j] = i + j < count ? row[i + j] : 0.0;
            otherTail[j] = other != nullptr && i + j < count ? other[i + j] : 0.0;
        }
        f(rowTail, otherTail);
        for (int32_t j = 0; j < kWidth; ++j)
        {
            if (i + j < count)
                row[i + j] = rowTail[j];
        }
    }

    // Saturation of one batch in place, each sample by the curve of its sign. A batch of one sign computes one
    // curve; one holding both signs computes both and picks lane by lane. Zeros stay as they are: S(+-0) = +-0.
    static void saturate(double* p)
    {
        const Batch x = Batch::load_unaligned(p);
        const auto positive = x > Batch(0.0);
        if (xsimd::all(positive))
            saturatePositive(x).store_unaligned(p);
        else if (!xsimd::any(positive))
            saturateNegative(x).store_unaligned(p);
        else
            xsimd::select(positive, saturatePositive(x), saturateNegative(x)).store_unaligned(p);
    }

    // out = flush(out * F(follow)) for one batch.
    static void applyOutputFactor(double* out, const double* follow)
    {
        flush(Batch::load_unaligned(out) * outputFactor(Batch::load_unaligned(follow))).store_unaligned(out);
    }

    static void saturateRow(double* row, int32_t count)
    {
        eachBatch(row, nullptr, count, [](double* p, const double*) { saturate(p); });
    }

    static void applyOutputFactorRow(double* out, const double* follow, int32_t count)
    {
        eachBatch(out, follow, count, [](double* o, const double* s) { applyOutputFactor(o, s); });
    }

    // Up to kMaxLevels at a time; the unused lanes of a last, partly used batch get input 0, whose level is 0.
    static void levels(const double* d, const double* a, double* q, int32_t count)
    {
        for (int32_t first = 0; first < count; first += kMaxLevels)
        {
            const int32_t size = count - first < kMaxLevels ? count - first : kMaxLevels;
            const int batches = static_cast<int>((size + kWidth - 1) / kWidth);
            Batch inputs[kMaxLevelBatches];
            Batch exponents[kMaxLevelBatches];
            Batch results[kMaxLevelBatches];
            for (int b = 0; b < batches; ++b)
            {
                inputs[b] = part(d + first + b * kWidth, size - b * kWidth);
                exponents[b] = part(a + first + b * kWidth, size - b * kWidth);
            }
            detectorLevels(inputs, exponents, results, batches);
            for (int b = 0; b < batches; ++b)
            {
                const int32_t lanes = size - b * kWidth;
                if (lanes >= kWidth)
                {
                    results[b].store_unaligned(q + first + b * kWidth);
                    continue;
                }
                double tail[kWidth];
                results[b].store_unaligned(tail);
                for (int32_t i = 0; i < kWidth; ++i)
                {
                    if (i < lanes)
                        q[first + b * kWidth + i] = tail[i];
                }
            }
        }
    }

    // A batch of the values at p, of which only the first `available` exist; the rest are 0.
    static Batch part(const double* p, int32_t available)
    {
        if (available >= kWidth)
            return Batch::load_unaligned(p);
        double lanes[kWidth];
        for (int32_t i = 0; i < kWidth; ++i)
            lanes[i] = i < available ? p[i] : 0.0;
        return Batch::load_unaligned(lanes);
    }
};
}  // namespace dsp
