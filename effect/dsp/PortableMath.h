// The transcendental functions of the audio path, from one implementation compiled into every build: each C runtime
// (and glibc on different processors) rounds its own atan, tanh, pow, sin and cos differently, and the same session
// must render the same bits everywhere. The architecture is named rather than detected so every build runs the same
// instructions; the build turns off FMA contraction for the same reason.
//
// Scalar calls go through a two-lane batch, so a value computed alone and the same value computed in a lane agree.
#pragma once

#include <xsimd/xsimd.hpp>

namespace dsp
{
using Lanes = xsimd::batch<double, xsimd::sse2>;
using LaneMask = xsimd::batch_bool<double, xsimd::sse2>;
constexpr int kLanes = static_cast<int>(Lanes::size);
// The most lanes any build of the loop computes at once (four, with AVX2).
constexpr int kWidestLanes = 4;

inline Lanes atan(Lanes x)
{
    return xsimd::atan(x);
}

inline Lanes tanh(Lanes x)
{
    return xsimd::tanh(x);
}

inline Lanes pow(Lanes x, Lanes y)
{
    return xsimd::pow(x, y);
}

inline Lanes exp(Lanes x)
{
    return xsimd::exp(x);
}

inline Lanes log(Lanes x)
{
    return xsimd::log(x);
}

// Two values in the lanes, a in lane 0.
inline Lanes lanes(double a, double b)
{
    return Lanes(_mm_set_pd(b, a));
}

inline double atan(double x)
{
    return xsimd::atan(Lanes(x)).get(0);
}

inline double tanh(double x)
{
    return xsimd::tanh(Lanes(x)).get(0);
}

inline double pow(double x, double y)
{
    return xsimd::pow(Lanes(x), Lanes(y)).get(0);
}

inline double sin(double x)
{
    return xsimd::sin(Lanes(x)).get(0);
}

inline double cos(double x)
{
    return xsimd::cos(Lanes(x)).get(0);
}
}  // namespace dsp
