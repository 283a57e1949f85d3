// The compressor's per-sample loop, written once for both sample types and every width of SIMD batch.
// CompressorPrecision names the values the 32-bit form keeps in single precision; everything else is double in
// both forms. Arch is the architecture of the batches whose lanes carry samples side by side (two lanes with SSE2,
// four with AVX2); the recursions that walk sample by sample carry the two channels in the lanes of a pair.
//
// Audio thread only; the caller holds the effect mutex. No allocation, no lock. The core's state is copied into
// locals for the block and written back once, so output stores cannot alias it and force reloads.
//
// The block is cut into chunks, each run in passes so that only true recursions walk from one sample to the next:
//   1. parameter smoothing, inputs and the side-chain filter (sequential; both channels in the lanes of a batch);
//   2. gains, meter input and both detector passes: in lanes while every detector step only decays the envelopes
//      (each envelope then follows from the first one of its run, see DecayRun.h), one sample at a time where a
//      step may rise and so has to compute its level, after which that channel's envelope begins a new run.
//      Whether a step may rise is told by the detector's shortcut and, once the ratio is at rest, by a table of
//      level bounds (LevelTable.h). The levels of the feed-forward steps that may need one are computed side by
//      side before the walk; a sample that wants a level not computed then computes it together with those of the
//      next samples likely to want one;
//   3. saturation, in lanes, each batch by the curve of its samples' sign (or both);
//   4. the meter filter, blend and output-stage followers (sequential, both channels in the lanes of a batch,
//      together with pass 1 of the next chunk, so that the recursions overlap);
//   5. the output factor and the outputs, in lanes.
// A run's envelopes come from one product each instead of a product per step, so they may differ from stepwise
// decay in the last bits; the recursion damps such differences rather than building them up. Lanes compute each
// value exactly as a single computation would, so how the work falls into lanes never shows in the result.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <type_traits>
#include <utility>

#include "effect/dsp/CompressorCore.h"
#include "effect/dsp/CompressorPrecision.h"
#include "effect/dsp/DecayRun.h"
#include "effect/dsp/DspMath.h"
#include "effect/dsp/EnvelopeDetector.h"
#include "effect/dsp/LevelTable.h"
#include "effect/dsp/OutputFollowers.h"
#include "effect/dsp/RowKernels.h"
#include "effect/dsp/PortableMath.h"
#include "effect/dsp/Shaping.h"
#include "effect/dsp/SideChainLowPass.h"

template <typename Sample, class Arch = xsimd::sse2>
struct CompressorLoop
{
    using Gain = typename CompressorPrecision<Sample>::Gain;
    using MeterInput = typename CompressorPrecision<Sample>::MeterInput;
    using Reduced = typename CompressorPrecision<Sample>::Reduced;

    // Channel modes: only the left channel, both, only the right.
    enum Mode
    {
        kLeft = 0,
        kBoth = 1,
        kRight = 2
    };

    static void run(CompressorCore& core, Sample** inputs, Sample** outputs, int32_t n, bool stereo)
    {
        if (n <= 0)
            return;
        // Without a stereo pair only the left channel is compressed.
        const int mode = stereo ? core.channelMode_ : kLeft;
        const bool linked = core.link_ != 0;
        if (mode == kBoth)
        {
            if (linked)
                block<kBoth, true>(core, inputs, outputs, n);
            else
                block<kBoth, false>(core, inputs, outputs, n);
        }
        else if (mode == kRight)
            block<kRight, false>(core, inputs, outputs, n);
        else
            block<kLeft, false>(core, inputs, outputs, n);
    }

private:
    using Lanes = xsimd::batch<double, Arch>;
    using LaneMask = xsimd::batch_bool<double, Arch>;
    using Pair = dsp::Lanes;  // left and right
    using Rows = dsp::RowKernels<Arch>;
    using Run = dsp::ChannelRun<Lanes>;
    static constexpr int32_t kWidth = static_cast<int32_t>(Lanes::size);
    static constexpr int32_t kChunk = LoopCoefficients::kRun;
    static constexpr int32_t kPadded = Run::kPadded;  // a last, partly used batch reads past the chunk

    // Per-sample values of one chunk, handed from pass to pass.
    struct Chunk
    {
        double xL[kPadded];
        double xR[kPadded];
        double sL[kPadded];  // side chain, when filtered
        double sR[kPadded];
        const double* sideL;  // the side chain: sL, or xL itself when the side-chain filter is off
        const double* sideR;
        double threshold[kPadded];  // smoothed threshold gain
        double scale[kPadded];      // detector input scale B
        double exponent[kPadded];   // detector exponent A
        double makeup[kPadded];
        double blend[kPadded];
        double meterIn[kPadded];
        double shapedL[kPadded];  // gain-reduced sample times makeup, then saturated in place
        double shapedR[kPadded];
        double outL[kPadded];  // blended output, then the final one
        double outR[kPadded];
        double followL[kPadded];  // output-stage followers
        double followR[kPadded];
        // The first sample whose smoothed ratio a further smoothing step would leave as it is: the ratio is at rest
        // from there on, within the block. -1 where it is nowhere in this chunk.
        int32_t restFrom;
        // Whether every sample of the parameter rows holds the values of their first, as a steady chunk writes them.
        bool rowsHeld;
    };

