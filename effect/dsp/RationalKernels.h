// xsimd's double atan and tanh taken apart into their rational forms and range reductions, so the loop computes
// only what its values need, with the same constants and the same operations in the same order, so the same bits.
// xsimd's atan divides three times per batch (1/|x|, (|x| - 1)/(|x| + 1) and its rational form) whatever the
// values, though a lane uses at most two; divisions are the slowest operations of the loop's rows.
//
// Each rational form r(z) of z = x * x gives, for x near zero, atan(x) = x + x * r and tanh(x) = x + x * r, and so
// also the quotients atan(x) / x = 1 + r and tanh(x) / x = 1 + r without dividing by x.
#pragma once

#include <xsimd/xsimd.hpp>

namespace dsp
{
// Below this magnitude xsimd's double tanh is its rational form alone; atan's is tan(pi/8).
constexpr double kTanhNearZero = 0.625;

template <class A>
inline xsimd::batch<double, A> atanNearZeroBound()
{
    return xsimd::constants::tanpio8<xsimd::batch<double, A>>();
}

// z P(z) / Q(z) of xsimd's double atan, z = x * x.
template <class A>
inline xsimd::batch<double, A> atanRational(xsimd::batch<double, A> z)
{
    using B = xsimd::batch<double, A>;
    B p(-0x1.c007fa1f72594p-1);
    p = z * p + B(-0x1.028545b6b807ap+4);
    p = z * p + B(-0x1.2c08c36880273p+6);
    p = z * p + B(-0x1.eb8bf2d05ba25p+6);
    p = z * p + B(-0x1.03669fd28ec8ep+6);
    B q = z + B(0x1.8dbc45b14603cp+4);
    q = z * q + B(0x1.4a0dd43b8fa25p+7);
    q = z * q + B(0x1.b0e18d2e2be3bp+8);
    q = z * q + B(0x1.e563f13b049eap+8);
    q = z * q + B(0x1.8519efbbd62ecp+7);
    return z * (p / q);
}

// z p(z) / q(z) of xsimd's double tanh, z = x * x.
template <class A>
inline xsimd::batch<double, A> tanhRational(xsimd::batch<double, A> z)
{
    using B = xsimd::batch<double, A>;
    B p(-0x1.edc5baafd6f4bp-1);
    p = z * p + B(-0x1.8d26a0e26682dp+6);
    p = z * p + B(-0x1.93ac030580563p+10);
    B q = z + B(0x1.c33f28a581b86p+6);
    q = z * q + B(0x1.176fa0e5535fap+11);
    q = z * q + B(0x1.2ec102442040cp+12);
    return z * p / q;
}

// xsimd::atan(x), bit for bit, with each range reduction computed only when a lane needs it: |x| below tan(pi/8)
// is taken as it is, up to tan(3 pi/8) as (|x| - 1)/(|x| + 1) about pi/4, and beyond as -1/|x| about pi/2.
template <class A>
inline xsimd::batch<double, A> atan(xsimd::batch<double, A> self)
{
    using B = xsimd::batch<double, A>;
    namespace c = xsimd::constants;
    const B x = xsimd::abs(self);
    // Near zero no reduction applies and each addition of a zero constant leaves the sum as it is.
    if (xsimd::all(x < c::tanpio8<B>()))
        return (x * atanRational(x * x) + x) ^ xsimd::bitofsign(self);
    const auto belowHigh = x < c::tan3pio8<B>();
    const auto middle = (x >= c::tanpio8<B>()) && belowHigh;
    B reduced = x;
    B base(0.0);
    if (!xsimd::all(belowHigh))
    {
        reduced = xsimd::select(belowHigh, reduced, -(B(1.0) / x));
        base = xsimd::select(belowHigh, base, c::pio2<B>());
    }
    if (xsimd::any(middle))
    {
        reduced = xsimd::select(middle, (x - B(1.0)) / (x + B(1.0)), reduced);
        base = xsimd::select(middle, c::pio4<B>(), base);
    }
    B z = reduced * atanRational(reduced * reduced) + reduced;
    z = xsimd::select(middle, z + c::pio_4lo<B>(), z);
    z = z + xsimd::select(belowHigh, B(0.0), c::pio_2lo<B>());
    return (base + z) ^ xsimd::bitofsign(self);
}
}  // namespace dsp
