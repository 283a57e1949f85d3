// The JUCE audio processor inside the AAX plug-in that hosts the compressor effect: it loads the effect's library
// from beside the plug-in, plays a VST 2 host towards it (requests, host callback, audio blocks), keeps a cache of
// the effect's display texts for the AAX parameters, relays the effect's own edits and gestures to the AAX side
// through JUCE's parameter notifications, and pushes every value to the host after the effect asks for a refresh.
//
// Threads: the host's audio thread calls processBlock under JUCE's callback lock (taken by the render path; the
// effect then takes its own mutex: callback lock before effect mutex). JUCE's message thread runs the timer and the
// push. Host GUI and main threads call the parameter, program and state operations; the effect's editor calls the
// host callback on the GUI thread. The push flags and countdown are atomics, with no lock.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <vector>

#include <juce_audio_processors/juce_audio_processors.h>

#include "effect/vst2/EffectRecord.h"
#include "effect/vst2/Records.h"
#include "platform/Library.h"

class PellixAudioProcessor : public juce::AudioProcessor, public juce::Timer, private juce::AudioProcessorListener
{
public:
    // The text cache: per effect parameter a row of 101 cells; cell d holds the effect's display text at d / 100.
    static constexpr int kTextCells = 101;
    static constexpr size_t kTextCellBytes = 17;  // 16 characters and the terminating NUL
    using TextCell = char[kTextCellBytes];

    // Host main thread (the AAX client's construction). Loads and prepares the effect; a failed load leaves an
    // instance without effect that passes sound unchanged.
    PellixAudioProcessor();
    // Host main thread. Stops the timer, suspends and closes the effect, unloads its library.
    ~PellixAudioProcessor() override;

    const juce::String getName() const override;
    // Host main thread: suspend, sample rate, block size, resume.
    void prepareToPlay(double sampleRate, int maximumExpectedSamplesPerBlock) override;
    void releaseResources() override {}
    void reset() override {}
    void numChannelsChanged() override {}
    // Audio thread, under the callback lock. Allocates nothing.
    void processBlock(juce::AudioBuffer<float>& buffer, juce::MidiBuffer& midi) override;
    // The buffer keeps the dry input the render path copied into it.
    void processBlockBypassed(juce::AudioBuffer<float>& buffer, juce::MidiBuffer& midi) override {}
    double getTailLengthSeconds() const override { return 0.0; }
    bool acceptsMidi() const override { return false; }
    bool producesMidi() const override { return false; }
    bool silenceInProducesSilenceOut() const override { return false; }
    bool hasEditor() const override { return true; }
    juce::AudioProcessorEditor* createEditor() override;

    const juce::String getInputChannelName(int channelIndex) const override;
    const juce::String getOutputChannelName(int channelIndex) const override;
    bool isInputChannelStereoPair(int index) const override { return true; }
    bool isOutputChannelStereoPair(int index) const override { return true; }

    // Host threads. Without an effect: 0, empty texts, false.
    int getNumParameters() override;
    // JUCE's (index, maximum length) form cuts this name.
    using juce::AudioProcessor::getParameterName;
    const juce::String getParameterName(int index) override;
    float getParameter(int index) override;
    const juce::String getParameterText(int index) override;
    // Probes the effect through 101 values (see probeParameterSteps) the first time a parameter is asked about; the
    // count is kept, so later calls do not sweep the live effect again.
    int getParameterNumSteps(int index) override;
    // Reaches the effect unless a push of all values to the host is running (the push's echo must not be written
    // back into the effect).
    void setParameter(int index, float value) override;
    bool isParameterAutomatable(int index) const override;

    int getNumPrograms() override;
    int getCurrentProgram() override;
    void setCurrentProgram(int index) override;
    const juce::String getProgramName(int index) override;
    void changeProgramName(int index, const juce::String& name) override {}

