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

// Batch forms are templates over the batch's architecture, so a build of wider batches shares no code with this one.
template <class A>
inline xsimd::batch<double, A> flush(xsimd::batch<double, A> x)
{
    using B = xsimd::batch<double, A>;
    return (x + B(1e-16)) - B(1e-16);
}

// max(x, 0) without a branch; exact for every finite x.
inline double maxZero(double x)
{
    return (std::fabs(x) + x) / 2.0;
}

template <class A>
inline xsimd::batch<double, A> maxZero(xsimd::batch<double, A> x)
{
    return (xsimd::abs(x) + x) / xsimd::batch<double, A>(2.0);
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
