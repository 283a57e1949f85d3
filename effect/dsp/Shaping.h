// The two static curves of the compressor's output path, for a batch of lanes of any width. Every lane is computed
// with the same operations whatever the width, so a value has the same bits in a batch of two or of four.
#pragma once

#include <xsimd/xsimd.hpp>

#include "effect/dsp/DspMath.h"

namespace dsp
{
// Soft saturation after makeup: positive peaks bend with atan, negative ones with tanh. The arguments are scaled by
// products, not quotients: a division costs several products' time, and the product differs by an ulp at most.
template <class A>
inline xsimd::batch<double, A> saturatePositive(xsimd::batch<double, A> x)
{
    using B = xsimd::batch<double, A>;
    return B(10.0) * xsimd::atan(x * B(0.1));
}

template <class A>
inline xsimd::batch<double, A> saturateNegative(xsimd::batch<double, A> x)
{
    using B = xsimd::batch<double, A>;
    return B(10.0) * xsimd::tanh(x * B(0.1));
}

// Level-dependent gain of the output stage from its slow follower s. Both branches tend to 1 for small |s|. The
// follower moves slowly, so a batch nearly always needs one branch or none.
template <class A>
inline xsimd::batch<double, A> outputFactor(xsimd::batch<double, A> s)
{
    using B = xsimd::batch<double, A>;
    const auto large = xsimd::abs(s) > B(1e-4);
    const auto positive = large && (s > B(0.0));
    const auto negative = large && (s < B(0.0));
    B factor(1.0);
    if (xsimd::any(positive))
        factor = xsimd::select(positive, xsimd::tanh(B(2.82842712474619) * s) * B(0.35355339059327) / s, factor);
    if (xsimd::any(negative))
        factor = xsimd::select(negative, xsimd::atan(B(4.0) * s) * B(0.25) / s, factor);
    return factor;
}
}  // namespace dsp