    // Host main thread: the bridge state blob of the effect (see common/EffectStateBlob.h). Without an effect the
    // last blob restored is saved again unchanged, so a session survives an instance whose effect failed to load.
    void getStateInformation(juce::MemoryBlock& destination) override;
    void setStateInformation(const void* data, int sizeInBytes) override;
    // Host main thread: whether the last setStateInformation reached the effect and the effect took it (false for a
    // blob too short or of unknown form, a chunk the effect refused, or no effect to give it to).
    bool lastRestoreAccepted() const { return restoreAccepted_.load(); }

    // Own operations, in this order.
    // Sets the parameter to d / 100 for d = 0..100, keeps each display text in row index of the cache, restores
    // the value and answers the number of changes between consecutive texts (two texts give 2).
    virtual int probeParameterSteps(int index);
    virtual EffectTimeInfo* getTimeInfo();
    virtual void getEffectParameterLabel(int index, juce::String& text);
    virtual void getEffectParameterDisplay(int index, juce::String& text);
    virtual float getEffectParameter(int index);
    virtual void setEffectParameter(int index, float value);
    virtual void setEffectSampleRate(double rate);
    virtual void setEffectBlockSize(int size);
    // Message thread. Every effect value to the host, in index order, without writing them back into the effect.
    virtual void pushParametersToHost();
    virtual void resumeEffect();
    virtual void suspendEffect();
    // The effect's own edit, to the AAX side (JUCE's setParameterNotifyingHost).
    virtual void automateFromEffect(int index, float value);

    // The host callback given to the effect. Finds its processor in the record's first reserved word, which is
    // still 0 while the effect runs its entry point: such calls get the answers of a host without processor.
    static intptr_t effectHostCallback(EffectRecord* effect, int32_t opcode, int32_t index, intptr_t value, void* ptr,
                                       float opt);

    // For the AAX side and the GUI object.
    EffectRecord* effectRecord() const { return effect_; }
    // Row index of the text cache; null outside the effect's parameters or without effect.
    const TextCell* textCacheRow(int index) const;
    // GUI thread: the effect asked for a window resize since the last call.
    bool takeResizeRequest() { return resizeRequest_.exchange(false); }
    bool isInitialised() const { return initialised_.load(); }
    int pushCountdown() const { return pushCountdown_.load(); }

    // Message thread, every 100 ms.
    void timerCallback() override;

protected:
    bool loadEffectLibrary();

private:
    intptr_t dispatch(int32_t opcode, int32_t index = 0, intptr_t value = 0, void* ptr = nullptr, float opt = 0.0f);
    bool isEffectParameter(int index) const;
    juce::String effectText(int32_t opcode, int index);

    void audioProcessorParameterChanged(juce::AudioProcessor*, int, float) override {}
    void audioProcessorChanged(juce::AudioProcessor*, const juce::AudioProcessorListener::ChangeDetails&) override {}

    platform::Library library_;
    EffectRecord* effect_ = nullptr;
    std::atomic<int32_t> cachedProgram_{0};
    std::atomic<int32_t> pushCountdown_{-1};
    std::atomic<bool> resizeRequest_{false};
    std::atomic<bool> restoring_{false};
    std::atomic<bool> pushing_{false};
    std::atomic<bool> suppressParameterWrites_{false};
    std::atomic<bool> initialised_{false};
    std::atomic<bool> restoreAccepted_{false};
    EffectTimeInfo timeInfo_{};
    std::vector<std::unique_ptr<TextCell[]>> textCache_;
    std::vector<int> probedSteps_;  // per parameter; -1 until probed
    // The blob last given to an instance without effect, saved again in its place.
    std::vector<uint8_t> keptState_;
    // Mono in, stereo out: the effect's second input row, a copy of the first. Made with the effect, so the audio
    // path never allocates; longer blocks go through it in parts.
    static constexpr int kMonoCopyFrames = 4096;
    std::vector<float> monoCopy_;
};
