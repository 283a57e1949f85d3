// The transcendental functions of the audio path, from one implementation compiled into every build: each C runtime
// (and glibc on different processors) rounds its own atan, tanh, pow, sin and cos differently, and the same session
// must render the same bits everywhere. Architectures are always named, never left to the compiler, and those the
// loop is built for (SSE2, AVX2 and AVX-512) give the same bits; the build turns off FMA contraction for the same
// reason.
//
// The loop's batches call xsimd's functions directly (Shaping.h, EnvelopeDetector.h), over batches of any width,
// and its atan through RationalKernels.h, which computes xsimd's atan with only the work its values need; the
// scalar forms here go through a two-lane batch, so a value computed alone and the same value computed in a lane
// agree.
#pragma once

#include <xsimd/xsimd.hpp>

namespace dsp
{
using Lanes = xsimd::batch<double, xsimd::sse2>;
constexpr int kLanes = static_cast<int>(Lanes::size);
// The most lanes any build of the loop computes at once (eight, with AVX-512).
constexpr int kWidestLanes = 8;

// Two values in the lanes, a in lane 0.
inline Lanes lanes(double a, double b)
{
    return Lanes(_mm_set_pd(b, a));
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
