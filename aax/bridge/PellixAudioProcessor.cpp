#include "aax/bridge/PellixAudioProcessor.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "aax/bridge/EffectLoadRule.h"
#include "aax/bridge/EffectRecordStateTarget.h"
#include "aax/bridge/HostCanDo.h"
#include "aax/bridge/PellixAudioProcessorEditor.h"
#include "effect/vst2/Opcodes.h"
#include "platform/MessageBox.h"
#include "platform/ModulePath.h"

namespace {

const char kEffectStem[] = "Qor Kalvenor";
constexpr int kTimerIntervalMs = 100;
// Ticks between the effect's refresh request and the push of all values.
constexpr int kPushDelayTicks = 3;
constexpr double kDefaultSampleRate = 44100.0;
constexpr double kLowestSampleRate = 15000.0;
constexpr double kHighestSampleRate = 200000.0;
constexpr int32_t kDefaultBlockSize = 1024;
constexpr size_t kTextBufferBytes = 1024;
// Time info flags: tempo and time signature valid.
constexpr int32_t kTimeInfoFlags = 0x600;

using EntryFunction = EffectRecord* (*)(HostCallback);

PellixAudioProcessor* processorOf(EffectRecord* effect)
{
    return effect != nullptr ? reinterpret_cast<PellixAudioProcessor*>(effect->resvd1) : nullptr;
}

void copyText(void* destination, const char* text)
{
    if (destination != nullptr)
        std::strcpy(static_cast<char*>(destination), text);
}

std::string formatted(const char* format, const char* text, int code)
{
    char message[1200];
    if (text != nullptr)
        std::snprintf(message, sizeof message, format, text, code);
    else
        std::snprintf(message, sizeof message, format, code);
    return message;
}

}  // namespace

PellixAudioProcessor::PellixAudioProcessor()
{
    timeInfo_.sampleRate = kDefaultSampleRate;
    timeInfo_.tempo = 120.0;
    timeInfo_.timeSigNumerator = 4;
    timeInfo_.timeSigDenominator = 4;
    timeInfo_.flags = kTimeInfoFlags;

    if (!loadEffectLibrary())
        return;
    setLatencySamples(effect_->initialDelay);
    const int parameters = effect_->numParams > 0 ? effect_->numParams : 0;
    for (int i = 0; i < parameters; ++i)
    {
        auto row = std::make_unique<TextCell[]>(kTextCells);
        for (int d = 0; d < kTextCells; ++d)
            std::strcpy(row[d], "---");
        textCache_.push_back(std::move(row));
    }
    probedSteps_.assign(static_cast<size_t>(parameters), -1);
    monoCopy_.assign(kMonoCopyFrames, 0.0f);
    suspendEffect();
    setEffectSampleRate(getSampleRate());
    setEffectBlockSize(getBlockSize());
    resumeEffect();
    initialised_ = true;
    startTimer(kTimerIntervalMs);
}

PellixAudioProcessor::~PellixAudioProcessor()
{
    stopTimer();
    suspendEffect();
    EffectRecord* effect = effect_;
    effect_ = nullptr;
    if (effect != nullptr)
        effect->dispatcher(effect, effClose, 0, 0, nullptr, 0.0f);
    library_.close();
}

bool PellixAudioProcessor::loadEffectLibrary()
{
    std::string modulePath;
    int errorCode = 0;
    const bool moduleFound = platform::modulePathOf(reinterpret_cast<const void*>(&effectHostCallback), modulePath,
                                                    errorCode);
    const std::string effectFile = platform::Library::fileName(kEffectStem);
    if (!moduleFound)
        platform::showMessage("", formatted("Get module failed err=%d", nullptr, errorCode).c_str());
    const EffectLoadPlan plan = planEffectLoad(moduleFound, modulePath, platform::pathSeparator(), effectFile);
    if (plan.setSearchDirectory && !platform::Library::setSearchDirectory(plan.searchDirectory, errorCode))
        platform::showMessage("", formatted("SetDllDirectory failed err=%d", nullptr, errorCode).c_str());

    if (!library_.open(plan.loadPath))
    {
        platform::showMessage("", formatted("Cant Load %s code=%d", effectFile.c_str(), library_.errorCode()).c_str());
        return false;
    }
    auto entry = reinterpret_cast<EntryFunction>(library_.symbol("main"));
    if (entry == nullptr)
        entry = reinterpret_cast<EntryFunction>(library_.symbol("Main"));
    EffectRecord* effect = entry != nullptr ? entry(&effectHostCallback) : nullptr;
    if (effect == nullptr)
    {
        // The library stays loaded until the processor goes.
        platform::showMessage("", "Plug-in core lib failed to load.");
        return false;
    }
    effect->resvd1 = reinterpret_cast<intptr_t>(this);
    effect_ = effect;
    return true;
}

