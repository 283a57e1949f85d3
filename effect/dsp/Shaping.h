// The two static curves of the compressor's output path.
#pragma once

#include <cmath>

namespace dsp
{
// Soft saturation after makeup: positive peaks bend with atan, negative ones with tanh.
inline double saturate(double x)
{
    return x > 0.0 ? 10.0 * std::atan(x / 10.0) : 10.0 * std::tanh(x / 10.0);
}

// Level-dependent gain of the output stage from its slow follower s. Both branches tend to 1 for small |s|.
inline double outputFactor(double s)
{
    if (std::fabs(s) > 1e-4)
    {
        if (s > 0.0)
            return std::tanh(2.82842712474619 * s) * 0.35355339059327 / s;
        if (s < 0.0)
            return std::atan(4.0 * s) * 0.25 / s;
    }
    return 1.0;
}
}  // namespace dsp
