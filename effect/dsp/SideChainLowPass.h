// The side-chain low-pass of both channels, left and right in the two lanes of one batch. Its state lives in float:
// every step rounds to float after the denormal flush, and those roundings must be exactly the plain step's.
//
// The plain step (difference, product, sum, flush, two conversions) is the longest sample-to-sample chain of the
// loop. The filter instead walks a shorter chain, state * (1 - c) + x * c, and computes the plain step beside it
// from the same state, off the chain. The two round to different floats only when the value lies within a few ulps
// of a float rounding midpoint, or is so small that the flush decides it. A chunk in which any step differed is
// walked again, the plain way, from its first state; the chunks after it walk the plain chain (still checking the
// shorter one beside it) until one passes in which the shorter chain would not have erred. In silence after loud
// input the flush holds the state at a tiny value that the shorter chain never keeps, chunk after chunk: there the
// plain chain runs alone rather than each chunk twice. Once the state stands still (a chunk ended on silence and
// the plain step from the state to silence gives it back), the next chunk computes no step: each sample only
// checks that its input is silence, and a chunk in which one is not is walked again the plain way, as above.
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
        sounded_ = _mm_setzero_pd();
    }

    // One step of both channels; returns the new state. The two results are compared as floats, before the
    // conversion back that only the chain needs, and their differing bits gathered rather than branched on. The
    // chain goes on from one of them, chosen by a flag that holds for the whole chunk, so the branch is foreseen.
    // A state held still is returned as it is; -0 counts as silence, as the plain step takes it alike.
    Lanes step(Lanes x)
    {
        if (still_)
        {
            sounded_ = _mm_or_pd(sounded_, _mm_cmpneq_pd(x, _mm_setzero_pd()));
            return state_;
        }
        const __m128 exact = _mm_cvtpd_ps(plainSum(state_, x, Lanes(c_)));
#if defined(__FMA__)
        // A fused product and sum shortens the chain by a rounding's latency. Only the shorter chain may use it:
        // what it gives is checked against the plain step, which decides the bits.
        const __m128 fast = _mm_cvtpd_ps(_mm_fmadd_pd(state_, Lanes(keep_), x * Lanes(c_)));
#else
        const __m128 fast = _mm_cvtpd_ps(state_ * Lanes(keep_) + x * Lanes(c_));
#endif
        differs_ = _mm_or_ps(differs_, _mm_xor_ps(fast, exact));
        if (plain_)
            state_ = Lanes(_mm_cvtps_pd(exact));
        else
            state_ = Lanes(_mm_cvtps_pd(fast));
        return state_;
    }

    // Whether a step since beginChunk() rounded otherwise on the shorter chain than the plain step would have from
    // the same state. Bitwise, so a zero of the wrong sign counts too. Not known on a chunk held still.
    bool stepsDiffered() const { return anyBits(differs_); }

    // Whether this chunk was walked without a chain, from a state standing still.
    bool standingStill() const { return still_; }

    // Closes a chunk of count steps: repairs it if the shorter chain erred or sound met a state held still, and
    // chooses the next chunk's walk. Returns whether the chunk was repaired or, walked the plain way, would have
    // been; a chunk held still returns whether sound met it.
    bool endChunk(const double* xL, const double* xR, double* sL, double* sR, int32_t count, bool highPass)
    {
        bool repaired;
        if (still_)
        {
            repaired = _mm_movemask_pd(sounded_) != 0;
            if (repaired)
                repair(xL, xR, sL, sR, count, highPass);
            plain_ = true;  // whether the shorter chain would have erred is not known
        }
        else
        {
            repaired = stepsDiffered();
            if (repaired && !plain_)
                repair(xL, xR, sL, sR, count, highPass);
            plain_ = repaired;
        }
        still_ = count > 0 && xL[count - 1] == 0.0 && xR[count - 1] == 0.0 && standsStillInSilence();
        return repaired;
    }

private:
    static bool anyBits(__m128 v)
    {
        const __m128i bits = _mm_castps_si128(v);
        return _mm_movemask_epi8(_mm_cmpeq_epi8(bits, _mm_setzero_si128())) != 0xFFFF;
    }

    // Whether the plain step from the state to silence gives the state back, in both channels, bit for bit.
    bool standsStillInSilence() const
    {
        const __m128 next = _mm_cvtpd_ps(plainSum(state_, Lanes(0.0), Lanes(c_)));
        return !anyBits(_mm_xor_ps(next, _mm_cvtpd_ps(state_)));
    }

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
    __m128d sounded_ = _mm_setzero_pd();  // lanes in which a chunk held still met an input other than silence
    double c_;
    double keep_;
    bool plain_ = false;  // this chunk walks the plain chain
    bool still_ = false;  // this chunk holds the state still and walks no chain
};
}  // namespace dsp
