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
    static constexpr int kRun = 64;
    double decayBefore[kRun + 1] = {};
    double decayBetween[kRun + 1] = {};
    dsp::DoubleDouble decayBeforeExact[kRun + 1] = {};
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

    void compute()
    {
        const double fs = rate_;
        value_.attack = 1.0 - dsp::pow(kDecay, 1.0 / (fs * attackTime_ * 0.12));
        // The release time includes half the attack time.
        value_.release = 1.0 - dsp::pow(kDecay, 1.0 / ((releaseTime_ * 6.0 + attackTime_ * 0.5) * fs));
        value_.parameter = 1.0 - dsp::pow(kDecay, 1.0 / (fs * 0.01));
        value_.sideChain = 1.0 - dsp::pow(kDecay, dsp::pow(125.0, sideChainFilter_) * 12.5 / fs);
        value_.output = 1.0 - dsp::pow(kDecay, 14.0 / fs);
        const double keep = 1.0 - value_.release;
        dsp::DoubleDouble power;
        for (int i = 0; i <= LoopCoefficients::kRun; ++i)
        {
            value_.decayBeforeExact[i] = power;
            value_.decayBefore[i] = power.hi;
            power = dsp::times(power, keep);
            value_.decayBetween[i] = power.hi;
            power = dsp::times(power, keep);
        }
    }

    // NaN keys never compare equal, so the first call always computes.
    double rate_ = std::numeric_limits<double>::quiet_NaN();
    double attackTime_ = 0.0;
    double releaseTime_ = 0.0;
    double sideChainFilter_ = 0.0;
    LoopCoefficients value_;
};
