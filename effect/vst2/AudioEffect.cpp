#include "effect/vst2/AudioEffect.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "effect/editor/AEffEditor.h"

namespace {

AudioEffect* effectOf(EffectRecord* record) { return record ? static_cast<AudioEffect*>(record->object) : nullptr; }

// Host thread. Close destroys the object: the record is invalid once this returns.
intptr_t dispatchEntry(EffectRecord* record, int32_t opcode, int32_t index, intptr_t value, void* ptr, float opt)
{
    AudioEffect* effect = effectOf(record);
    if (!effect)
        return 0;
    if (opcode == 1) {
        effect->dispatch(opcode, index, value, ptr, opt);
        delete effect;
        return 1;
    }
    return effect->dispatch(opcode, index, value, ptr, opt);
}

void processAccumulatingEntry(EffectRecord* record, float** inputs, float** outputs, int32_t sampleFrames)
{
    if (AudioEffect* effect = effectOf(record))
        effect->processAccumulating(inputs, outputs, sampleFrames);
}

void processReplacingEntry(EffectRecord* record, float** inputs, float** outputs, int32_t sampleFrames)
{
    if (AudioEffect* effect = effectOf(record))
        effect->processReplacing(inputs, outputs, sampleFrames);
}

void processDoubleReplacingEntry(EffectRecord* record, double** inputs, double** outputs, int32_t sampleFrames)
{
    if (AudioEffect* effect = effectOf(record))
        effect->processDoubleReplacing(inputs, outputs, sampleFrames);
}

void setParameterEntry(EffectRecord* record, int32_t index, float value)
{
    if (AudioEffect* effect = effectOf(record))
        effect->setParameter(index, value);
}

float getParameterEntry(EffectRecord* record, int32_t index)
{
    AudioEffect* effect = effectOf(record);
    return effect ? effect->getParameter(index) : 0.0f;
}

}  // namespace

AudioEffect::AudioEffect(HostCallback hostCallback, int32_t numPrograms, int32_t numParams)
    : hostCallback_(hostCallback), numPrograms_(numPrograms), numParams_(numParams)
{
    std::memset(&record_, 0, sizeof record_);
    record_.magic = kEffectMagic;
    record_.dispatcher = dispatchEntry;
    record_.process = processAccumulatingEntry;
    record_.setParameter = setParameterEntry;
    record_.getParameter = getParameterEntry;
    record_.numPrograms = numPrograms;
    record_.numParams = numParams;
    record_.numInputs = 1;
    record_.numOutputs = 2;
    record_.ioRatio = 1.0f;
    record_.object = this;
    record_.uniqueID = fourCharCode('N', 'o', 'E', 'f');
    record_.version = 1;
    record_.processReplacing = processReplacingEntry;
    record_.processDoubleReplacing = processDoubleReplacingEntry;
    canProcessReplacing();
}

AudioEffect::~AudioEffect()
{
    delete editor_;
}

AudioEffect* AudioEffect::fromRecord(EffectRecord* record) { return effectOf(record); }

void AudioEffect::setFlag(int32_t bit, bool state)
{
    if (state)
        record_.flags |= bit;
    else
        record_.flags &= ~bit;
}

void AudioEffect::setEditor(AEffEditor* editor)
{
    editor_ = editor;
    setFlag(kFlagHasEditor, editor != nullptr);
}

intptr_t AudioEffect::callHost(int32_t opcode, int32_t index, intptr_t value, void* ptr, float opt)
{
    return hostCallback_ ? hostCallback_(&record_, opcode, index, value, ptr, opt) : 0;
}

