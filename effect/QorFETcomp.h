// The compressor effect: its 16 parameters and their texts, the gain-reduction meter, the two replacing process
// entries and the speaker arrangement. Owns the effect mutex, the signal-processing core and the editor object.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>

#include "effect/dsp/CompressorCore.h"
#include "effect/presets/CPresetSystemEffect.h"
#include "platform/Mutex.h"

class Qor245Editor;

class QorFETcomp : public CPresetSystemEffect
{
public:
    explicit QorFETcomp(HostCallback hostCallback);
    ~QorFETcomp() override;

    // Audio thread. Holds the effect mutex for the whole block; never allocates.
    void processReplacing(float** inputs, float** outputs, int32_t sampleFrames) override;
    void processDoubleReplacing(double** inputs, double** outputs, int32_t sampleFrames) override;

    // Any thread. Clamps to 0..1, waits at most 500 ms in all for the bank lock and then the effect mutex, and drops
    // the change when either could not be had (the audio path holds the mutex for one block, and state work the
    // bank lock for one chunk or program change, so that wait only runs out when one of them has stalled).
    void setParameter(int32_t index, float value) override;
    // Any thread; no lock. Index 17 answers the meter value.
    float getParameter(int32_t index) override;

    // Host thread, with audio stopped; takes the effect mutex to keep the core consistent all the same.
    void suspend() override;
    void resume() override;

    void getParameterLabel(int32_t index, char* text) override;
    void getParameterDisplay(int32_t index, char* text) override;
    void getParameterName(int32_t index, char* text) override;
    bool getParameterProperties(int32_t index, ParameterProperties* properties) override;
    bool canParameterBeAutomated(int32_t index) override;
    bool getInputProperties(int32_t index, PinProperties* properties) override;
    bool getOutputProperties(int32_t index, PinProperties* properties) override;
    int32_t getPlugCategory() override;
    bool getEffectName(char* name) override;
    bool getVendorString(char* text) override;
    bool getProductString(char* text) override;
    int32_t getVendorVersion() override;
    int32_t canDo(char* text) override;
    bool setSpeakerArrangement(SpeakerArrangement* input, SpeakerArrangement* output) override;

    bool isExcludedFromPreset(int32_t index) override;
    bool isExcludedOnLoad(int32_t index) override;
    void fillFactoryBank() override;

    const CompressorCore& core() const { return *core_; }
    bool outputStereo() const { return outputStereo_; }

protected:
    // The effect mutex: the audio path's lock, which setParameter takes for one change. Null when the operating
    // system could not create it.
    platform::Mutex* effectMutex() const { return mutex_.get(); }

private:
    template <typename Sample>
    void processBlock(Sample** inputs, Sample** outputs, int32_t sampleFrames);
    void applyToCore(int32_t index, float v);

    std::unique_ptr<platform::Mutex> mutex_;
    std::unique_ptr<CompressorCore> core_;
    // Last normalised value of every parameter; read without the lock by getParameter and the display texts.
    std::atomic<float> values_[kProgramParams] = {};
    // Cleared by a mono speaker arrangement; read by the audio thread.
    std::atomic<bool> outputStereo_{true};
    std::unique_ptr<Qor245Editor> ownedEditor_;
};