    // ---- gains, one sample or a batch. The single form is the batch form's first lane: both then round alike,
    // and the float roundings are the explicit conversions of the batch form, which GCC 12's vectoriser cannot
    // drop (it has been seen to reuse the unrounded double quotient of two scalar gains it had paired).

    template <int M, bool Linked>
    static void channelGains(double envL, double envR, Gain& gL, Gain& gR)
    {
        Pair left;
        Pair right;
        channelGains<M, Linked>(Pair(envL), Pair(envR), left, right);
        gL = static_cast<Gain>(left.get(0));
        gR = static_cast<Gain>(right.get(0));
    }

    // Rounds each lane to T (float or double). A product of two floats is exact in double, and a double square root
    // rounded to float is the float square root, so float arithmetic can be carried out this way.
    template <typename T, class B>
    static B roundTo(B x)
    {
        if constexpr (!std::is_same<T, float>::value)
            return x;
        else if constexpr (B::size == 2)
            return B(_mm_cvtps_pd(_mm_cvtpd_ps(x)));
        else if constexpr (B::size == 4)
            return B(_mm256_cvtps_pd(_mm256_cvtpd_ps(x)));
        else
            return B(_mm512_cvtps_pd(_mm512_cvtpd_ps(x)));
    }

    template <class B>
    static B gainOf(B env)
    {
        return roundTo<Gain>(B(0.03) / (env * env + B(0.03)));
    }

    // The square root of values that are T's, rounded to T. A float's square root is taken in float: the double one
    // rounded to float is the same value, and a float square root costs the processor a fraction of a double one.
    template <typename T, class B>
    static B sqrtOf(B x)
    {
        if constexpr (!std::is_same<T, float>::value)
            return xsimd::sqrt(x);
        else if constexpr (B::size == 2)
            return B(_mm_cvtps_pd(_mm_sqrt_ps(_mm_cvtpd_ps(x))));
        else if constexpr (B::size == 4)
            return B(_mm256_cvtps_pd(_mm_sqrt_ps(_mm256_cvtpd_ps(x))));
        else
            return B(_mm512_cvtps_pd(_mm256_sqrt_ps(_mm512_cvtpd_ps(x))));
    }

    template <int M, bool Linked, class B>
    static void channelGains(B envL, B envR, B& gL, B& gR)
    {
        if (Linked)
        {
            gL = gR = sqrtOf<Gain>(roundTo<Gain>(gainOf(envL) * gainOf(envR)));
        }
        else
        {
            gL = M == kRight ? B(1.0) : gainOf(envL);
            gR = M == kLeft ? B(1.0) : gainOf(envR);
        }
    }

    // The gains of a batch of samples before their detector steps and between them. Linked in double precision,
    // where both channels' envelopes make one gain anyway, the batch's gains share one division, since a division
    // or square root costs the processor many products' time: 0.03 over the root of the denominators' product
    // (the square root of the product of the two quotients), as the shared reciprocal times the other root, a few
    // ulps from the formula's. Otherwise each quotient is the formula's: an unlinked channel's result must not
    // depend on the other channel's signal, as it would through a shared rounding or through the samples worked
    // alone when the other channel's steps may rise, and the float form's roundings to float must fall where the
    // formula's do.
    template <int M, bool Linked>
    static void gainsAround(Lanes envL, Lanes envR, Lanes midL, Lanes midR, Lanes& gL, Lanes& gR, Lanes& midGainL,
                            Lanes& midGainR)
    {
        if constexpr (Linked && std::is_same<Gain, double>::value)
        {
            auto denominator = [](Lanes env) { return env * env + Lanes(0.03); };
            const Lanes before = xsimd::sqrt(denominator(envL) * denominator(envR));
            const Lanes between = xsimd::sqrt(denominator(midL) * denominator(midR));
            const Lanes shared = Lanes(0.03) / (before * between);
            gL = gR = shared * between;
            midGainL = midGainR = shared * before;
        }
        else
        {
            channelGains<M, Linked>(envL, envR, gL, gR);
            channelGains<M, Linked>(midL, midR, midGainL, midGainR);
        }
    }

    static Lanes load(const double* p) { return Lanes::load_unaligned(p); }