intptr_t PellixAudioProcessor::dispatch(int32_t opcode, int32_t index, intptr_t value, void* ptr, float opt)
{
    return effect_ != nullptr ? effect_->dispatcher(effect_, opcode, index, value, ptr, opt) : 0;
}

bool PellixAudioProcessor::isEffectParameter(int index) const
{
    return effect_ != nullptr && index >= 0 && index < effect_->numParams;
}

juce::String PellixAudioProcessor::effectText(int32_t opcode, int index)
{
    char text[kTextBufferBytes] = {};
    dispatch(opcode, index, 0, text);
    text[kTextBufferBytes - 1] = '\0';
    return juce::String(text);
}

const juce::String PellixAudioProcessor::getName() const
{
    return "Qor Kalvenor";
}

void PellixAudioProcessor::prepareToPlay(double sampleRate, int maximumExpectedSamplesPerBlock)
{
    suspendEffect();
    setEffectSampleRate(getSampleRate());
    setEffectBlockSize(getBlockSize());
    resumeEffect();
}

void PellixAudioProcessor::processBlock(juce::AudioBuffer<float>& buffer, juce::MidiBuffer&)
{
    const int ins = getTotalNumInputChannels();
    const int outs = getTotalNumOutputChannels();
    const int frames = buffer.getNumSamples();
    const int channels = buffer.getNumChannels();
    for (int channel = ins; channel < outs && channel < channels; ++channel)
        buffer.clear(channel, 0, frames);
    if (effect_ == nullptr || channels < 1 || frames <= 0)
        return;
    float* channel0 = buffer.getWritePointer(0);
    float* channel1 = channels > 1 ? buffer.getWritePointer(1) : channel0;
    if (ins < 2 && outs > 1 && channels > 1 && !monoCopy_.empty())
    {
        // Mono in, stereo out: the same row twice would send the effect down its mono path, which fills output 0
        // only. A copy of the input as the second row gives both outputs the same compressed signal.
        const int part = static_cast<int>(monoCopy_.size());
        for (int start = 0; start < frames; start += part)
        {
            const int count = std::min(part, frames - start);
            std::memcpy(monoCopy_.data(), channel0 + start, static_cast<size_t>(count) * sizeof(float));
            float* inputs[4] = {channel0 + start, monoCopy_.data(), channel0 + start, channel0 + start};
            float* outputs[2] = {channel0 + start, channel1 + start};
            effect_->processReplacing(effect_, inputs, outputs, count);
        }
        return;
    }
    // Left; right (or left again for mono); two side-chain rows the effect does not read.
    float* inputs[4] = {channel0, ins >= 2 ? channel1 : channel0, channel0, channel0};
    float* outputs[2] = {channel0, outs > 1 ? channel1 : channel0};
    effect_->processReplacing(effect_, inputs, outputs, frames);
}

juce::AudioProcessorEditor* PellixAudioProcessor::createEditor()
{
    return new PellixAudioProcessorEditor(*this);
}

const juce::String PellixAudioProcessor::getInputChannelName(int channelIndex) const
{
    return juce::String(channelIndex + 1);
}

const juce::String PellixAudioProcessor::getOutputChannelName(int channelIndex) const
{
    return juce::String(channelIndex + 1);
}

int PellixAudioProcessor::getNumParameters()
{
    return effect_ != nullptr ? effect_->numParams : 0;
}

const juce::String PellixAudioProcessor::getParameterName(int index)
{
    if (effect_ == nullptr)
        return {};
    return juce::String(index) + ": " + effectText(effGetParamName, index);
}

float PellixAudioProcessor::getParameter(int index)
{
    return effect_ != nullptr ? effect_->getParameter(effect_, index) : 0.0f;
}

const juce::String PellixAudioProcessor::getParameterText(int index)
{
    return effectText(effGetParamDisplay, index);
}

int PellixAudioProcessor::getParameterNumSteps(int index)
{
    if (!isEffectParameter(index) || static_cast<size_t>(index) >= probedSteps_.size())
        return 0;
    int& steps = probedSteps_[static_cast<size_t>(index)];
    if (steps < 0)
        steps = probeParameterSteps(index);
    return steps;
}

