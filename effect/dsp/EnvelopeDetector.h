// One detector step of one channel: the envelope rises towards a softened, ratio-shaped level q of the detector
// input d and then decays.
//
// Most steps do not raise the envelope because q stays below it, and computing q costs two atans and a pow.
// q never falls as d grows, so a step that has computed q(d0) learns that every d <= d0 gives at most that level;
// while the envelope stays above it such steps skip the computation. The remembered level includes a bound on the
// rounding error of the computed q, so skipping gives the very same envelope as computing.
#pragma once

#include <cmath>
#include <limits>

#include "effect/dsp/DspMath.h"
#include "effect/dsp/LevelTable.h"
#include "effect/dsp/PortableMath.h"
#include "effect/dsp/RationalKernels.h"

namespace dsp
{
constexpr int kMaxLevelBatches = 16;
constexpr int32_t kMaxLevels = 32;  // levels computed side by side at most, in batches of any width

// The levels q for n batches of detector inputs d under the ratio exponents, lane by lane, in batches of any
// width. One level is a long chain of dependent maths, longer than a processor looks ahead, so the batches go
// through it stage by stage: their independent chains then run side by side. The arguments of atan are scaled by
// products rather than quotients, which would lengthen the chain by most of a division's latency each.
template <class A>
inline void detectorLevels(const xsimd::batch<double, A>* d, const xsimd::batch<double, A>* exponent,
                           xsimd::batch<double, A>* q, int n)
{
    using B = xsimd::batch<double, A>;
    B x[kMaxLevelBatches];
    for (int i = 0; i < n; ++i)
        x[i] = maxZero(d[i] - B(1.0));  // k
    // Inputs up to 1 give 1; the excess is softened.
    for (int i = 0; i < n; ++i)
        x[i] = B(1.0) + x[i] - B(10.0) * dsp::atan(x[i] * B(0.1));  // u
    // u^exponent; with u >= 1 the power needs none of pow's handling of signs and zeros (the bits are pow's).
    for (int i = 0; i < n; ++i)
        x[i] = exponent[i] * xsimd::log(x[i]);
    for (int i = 0; i < n; ++i)
        x[i] = maxZero(xsimd::exp(x[i]) - B(1.0));  // h
    for (int i = 0; i < n; ++i)
        q[i] = x[i] - B(0.35) * dsp::atan(x[i] * B(1.0 / 0.35));
}

// The level q for detector input d under the ratio exponent, lane by lane. Always inlined, like the steps below that
// call it: the loop is also built for wider batches, and no out-of-line copy from that build may stand in for this.
[[gnu::always_inline]] inline Lanes detectorLevel(Lanes d, Lanes exponent)
{
    Lanes q;
    detectorLevels(&d, &exponent, &q, 1);
    return q;
}

[[gnu::always_inline]] inline double detectorLevel(double d, double exponent)
{
    return detectorLevel(Lanes(d), Lanes(exponent)).get(0);
}

// Twice a generous bound on |computed q - exact q| per unit of (1 + k): the chain 1 + k - 10 atan(k/10), pow and
// h - 0.35 atan(h/0.35) loses a few ulps of (1 + k) at most, and this allows 2^9 ulps.
constexpr double kLevelErrorPerInput = 0x1p-43;

// The level computed for d, plus what its rounding may hide: a computed level of any smaller input lies below.
inline double levelBound(double d, double q)
{
    return q + (1.0 + maxZero(d - 1.0)) * kLevelErrorPerInput;
}

struct DetectorShortcut
{
    // Every input d <= safeInput gives a computed q <= safeLevel under this exponent.
    double safeInput = 1.0;
    double safeLevel = 0.0;
    double exponent = std::numeric_limits<double>::quiet_NaN();

    // True when q(d) is known not to exceed env (env is never negative).
    bool below(double d, double env, double a) const
    {
        // d <= 1 gives k = 0, so u = 1, p = 1 and q = 0; exponent 0 gives p = u^0 = 1 and q = 0 whatever d.
        if (d <= 1.0 || a == 0.0)
            return true;
        return a == exponent && d <= safeInput && safeLevel <= env;
    }

    // below() for a batch of steps, lane by lane.
    template <class A>
    xsimd::batch_bool<double, A> below(xsimd::batch<double, A> d, xsimd::batch<double, A> env,
                                       xsimd::batch<double, A> a) const
    {
        using B = xsimd::batch<double, A>;
        return (d <= B(1.0)) || (a == B(0.0)) || ((a == B(exponent)) && (d <= B(safeInput)) && (B(safeLevel) <= env));
    }

    // Keeps the largest input whose level is below the envelope now, or any such input once the envelope has
    // fallen below the remembered level.
    void learn(double d, double q, double env, double a)
    {
        if (a != exponent)
        {
            exponent = a;
            safeInput = 1.0;
            safeLevel = 0.0;
        }
        const double level = levelBound(d, q);
        if (level <= env && (d > safeInput || safeLevel > env))
        {
            safeInput = d;
            safeLevel = level;
        }
    }
};

// The rise of a step whose level q = detectorLevel(d, a) is at hand. The loop's steps are always inlined: the
// loop is also built for wider batches, and no out-of-line copy from that build may stand in for this one.
[[gnu::always_inline]] inline void rise(double d, double q, double& env, DetectorShortcut& shortcut, double a,
                                        double attack)
{
    shortcut.learn(d, q, env, a);
    env = env + attack * maxZero(q - env);
}

// A whole step. table holds bounds of levels, for exponent a or another; knownLevel, when known is set, is
// detectorLevel(d, a) computed ahead.
[[gnu::always_inline]] inline void detectorStep(double d, double& env, DetectorShortcut& shortcut,
                                                const LevelTable& table, double a, double attack, double keep,
                                                bool known = false, double knownLevel = 0.0)
{
    if (!shortcut.below(d, env, a) && !table.below(d, env, a))
        rise(d, known ? knownLevel : detectorLevel(d, a), env, shortcut, a, attack);
    env = flush(env * keep);
}
}  // namespace dsp