    // One bit per lane, lane 0 lowest.
    static int bitsOf(LaneMask m)
    {
        if constexpr (kWidth == 2)
            return _mm_movemask_pd(m);
        else if constexpr (kWidth == 4)
            return _mm256_movemask_pd(m);
        else
            return static_cast<int>(static_cast<typename LaneMask::register_type>(m));  // a mask register
    }

    // The two lanes to two rows.
    static void storeLanes(Pair v, double* first, double* second)
    {
        _mm_store_sd(first, v);
        _mm_storeh_pd(second, v);
    }

    // ---- smoothing

    // One step of parameter smoothing towards its goal.
    static double smooth(double value, double goal, double rate) { return dsp::flush(value + (goal - value) * rate); }

    // The smoothed ratio lives in float32: the sum is rounded to float before and after the denormal flush.
    static float smoothRatio(float r, double goal, double rate)
    {
        const float sum = static_cast<float>(r + (goal - r) * rate);
        return static_cast<float>(dsp::flush(sum));
    }

    // ---- pass 2: detector

    struct Detector
    {
        double envL;  // the envelopes before the next sample
        double envR;
        dsp::DetectorShortcut shortcutL;
        dsp::DetectorShortcut shortcutR;
        dsp::DecayRun runL;
        dsp::DecayRun runR;
        double attack;
        double keep;
        dsp::LevelTable* table;  // the core's, for the exponent of the ratio at rest
    };

    // Whether a step of input d is known not to rise above env: by the shortcut, or by the table of levels.
    static bool settled(const dsp::DetectorShortcut& shortcut, const dsp::LevelTable& table, double d, double env,
                        double a)
    {
        return shortcut.below(d, env, a) || table.below(d, env, a);
    }

    // Builds the table for the exponent of a ratio that has come to rest, as many levels at a time as go together.
    static void buildTable(dsp::LevelTable& table, double a)
    {
        double tops[dsp::kMaxLevels];
        double exponents[dsp::kMaxLevels];
        double levels[dsp::kMaxLevels];
        for (double& exponent : exponents)
            exponent = a;
        for (int32_t first = 0; first < dsp::LevelTable::kCells; first += dsp::kMaxLevels)
        {
            const int32_t count = std::min(dsp::kMaxLevels, dsp::LevelTable::kCells - first);
            dsp::LevelTable::tops(first, count, tops);
            Rows::levels(tops, exponents, levels, count);
            table.set(a, first, count, tops, levels);
        }
    }

    // Feed-forward inputs of one channel over a chunk, and the levels of those computed so far.
    struct ForwardLevels
    {
        double input[kPadded];
        double level[kPadded];
        bool known[kPadded];
    };

    static void forwardInputs(const Chunk& c, const double* side, int32_t count, ForwardLevels& ahead)
    {
        for (int32_t j = 0; j < count; ++j)
        {
            ahead.input[j] = std::fabs(side[j]) * c.threshold[j] * c.scale[j];
            ahead.known[j] = false;
        }
        // The unused lanes of a last, partly used batch: input 0 and no level known.
        for (int32_t j = count; j < count + kWidth - 1; ++j)
        {
            ahead.input[j] = 0.0;
            ahead.known[j] = false;
        }
    }

    // A feed-forward step that needs its level is often followed by more: the envelope rises over a few samples
    // towards a peak. Up to kGuesses of the next samples whose levels the envelope, decaying alone, would not
    // cover are computed together with this one; when a rise makes one needless, only work is lost.
    static constexpr int32_t kGuesses = 3;
    static constexpr int32_t kGuessSpan = 8;

    // Levels wanted, computed side by side once all are named: the long chains of their maths then overlap
    // instead of following each other.
    template <int32_t Capacity>
    class LevelBatch
    {
    public:
        void add(double d, double a, double* level) { addIf(true, d, a, level); }

        // add() when take holds, without a branch.
        void addIf(bool take, double d, double a, double* level)
        {
            input_[size_] = d;
            exponent_[size_] = a;
            level_[size_] = level;
            size_ += take;
        }

        int32_t size() const { return size_; }

        void compute()
        {
            if (size_ == 0)
                return;
            double q[Capacity];
            Rows::levels(input_, exponent_, q, size_);
            for (int32_t i = 0; i < size_; ++i)
                *level_[i] = q[i];
            size_ = 0;
        }

    private:
        double input_[Capacity];
        double exponent_[Capacity];
        double* level_[Capacity];
        int32_t size_ = 0;
    };

    // The levels one sample wants: its own steps' and the guesses' of both channels, computed at once.
    using SampleLevels = LevelBatch<2 + 2 * (kGuesses + 1)>;
    static_assert(2 + 2 * (kGuesses + 1) <= dsp::kMaxLevels, "a sample's levels are computed at once");