void PellixAudioProcessor::setParameter(int index, float value)
{
    if (effect_ != nullptr && !suppressParameterWrites_.load())
        effect_->setParameter(effect_, index, value);
}

bool PellixAudioProcessor::isParameterAutomatable(int index) const
{
    if (!isEffectParameter(index))
        return false;
    char name[kTextBufferBytes] = {};
    effect_->dispatcher(effect_, effGetParamName, index, 0, name, 0.0f);
    name[kTextBufferBytes - 1] = '\0';
    return name[0] != '\0' && name[0] != '-' && name[0] != '~';
}

int PellixAudioProcessor::getNumPrograms()
{
    return effect_ != nullptr ? effect_->numPrograms : 1;
}

int PellixAudioProcessor::getCurrentProgram()
{
    const auto program = static_cast<int32_t>(dispatch(effGetProgram));
    cachedProgram_ = program;
    return program;
}

void PellixAudioProcessor::setCurrentProgram(int index)
{
    cachedProgram_ = index;
    dispatch(effSetProgram, 0, index);
}

const juce::String PellixAudioProcessor::getProgramName(int)
{
    return effectText(effGetProgramName, 0);
}

void PellixAudioProcessor::getStateInformation(juce::MemoryBlock& destination)
{
    if (effect_ == nullptr)
    {
        if (!keptState_.empty())
        {
            destination.append(keptState_.data(), keptState_.size());
            return;
        }
        const std::vector<uint8_t> blob = stateblob::write(nullptr);
        destination.append(blob.data(), blob.size());
        return;
    }
    EffectRecordStateTarget target(*effect_);
    const std::vector<uint8_t> blob = stateblob::write(&target);
    destination.append(blob.data(), blob.size());
}

void PellixAudioProcessor::setStateInformation(const void* data, int sizeInBytes)
{
    restoreAccepted_ = false;
    if (data == nullptr || sizeInBytes <= 0)
        return;
    if (effect_ == nullptr)
    {
        // Nothing to apply it to; kept so the next save does not lose the user's state.
        const auto* bytes = static_cast<const uint8_t*>(data);
        keptState_.assign(bytes, bytes + sizeInBytes);
        return;
    }
    EffectRecordStateTarget target(*effect_);
    restoring_ = true;
    const stateblob::ReadResult result =
        stateblob::read(&target, static_cast<const uint8_t*>(data), static_cast<size_t>(sizeInBytes));
    restoring_ = false;
    // A refused chunk changed nothing, and selecting the program again would throw away the user's edits.
    if (result.form == stateblob::ReadForm::Ignored ||
        (result.form == stateblob::ReadForm::Chunk && !target.chunkAccepted()))
        return;
    restoreAccepted_ = true;
    // A chunk carries its own current program, which the effect has selected already: take it from the effect, so
    // the selection below keeps it rather than returning to the program of before the restore.
    const int32_t program = result.form == stateblob::ReadForm::Bank ? result.currentProgram
                                                                     : static_cast<int32_t>(dispatch(effGetProgram));
    setCurrentProgram(program);
}

int PellixAudioProcessor::probeParameterSteps(int index)
{
    if (!isEffectParameter(index))
        return 0;
    const float remembered = getEffectParameter(index);
    TextCell* row = textCache_[static_cast<size_t>(index)].get();
    juce::String previous;
    int changes = 0;
    for (int d = 0; d < kTextCells; ++d)
    {
        setEffectParameter(index, static_cast<float>(d * 0.01));
        juce::String text;
        getEffectParameterDisplay(index, text);
        if (text != previous)
        {
            ++changes;
            previous = text;
        }
        std::strncpy(row[d], text.toRawUTF8(), kTextCellBytes - 1);
        row[d][kTextCellBytes - 1] = '\0';
    }
    setEffectParameter(index, remembered);
    return changes;
}

EffectTimeInfo* PellixAudioProcessor::getTimeInfo()
{
    return &timeInfo_;
}

void PellixAudioProcessor::getEffectParameterLabel(int index, juce::String& text)
{
    text.clear();
    if (isEffectParameter(index))
        text = effectText(effGetParamLabel, index);
}

void PellixAudioProcessor::getEffectParameterDisplay(int index, juce::String& text)
{
    text.clear();
    if (isEffectParameter(index))
        text = effectText(effGetParamDisplay, index);
}

