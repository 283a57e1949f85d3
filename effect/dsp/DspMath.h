// Small arithmetic helpers shared by the compressor loop. Each is written so it rounds exactly as the plain formula.
#pragma once

#include <cmath>
#include <limits>

#include "effect/dsp/PortableMath.h"

namespace dsp
{
// Keeps recursive states out of the denormal range: tiny values collapse to zero.
inline double flush(double x)
{
    return (x + 1e-16) - 1e-16;
}

inline Lanes flush(Lanes x)
{
    return (x + Lanes(1e-16)) - Lanes(1e-16);
}

// max(x, 0) without a branch; exact for every finite x.
inline double maxZero(double x)
{
    return (std::fabs(x) + x) / 2.0;
}

inline Lanes maxZero(Lanes x)
{
    return (xsimd::abs(x) + x) / Lanes(2.0);
}

// A non-finite sample would poison every recursive state for good; it counts as silence instead.
template <typename Sample>
inline double finiteOrZero(Sample x)
{
    return std::isfinite(x) ? static_cast<double>(x) : 0.0;
}

inline Lanes finiteOrZero(Lanes x)
{
    return xsimd::select(xsimd::abs(x) <= Lanes(std::numeric_limits<double>::max()), x, Lanes(0.0));
}
}  // namespace dsp