    // The levels of the feed-forward steps that may need them, both channels in one batch, computed before the
    // walk: one level alone waits for the whole chain of its maths, while many together cost little more than
    // their arithmetic. A step may need its level unless the shortcut rules it out against the envelope decaying
    // alone from the chunk's start, the lowest the envelope can be; a step the walk finds in need of a level not
    // computed here computes it then. Which levels are known ahead changes no result, only when they are computed.
    using ChunkLevels = LevelBatch<2 * kPadded>;

    static void addLevelsAhead(ChunkLevels& batch, const Chunk& c, int32_t count, double env,
                               const dsp::DetectorShortcut& shortcut, const dsp::LevelTable& table,
                               const LoopCoefficients& k, ForwardLevels& ahead)
    {
        // In lanes and without branches: whether a step may rise is no pattern a predictor learns.
        for (int32_t j = 0; j < count; j += kWidth)
        {
            const Lanes lowest = Lanes(env) * load(k.decayBetween + j);
            const LaneMask below = shortcut.below(load(ahead.input + j), lowest, load(c.exponent + j));
            int rising = ~bitsOf(below) & ((1 << std::min(kWidth, count - j)) - 1);
            if (rising == 0)
                continue;  // the usual batch, and all of them in silence
            rising &= ~bitsOf(table.below(load(ahead.input + j), lowest, load(c.exponent + j)));
            if (rising == 0)
                continue;
            for (int32_t i = 0; i < kWidth; ++i)
            {
                const bool take = (rising >> i) & 1;
                batch.addIf(take, ahead.input[j + i], c.exponent[j + i], &ahead.level[j + i]);
                ahead.known[j + i] = ahead.known[j + i] || take;
            }
        }
    }

    static void wantForward(SampleLevels& batch, const Chunk& c, int32_t j, int32_t count, double env,
                            const dsp::DetectorShortcut& shortcut, const dsp::LevelTable& table,
                            const LoopCoefficients& k, ForwardLevels& ahead)
    {
        ahead.known[j] = true;
        batch.add(ahead.input[j], c.exponent[j], &ahead.level[j]);
        const double lowest = dsp::flush(env * k.decayBefore[kGuessSpan]);
        const int32_t end = std::min(count, j + 1 + kGuessSpan);
        int guesses = 0;
        for (int32_t i = j + 1; i < end && guesses < kGuesses; ++i)
        {
            if (ahead.known[i] || settled(shortcut, table, ahead.input[i], lowest, c.exponent[i]))
                continue;
            ahead.known[i] = true;
            batch.add(ahead.input[i], c.exponent[i], &ahead.level[i]);
            ++guesses;
        }
    }

    // Whether the feedback step of a channel must compute its level. Its input is at most the feed-forward one
    // (a gain is at most 1), so a feed-forward level known not to exceed the envelope rules out a rise too.
    static bool feedbackNeedsLevel(double feedback, double env, const dsp::DetectorShortcut& shortcut,
                                   const dsp::LevelTable& table, double a, const ForwardLevels& ahead, int32_t j)
    {
        if (settled(shortcut, table, feedback, env, a))
            return false;
        return !(ahead.known[j] && dsp::levelBound(ahead.input[j], ahead.level[j]) <= env);
    }

