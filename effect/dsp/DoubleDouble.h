// Products carried to about twice double precision (an unevaluated sum hi + lo), from plain IEEE operations only,
// so every build gets the same bits. The envelope's decay over a run of steps is one such product; rounding it once
// instead of once per factor keeps a long run as close to stepwise decay as stepwise decay is to the exact value.
#pragma once

namespace dsp
{
struct DoubleDouble
{
    double hi = 1.0;
    double lo = 0.0;
};

// a * b exactly, as hi + lo (Dekker's product: needs round-to-nearest and no fused multiply-add).
inline DoubleDouble exactProduct(double a, double b)
{
    constexpr double kSplitter = 134217729.0;  // 2^27 + 1
    const double ca = kSplitter * a;
    const double aHi = ca - (ca - a);
    const double aLo = a - aHi;
    const double cb = kSplitter * b;
    const double bHi = cb - (cb - b);
    const double bLo = b - bHi;
    const double p = a * b;
    const double e = ((aHi * bHi - p) + aHi * bLo + aLo * bHi) + aLo * bLo;
    return {p, e};
}

inline DoubleDouble times(DoubleDouble x, double b)
{
    const DoubleDouble p = exactProduct(x.hi, b);
    const double e = p.lo + x.lo * b;
    const double s = p.hi + e;
    return {s, e - (s - p.hi)};
}

// a * x rounded once to double.
inline double roundedProduct(double a, DoubleDouble x)
{
    const DoubleDouble p = exactProduct(a, x.hi);
    return p.hi + (p.lo + a * x.lo);
}
}  // namespace dsp
