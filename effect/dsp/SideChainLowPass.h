// The side-chain low-pass of both channels, left and right in the two lanes of one batch. Its state lives in float:
// every step rounds to float after the denormal flush, and those roundings must be exactly the plain step's.
//
// The plain step (difference, product, sum, flush, two conversions) is the longest sample-to-sample chain of the
// loop. The filter instead walks a shorter chain, state * (1 - c) + x * c, and computes the plain step beside it
// from the same state, off the chain. The two round to different floats only when the value lies within a few ulps
// of a float rounding midpoint, or is so small that the flush decides it. A chunk in which any step differed is
// walked again, the plain way, from its first state, and the next chunk walks the plain chain (still checking the
// shorter one beside it) until a chunk passes in which the shorter chain would not have erred. In silence after
// loud input the flush holds the state at a tiny value that the shorter chain never keeps, chunk after chunk: there
// the plain chain runs alone rather than each chunk twice.
//
// Audio thread only, inside the loop's block; no allocation, no lock. A template over the loop's architecture only
// so that a wider build of the loop shares no code with this one.
#pragma once

#include <cstdint>

#include "effect/dsp/DspMath.h"
#include "effect/dsp/PortableMath.h"

namespace dsp
{
template <class Arch>
class SideChainLowPass
{
public:
    // state: the float values of both channels; c: the filter's coefficient.
    SideChainLowPass(Lanes state, double c) : state_(state), c_(c), keep_(1.0 - c) {}

    Lanes state() const { return state_; }

    // Marks the start of a chunk: a repair walks again from here.
    void beginChunk()
    {
        start_ = state_;
        differs_ = _mm_setzero_ps();
    }

    // One step of both channels; returns the new state. The two results are compared as floats, before the
    // conversion back that only the chain needs, and their differing bits gathered rather than branched on. The
    // chain goes on from one of them, chosen by a flag that holds for the whole chunk, so the branch is foreseen.
    Lanes step(Lanes x)
    {
        const __m128 exact = _mm_cvtpd_ps(plainSum(state_, x, Lanes(c_)));
        const __m128 fast = _mm_cvtpd_ps(state_ * Lanes(keep_) + x * Lanes(c_));
        differs_ = _mm_or_ps(differs_, _mm_xor_ps(fast, exact));
        if (plain_)
            state_ = Lanes(_mm_cvtps_pd(exact));
        else
            state_ = Lanes(_mm_cvtps_pd(fast));
        return state_;
    }

    // Whether a step since beginChunk() rounded otherwise on the shorter chain than the plain step would have from
    // the same state. Bitwise, so a zero of the wrong sign counts too.
    bool stepsDiffered() const
    {
        const __m128i bits = _mm_castps_si128(differs_);
        return _mm_movemask_epi8(_mm_cmpeq_epi8(bits, _mm_setzero_si128())) != 0xFFFF;
    }

    // Closes a chunk of count steps: repairs it if the shorter chain erred, and chooses the next chunk's chain.
    // Returns whether the shorter chain erred (or would have, on a chunk walked the plain way).
    bool endChunk(const double* xL, const double* xR, double* sL, double* sR, int32_t count, bool highPass)
    {
        const bool differed = stepsDiffered();
        if (differed && !plain_)
            repair(xL, xR, sL, sR, count, highPass);
        plain_ = differed;
        return differed;
    }

private:
    // Walks the chunk again the plain way from its first state: the side-chain rows (the high-passed input, or the
    // input itself when the filter is off) and the state carried on. x rows are the chunk's inputs.
    void repair(const double* xL, const double* xR, double* sL, double* sR, int32_t count, bool highPass)
    {
        Lanes state = start_;
        for (int32_t j = 0; j < count; ++j)
        {
            const Lanes x = lanes(xL[j], xR[j]);
            state = toFloat(plainSum(state, x, Lanes(c_)));
            const Lanes side = highPass ? x - state : x;
            _mm_store_sd(sL + j, side);
            _mm_storeh_pd(sR + j, side);
        }
        state_ = state;
    }

    // The step as the filter is defined, before its rounding to float: the state moves by c of its distance to x
    // and is flushed.
    static Lanes plainSum(Lanes state, Lanes x, Lanes c) { return flush(state + (x - state) * c); }

    static Lanes toFloat(Lanes x) { return Lanes(_mm_cvtps_pd(_mm_cvtpd_ps(x))); }

    Lanes state_;
    Lanes start_ = Lanes(0.0);
    __m128 differs_ = _mm_setzero_ps();  // bits in which a step's two results differed, both channels
    double c_;
    double keep_;
    bool plain_ = false;  // this chunk walks the plain chain
};
}  // namespace dsp
