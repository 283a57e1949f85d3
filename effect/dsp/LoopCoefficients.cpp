#include "effect/dsp/LoopCoefficients.h"

void LoopCoefficientCache::compute()
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
    for (int i = 0; i < LoopCoefficients::kTable; ++i)
    {
        value_.decayBeforeExact[i] = power;
        value_.decayBefore[i] = power.hi;
        power = dsp::times(power, keep);
        value_.decayBetween[i] = power.hi;
        power = dsp::times(power, keep);
    }
}
