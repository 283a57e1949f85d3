// The two static curves of the compressor's output path, for a batch of lanes of any width. Every lane is computed
// with the same operations whatever the width, so a value has the same bits in a batch of two or of four.
#pragma once

#include <xsimd/xsimd.hpp>

#include "effect/dsp/DspMath.h"
#include "effect/dsp/RationalKernels.h"

namespace dsp
{
// Soft saturation after makeup: positive peaks bend with atan, negative ones with tanh. The arguments are scaled by
// products, not quotients: a division costs several products' time, and the product differs by an ulp at most.
template <class A>
inline xsimd::batch<double, A> saturatePositive(xsimd::batch<double, A> x)
{
    using B = xsimd::batch<double, A>;
    return B(10.0) * dsp::atan(x * B(0.1));
}

template <class A>
inline xsimd::batch<double, A> saturateNegative(xsimd::batch<double, A> x)
{
    using B = xsimd::batch<double, A>;
    return B(10.0) * xsimd::tanh(x * B(0.1));
}

// Level-dependent gain of the output stage from its slow follower s: tanh(2.82842712474619 s) 0.35355339059327 / s
// for s > 1e-4, atan(4 s) 0.25 / s for s < -1e-4, else 1. Both branches tend to 1 for small |s|. The follower
// moves slowly, so a batch nearly always needs one branch or none, and its values are small: there each quotient is
// computed as 1 + r of the rational form, without dividing by s (the product of the tanh branch's two constants is
// 1 less about 1e-14, and kept). Which form a lane takes depends on its own value only, never on its batch.
template <class A>
inline xsimd::batch<double, A> outputFactor(xsimd::batch<double, A> s)
{
    using B = xsimd::batch<double, A>;
    constexpr double kTanhScale = 2.82842712474619;
    constexpr double kTanhGain = 0.35355339059327;
    const auto large = xsimd::abs(s) > B(1e-4);
    const auto positive = large && (s > B(0.0));
    const auto negative = large && (s < B(0.0));
    B factor(1.0);
    if (xsimd::any(positive))
    {
        const B y = B(kTanhScale) * s;
        const auto nearZero = xsimd::abs(y) < B(kTanhNearZero);
        B branch = B(kTanhScale * kTanhGain) * (B(1.0) + tanhRational(y * y));
        if (!xsimd::all(nearZero || !positive))
            branch = xsimd::select(nearZero, branch, xsimd::tanh(y) * B(kTanhGain) / s);
        factor = xsimd::select(positive, branch, factor);
    }
    if (xsimd::any(negative))
    {
        const B y = B(4.0) * s;
        const auto nearZero = xsimd::abs(y) < atanNearZeroBound<A>();
        B branch = B(1.0) + atanRational(y * y);
        if (!xsimd::all(nearZero || !negative))
            branch = xsimd::select(nearZero, branch, dsp::atan(y) * B(0.25) / s);
        factor = xsimd::select(negative, branch, factor);
    }
    return factor;
}
}  // namespace dsp
