// One-pole coefficients of the compressor loop. They depend only on the rate and three parameters, so they are
// computed once and reused until one of those changes.
#pragma once

#include <cmath>
#include <limits>

#include "effect/dsp/DoubleDouble.h"
#include "effect/dsp/PortableMath.h"

struct LoopCoefficients
{
    double attack = 0.0;     // envelope rise
    double release = 0.0;    // envelope decay, applied on each of the two detector steps
    double parameter = 0.0;  // parameter smoothing
    double sideChain = 0.0;  // side-chain low-pass
    double output = 0.0;     // output-stage follower

    // The envelope's decay over runs of detector steps that only decay: (1 - release)^(2i) before sample i of a run
    // (also carried to double-double precision) and (1 - release)^(2i + 1) between its two steps.
    // The tables reach past kRun so a batch of the widest lanes beginning at a run's last sample stays inside.
    static constexpr int kRun = 128;
    static constexpr int kTable = kRun + dsp::kWidestLanes;
    double decayBefore[kTable] = {};
    double decayBetween[kTable] = {};
    dsp::DoubleDouble decayBeforeExact[kTable] = {};
};

class LoopCoefficientCache
{
public:
    // rate in Hz, attack and release times in seconds, side-chain filter value 0..1.
    const LoopCoefficients& get(double rate, double attackTime, double releaseTime, double sideChainFilter)
    {
        if (rate != rate_ || attackTime != attackTime_ || releaseTime != releaseTime_ ||
            sideChainFilter != sideChainFilter_)
        {
            rate_ = rate;
            attackTime_ = attackTime;
            releaseTime_ = releaseTime;
            sideChainFilter_ = sideChainFilter;
            compute();
        }
        return value_;
    }

private:
    // Decay per time constant of every follower.
    static constexpr double kDecay = 0.1091012;

    // Out of line: the loop is also built for wider batches, and no code of that build may stand in for this.
    void compute();

    // NaN keys never compare equal, so the first call always computes.
    double rate_ = std::numeric_limits<double>::quiet_NaN();
    double attackTime_ = 0.0;
    double releaseTime_ = 0.0;
    double sideChainFilter_ = 0.0;
    LoopCoefficients value_;
};