    // Sample j the plain way for the channels marked, whose steps may raise their envelopes; an unmarked channel
    // takes its run's envelopes. det's envelopes are the ones before the sample; the marked ones are stepped.
    // The levels this sample may need are computed together: those of the feedback steps, and the feed-forward
    // ones not yet known (with a few of the next samples') as soon as either step may rise, before it is known
    // whether the second step needs its level.
    template <int M, bool Linked>
    [[gnu::always_inline]] static void sampleAlone(Chunk& c, int32_t j, int32_t count, Detector& det, bool left,
                                                   bool right, double betweenL, double betweenR,
                                                   ForwardLevels& aheadL, ForwardLevels& aheadR,
                                                   const LoopCoefficients& k)
    {
        const double threshold = c.threshold[j];
        const double b = c.scale[j];
        const double a = c.exponent[j];
        Gain gL;
        Gain gR;
        channelGains<M, Linked>(det.envL, det.envR, gL, gR);
        c.meterIn[j] = static_cast<MeterInput>(std::min(gL, gR));

        const double forwardL = aheadL.input[j];
        const double forwardR = aheadR.input[j];
        const double feedbackL = std::fabs(c.sideL[j] * gL) * threshold * b;
        const double feedbackR = std::fabs(c.sideR[j] * gR) * threshold * b;
        SampleLevels batch;
        const dsp::LevelTable& table = *det.table;
        if (left && !aheadL.known[j] && !settled(det.shortcutL, table, forwardL, betweenL, a))
            wantForward(batch, c, j, count, det.envL, det.shortcutL, table, k, aheadL);
        if (right && !aheadR.known[j] && !settled(det.shortcutR, table, forwardR, betweenR, a))
            wantForward(batch, c, j, count, det.envR, det.shortcutR, table, k, aheadR);
        batch.compute();
        const bool levelsL = left && feedbackNeedsLevel(feedbackL, det.envL, det.shortcutL, table, a, aheadL, j);
        const bool levelsR = right && feedbackNeedsLevel(feedbackR, det.envR, det.shortcutR, table, a, aheadR, j);
        double levelL = 0.0;
        double levelR = 0.0;
        if (levelsL)
            batch.add(feedbackL, a, &levelL);
        if (levelsR)
            batch.add(feedbackR, a, &levelR);
        batch.compute();

        // Feedback pass on the gain-reduced side chain.
        if (left)
        {
            if (levelsL)
                dsp::rise(feedbackL, levelL, det.envL, det.shortcutL, a, det.attack);
            det.envL = dsp::flush(det.envL * det.keep);
        }
        else
            det.envL = betweenL;
        if (right)
        {
            if (levelsR)
                dsp::rise(feedbackR, levelR, det.envR, det.shortcutR, a, det.attack);
            det.envR = dsp::flush(det.envR * det.keep);
        }
        else
            det.envR = betweenR;

        channelGains<M, Linked>(det.envL, det.envR, gL, gR);

        // Feed-forward pass on the plain side chain.
        if (left)
            dsp::detectorStep(forwardL, det.envL, det.shortcutL, table, a, det.attack, det.keep, aheadL.known[j],
                              aheadL.level[j]);
        if (right)
            dsp::detectorStep(forwardR, det.envR, det.shortcutR, table, a, det.attack, det.keep, aheadR.known[j],
                              aheadR.level[j]);

        if (M != kRight)
            c.shapedL[j] = static_cast<Reduced>(c.xL[j] * gL) * c.makeup[j];
        if (M != kLeft)
            c.shapedR[j] = static_cast<Reduced>(c.xR[j] * gR) * c.makeup[j];
    }

    template <int M, bool Linked>
    static void detect(Chunk& c, int32_t count, Detector& det, const LoopCoefficients& k)
    {
        // The ratio has come to rest at a sample of this chunk: its exponent holds from there on.
        if (c.restFrom >= 0 && c.exponent[c.restFrom] != det.table->exponent())
            buildTable(*det.table, c.exponent[c.restFrom]);

        ForwardLevels aheadL;
        ForwardLevels aheadR;
        forwardInputs(c, c.sideL, count, aheadL);
        forwardInputs(c, c.sideR, count, aheadR);
        ChunkLevels levelsAhead;
        addLevelsAhead(levelsAhead, c, count, det.envL, det.shortcutL, *det.table, k, aheadL);
        addLevelsAhead(levelsAhead, c, count, det.envR, det.shortcutR, *det.table, k, aheadR);
        levelsAhead.compute();

        Run runL;
        Run runR;
        // A run begun under another release time does not go on.
        if (det.runL.offset < 0 || det.runL.keep != det.keep)
            runL.begin(0, count, det.envL, det.keep, det.runL);
        else
            runL.resume(0, count, det.runL);
        if (det.runR.offset < 0 || det.runR.keep != det.keep)
            runR.begin(0, count, det.envR, det.keep, det.runR);
        else
            runR.resume(0, count, det.runR);

        // Sample j the plain way, det's envelopes being the ones before it; the channels whose steps may raise
        // begin new runs after it, and j moves past it.
        auto alone = [&](int32_t& j, bool left, bool right, double betweenL, double betweenR) {
            sampleAlone<M, Linked>(c, j, count, det, left, right, betweenL, betweenR, aheadL, aheadR, k);
            ++j;
            if (left)
                runL.begin(j, count, det.envL, det.keep, det.runL);
            if (right)
                runR.begin(j, count, det.envR, det.keep, det.runR);
        };

        int32_t j = 0;
        bool afterAlone = false;
        while (j < count)
        {
            runL.renew(j, count, k, det.runL);
            runR.renew(j, count, k, det.runR);
            // A step that may rise is often followed by another: the sample after one worked alone is checked on
            // its own first, and goes alone at once if it must, without a batch of which it would use one lane.
            if (afterAlone)
            {
                afterAlone = false;
                double beforeL;
                double beforeR;
                double betweenL;
                double betweenR;
                runL.envelopesOf(j, k, beforeL, betweenL);
                runR.envelopesOf(j, k, beforeR, betweenR);
                const double a = c.exponent[j];
                const bool left = !settled(det.shortcutL, *det.table, aheadL.input[j], betweenL, a);
                const bool right = !settled(det.shortcutR, *det.table, aheadR.input[j], betweenR, a);
                if (left || right)
                {
                    det.envL = beforeL;
                    det.envR = beforeR;
                    alone(j, left, right, betweenL, betweenR);
                    afterAlone = true;
                    continue;
                }
            }
            Lanes envL;
            Lanes envR;
            Lanes betweenL;
            Lanes betweenR;
            runL.envelopes(j, k, envL, betweenL);
            runR.envelopes(j, k, envR, betweenR);
            const Lanes a = load(c.exponent + j);

            Lanes gL;
            Lanes gR;
            Lanes betweenGainL;
            Lanes betweenGainR;
            gainsAround<M, Linked>(envL, envR, betweenL, betweenR, gL, gR, betweenGainL, betweenGainR);
            xsimd::min(gL, gR).store_unaligned(c.meterIn + j);
            // Only the feed-forward steps need checking: a gain is at most 1, so the feedback step's input is at
            // most the feed-forward one's, and its envelope, before the decay between them, at least as high.
            const LaneMask decayOnlyL = det.shortcutL.below(load(aheadL.input + j), betweenL, a);
            const LaneMask decayOnlyR = det.shortcutR.below(load(aheadR.input + j), betweenR, a);

            const Lanes makeup = load(c.makeup + j);
            if (M != kRight)
                (roundTo<Reduced>(load(c.xL + j) * betweenGainL) * makeup).store_unaligned(c.shapedL + j);
            if (M != kLeft)
                (roundTo<Reduced>(load(c.xR + j) * betweenGainR) * makeup).store_unaligned(c.shapedR + j);

            // The lanes that count: those inside the chunk and before either channel's run ends.
            const int32_t lanes =
                std::min(std::min(kWidth, count - j), std::min(runL.remainingFrom(j), runR.remainingFrom(j)));
            const int valid = (1 << lanes) - 1;
            int raisingL = ~bitsOf(decayOnlyL) & valid;
            int raisingR = ~bitsOf(decayOnlyR) & valid;
            if ((raisingL | raisingR) != 0)
            {
                raisingL &= ~bitsOf(det.table->below(load(aheadL.input + j), betweenL, a));
                raisingR &= ~bitsOf(det.table->below(load(aheadR.input + j), betweenR, a));
            }
            if ((raisingL | raisingR) == 0)
            {
                j += lanes;
                continue;
            }
            // The first sample whose step may raise an envelope goes alone; the channels whose steps may raise
            // begin new runs after it.
            const int first = __builtin_ctz(static_cast<unsigned>(raisingL | raisingR));
            const bool left = (raisingL >> first) & 1;
            const bool right = (raisingR >> first) & 1;
            det.envL = envL.get(first);
            det.envR = envR.get(first);
            j += first;
            alone(j, left, right, betweenL.get(first), betweenR.get(first));
            afterAlone = true;
        }
        runL.renew(count, count, k, det.runL);
        runR.renew(count, count, k, det.runR);
        det.envL = runL.envelopeAt(count, k, det.runL);
        det.envR = runR.envelopeAt(count, k, det.runR);
    }

