// The compressor's per-sample loop, written once for both sample types. CompressorPrecision names the values the
// 32-bit form keeps in single precision; everything else is double in both forms.
//
// Audio thread only; the caller holds the effect mutex. No allocation, no lock. The core's state is copied into
// locals for the block and written back once, so output stores cannot alias it and force reloads.
//
// The block is cut into chunks that run in three passes, so that each pass has a short chain from one sample to
// the next and the processor can overlap the libm calls of neighbouring samples: envelopes, gains and meter;
// saturation; output stage. Every value is computed by the same operations as in a one-pass loop; only work that
// does not depend on each other is reordered.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "effect/dsp/CompressorCore.h"
#include "effect/dsp/CompressorPrecision.h"
#include "effect/dsp/DspMath.h"
#include "effect/dsp/EnvelopeDetector.h"
#include "effect/dsp/Shaping.h"

template <typename Sample>
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
    static constexpr int32_t kChunk = 64;

    struct Chunk
    {
        double xL[kChunk];
        double xR[kChunk];
        double blend[kChunk];
        double shapedL[kChunk];  // gain-reduced sample times makeup, then saturated in place
        double shapedR[kChunk];
    };

    static Gain gainOf(double env) { return static_cast<Gain>(0.03 / (env * env + 0.03)); }

    template <int M, bool Linked>
    static void channelGains(double envL, double envR, Gain& gL, Gain& gR)
    {
        if (Linked)
        {
            gL = gR = std::sqrt(gainOf(envL) * gainOf(envR));
        }
        else
        {
            gL = M == kRight ? Gain(1) : gainOf(envL);
            gR = M == kLeft ? Gain(1) : gainOf(envR);
        }
    }

    // One step of parameter smoothing towards its goal.
    static double smooth(double value, double goal, double rate) { return dsp::flush(value + (goal - value) * rate); }

    // The smoothed ratio lives in float32: the sum is rounded to float before and after the denormal flush.
    static float smoothRatio(float r, double goal, double rate)
    {
        const float sum = static_cast<float>(r + (goal - r) * rate);
        return static_cast<float>(dsp::flush(sum));
    }

    template <int M, bool Linked>
    static void block(CompressorCore& core, Sample** inputs, Sample** outputs, int32_t n)
    {
        const LoopCoefficients& c =
            core.coefficients_.get(core.sampleRate_, core.attackTime_, core.releaseTime_, core.sideChainFilter_);
        const double cA = c.attack;
        const double keep = 1.0 - c.release;
        const double cP = c.parameter;
        const double cH = c.sideChain;
        const double cO = c.output;
        const double thresholdGoal = core.threshold_;
        const double makeupGoal = core.makeup_;
        const double ratioGoal = core.ratio_;
        const double blendGoal = core.blendOn_ != 0.0 ? core.blend_ : 1.0;
        const bool highPass = core.sideChainFilterOn_ != 0;

        double threshold = core.thresholdSmoothed_;
        double makeup = core.makeupSmoothed_;
        float ratio = core.ratioSmoothed_;
        double blend = core.blendSmoothed_;
        double envL = core.envL_;
        double envR = core.envR_;
        float lpL = core.lpL_;
        float lpR = core.lpR_;
        double followL = core.outL_;
        double followR = core.outR_;
        double meterValue = core.meter_.load();
        BiquadFilter meter = core.meterFilter_;
        RatioShape shape = core.shape_;
        dsp::DetectorShortcut shortcutL = core.shortcutL_;
        dsp::DetectorShortcut shortcutR = core.shortcutR_;

        const Sample* inL = inputs[0];
        const Sample* inR = inputs[1] != nullptr ? inputs[1] : inputs[0];
        Sample* outL = outputs[0];
        Sample* outR = outputs[1];

        Chunk chunk;
        for (int32_t start = 0; start < n; start += kChunk)
        {
            const int32_t count = std::min(kChunk, n - start);

            // A smoothed value that its own update leaves unchanged stays so for the whole chunk.
            const bool thresholdMoves = smooth(threshold, thresholdGoal, cP) != threshold;
            const bool makeupMoves = smooth(makeup, makeupGoal, cP) != makeup;
            const bool blendMoves = smooth(blend, blendGoal, cP) != blend;
            const bool ratioMoves = smoothRatio(ratio, ratioGoal, cP) != ratio;
            shape.update(ratio);

            // Pass 1: smoothing, side chain, gains, meter and both detector passes.
            for (int32_t j = 0; j < count; ++j)
            {
                if (thresholdMoves)
                    threshold = smooth(threshold, thresholdGoal, cP);
                if (makeupMoves)
                    makeup = smooth(makeup, makeupGoal, cP);
                if (ratioMoves)
                {
                    ratio = smoothRatio(ratio, ratioGoal, cP);
                    shape.update(ratio);
                }
                if (blendMoves)
                    blend = smooth(blend, blendGoal, cP);

                const double xL = dsp::finiteOrZero(inL[start + j]);
                const double xR = dsp::finiteOrZero(inR[start + j]);
                lpL = static_cast<float>(dsp::flush(lpL + (xL - lpL) * cH));
                lpR = static_cast<float>(dsp::flush(lpR + (xR - lpR) * cH));
                const double sL = highPass ? xL - lpL : xL;
                const double sR = highPass ? xR - lpR : xR;
                const double a = shape.exponent();
                const double b = shape.scale();

                Gain gL;
                Gain gR;
                channelGains<M, Linked>(envL, envR, gL, gR);
                meterValue = meter.tick(static_cast<MeterInput>(std::min(gL, gR)));

                // Feedback pass on the gain-reduced side chain.
                dsp::detectorStep(std::fabs(sL * gL) * threshold * b, envL, shortcutL, a, cA, keep);
                dsp::detectorStep(std::fabs(sR * gR) * threshold * b, envR, shortcutR, a, cA, keep);

                channelGains<M, Linked>(envL, envR, gL, gR);

                // Feed-forward pass on the plain side chain.
                dsp::detectorStep(std::fabs(sL) * threshold * b, envL, shortcutL, a, cA, keep);
                dsp::detectorStep(std::fabs(sR) * threshold * b, envR, shortcutR, a, cA, keep);

                chunk.xL[j] = xL;
                chunk.xR[j] = xR;
                chunk.blend[j] = blend;
                if (M != kRight)
                    chunk.shapedL[j] = static_cast<Reduced>(xL * gL) * makeup;
                if (M != kLeft)
                    chunk.shapedR[j] = static_cast<Reduced>(xR * gR) * makeup;
            }

            // Pass 2: saturation; no state.
            if (M != kRight)
                for (int32_t j = 0; j < count; ++j)
                    chunk.shapedL[j] = dsp::saturate(chunk.shapedL[j]);
            if (M != kLeft)
                for (int32_t j = 0; j < count; ++j)
                    chunk.shapedR[j] = dsp::saturate(chunk.shapedR[j]);

            // Pass 3: blend and output stage. An unprocessed channel passes unchanged, but its follower still runs.
            for (int32_t j = 0; j < count; ++j)
            {
                const double xL = chunk.xL[j];
                const double xR = chunk.xR[j];
                const double bj = chunk.blend[j];
                double oL = xL;
                double oR = xR;
                if (M != kRight)
                {
                    oL = (1.0 - bj) * xL + bj * chunk.shapedL[j];
                    followL = dsp::flush(followL + (oL - followL) * cO);
                    oL = oL * dsp::outputFactor(followL);
                }
                else
                {
                    followL = dsp::flush(followL + (xL - followL) * cO);
                }
                if (M != kLeft)
                {
                    oR = (1.0 - bj) * xR + bj * chunk.shapedR[j];
                    followR = dsp::flush(followR + (oR - followR) * cO);
                    oR = oR * dsp::outputFactor(followR);
                }
                else
                {
                    followR = dsp::flush(followR + (xR - followR) * cO);
                }

                // Right first: with one output row the left result is the one that stays.
                if (outR != nullptr)
                    outR[start + j] = static_cast<Sample>(dsp::flush(oR));
                outL[start + j] = static_cast<Sample>(dsp::flush(oL));
            }
        }

        core.thresholdSmoothed_ = threshold;
        core.makeupSmoothed_ = makeup;
        core.ratioSmoothed_ = ratio;
        core.blendSmoothed_ = blend;
        core.envL_ = envL;
        core.envR_ = envR;
        core.lpL_ = lpL;
        core.lpR_ = lpR;
        core.outL_ = followL;
        core.outR_ = followR;
        core.meter_.store(meterValue);
        core.meterFilter_ = meter;
        core.shape_ = shape;
        core.shortcutL_ = shortcutL;
        core.shortcutR_ = shortcutR;
    }
};
