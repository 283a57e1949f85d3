#include "rtas/tests/support/RecordingEffect.h"

#include "effect/vst2/Opcodes.h"

#include <cstdio>
#include <cstring>
#include <set>

#if defined(_WIN32)
#define RECORDING_EXPORT extern "C"
#define RECORDING_MAIN_SYMBOL
#else
#define RECORDING_EXPORT extern "C" __attribute__((visibility("default")))
#define RECORDING_MAIN_SYMBOL __asm__("main")
#endif

namespace {

RecordingEffectConfig gNext;
RecordingLog gLog;

// Records a host never adopted are never closed; they are freed with the library.
struct Instances
{
    std::set<RecordingEffect*> live;
    ~Instances()
    {
        for (RecordingEffect* instance : live)
            delete instance;
    }
} gInstances;

void record(RecordingEffect*, int32_t opcode, int32_t index, intptr_t value, float option)
{
    if (gLog.callCount < kRecordingMaxCalls)
        gLog.calls[gLog.callCount++] = RecordedCall{opcode, index, value, option};
}

int32_t program(RecordingEffect* self)
{
    return self->currentProgram >= 0 && self->currentProgram < kRecordingMaxPrograms ? self->currentProgram : 0;
}

intptr_t dispatcher(EffectRecord* effect, int32_t opcode, int32_t index, intptr_t value, void* ptr, float opt)
{
    auto* self = asRecording(effect);
    record(self, opcode, index, value, opt);
    switch (opcode) {
    case effClose:
        gLog.closeEntered = 1;
        while (gLog.holdClose.load() != 0) {
        }
        gInstances.live.erase(self);
        delete self;
        --gLog.liveInstances;
        return 1;
    case effSetProgram:
        self->currentProgram = int32_t(value);
        return 0;
    case effGetProgram:
        return self->currentProgram;
    case effSetProgramName:
        std::snprintf(self->programNames[program(self)], 24, "%s", static_cast<const char*>(ptr));
        return 0;
    case effGetProgramName:
        std::snprintf(static_cast<char*>(ptr), 24, "%s", self->programNames[program(self)]);
        return 0;
    case effGetParamLabel:
        if (self->config.labelLength > 0) {
            std::memset(ptr, 'L', size_t(self->config.labelLength));
            static_cast<char*>(ptr)[self->config.labelLength] = 0;
        } else {
            std::strcpy(static_cast<char*>(ptr), "dB");
        }
        return 0;
    case effGetParamDisplay: {
        char* text = static_cast<char*>(ptr);
        float shown = index < kRecordingMaxParams ? self->values[program(self)][index] : 0.0f;
        int32_t tag = 0;
        std::memcpy(&tag, text, 4);
        if (tag == kDisplayValueTag)
            std::memcpy(&shown, text + 4, 4);
        if (self->config.displayLength > 0) {
            std::memset(text, 'D', size_t(self->config.displayLength));
            text[self->config.displayLength] = 0;
        } else {
            std::snprintf(text, 8, "%.3f", double(shown));
        }
        return 0;
    }
    case effGetParamName:
        std::snprintf(static_cast<char*>(ptr), 8, "P%d", int(index));
        return 0;
    case effEditGetRect:
        *static_cast<EditorRect**>(ptr) = &self->config.editorRect;
        return 1;
    case effEditOpen:
        self->editorOpen = true;
        self->editorParent = ptr;
        return 1;
    case effEditClose:
        self->editorOpen = false;
        return 0;
    case effGetChunk:
        for (int32_t i = 0; i < self->config.chunkSize && i < int32_t(sizeof self->chunk); ++i)
            self->chunk[i] = uint8_t(i + 1);
        *static_cast<void**>(ptr) = self->chunk;
        return self->config.chunkSize;
    case effSetChunk:
        self->chunkSetSize = int32_t(value);
        return 1;
    case effProcessEvents: {
        const auto* events = static_cast<const int32_t*>(ptr);
        gLog.lastEventCount = events[0];
        void* const* pointers = reinterpret_cast<void* const*>(static_cast<const char*>(ptr) + 2 * sizeof(intptr_t));
        if (events[0] > 0)
            std::memcpy(gLog.firstEvent, pointers[0], sizeof gLog.firstEvent);
        return 1;
    }
    case effCanBeAutomated:
        return index < self->config.firstNotAutomatable ? 1 : 0;
    case effGetParameterProperties: {
        auto* properties = static_cast<ParameterProperties*>(ptr);
        properties->flags = self->config.propertiesFlags;
        properties->stepFloat = self->config.stepFloat;
        properties->minInteger = self->config.minInteger;
        properties->maxInteger = self->config.maxInteger;
        return 1;
    }
    default:
        return 0;
    }
}

void setParameter(EffectRecord* effect, int32_t index, float value)
{
    auto* self = asRecording(effect);
    record(self, kCallSetParameter, index, 0, value);
    if (index >= 0 && index < kRecordingMaxParams)
        self->values[program(self)][index] = value;
}

float getParameter(EffectRecord* effect, int32_t index)
{
    auto* self = asRecording(effect);
    record(self, kCallGetParameter, index, 0, 0.0f);
    return index >= 0 && index < kRecordingMaxParams ? self->values[program(self)][index] : 0.0f;
}

// Halves the first two inputs into the outputs, and adds up the side-chain rows.
void processReplacing(EffectRecord* effect, float** inputs, float** outputs, int32_t frames)
{
    auto* self = asRecording(effect);
    self->processEntered = 1;
    while (self->holdProcess != 0) {
    }
    record(self, kCallProcessReplacing, frames, 0, 0.0f);
    ++gLog.processCount;
    for (int32_t key = 0; key < 2; ++key)
        for (int32_t i = 0; i < frames; ++i)
            gLog.keySums[key] += double(inputs[2 + key][i]);
    for (int32_t channel = 0; channel < self->record.numOutputs && channel < 2; ++channel)
        for (int32_t i = 0; i < frames; ++i)
            outputs[channel][i] = inputs[channel][i] * 0.5f;
}

}  // namespace