    // ---- the block

    template <int M, bool Linked>
    static void block(CompressorCore& core, Sample** inputs, Sample** outputs, int32_t n)
    {
        const LoopCoefficients& k =
            core.coefficients_.get(core.sampleRate_, core.attackTime_, core.releaseTime_, core.sideChainFilter_);
        const double cP = k.parameter;
        const double cH = k.sideChain;
        const double cO = k.output;
        const double thresholdGoal = core.threshold_;
        const double makeupGoal = core.makeup_;
        const double ratioGoal = core.ratio_;
        const double blendGoal = core.blendOn_ != 0.0 ? core.blend_ : 1.0;
        const bool highPass = core.sideChainFilterOn_ != 0;

        // The recursions live in locals: members of an object whose address escapes would be stored and reloaded
        // on every step of their chains.
        double threshold = core.thresholdSmoothed_;
        double makeup = core.makeupSmoothed_;
        float ratio = core.ratioSmoothed_;
        double blend = core.blendSmoothed_;
        dsp::SideChainLowPass<Arch> lowPass(dsp::lanes(core.lpL_, core.lpR_), cH);
        dsp::OutputFollowers<Arch> follow(dsp::lanes(core.outL_, core.outR_), cO);
        double meterValue = core.meter_.load();
        BiquadFilter::Recursion meter = core.meterFilter_.recursion();
        RatioShape shape = core.shape_;
        Detector det{core.envL_, core.envR_, core.shortcutL_, core.shortcutR_, core.runL_,
                     core.runR_, k.attack,   1.0 - k.release,  &core.levelTable_};

        const Sample* inL = inputs[0];
        const Sample* inR = inputs[1] != nullptr ? inputs[1] : inputs[0];
        Sample* outL = outputs[0];
        Sample* outR = outputs[1];

        // What moves in the chunk being read: a smoothed value that its own update leaves unchanged stays so.
        bool thresholdMoves = false;
        bool makeupMoves = false;
        bool blendMoves = false;
        bool ratioMoves = false;
        auto beginInputs = [&] {
            thresholdMoves = smooth(threshold, thresholdGoal, cP) != threshold;
            makeupMoves = smooth(makeup, makeupGoal, cP) != makeup;
            blendMoves = smooth(blend, blendGoal, cP) != blend;
            ratioMoves = smoothRatio(ratio, ratioGoal, cP) != ratio;
            shape.update(ratio);
        };

        // Pass 1 for one sample: smoothing, then input and side chain.
        auto smoothing = [&](Chunk& c, int32_t j) {
            if (thresholdMoves)
                threshold = smooth(threshold, thresholdGoal, cP);
            if (makeupMoves)
                makeup = smooth(makeup, makeupGoal, cP);
            if (ratioMoves)
            {
                ratio = smoothRatio(ratio, ratioGoal, cP);
                shape.update(ratio);
                if (c.restFrom < 0 && smoothRatio(ratio, ratioGoal, cP) == ratio)
                    c.restFrom = j;
            }
            if (blendMoves)
                blend = smooth(blend, blendGoal, cP);
            parameterRows(c, j, threshold, makeup, blend, shape);
        };
        auto input = [&](Chunk& c, int32_t j, int32_t i) {
            // Both channels in the two lanes of one batch: one chain of the side-chain filter instead of two.
            const Pair x = dsp::finiteOrZero(dsp::lanes(static_cast<double>(inL[i]), static_cast<double>(inR[i])));
            const Pair lowPassed = lowPass.step(x);
            storeLanes(x, c.xL + j, c.xR + j);
            if (highPass)
                storeLanes(x - lowPassed, c.sL + j, c.sR + j);
        };

        // Pass 4 for one sample: meter, blend and followers, both channels in the lanes of one batch. An
        // unprocessed channel passes unchanged, but its follower still runs. In a chunk whose blend is 1 throughout
        // (the blend switched off), wetOnly may hold: the blend then gives the shaped sample itself, bit for bit,
        // signed zeros included, since 0 x has the sign of x and so of the shaped sample.
        auto outputStage = [&](Chunk& c, int32_t j, auto wetOnly) {
            meterValue = meter.tick(c.meterIn[j]);
            const Pair x = dsp::lanes(c.xL[j], c.xR[j]);
            const Pair shaped = dsp::lanes(c.shapedL[j], c.shapedR[j]);
            Pair blended = shaped;
            if constexpr (!decltype(wetOnly)::value)
            {
                const Pair b(c.blend[j]);
                blended = (Pair(1.0) - b) * x + b * shaped;
            }
            const Pair target = M == kBoth ? blended : M == kLeft ? dsp::lanes(blended.get(0), c.xR[j])
                                                                   : dsp::lanes(c.xL[j], blended.get(1));
            const Pair followed = follow.step(target);
            storeLanes(blended, c.outL + j, c.outR + j);
            storeLanes(followed, c.followL + j, c.followR + j);
        };

        // Two chunks in flight: the side-chain filter of the next chunk is walked in the same loop as the meter
        // and the followers of this one, so the three recursions overlap instead of following each other.
        Chunk chunks[2];
        for (Chunk& chunk : chunks)
        {
            chunk.sideL = highPass ? chunk.sL : chunk.xL;
            chunk.sideR = highPass ? chunk.sR : chunk.xR;
        }
        chunks[0].restFrom = -1;
        chunks[0].rowsHeld = false;
        chunks[1].rowsHeld = false;
        Chunk* c = &chunks[0];
        Chunk* next = &chunks[1];

        // The first chunk's pass 1 runs as the pass 4 of an empty chunk before it.
        int32_t count = 0;
        for (int32_t start = -kChunk; start < n; start += kChunk)
        {
            clearTail(*c, count);

            // Pass 2.
            detect<M, Linked>(*c, count, det, k);

            // Pass 3: saturation; no state.
            if (M != kRight)
                Rows::saturateRow(c->shapedL, count);
            if (M != kLeft)
                Rows::saturateRow(c->shapedR, count);

            // Pass 4 of this chunk together with pass 1 of the next.
            const int32_t nextStart = start + kChunk;
            const int32_t nextCount = nextStart < n ? std::min(kChunk, n - nextStart) : 0;
            if (nextCount > 0)
                beginInputs();
            next->restFrom = nextCount > 0 && !ratioMoves ? 0 : -1;
            lowPass.beginChunk();
            const bool steady = nextCount > 0 && !(thresholdMoves || makeupMoves || blendMoves || ratioMoves);
            if (steady && count == kChunk && nextCount == kChunk)
            {
                // The usual case: nothing moves, and the loop that walks the recursions carries nothing else. The
                // rows of parameters are written only if they do not hold these values yet.
                if (!(next->rowsHeld && next->threshold[0] == threshold && next->makeup[0] == makeup &&
                      next->blend[0] == blend && next->scale[0] == shape.scale() &&
                      next->exponent[0] == shape.exponent()))
                {
                    for (int32_t j = 0; j < kChunk; ++j)
                        parameterRows(*next, j, threshold, makeup, blend, shape);
                    next->rowsHeld = true;
                }
                if (c->rowsHeld && c->blend[0] == 1.0)
                {
                    for (int32_t j = 0; j < count; ++j)
                    {
                        input(*next, j, nextStart + j);
                        outputStage(*c, j, std::true_type());
                    }
                }
                else
                {
                    for (int32_t j = 0; j < count; ++j)
                    {
                        input(*next, j, nextStart + j);
                        outputStage(*c, j, std::false_type());
                    }
                }
            }
            else
            {
                next->rowsHeld = false;
                const int32_t longer = std::max(count, nextCount);
                for (int32_t j = 0; j < longer; ++j)
                {
                    if (j < nextCount)
                    {
                        smoothing(*next, j);
                        input(*next, j, nextStart + j);
                    }
                    if (j < count)
                        outputStage(*c, j, std::false_type());
                }
            }
            // Pass 2 of the next iteration reads the side-chain rows.
            lowPass.endChunk(next->xL, next->xR, next->sL, next->sR, nextCount, highPass);

            // Pass 5: output factor and denormal flush of the outputs; an unprocessed channel passes as it came.
            if (M != kRight)
                Rows::applyOutputFactorRow(c->outL, c->followL, count);
            else
                flushRow(c->outL, c->xL, count);
            if (M != kLeft)
                Rows::applyOutputFactorRow(c->outR, c->followR, count);
            else
                flushRow(c->outR, c->xR, count);
            // Right first: with one output row the left result is the one that stays.
            if (outR != nullptr)
                storeRow(outR + start, c->outR, count);
            storeRow(outL + start, c->outL, count);
            std::swap(c, next);
            count = nextCount;
        }

        core.thresholdSmoothed_ = threshold;
        core.makeupSmoothed_ = makeup;
        core.ratioSmoothed_ = ratio;
        core.blendSmoothed_ = blend;
        core.envL_ = det.envL;
        core.envR_ = det.envR;
        core.lpL_ = static_cast<float>(lowPass.state().get(0));
        core.lpR_ = static_cast<float>(lowPass.state().get(1));
        core.outL_ = follow.state().get(0);
        core.outR_ = follow.state().get(1);
        core.meter_.store(meterValue);
        core.meterFilter_.keepHistory(meter);
        core.shape_ = shape;
        core.shortcutL_ = det.shortcutL;
        core.shortcutR_ = det.shortcutR;
        core.runL_ = det.runL;
        core.runR_ = det.runR;
    }

