// Where an envelope's current run of decay-only detector steps began, kept from block to block: within a run the
// envelope follows from the run's first one by one product, so a run must not end where a host happens to end a
// block (the output would depend on the host's block size), nor where the other channel's envelope rises (the
// left result of a channel mode that leaves the right channel alone would depend on the right input).
#pragma once

#include <cstdint>

#include "effect/dsp/DoubleDouble.h"
#include "effect/dsp/DspMath.h"
#include "effect/dsp/LoopCoefficients.h"
#include "effect/dsp/PortableMath.h"

namespace dsp
{
struct DecayRun
{
    double start = 0.0;   // the envelope before the run's first sample
    double keep = 0.0;    // decay per step the run began under
    int32_t offset = -1;  // samples since the run began; -1: begin a new one from the current envelope
};

// Below this an envelope's flush rounds it onto a coarse grid, where decay by a product no longer follows
// stepwise decay (which comes to rest on the grid); such runs walk the steps one by one.
constexpr double kFineEnvelope = 1e-13;

// Stepwise decay of one envelope over a run: before[i] is the envelope before sample i, between[i] the one
// between its two steps. An envelope that a step leaves unchanged stays so.
inline void decayStepwise(double env, double keep, int32_t steps, double* before, double* between)
{
    int32_t i = 0;
    for (; i <= steps; ++i)
    {
        before[i] = env;
        const double next = flush(env * keep);
        between[i] = next;
        if (next == env)
            break;
        env = flush(next * keep);
    }
    for (; i <= steps; ++i)
        before[i] = between[i] = env;
}

// One channel's current run within a chunk. A run that decays stepwise is walked ahead to the chunk's end; one
// that decays by products spans chunks and blocks and begins anew after kRun samples, at a place that depends
// on where it began and not on where chunks end. Batch is the loop's batch of lanes.
template <class Batch>
struct ChannelRun
{
    // Room for a last batch that begins at a run's or chunk's last sample.
    static constexpr int32_t kPadded = LoopCoefficients::kRun + kWidestLanes;

    int32_t origin = 0;  // chunk index of the run's first sample (negative when it began in an earlier chunk)
    bool stepwise = false;
    Batch start;
    double before[kPadded];
    double between[kPadded];

    // A new run at chunk index first, from the envelope env.
    void begin(int32_t first, int32_t count, double env, double keep, DecayRun& run)
    {
        run = DecayRun{env, keep, 0};
        resume(first, count, run);
    }

    // The run, now at chunk index first. Inline, as every sample that rises begins a run; the walk of a stepwise
    // run is not.
    [[gnu::always_inline]] void resume(int32_t first, int32_t count, const DecayRun& run)
    {
        origin = first - run.offset;
        start = Batch(run.start);
        stepwise = !(run.start >= kFineEnvelope);
        if (stepwise)
            walkStepwise(first, count, run);
    }

    [[gnu::noinline]] void walkStepwise(int32_t first, int32_t count, const DecayRun& run)
    {
        const int32_t steps = count - first;
        decayStepwise(run.start, run.keep, steps, before, between);
        // The lanes of a last batch that lie past the chunk read the last envelope, not leftovers.
        for (int32_t i = steps + 1; i < kPadded; ++i)
            before[i] = between[i] = before[steps];
    }

    // Begins anew when the run has reached its length at chunk index j.
    void renew(int32_t j, int32_t count, const LoopCoefficients& k, DecayRun& run)
    {
        if (stepwise || j - origin < LoopCoefficients::kRun)
            return;
        run.start = flush(roundedProduct(run.start, k.decayBeforeExact[LoopCoefficients::kRun]));
        run.offset = 0;
        resume(j, count, run);
    }

    // How many samples from chunk index j on still belong to this run (at least one, after renew).
    int32_t remainingFrom(int32_t j) const
    {
        return stepwise ? LoopCoefficients::kRun : LoopCoefficients::kRun - (j - origin);
    }

    // The envelopes before the samples from j on, one per lane, and between their steps.
    void envelopes(int32_t j, const LoopCoefficients& k, Batch& envBefore, Batch& envBetween) const
    {
        const int32_t i = j - origin;
        if (stepwise)
        {
            envBefore = Batch::load_unaligned(before + i);
            envBetween = Batch::load_unaligned(between + i);
        }
        else
        {
            envBefore = flush(start * Batch::load_unaligned(k.decayBefore + i));
            envBetween = flush(start * Batch::load_unaligned(k.decayBetween + i));
        }
    }

    // envelopes() of the sample at j alone: the same bits as a batch's first lane.
    void envelopesOf(int32_t j, const LoopCoefficients& k, double& envBefore, double& envBetween) const
    {
        const int32_t i = j - origin;
        if (stepwise)
        {
            envBefore = before[i];
            envBetween = between[i];
        }
        else
        {
            envBefore = flush(start.get(0) * k.decayBefore[i]);
            envBetween = flush(start.get(0) * k.decayBetween[i]);
        }
    }

    // The envelope at chunk index j, a run's end; kept as the detector's envelope.
    double envelopeAt(int32_t j, const LoopCoefficients& k, DecayRun& run) const
    {
        const int32_t i = j - origin;
        if (stepwise)
        {
            // Walked to here: the run goes on as if it began here.
            run = DecayRun{before[i], run.keep, 0};
            return before[i];
        }
        run.offset = i;
        return flush(start.get(0) * k.decayBefore[i]);
    }
};
}  // namespace dsp