float PellixAudioProcessor::getEffectParameter(int index)
{
    return isEffectParameter(index) ? effect_->getParameter(effect_, index) : 0.0f;
}

void PellixAudioProcessor::setEffectParameter(int index, float value)
{
    if (isEffectParameter(index))
        effect_->setParameter(effect_, index, value);
}

void PellixAudioProcessor::setEffectSampleRate(double rate)
{
    if (rate < kLowestSampleRate || rate > kHighestSampleRate)
        rate = kDefaultSampleRate;
    dispatch(effSetSampleRate, 0, 0, nullptr, static_cast<float>(rate));
}

void PellixAudioProcessor::setEffectBlockSize(int size)
{
    dispatch(effSetBlockSize, size, size);
}

void PellixAudioProcessor::pushParametersToHost()
{
    if (effect_ == nullptr || restoring_.load() || pushing_.load())
        return;
    pushing_ = true;
    suppressParameterWrites_ = true;
    for (int i = 0; i < effect_->numParams; ++i)
        setParameterNotifyingHost(i, getEffectParameter(i));
    const auto program = static_cast<int32_t>(dispatch(effGetProgram));
    suppressParameterWrites_ = false;
    pushing_ = false;
    cachedProgram_ = program;
}

void PellixAudioProcessor::resumeEffect()
{
    dispatch(effMainsChanged, 1, 1);
}

void PellixAudioProcessor::suspendEffect()
{
    dispatch(effMainsChanged, 0, 0);
}

void PellixAudioProcessor::automateFromEffect(int index, float value)
{
    if (isEffectParameter(index))
        setParameterNotifyingHost(index, value);
}

const PellixAudioProcessor::TextCell* PellixAudioProcessor::textCacheRow(int index) const
{
    if (index < 0 || static_cast<size_t>(index) >= textCache_.size())
        return nullptr;
    return textCache_[static_cast<size_t>(index)].get();
}

void PellixAudioProcessor::timerCallback()
{
    int countdown = pushCountdown_.load();
    if (countdown < 0)
        return;
    // A refresh request on another thread may restart the count meanwhile; it then wins.
    if (pushCountdown_.compare_exchange_strong(countdown, countdown - 1) && countdown - 1 == 0)
        pushParametersToHost();
}

intptr_t PellixAudioProcessor::effectHostCallback(EffectRecord* effect, int32_t opcode, int32_t index,
                                                  intptr_t value, void* ptr, float opt)
{
    PellixAudioProcessor* processor = processorOf(effect);
    switch (opcode)
    {
    case audioMasterAutomate:
        if (processor != nullptr && opt >= 0.0f && opt <= 1.0f)
            processor->automateFromEffect(index, opt);
        return 0;
    case audioMasterVersion:
        return 2;
    case audioMasterCurrentId:
        return fourCharCode('Q', 'K', 'v', 'p');
    case audioMasterPinConnected:
        return index >= 2 ? 1 : 0;
    case audioMasterGetTime:
        return processor != nullptr ? reinterpret_cast<intptr_t>(processor->getTimeInfo()) : 0;
    case audioMasterSizeWindow:
        if (processor != nullptr && processor->isInitialised())
            processor->resizeRequest_ = true;
        return 1;
    case audioMasterGetSampleRate:
        return processor != nullptr ? static_cast<intptr_t>(processor->getSampleRate()) : 44100;
    case audioMasterGetBlockSize:
        return processor != nullptr ? processor->getBlockSize() : kDefaultBlockSize;
    case audioMasterGetVendorString:
        copyText(ptr, "QorVelmont");
        return 0;
    case audioMasterGetProductString:
        copyText(ptr, "Qor_AAX");
        return 0;
    case audioMasterVendorSpecific:
        return 1;
    case audioMasterCanDo:
        return hostCanDo(static_cast<const char*>(ptr));
    case audioMasterUpdateDisplay:
        if (processor != nullptr && processor->isInitialised())
            processor->pushCountdown_ = kPushDelayTicks;
        return 0;
    // The effect announces gestures already while its entry point runs, before any processor holds its record.
    case audioMasterBeginEdit:
        if (processor != nullptr && processor->isEffectParameter(index))
            processor->beginParameterChangeGesture(index);
        return 0;
    case audioMasterEndEdit:
        if (processor != nullptr && processor->isEffectParameter(index))
            processor->endParameterChangeGesture(index);
        return 0;
    default:
        return 0;
    }
}
