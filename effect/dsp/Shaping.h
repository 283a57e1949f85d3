// The two static curves of the compressor's output path, for one value and for a batch of lanes. Both forms
// compute each lane with the same operations, so they give the same bits.
#pragma once

#include <cmath>

#include "effect/dsp/PortableMath.h"

namespace dsp
{
// Soft saturation after makeup: positive peaks bend with atan, negative ones with tanh.
inline double saturate(double x)
{
    return x > 0.0 ? 10.0 * dsp::atan(x / 10.0) : 10.0 * dsp::tanh(x / 10.0);
}

// Audio changes sign rarely between neighbouring samples, so most batches need only one of the two curves.
inline Lanes saturate(Lanes x)
{
    if (xsimd::all(x == Lanes(0.0)))
        return x;  // silence
    const LaneMask positive = x > Lanes(0.0);
    const Lanes scaled = x / Lanes(10.0);
    if (xsimd::all(positive))
        return Lanes(10.0) * dsp::atan(scaled);
    if (!xsimd::any(positive))
        return Lanes(10.0) * dsp::tanh(scaled);
    return xsimd::select(positive, Lanes(10.0) * dsp::atan(scaled), Lanes(10.0) * dsp::tanh(scaled));
}

// Level-dependent gain of the output stage from its slow follower s. Both branches tend to 1 for small |s|.
inline double outputFactor(double s)
{
    if (std::fabs(s) > 1e-4)
    {
        if (s > 0.0)
            return dsp::tanh(2.82842712474619 * s) * 0.35355339059327 / s;
        if (s < 0.0)
            return dsp::atan(4.0 * s) * 0.25 / s;
    }
    return 1.0;
}

// The follower moves slowly, so a batch nearly always needs one branch or none.
inline Lanes outputFactor(Lanes s)
{
    const LaneMask large = xsimd::abs(s) > Lanes(1e-4);
    const LaneMask positive = large && (s > Lanes(0.0));
    const LaneMask negative = large && (s < Lanes(0.0));
    Lanes factor(1.0);
    if (xsimd::any(positive))
        factor = xsimd::select(positive, dsp::tanh(Lanes(2.82842712474619) * s) * Lanes(0.35355339059327) / s, factor);
    if (xsimd::any(negative))
        factor = xsimd::select(negative, dsp::atan(Lanes(4.0) * s) * Lanes(0.25) / s, factor);
    return factor;
}
}  // namespace dsp
