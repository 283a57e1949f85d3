// The object an AAX host creates for each plug-in instance: AAX parameters mirroring the hosted effect's (the
// decimal indices "0".."15", next to the two-state "Master Bypass"), the effect's saved state as the host chunk
// 'All ', the play head of the processor, and the relay of the effect's own edits and gestures to the host.
// It owns one PellixAudioProcessor and reaches the effect only through it.
//
// Threads: host threads call the parameter and chunk operations; the render path (Render) runs on the host's audio
// thread and takes the processor's callback lock around the effect. Listener callbacks run on the thread that
// changed the processor's parameter: the GUI thread for the effect's editor, the message thread for the push.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <vector>

#include <juce_audio_processors/juce_audio_processors.h>

#include "aax/bridge/PellixAudioProcessor.h"
#include "aax/library/AAX_CEffectParameters.h"

namespace AAXClasses {

// The chunk that carries the bridge state blob.
constexpr AAX_CTypeID kAllStateChunkID = AAX_FourCC('A', 'l', 'l', ' ');

class JuceAAX_Processor final : public AAX_CEffectParameters,
                                public juce::AudioPlayHead,
                                public juce::AudioProcessorListener
{
public:
    // The effect-parameters factory: a new object's private unknown, reference count 0.
    static void* Create();

    JuceAAX_Processor();
    ~JuceAAX_Processor() override;

    AAX_Result OnNotification(AAX_CTypeID type, const void* data, uint32_t size) override;
    AAX_Result GetParameterTitle(AAX_CParamID identifier, AAX_IString* title) const override;
    AAX_Result GetParameterShortTitle(AAX_CParamID identifier, AAX_IString* title, int32_t length) const override;
    AAX_Result GetParameterDefault(AAX_CParamID identifier, AAX_CParamValue* value) const override;
    AAX_Result GetParameterNormalised(AAX_CParamID identifier, AAX_CParamValue* value) const override;
    AAX_Result SetParameterNormalised(AAX_CParamID identifier, AAX_CParamValue value) override;
    AAX_Result NudgeParameter(AAX_CParamID identifier, AAX_CParamValue delta) override;
    AAX_Result ApplyHostParameterValue(AAX_CParamID identifier, AAX_CParamValue value) override;
    AAX_Result ResetPrivateData(AAX_CFieldIndex field, void* data, uint32_t size) override;
    AAX_Result GetChunkCount(int32_t* count) const override;
    AAX_Result GetChunkID(int32_t index, AAX_CTypeID* identifier) const override;
    AAX_Result ChunkByteCount(AAX_CTypeID identifier, int32_t* size) override;
    AAX_Result WriteChunk(AAX_CTypeID identifier, AAX_HostChunk* chunk) override;
    // 'All ': -20008 when the effect did not take the state (too short, of unknown form, or a chunk it refused),
    // -20004 without an effect (the blob is kept and saved again); 0 once it is restored.
    AAX_Result ReadChunk(AAX_CTypeID identifier, const AAX_HostChunk* chunk) override;
    AAX_Result SetUp() override;

    // Audio thread (the render callback; no lock held on entry). Copies the inputs to the outputs and hands them to
    // the processor (or, bypassed, leaves them). contextInputs and contextOutputs are the rows of the context's own
    // channel configuration: no row beyond them is touched. A context whose configuration is not the one the
    // instance was set up for gets its inputs passed through dry.
    void Render(float* const* inputs, float* const* outputs, int32_t length, bool bypassed, int contextInputs,
                int contextOutputs);

    PellixAudioProcessor& processor() { return *processor_; }

    // JUCE play head, from the host's transport.
    juce::Optional<juce::AudioPlayHead::PositionInfo> getPosition() const override;

    // JUCE listener: the processor's notifications.
    void audioProcessorParameterChanged(juce::AudioProcessor*, int index, float value) override;
    void audioProcessorChanged(juce::AudioProcessor*, const juce::AudioProcessorListener::ChangeDetails&) override;
    void audioProcessorParameterChangeGestureBegin(juce::AudioProcessor*, int index) override;
    void audioProcessorParameterChangeGestureEnd(juce::AudioProcessor*, int index) override;

private:
    void SyncProcessorFormat();
    void CreateParameters();
    void RenderBlock(float* const* channels, int32_t channelCount, int32_t length, bool bypassed);
    // The effect parameter an identifier names: its decimal index, in range. False for anything else.
    bool EffectIndexOf(AAX_CParamID identifier, int& index) const;
    static bool IsBypass(AAX_CParamID identifier);

    std::unique_ptr<PellixAudioProcessor> processor_;
    // Written at set-up (host main thread) and by the render path (audio thread); the play head reads the rate on
    // any thread.
    std::atomic<float> sampleRate_{0.0f};
    std::atomic<int32_t> blockSize_{1024};
    // The block length the effect was last prepared for; the render path restarts it only for longer blocks.
    std::atomic<int32_t> preparedLength_{0};
    // Channel pointers for an instance with more inputs than outputs; sized at set-up, never on the audio thread.
    std::vector<float*> channels_;
    juce::MemoryBlock chunkCache_;
    int32_t chunkCacheSize_ = 0;
};

}  // namespace AAXClasses
