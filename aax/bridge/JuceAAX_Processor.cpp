#include "aax/bridge/JuceAAX_Processor.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>

#include "aax/bridge/JuceGuiSupport.h"
#include "aax/bridge/StemFormats.h"
#include "aax/library/AAX_CBinary2TaperDelegate.h"
#include "aax/library/AAX_CBinaryDisplayDelegate.h"
#include "aax/library/AAX_CBinaryTaperDelegate.h"
#include "aax/library/AAX_CLinearTaperNoRounding.h"
#include "aax/library/AAX_CPacketHandler.h"
#include "aax/library/AAX_CParameter.h"
#include "aax/library/AAX_CString.h"
#include "aax/library/AAX_CUnitDisplayDelegateDecorator.h"
#include "aax/library/AAX_CVSTDisplayDelegate.h"
#include "aax/library/AAX_VController.h"
#include "aax/library/AAX_VTransport.h"

namespace {

// Notifications: offline rendering starts and ends.
constexpr AAX_CTypeID kNotificationOfflineStart = AAX_FourCC('A', 'X', 'o', 'f');
constexpr AAX_CTypeID kNotificationOfflineEnd = AAX_FourCC('A', 'X', 'o', 'x');
// The render context's private-data field, which holds the instance's address.
constexpr AAX_CFieldIndex kPrivateDataField = 4;
constexpr int32_t kTitleLength = 31;
constexpr int32_t kShortNameLength = 4;
constexpr uint32_t kContinuousSteps = 100;
constexpr int kMaxChannels = 8;
// Host ticks per quarter note.
constexpr double kTicksPerQuarter = 960000.0;

std::string text(const juce::String& value)
{
    return value.toStdString();
}

}  // namespace