RECORDING_EXPORT void RecordingEffectConfigure(const RecordingEffectConfig* config)
{
    gNext = *config;
}

RECORDING_EXPORT RecordingLog* RecordingEffectLog()
{
    return &gLog;
}

RECORDING_EXPORT EffectRecord* recordingMain(HostCallback host) RECORDING_MAIN_SYMBOL;

RECORDING_EXPORT EffectRecord* recordingMain(HostCallback host)
{
    if (gNext.returnNoRecord)
        return nullptr;
    auto* self = new RecordingEffect{};
    gInstances.live.insert(self);
    ++gLog.liveInstances;
    self->config = gNext;
    self->host = host;
    EffectRecord& record = self->record;
    record.magic = gNext.badMagic ? 0x12345678 : kEffectMagic;
    record.dispatcher = gNext.nullDispatcher ? nullptr : dispatcher;
    record.setParameter = setParameter;
    record.getParameter = getParameter;
    record.processReplacing = processReplacing;
    record.numPrograms = gNext.numPrograms;
    record.numParams = gNext.numParams;
    record.numInputs = gNext.numInputs;
    record.numOutputs = gNext.numOutputs;
    record.flags = gNext.flags;
    record.initialDelay = gNext.initialDelay;
    record.uniqueID = gNext.uniqueId;
    record.object = self;
    for (int p = 0; p < kRecordingMaxPrograms; ++p)
        std::snprintf(self->programNames[p], 24, "Program %d", p);
    // Like the real effect: callbacks while the host does not yet hold the record.
    self->constructionAnswers[0] = host(&record, audioMasterVersion, 0, 0, nullptr, 0.0f);
    self->constructionAnswers[1] = host(&record, audioMasterUpdateDisplay, 0, 0, nullptr, 0.0f);
    self->constructionAnswers[2] = host(&record, audioMasterGetSampleRate, 0, 0, nullptr, 0.0f);
    self->constructionAnswers[3] = host(&record, audioMasterGetBlockSize, 0, 0, nullptr, 0.0f);
    return &record;
}