intptr_t AudioEffect::dispatch(int32_t opcode, int32_t index, intptr_t value, void* ptr, float opt)
{
    char* text = static_cast<char*>(ptr);
    switch (opcode) {
    case 0:
        open();
        return 0;
    case 1:
        close();
        return 0;
    case 2:
        if (value < numPrograms_)
            setProgram(static_cast<int32_t>(value));
        return 0;
    case 3:
        return getProgram();
    case 4:
        if (text)
            setProgramName(text);
        return 0;
    case 5:
        if (text)
            getProgramName(text);
        return 0;
    case 6:
        if (text)
            getParameterLabel(index, text);
        return 0;
    case 7:
        if (text)
            getParameterDisplay(index, text);
        return 0;
    case 8:
        if (text)
            getParameterName(index, text);
        return 0;
    case 10:
        setSampleRate(opt);
        return 0;
    case 11:
        setBlockSize(static_cast<int32_t>(value));
        return 0;
    case 12:
        if (value == 0)
            suspend();
        else
            resume();
        return 0;
    case 13:
        if (editor_ && ptr)
            return editor_->getRect(static_cast<EditorRect**>(ptr)) ? 1 : 0;
        return 0;
    case 14:
        return editor_ && editor_->open(ptr) ? 1 : 0;
    case 15:
        if (editor_)
            editor_->close();
        return 0;
    case 19:
        if (editor_)
            editor_->idle();
        return 0;
    case 22:
        return 0x4E764566;  // 'NvEf'
    case 23:
        return ptr ? getChunk(static_cast<void**>(ptr), index != 0) : 0;
    case 24:
        return setChunk(ptr, static_cast<int32_t>(value), index != 0);
    default:
        return 0;
    }
}

void AudioEffect::setParameterAutomated(int32_t index, float value)
{
    setParameter(index, value);
    callHost(0, index, 0, nullptr, value);
}

int32_t AudioEffect::getMasterVersion()
{
    return static_cast<int32_t>(callHost(1));
}

int32_t AudioEffect::getCurrentUniqueId() { return static_cast<int32_t>(callHost(2)); }

void AudioEffect::masterIdle() { callHost(3); }

float AudioEffect::updateSampleRate()
{
    intptr_t answer = callHost(16);
    if (answer > 0)
        sampleRate_ = static_cast<float>(answer);
    return sampleRate_;
}

int32_t AudioEffect::updateBlockSize()
{
    intptr_t answer = callHost(17);
    if (answer > 0)
        blockSize_ = static_cast<int32_t>(answer);
    return blockSize_;
}

namespace {
// Writes text cut to maxLen characters (and at most 8) plus a terminator.
void putText(const char* source, char* text, int32_t maxLen)
{
    if (!text || maxLen < 0)
        return;
    int32_t limit = maxLen < 8 ? maxLen : 8;
    int32_t i = 0;
    for (; i < limit && source[i]; ++i)
        text[i] = source[i];
    text[i] = 0;
}
}  // namespace

void AudioEffect::dB2string(float value, char* text, int32_t maxLen)
{
    char buffer[64];
    if (value <= 0)
        std::snprintf(buffer, sizeof buffer, "-oo");
    else
        std::snprintf(buffer, sizeof buffer, "%.2f", 20.0 * std::log10(value));
    putText(buffer, text, maxLen);
}

void AudioEffect::Hz2string(float samples, char* text, int32_t maxLen)
{
    char buffer[64];
    if (samples == 0)
        std::snprintf(buffer, sizeof buffer, "0");
    else
        std::snprintf(buffer, sizeof buffer, "%.2f", static_cast<double>(sampleRate_) / samples);
    putText(buffer, text, maxLen);
}

void AudioEffect::ms2string(float samples, char* text, int32_t maxLen)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.2f", samples * 1000.0 / sampleRate_);
    putText(buffer, text, maxLen);
}

void AudioEffect::float2string(float value, char* text, int32_t maxLen)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.2f", static_cast<double>(value));
    putText(buffer, text, maxLen);
}

void AudioEffect::int2string(int32_t value, char* text, int32_t maxLen)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%d", value);
    putText(buffer, text, maxLen);
}