namespace AAXClasses {

void* JuceAAX_Processor::Create()
{
    return (new JuceAAX_Processor())->GetPrivateUnknown();
}

JuceAAX_Processor::JuceAAX_Processor()
{
    acquireJuceGuiSupport();
    juce::PluginHostType::jucePlugInClientCurrentWrapperType = juce::AudioProcessor::wrapperType_AAX;
    processor_ = std::make_unique<PellixAudioProcessor>();
    juce::PluginHostType::jucePlugInClientCurrentWrapperType = juce::AudioProcessor::wrapperType_Undefined;
    processor_->setPlayHead(this);
    processor_->addListener(this);
    channels_.reserve(kMaxChannels + 1);
}

JuceAAX_Processor::~JuceAAX_Processor()
{
    processor_->removeListener(this);
    processor_.reset();
    releaseJuceGuiSupport();
}

bool JuceAAX_Processor::IsBypass(AAX_CParamID identifier)
{
    return identifier != nullptr && std::strcmp(identifier, kAAXMasterBypassID) == 0;
}

bool JuceAAX_Processor::EffectIndexOf(AAX_CParamID identifier, int& index) const
{
    // Only the decimal indices the parameters were created under: anything else would reach the effect as
    // parameter 0, or past its last parameter.
    if (identifier == nullptr || identifier[0] == '\0' || std::strlen(identifier) > 4)
        return false;
    int value = 0;
    for (const char* c = identifier; *c != '\0'; ++c)
    {
        if (*c < '0' || *c > '9')
            return false;
        value = value * 10 + (*c - '0');
    }
    if (value >= processor_->getNumParameters())
        return false;
    index = value;
    return true;
}

AAX_Result JuceAAX_Processor::OnNotification(AAX_CTypeID type, const void* data, uint32_t size)
{
    if (type == kNotificationOfflineStart)
        processor_->setNonRealtime(true);
    else if (type == kNotificationOfflineEnd)
        processor_->setNonRealtime(false);
    return AAX_CEffectParameters::OnNotification(type, data, size);
}

AAX_Result JuceAAX_Processor::GetParameterTitle(AAX_CParamID identifier, AAX_IString* title) const
{
    if (title == nullptr)
        return AAX_ERROR_NULL_OBJECT;
    if (IsBypass(identifier))
    {
        title->Set("Master Bypass");
        return AAX_SUCCESS;
    }
    int index = 0;
    if (!EffectIndexOf(identifier, index))
        return AAX_ERROR_INVALID_PARAMETER_ID;
    title->Set(text(processor_->getParameterName(index, kTitleLength)).c_str());
    return AAX_SUCCESS;
}

AAX_Result JuceAAX_Processor::GetParameterShortTitle(AAX_CParamID identifier, AAX_IString* title,
                                                     int32_t length) const
{
    if (title == nullptr)
        return AAX_ERROR_INVALID_STRING_CONVERSION;
    if (IsBypass(identifier))
    {
        title->Set(length >= 13 ? "Master Bypass" : length >= 8 ? "Mast Byp" : length >= 6 ? "MstByp" : "MByp");
        return AAX_SUCCESS;
    }
    int index = 0;
    if (!EffectIndexOf(identifier, index))
        return AAX_ERROR_INVALID_PARAMETER_ID;
    title->Set(text(processor_->getParameterName(index).substring(0, std::max(length, 0))).c_str());
    return AAX_SUCCESS;
}

AAX_Result JuceAAX_Processor::GetParameterDefault(AAX_CParamID identifier, AAX_CParamValue* value) const
{
    if (IsBypass(identifier))
        return AAX_SUCCESS;
    int index = 0;
    if (!EffectIndexOf(identifier, index))
        return AAX_ERROR_INVALID_PARAMETER_ID;
    if (value != nullptr)
        *value = processor_->getParameterDefaultValue(index);
    return AAX_SUCCESS;
}

AAX_Result JuceAAX_Processor::GetParameterNormalised(AAX_CParamID identifier, AAX_CParamValue* value) const
{
    if (IsBypass(identifier))
        return AAX_CEffectParameters::GetParameterNormalised(identifier, value);
    int index = 0;
    if (!EffectIndexOf(identifier, index))
        return AAX_ERROR_INVALID_PARAMETER_ID;
    if (value != nullptr)
        *value = processor_->getParameter(index);
    return AAX_SUCCESS;
}

AAX_Result JuceAAX_Processor::SetParameterNormalised(AAX_CParamID identifier, AAX_CParamValue value)
{
    if (IsBypass(identifier))
        return AAX_CEffectParameters::SetParameterNormalised(identifier, value);
    int index = 0;
    if (!EffectIndexOf(identifier, index))
        return AAX_ERROR_INVALID_PARAMETER_ID;
    AAX_CEffectParameters::SetParameterNormalised(identifier, value);
    processor_->setParameter(index, static_cast<float>(value));
    return AAX_SUCCESS;
}

AAX_Result JuceAAX_Processor::NudgeParameter(AAX_CParamID identifier, AAX_CParamValue delta)
{
    if (IsBypass(identifier))
        return AAX_CEffectParameters::NudgeParameter(identifier, delta);
    int index = 0;
    if (!EffectIndexOf(identifier, index))
        return AAX_ERROR_INVALID_PARAMETER_ID;
    const double sum = static_cast<double>(processor_->getParameter(index)) + delta;
    processor_->setParameter(index, static_cast<float>(std::min(1.0, std::max(0.0, sum))));
    if (AAX_IParameter* parameter = Parameters().Find(identifier))
        parameter->SetValueWithFloat(static_cast<float>(sum));
    return AAX_SUCCESS;
}

AAX_Result JuceAAX_Processor::ApplyHostParameterValue(AAX_CParamID identifier, AAX_CParamValue value)
{
    const AAX_Result result = AAX_CEffectParameters::ApplyHostParameterValue(identifier, value);
    int index = 0;
    if (!IsBypass(identifier) && EffectIndexOf(identifier, index))
        processor_->setParameter(index, static_cast<float>(value));
    return result;
}

AAX_Result JuceAAX_Processor::ResetPrivateData(AAX_CFieldIndex field, void* data, uint32_t size)
{
    if (field == kPrivateDataField && data != nullptr)
    {
        auto* words = static_cast<JuceAAX_Processor**>(data);
        for (uint32_t i = 0; i < size / sizeof(void*); ++i)
            words[i] = this;
    }
    return AAX_SUCCESS;
}

AAX_Result JuceAAX_Processor::GetChunkCount(int32_t* count) const
{
    if (count != nullptr)
        *count = 2;
    return AAX_SUCCESS;
}

AAX_Result JuceAAX_Processor::GetChunkID(int32_t index, AAX_CTypeID* identifier) const
{
    if (identifier == nullptr)
        return AAX_ERROR_NULL_OBJECT;
    switch (index)
    {
    case 0:
        *identifier = kAAXControlsChunkID;
        return AAX_SUCCESS;
    case 1:
        *identifier = kAllStateChunkID;
        return AAX_SUCCESS;
    default:
        *identifier = 0;
        return AAX_ERROR_INVALID_CHUNK_INDEX;
    }
}

AAX_Result JuceAAX_Processor::ChunkByteCount(AAX_CTypeID identifier, int32_t* size)
{
    if (identifier != kAllStateChunkID)
        return AAX_CEffectParameters::ChunkByteCount(identifier, size);
    chunkCache_.reset();
    processor_->getStateInformation(chunkCache_);
    chunkCacheSize_ = static_cast<int32_t>(chunkCache_.getSize());
    if (size != nullptr)
        *size = chunkCacheSize_;
    return AAX_SUCCESS;
}

AAX_Result JuceAAX_Processor::WriteChunk(AAX_CTypeID identifier, AAX_HostChunk* chunk)
{
    if (identifier != kAllStateChunkID)
        return AAX_CEffectParameters::WriteChunk(identifier, chunk);
    if (chunk == nullptr)
        return AAX_ERROR_NULL_OBJECT;
    if (chunkCache_.getSize() == 0)
        processor_->getStateInformation(chunkCache_);
    // The host made room for the size it was told: a blob of any other length (no size query before, or a state
    // that changed since) would not fit it.
    const auto length = static_cast<int32_t>(chunkCache_.getSize());
    if (length != chunkCacheSize_ || length == 0)
    {
        chunkCache_.reset();
        return AAX_ERROR_INCORRECT_CHUNK_SIZE;
    }
    chunk->size = length;
    std::memcpy(chunk->Data(), chunkCache_.getData(), chunkCache_.getSize());
    chunkCache_.reset();
    return AAX_SUCCESS;
}

AAX_Result JuceAAX_Processor::ReadChunk(AAX_CTypeID identifier, const AAX_HostChunk* chunk)
{
    if (identifier != kAllStateChunkID)
        return AAX_CEffectParameters::ReadChunk(identifier, chunk);
    if (chunk == nullptr)
        return AAX_ERROR_NULL_OBJECT;
    if (chunk->size <= 0)
        return AAX_ERROR_INCORRECT_CHUNK_SIZE;
    processor_->setStateInformation(chunk->Data(), chunk->size);
    // The host must learn that the saved state was not restored, so it can tell the user.
    if (processor_->effectRecord() == nullptr)
        return AAX_ERROR_NULL_OBJECT;
    return processor_->lastRestoreAccepted() ? AAX_SUCCESS : AAX_ERROR_INCORRECT_CHUNK_SIZE;
}

AAX_Result JuceAAX_Processor::SetUp()
{
    float rate = 0.0f;
    if (Controller() != nullptr && Controller()->QuerySampleRate(&rate) == AAX_SUCCESS)
        sampleRate_ = rate;
    SyncProcessorFormat();

    AAX_CParameter<bool>* bypass = new AAX_CParameter<bool>(
        kAAXMasterBypassID, AAX_CString("Master Bypass"), false, AAX_CBinaryTaperDelegate<bool>(),
        AAX_CBinaryDisplayDelegate<bool>("bypass", "on"), true);
    bypass->SetNumberOfSteps(2);
    bypass->SetType(AAX_eParameterType_Discrete);
    Parameters().AddParameter(bypass);
    PacketDispatcher().RegisterBypassPacket(AAX_CPacketHandler<AAX_CPacketDispatcher>(
        &PacketDispatcher(), &AAX_CPacketDispatcher::WriteParameterPacket));

    CreateParameters();
    return AAX_SUCCESS;
}

void JuceAAX_Processor::SyncProcessorFormat()
{
    uint32_t inputStem = kStemNone;
    uint32_t outputStem = kStemNone;
    if (Controller() == nullptr || Controller()->QueryInputStem(&inputStem) != AAX_SUCCESS)
        inputStem = kStemNone;
    if (Controller() == nullptr || Controller()->QueryOutputStem(&outputStem) != AAX_SUCCESS)
        outputStem = kStemNone;
    const int inputs = channelCountOfStem(inputStem);
    const int outputs = channelCountOfStem(outputStem);
    // JUCE 7 derives its speaker texts from the buses' channel sets and offers no way to set the stems' own
    // (stemName); the channel counts set the buses here.
    const double rate = sampleRate_.load();
    const int32_t block = blockSize_.load();
    if (inputs != processor_->getTotalNumInputChannels() || outputs != processor_->getTotalNumOutputChannels())
    {
        processor_->setPlayConfigDetails(inputs, outputs, rate, block);
        processor_->numChannelsChanged();
    }
    else
    {
        processor_->setRateAndBufferSizeDetails(rate, block);
    }
    processor_->prepareToPlay(rate, block);
    preparedLength_ = block;
    channels_.assign(static_cast<size_t>(std::max(inputs, outputs)) + 1, nullptr);
    if (Controller() != nullptr)
        Controller()->ReportLatency(processor_->getLatencySamples());
}

void JuceAAX_Processor::CreateParameters()
{
    const int count = processor_->getNumParameters();
    for (int i = 0; i < count; ++i)
    {
        const int steps = processor_->getParameterNumSteps(i);
        juce::String unit;
        processor_->getEffectParameterLabel(i, unit);
        const std::string identifier = std::to_string(i);
        const AAX_CString name(text(processor_->getParameterName(i, kTitleLength)));
        const bool automatable = processor_->isParameterAutomatable(i);
        const PellixAudioProcessor::TextCell* row = processor_->textCacheRow(i);
        AAX_IParameter* parameter = nullptr;
        if (steps == 2)
        {
            auto* binary = new AAX_CParameter<bool>(identifier.c_str(), name,
                                                    processor_->getParameterDefaultValue(i) != 0.0f,
                                                    AAX_CBinary2TaperDelegate<bool>(),
                                                    AAX_CBinaryDisplayDelegate<bool>(row[0], row[99]), automatable);
            binary->SetNumberOfSteps(2);
            binary->SetType(AAX_eParameterType_Discrete);
            parameter = binary;
        }
        else
        {
            auto* continuous = new AAX_CParameter<float>(
                identifier.c_str(), name, processor_->getParameterDefaultValue(i),
                AAX_CLinearTaperNoRounding<float, -1>(0.0f, 1.0f),
                AAX_CUnitDisplayDelegateDecorator<float>(unit.toRawUTF8(), AAX_CVSTDisplayDelegate<float>(row)),
                automatable);
            continuous->SetNumberOfSteps(kContinuousSteps);
            continuous->SetType(AAX_eParameterType_Continuous);
            parameter = continuous;
        }
        parameter->AddShortenedName(AAX_CString(text(processor_->getParameterName(i, kShortNameLength))));
        // The host starts from the effect's own values: host writes reach the effect from the start, so a host
        // that applies what it shows must not meet stale defaults.
        parameter->UpdateNormalizedValue(processor_->getParameter(i));
        Parameters().AddParameter(parameter);
    }
}

void JuceAAX_Processor::Render(float* const* inputs, float* const* outputs, int32_t length, bool bypassed,
                               int contextInputs, int contextOutputs)
{
    if (inputs == nullptr || outputs == nullptr || length <= 0 || contextInputs <= 0 || contextOutputs <= 0)
        return;
    for (int i = 0; i < contextInputs; ++i)
        if (inputs[i] == nullptr)
            return;
    for (int i = 0; i < contextOutputs; ++i)
        if (outputs[i] == nullptr)
            return;
    const int ins = processor_->getTotalNumInputChannels();
    const int outs = processor_->getTotalNumOutputChannels();
    const auto bytes = static_cast<size_t>(length) * sizeof(float);
    if (ins != contextInputs || outs != contextOutputs)
    {
        // The effect was prepared for another layout: its rows would not be these. Dry, within the context's rows.
        for (int i = 0; i < contextOutputs; ++i)
            if (outputs[i] != inputs[std::min(i, contextInputs - 1)])
                std::memmove(outputs[i], inputs[std::min(i, contextInputs - 1)], bytes);
        return;
    }
    if (outs >= ins)
    {
        for (int i = 0; i < ins; ++i)
            if (outputs[i] != inputs[i])
                std::memmove(outputs[i], inputs[i], bytes);
        // Bypassed, the effect writes nothing: every further output carries the dry first input.
        if (bypassed)
            for (int i = ins; i < outs; ++i)
                std::memmove(outputs[i], inputs[0], bytes);
        RenderBlock(outputs, outs, length, bypassed);
        return;
    }
    if (channels_.size() < static_cast<size_t>(ins) + 1)
        return;  // not set up for this layout; never grown on the audio thread
    for (int i = 0; i < outs; ++i)
    {
        if (outputs[i] != inputs[i])
            std::memmove(outputs[i], inputs[i], bytes);
        channels_[static_cast<size_t>(i)] = outputs[i];
    }
    for (int i = outs; i < ins; ++i)
        channels_[static_cast<size_t>(i)] = inputs[i];
    RenderBlock(channels_.data(), ins, length, bypassed);
}

void JuceAAX_Processor::RenderBlock(float* const* channels, int32_t channelCount, int32_t length, bool bypassed)
{
    if (length <= 0 || channelCount <= 0)
        return;
    juce::AudioBuffer<float> buffer(const_cast<float**>(channels), channelCount, length);
    juce::MidiBuffer midi;
    const juce::ScopedLock lock(processor_->getCallbackLock());
    // Blocks up to the prepared length need nothing; a longer one restarts the effect first, under the lock so no
    // other thread meets it half restarted.
    if (length > preparedLength_.load())
    {
        preparedLength_ = length;
        blockSize_ = length;
        const double rate = sampleRate_.load();
        processor_->setRateAndBufferSizeDetails(rate, length);
        processor_->prepareToPlay(rate, length);
    }
    if (bypassed)
        processor_->processBlockBypassed(buffer, midi);
    else
        processor_->processBlock(buffer, midi);
}

juce::Optional<juce::AudioPlayHead::PositionInfo> JuceAAX_Processor::getPosition() const
{
    PositionInfo info;
    AAX_VTransport* transport = Transport();
    double tempo = 0.0;
    int32_t numerator = 4, denominator = 4;
    bool playing = false;
    int64_t samples = 0, ticks = 0, loopStart = 0, loopEnd = 0;
    bool looping = false;
    if (transport != nullptr)
    {
        transport->QueryTempo(&tempo);
        transport->QueryMeter(&numerator, &denominator);
        if (transport->QueryPlaying(&playing) != AAX_SUCCESS)
            playing = false;
        if (playing || transport->QuerySelectionStart(&samples) != AAX_SUCCESS)
            transport->QuerySamplePosition(&samples);
        transport->QueryTickPosition(&ticks);
        transport->QueryLoop(&looping, &loopStart, &loopEnd);
    }
    info.setBpm(tempo);
    info.setTimeSignature(juce::AudioPlayHead::TimeSignature{numerator, denominator});
    info.setIsPlaying(playing);
    info.setIsRecording(false);
    info.setTimeInSamples(samples);
    const float rate = sampleRate_.load();
    info.setTimeInSeconds(rate > 0.0f ? static_cast<double>(samples) / rate : 0.0);
    info.setPpqPosition(static_cast<double>(ticks) / kTicksPerQuarter);
    info.setIsLooping(looping);
    info.setLoopPoints(juce::AudioPlayHead::LoopPoints{static_cast<double>(loopStart) / kTicksPerQuarter,
                                                       static_cast<double>(loopEnd) / kTicksPerQuarter});
    info.setPpqPositionOfLastBarStart(0.0);

    int32_t rateCode = 0;
    int64_t offset = 0;
    double framesPerSecond = 24.0;
    info.setEditOriginTime(0.0);
    if (transport != nullptr && transport->QueryFrameRate(&rateCode, &offset) == AAX_SUCCESS)
    {
        using FrameRate = juce::AudioPlayHead::FrameRate;
        switch (rateCode)
        {
        case 1: info.setFrameRate(FrameRate().withBaseRate(24)); break;
        case 2: info.setFrameRate(FrameRate().withBaseRate(25)); framesPerSecond = 25.0; break;
        case 3: info.setFrameRate(FrameRate().withBaseRate(30).withPullDown()); framesPerSecond = 29.97002997; break;
        case 4:
            info.setFrameRate(FrameRate().withBaseRate(30).withPullDown().withDrop());
            framesPerSecond = 29.97002997;
            break;
        case 5: info.setFrameRate(FrameRate().withBaseRate(30)); framesPerSecond = 30.0; break;
        case 6: info.setFrameRate(FrameRate().withBaseRate(30).withDrop()); framesPerSecond = 30.0; break;
        // Shown as 24 fps, counted at 23.976.
        case 7: info.setFrameRate(FrameRate().withBaseRate(24)); framesPerSecond = 23.976; break;
        default: break;
        }
        info.setEditOriginTime(static_cast<double>(offset) / framesPerSecond);
    }
    return info;
}

void JuceAAX_Processor::audioProcessorParameterChanged(juce::AudioProcessor*, int index, float value)
{
    SetParameterNormalised(std::to_string(index).c_str(), value);
}

void JuceAAX_Processor::audioProcessorChanged(juce::AudioProcessor*,
                                              const juce::AudioProcessorListener::ChangeDetails&)
{
    IncrementChangeCount();
    if (Controller() != nullptr)
        Controller()->ReportLatency(processor_->getLatencySamples());
}

void JuceAAX_Processor::audioProcessorParameterChangeGestureBegin(juce::AudioProcessor*, int index)
{
    BeginParameterTouch(std::to_string(index).c_str());
}

void JuceAAX_Processor::audioProcessorParameterChangeGestureEnd(juce::AudioProcessor*, int index)
{
    EndParameterTouch(std::to_string(index).c_str());
}

}  // namespace AAXClasses