    // A row out to the host's buffer, in batches: a loop of plain copies would become a string copy, which is slow
    // to start for a chunk this short, and floats are converted a batch at a time.
    static void storeRow(Sample* out, const double* row, int32_t count)
    {
        int32_t i = 0;
        for (; i + kWidth <= count; i += kWidth)
        {
            if constexpr (std::is_same<Sample, double>::value)
                load(row + i).store_unaligned(out + i);
            else if constexpr (kWidth == 2)
                _mm_storel_pi(reinterpret_cast<__m64*>(out + i), _mm_cvtpd_ps(load(row + i)));
            else if constexpr (kWidth == 4)
                _mm_storeu_ps(out + i, _mm256_cvtpd_ps(load(row + i)));
            else
                _mm256_storeu_ps(out + i, _mm512_cvtpd_ps(load(row + i)));
        }
        for (; i < count; ++i)
            out[i] = static_cast<Sample>(row[i]);
    }

    // The parameters' rows at sample j.
    static void parameterRows(Chunk& c, int32_t j, double threshold, double makeup, double blend,
                              const RatioShape& shape)
    {
        c.threshold[j] = threshold;
        c.makeup[j] = makeup;
        c.blend[j] = blend;
        c.scale[j] = shape.scale();
        c.exponent[j] = shape.exponent();
    }

    static void flushRow(double* out, const double* in, int32_t count)
    {
        for (int32_t i = 0; i < count; i += kWidth)
            dsp::flush(load(in + i)).store_unaligned(out + i);
    }

    // A chunk whose length is no multiple of the width leaves its last batch partly used: the lanes past the end
    // are computed and thrown away, from zeros rather than leftovers.
    static void clearTail(Chunk& c, int32_t count)
    {
        for (double* row : {c.xL, c.xR, c.sL, c.sR, c.threshold, c.scale, c.exponent, c.makeup, c.blend, c.meterIn,
                            c.shapedL, c.shapedR, c.outL, c.outR, c.followL, c.followR})
        {
            for (int32_t j = count; j % kWidth != 0; ++j)
                row[j] = 0.0;
        }
    }
};
