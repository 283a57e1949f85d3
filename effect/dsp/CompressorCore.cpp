#include "effect/dsp/CompressorCore.h"

#include <cmath>

#include "effect/dsp/MathKernels.h"
#include "effect/dsp/PortableMath.h"

namespace
{
// Parameter values arrive from hosts and presets: NaN and anything below 0 count as 0, anything above 1 as 1.
double clampUnit(float v)
{
    if (!(v > 0.0f))
        return 0.0;
    return v > 1.0f ? 1.0 : static_cast<double>(v);
}

int32_t switchState(double v)
{
    return static_cast<int32_t>(v + 0.5);
}

// Meter filter as built and as prepared for playback.
constexpr double kMeterInitialRate = 44100.0;
constexpr double kMeterInitialFrequency = 5.0;
constexpr double kMeterInitialQ = 0.65;
constexpr double kMeterFrequency = 3.0;
constexpr double kMeterQ = 0.8765;

constexpr float kFallbackRate = 44100.0f;
constexpr float kLowestRate = 32000.0f;
constexpr float kHighestRate = 400000.0f;

constexpr double kEnvelopeAtRest = 1e-4;
}  // namespace

CompressorCore::CompressorCore()
    : meterFilter_(kMeterInitialRate, BiquadFilter::kLowPass, kMeterInitialFrequency, kMeterInitialQ, 0.0)
{
    setAttack(0.5f);
    setRelease(0.5f);
    setRatio(0.5f);
    setThreshold(0.5f);
    setMakeup(0.0f);
    setSideChainFilter(0.0f);
    setSideChainFilterOn(1.0f);
    setBlend(0.0f);
    setBlendOn(0.0f);
    setChannel(0.5f);
    setLink(1.0f);
    power_ = 1;
    reset();
    prepare();
    reset();
}

void CompressorCore::setAttack(float v)
{
    attackTime_ = dsp::pow(500.0, clampUnit(v)) * 0.005 * 0.2;
}

void CompressorCore::setRelease(float v)
{
    releaseTime_ = dsp::pow(100.0, clampUnit(v)) * 0.005;
}

void CompressorCore::setRatio(float v)
{
    ratio_ = clampUnit(v);
}

void CompressorCore::setThreshold(float v)
{
    threshold_ = dsp::pow(256.0, 1.0 - clampUnit(v)) * 0.25;
}

void CompressorCore::setMakeup(float v)
{
    makeup_ = dsp::pow(256.0, clampUnit(v)) * 0.25;
}

void CompressorCore::setSideChainFilter(float v)
{
    sideChainFilter_ = clampUnit(v);
}

void CompressorCore::setSideChainFilterOn(float v)
{
    sideChainFilterOn_ = switchState(clampUnit(v));
}

void CompressorCore::setBlend(float v)
{
    blend_ = clampUnit(v);
}

void CompressorCore::setBlendOn(float v)
{
    blendOn_ = switchState(clampUnit(v));
}

void CompressorCore::setChannel(float v)
{
    channelMode_ = switchState(2.0 * clampUnit(v));
}

void CompressorCore::setLink(float v)
{
    link_ = switchState(clampUnit(v));
}

void CompressorCore::setSampleRate(float rate)
{
    // Written so that NaN falls back too.
    sampleRate_ = (rate >= kLowestRate && rate <= kHighestRate) ? rate : kFallbackRate;
    meterFilter_.clearHistory();
    meterFilter_.setRate(sampleRate_);
}

void CompressorCore::reset()
{
    ratioSmoothed_ = static_cast<float>(ratio_);
    outL_ = 0.0;
    outR_ = 0.0;
    meter_.store(1.0);
    meterFilter_.clearHistory();
    envL_ = kEnvelopeAtRest;
    envR_ = kEnvelopeAtRest;
    runL_ = dsp::DecayRun{};
    runR_ = dsp::DecayRun{};
}

void CompressorCore::prepare()
{
    meter_.store(1.0);
    lpL_ = 0.0f;
    lpR_ = 0.0f;
    makeupSmoothed_ = makeup_;
    ratioSmoothed_ = static_cast<float>(ratio_);
    thresholdSmoothed_ = threshold_;
    // With the blend switch off the loop fades the processed signal in from 0 over a few milliseconds.
    blendSmoothed_ = blendOn_ != 0.0 ? blend_ : 0.0;
    meterFilter_.setRate(sampleRate_);
    meterFilter_.setFrequency(kMeterFrequency);
    meterFilter_.setQ(kMeterQ);
    meterFilter_.recompute();
    meterFilter_.clearHistory();
}

namespace
{
// The double-precision copy carries no more than float32 would: the host sees the same result in both precisions.
inline double copySample(double x)
{
    return static_cast<double>(static_cast<float>(x));
}

inline float copySample(float x)
{
    return x;
}
}  // namespace

template <typename Sample>
void CompressorCore::copyBlock(Sample** inputs, Sample** outputs, int32_t n)
{
    if (n <= 0)
        return;
    const Sample* inL = inputs[0];
    const Sample* inR = inputs[1] != nullptr ? inputs[1] : inputs[0];
    Sample* outL = outputs[0];
    Sample* outR = outputs[1];
    BiquadFilter meter = meterFilter_;  // a local copy: output stores cannot alias it
    double meterValue = meter_.load();
    for (int32_t i = 0; i < n; ++i)
    {
        const Sample l = copySample(inL[i]);
        const Sample r = copySample(inR[i]);
        outL[i] = l;
        if (outR != nullptr)
            outR[i] = r;
        meterValue = meter.tick(1.0);  // no gain reduction while bypassed
    }
    meter_.store(meterValue);
    meterFilter_ = meter;
}

void CompressorCore::copy(float** inputs, float** outputs, int32_t n)
{
    copyBlock(inputs, outputs, n);
}

void CompressorCore::copy(double** inputs, double** outputs, int32_t n)
{
    copyBlock(inputs, outputs, n);
}

// The loop built for the widest batches this processor runs.
void CompressorCore::process(float** inputs, float** outputs, int32_t n, bool stereo)
{
    dsp::mathKernels().processFloat(*this, inputs, outputs, n, stereo);
}

void CompressorCore::process(double** inputs, double** outputs, int32_t n, bool stereo)
{
    dsp::mathKernels().processDouble(*this, inputs, outputs, n, stereo);
}
