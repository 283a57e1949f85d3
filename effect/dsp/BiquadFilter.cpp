#include "effect/dsp/BiquadFilter.h"

#include <algorithm>
#include <cmath>

#include "effect/dsp/PortableMath.h"

namespace
{
constexpr double kPi = 3.141592653589793;

// The frequency cap uses a plausible rate even when the stored one is odd, so a bad rate never zeroes the cutoff.
double rateForFrequencyLimit(double rate)
{
    return (rate >= 20000.0 && rate <= 400000.0) ? rate : 44100.0;
}

// A rate of zero, a negative or non-finite rate would turn every coefficient into NaN and the meter with them.
double usableRate(double rate)
{
    return (rate > 0.0 && std::isfinite(rate)) ? rate : 44100.0;
}
}  // namespace

BiquadFilter::BiquadFilter(double rate, int type, double frequency, double q, double gain)
    : rate_(rate), type_(type), frequency_(frequency), q_(q), gain_(gain)
{
    recompute();
}

void BiquadFilter::setRate(double rate)
{
    rate_ = rate;
    frequency_ = std::min(frequency_, 0.499 * rateForFrequencyLimit(rate));
    recompute();
}

void BiquadFilter::setFrequency(double frequency)
{
    frequency_ = frequency;
    recompute();
}

void BiquadFilter::setQ(double q)
{
    q_ = q;
    recompute();
}

void BiquadFilter::recompute()
{
    if (type_ != kLowPass)
    {
        // No other shape is used; an unknown type passes the signal unchanged rather than ringing.
        b0_ = 1.0;
        b1_ = b2_ = a1_ = a2_ = 0.0;
        return;
    }
    const double fs = usableRate(rate_);
    const double f = std::min(frequency_, 0.499 * fs);
    // Q shrinks as the cutoff nears Nyquist so the peak stays bounded there.
    const double warpedQ = q_ * (1.0 - dsp::pow(f / (0.50001 * fs), 8.0));
    const double w = 2.0 * kPi * f / fs;
    const double alpha = dsp::sin(w) / (2.0 * warpedQ);
    const double cosW = dsp::cos(w);
    const double a0 = 1.0 + alpha;
    a1_ = -2.0 * cosW / a0;
    a2_ = (1.0 - alpha) / a0;
    b0_ = (1.0 - cosW) * 0.5 / a0;
    b2_ = b0_;
    b1_ = (1.0 - cosW) / a0;
}

void BiquadFilter::clearHistory()
{
    x1_ = x2_ = y1_ = y2_ = 0.0;
}
