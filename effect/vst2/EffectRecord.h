// The VST 2 effect record: the one binary structure every host (and both bridges) reaches the effect through.
// Its layout is a binary interface; the static_asserts pin it for the 64-bit and 32-bit builds.
#pragma once

#include <cstddef>
#include <cstdint>

struct EffectRecord;

using HostCallback = intptr_t (*)(EffectRecord* effect, int32_t opcode, int32_t index, intptr_t value, void* ptr,
                                  float opt);
using DispatchFunction = intptr_t (*)(EffectRecord* effect, int32_t opcode, int32_t index, intptr_t value, void* ptr,
                                      float opt);
using ProcessFunction = void (*)(EffectRecord* effect, float** inputs, float** outputs, int32_t sampleFrames);
using ProcessDoubleFunction = void (*)(EffectRecord* effect, double** inputs, double** outputs, int32_t sampleFrames);
using SetParameterFunction = void (*)(EffectRecord* effect, int32_t index, float value);
using GetParameterFunction = float (*)(EffectRecord* effect, int32_t index);

// 'VstP' read as a big-endian four-character code.
constexpr int32_t kEffectMagic = 0x56737450;

constexpr int32_t fourCharCode(char a, char b, char c, char d)
{
    return static_cast<int32_t>((static_cast<uint32_t>(static_cast<uint8_t>(a)) << 24) |
                                (static_cast<uint32_t>(static_cast<uint8_t>(b)) << 16) |
                                (static_cast<uint32_t>(static_cast<uint8_t>(c)) << 8) |
                                static_cast<uint32_t>(static_cast<uint8_t>(d)));
}

struct EffectRecord
{
    int32_t magic;
    DispatchFunction dispatcher;
    ProcessFunction process;  // accumulating; does nothing in this effect
    SetParameterFunction setParameter;
    GetParameterFunction getParameter;
    int32_t numPrograms;
    int32_t numParams;
    int32_t numInputs;
    int32_t numOutputs;
    int32_t flags;
    intptr_t resvd1;  // reserved for the host: bridges keep a pointer to their own object here
    intptr_t resvd2;
    int32_t initialDelay;
    int32_t realQualities;
    int32_t offQualities;
    float ioRatio;
    void* object;  // the effect object behind the record
    void* user;
    int32_t uniqueID;
    int32_t version;
    ProcessFunction processReplacing;
    ProcessDoubleFunction processDoubleReplacing;
    char future[56];
};

// Flag bits of EffectRecord::flags.
enum EffectFlags : int32_t
{
    kFlagHasEditor = 0x1,
    kFlagHasClip = 0x2,
    kFlagHasVu = 0x4,
    kFlagCanMono = 0x8,
    kFlagCanReplacing = 0x10,
    kFlagProgramChunks = 0x20,
    kFlagIsSynth = 0x100,
    kFlagNoSoundInStop = 0x200,
    kFlagExtIsAsync = 0x400,
    kFlagExtHasBuffer = 0x800,
    kFlagCanDoubleReplacing = 0x1000,
};

#if UINTPTR_MAX == 0xFFFFFFFFFFFFFFFFu
static_assert(sizeof(EffectRecord) == 192, "x64 effect record is 192 bytes");
static_assert(offsetof(EffectRecord, dispatcher) == 8 && offsetof(EffectRecord, process) == 16 &&
                  offsetof(EffectRecord, setParameter) == 24 && offsetof(EffectRecord, getParameter) == 32,
              "x64 entry offsets");
static_assert(offsetof(EffectRecord, numPrograms) == 40 && offsetof(EffectRecord, numParams) == 44 &&
                  offsetof(EffectRecord, numInputs) == 48 && offsetof(EffectRecord, numOutputs) == 52 &&
                  offsetof(EffectRecord, flags) == 56,
              "x64 count offsets");
static_assert(offsetof(EffectRecord, resvd1) == 64 && offsetof(EffectRecord, resvd2) == 72 &&
                  offsetof(EffectRecord, initialDelay) == 80 && offsetof(EffectRecord, realQualities) == 84 &&
                  offsetof(EffectRecord, offQualities) == 88 && offsetof(EffectRecord, ioRatio) == 92,
              "x64 reserved offsets");
static_assert(offsetof(EffectRecord, object) == 96 && offsetof(EffectRecord, user) == 104 &&
                  offsetof(EffectRecord, uniqueID) == 112 && offsetof(EffectRecord, version) == 116 &&
                  offsetof(EffectRecord, processReplacing) == 120 &&
                  offsetof(EffectRecord, processDoubleReplacing) == 128 && offsetof(EffectRecord, future) == 136,
              "x64 tail offsets");
#elif UINTPTR_MAX == 0xFFFFFFFFu
static_assert(sizeof(EffectRecord) == 144, "x86 effect record is 144 bytes");
static_assert(offsetof(EffectRecord, dispatcher) == 4 && offsetof(EffectRecord, process) == 8 &&
                  offsetof(EffectRecord, setParameter) == 12 && offsetof(EffectRecord, getParameter) == 16,
              "x86 entry offsets");
static_assert(offsetof(EffectRecord, numPrograms) == 20 && offsetof(EffectRecord, numParams) == 24 &&
                  offsetof(EffectRecord, numInputs) == 28 && offsetof(EffectRecord, numOutputs) == 32 &&
                  offsetof(EffectRecord, flags) == 36,
              "x86 count offsets");
static_assert(offsetof(EffectRecord, resvd1) == 40 && offsetof(EffectRecord, resvd2) == 44 &&
                  offsetof(EffectRecord, initialDelay) == 48 && offsetof(EffectRecord, realQualities) == 52 &&
                  offsetof(EffectRecord, offQualities) == 56 && offsetof(EffectRecord, ioRatio) == 60,
              "x86 reserved offsets");
static_assert(offsetof(EffectRecord, object) == 64 && offsetof(EffectRecord, user) == 68 &&
                  offsetof(EffectRecord, uniqueID) == 72 && offsetof(EffectRecord, version) == 76 &&
                  offsetof(EffectRecord, processReplacing) == 80 &&
                  offsetof(EffectRecord, processDoubleReplacing) == 84 && offsetof(EffectRecord, future) == 88,
              "x86 tail offsets");
#endif
