// The compressor's signal-processing core: parameter targets, smoothing state, detector envelopes, output stage and
// the gain-reduction meter. Knows nothing of hosts, programs or locks: the effect calls it with its mutex held.
#pragma once

#include <cstdint>

#include "effect/dsp/BiquadFilter.h"
#include "effect/dsp/DecayRun.h"
#include "effect/dsp/PublishedValue.h"
#include "effect/dsp/EnvelopeDetector.h"
#include "effect/dsp/LevelTable.h"
#include "effect/dsp/LoopCoefficients.h"
#include "effect/dsp/RatioShape.h"

class CompressorCore
{
public:
    CompressorCore();

    // Parameter setters. Each clamps its normalised value to 0..1 and stores it with the value derived from it.
    // Audio-independent; no lock taken.
    void setAttack(float v);
    void setRelease(float v);
    void setRatio(float v);
    void setThreshold(float v);
    void setMakeup(float v);
    void setSideChainFilter(float v);
    void setSideChainFilterOn(float v);
    void setBlend(float v);
    void setBlendOn(float v);
    void setChannel(float v);
    void setLink(float v);
    // 1 runs the per-sample loop, 0 the plain copy.
    void setPower(int32_t on) { power_ = on; }
    int32_t power() const { return power_; }

    // Rates outside 32000..400000 Hz fall back to 44100.
    void setSampleRate(float rate);
    float sampleRate() const { return sampleRate_; }

    void reset();
    void prepare();

    // Power off: pass the input through and let the meter settle at no gain reduction.
    void copy(float** inputs, float** outputs, int32_t n);
    void copy(double** inputs, double** outputs, int32_t n);

    // Power on: the per-sample loop over one block. Audio thread, with the effect mutex held by the caller;
    // allocates nothing. n <= 0 returns at once without touching any state.
    void process(float** inputs, float** outputs, int32_t n, bool stereo);
    void process(double** inputs, double** outputs, int32_t n, bool stereo);

    // Output of the meter filter: 1.0 means no gain reduction.
    // Any thread: the editor reads it while the audio thread runs, so it is published once per block.
    double meterValue() const { return meter_.load(); }

    // Read-only views of the derived state, for the effect and for tests.
    double attackTime() const { return attackTime_; }
    double releaseTime() const { return releaseTime_; }
    double ratioTarget() const { return ratio_; }
    float smoothedRatio() const { return ratioSmoothed_; }
    double thresholdGain() const { return threshold_; }
    double makeupGain() const { return makeup_; }
    double sideChainFilter() const { return sideChainFilter_; }
    int32_t sideChainFilterOn() const { return sideChainFilterOn_; }
    double blendTarget() const { return blend_; }
    double blendOn() const { return blendOn_; }
    int32_t channelMode() const { return channelMode_; }
    int32_t link() const { return link_; }
    double envelopeLeft() const { return envL_; }
    double envelopeRight() const { return envR_; }
    float lowPassLeft() const { return lpL_; }  // side-chain low-pass state
    float lowPassRight() const { return lpR_; }
    const BiquadFilter& meterFilter() const { return meterFilter_; }

private:
    template <typename Sample, class Arch>
    friend struct CompressorLoop;

    template <typename Sample>
    void copyBlock(Sample** inputs, Sample** outputs, int32_t n);

    float sampleRate_ = 44100.0f;
    int32_t power_ = 1;

    double attackTime_ = 0.0;   // tA
    double releaseTime_ = 0.0;  // tR
    double ratio_ = 0.0;        // ratio target
    float ratioSmoothed_ = 0.0f;
    double threshold_ = 0.0;  // threshold gain target T
    double thresholdSmoothed_ = 0.0;
    double makeup_ = 0.0;  // makeup gain target M
    double makeupSmoothed_ = 0.0;
    double sideChainFilter_ = 0.0;
    int32_t sideChainFilterOn_ = 0;
    double blend_ = 0.0;
    double blendOn_ = 0.0;
    double blendSmoothed_ = 0.0;
    int32_t channelMode_ = 1;
    int32_t link_ = 1;

    double envL_ = 1e-4;
    double envR_ = 1e-4;
    float lpL_ = 0.0f;
    float lpR_ = 0.0f;
    double outL_ = 0.0;
    double outR_ = 0.0;
    PublishedValue<double> meter_{1.0};
    BiquadFilter meterFilter_;

    // Caches of the loop: values that follow from the state above and are recomputed only when it changes.
    LoopCoefficientCache coefficients_;
    RatioShape shape_;
    dsp::DetectorShortcut shortcutL_;
    dsp::DetectorShortcut shortcutR_;
    dsp::DecayRun runL_;
    dsp::DecayRun runR_;
    dsp::LevelTable levelTable_;
};
