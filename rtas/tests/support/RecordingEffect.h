// A small VST 2 effect of the tests' own, loaded by the wrapper like the real one: it records every request in
// order and answers from a configuration the test sets before loading it, so the tests see exactly what the
// wrapper sends and can make the effect misbehave.
#pragma once

#include "effect/vst2/EffectRecord.h"
#include "effect/vst2/Records.h"

#include <atomic>
#include <cstdint>

// Its file name in the tests' folder.
constexpr const char* kRecordingEffectFile = "QorRecordingEffect.dll";

struct RecordingEffectConfig
{
    int32_t numParams = 4;
    int32_t numPrograms = 3;
    int32_t numInputs = 2;
    int32_t numOutputs = 2;
    int32_t flags = kFlagHasEditor | kFlagCanReplacing;
    int32_t initialDelay = 0;
    int32_t uniqueId = 0x52656346;  // 'RecF'
    EditorRect editorRect{0, 0, 200, 300};
    bool returnNoRecord = false;
    bool nullDispatcher = false;
    bool badMagic = false;
    // Parameters from this index on cannot be automated.
    int32_t firstNotAutomatable = 1000;
    // Length of the chunk answered for opcode 23 (the effect's flags decide whether a host asks).
    int32_t chunkSize = 24;
    // Parameter properties answered for every parameter.
    int32_t propertiesFlags = kParameterUsesFloatStep;
    float stepFloat = 0.25f;
    int32_t minInteger = 0;
    int32_t maxInteger = 2;
    // Non-zero: display texts and labels of this many characters instead of the usual ones.
    int32_t displayLength = 0;
    int32_t labelLength = 0;
};

struct RecordedCall
{
    int32_t opcode;  // a dispatcher opcode, or one of the kCall... values below
    int32_t index;
    intptr_t value;
    float option;
};

// Entry calls other than the dispatcher's.
constexpr int32_t kCallSetParameter = 1000;
constexpr int32_t kCallGetParameter = 1001;
constexpr int32_t kCallProcessReplacing = 1002;

constexpr int kRecordingMaxCalls = 8192;
constexpr int kRecordingMaxParams = 64;
constexpr int kRecordingMaxPrograms = 16;

// Every call of every instance, in order; it outlives the instances (the close request frees them).
struct RecordingLog
{
    RecordedCall calls[kRecordingMaxCalls];
    int32_t callCount;
    // The first event of the last events block the effect received.
    uint8_t firstEvent[32];
    int32_t lastEventCount;
    int32_t liveInstances;
    // Process calls so far, readable while the audio thread runs.
    std::atomic<int32_t> processCount;
    // Sums of every sample the two side-chain rows (inputs 2 and 3) brought, over all process calls.
    double keySums[2];
    // When set, the close request spins until cleared (tests of an instance deleted while renders arrive); the
    // effect notes that it got there.
    std::atomic<int32_t> holdClose;
    std::atomic<int32_t> closeEntered;
};

// The record comes first, so a test turns the wrapper's record pointer into this.
struct RecordingEffect
{
    EffectRecord record;
    RecordingEffectConfig config;
    HostCallback host;
    int32_t currentProgram;
    float values[kRecordingMaxPrograms][kRecordingMaxParams];
    char programNames[kRecordingMaxPrograms][24];
    uint8_t chunk[256];
    int32_t chunkSetSize;
    bool editorOpen;
    void* editorParent;
    // When set, process calls spin here until cleared (tests of blocks meeting bank work).
    volatile int32_t holdProcess;
    volatile int32_t processEntered;
    // Answers from the host callback during construction (resvd1 still 0).
    intptr_t constructionAnswers[4];
};

// Exported by the recording effect's library: the configuration the next entry call uses, and the log.
using RecordingEffectConfigureFunction = void (*)(const RecordingEffectConfig* config);
using RecordingEffectLogFunction = RecordingLog* (*)();
constexpr const char* kRecordingEffectConfigureName = "RecordingEffectConfigure";
constexpr const char* kRecordingEffectLogName = "RecordingEffectLog";

inline RecordingEffect* asRecording(EffectRecord* record)
{
    return reinterpret_cast<RecordingEffect*>(record);
}
