// Records a host and the effect exchange through dispatcher opcodes. Same offsets on 64-bit and 32-bit builds.
#pragma once

#include <cstddef>
#include <cstdint>

struct EditorRect
{
    int16_t top;
    int16_t left;
    int16_t bottom;
    int16_t right;
};
static_assert(sizeof(EditorRect) == 8, "editor rectangle is four 16-bit values");

enum ParameterFlags : int32_t
{
    kParameterIsSwitch = 1,
    kParameterUsesFloatStep = 4,
    kParameterUsesIntegerMinMax = 8,
};

struct ParameterProperties
{
    float stepFloat;
    float smallStepFloat;
    float largeStepFloat;
    char label[64];
    int32_t flags;
    int32_t minInteger;
    int32_t maxInteger;
    int32_t stepInteger;
    int32_t largeStepInteger;
    char shortLabel[8];
    int16_t displayIndex;
    int16_t category;
    int16_t numParametersInCategory;
    int16_t reserved;
    char categoryLabel[24];
    char future[16];
};
static_assert(sizeof(ParameterProperties) == 152, "parameter properties size");
static_assert(offsetof(ParameterProperties, label) == 12 && offsetof(ParameterProperties, flags) == 76 &&
                  offsetof(ParameterProperties, shortLabel) == 96 &&
                  offsetof(ParameterProperties, displayIndex) == 104 &&
                  offsetof(ParameterProperties, categoryLabel) == 112 && offsetof(ParameterProperties, future) == 136,
              "parameter properties offsets");

enum PinFlags : int32_t
{
    kPinIsActive = 1,
    kPinIsStereo = 2,
};

struct PinProperties
{
    char label[64];
    int32_t flags;
    int32_t arrangementType;
    char shortLabel[8];
    char future[48];
};
static_assert(sizeof(PinProperties) == 128 && offsetof(PinProperties, flags) == 64 &&
                  offsetof(PinProperties, arrangementType) == 68 && offsetof(PinProperties, shortLabel) == 72,
              "pin properties layout");

struct SpeakerProperties
{
    float azimuth;
    float elevation;
    float radius;
    float reserved;
    char name[64];
    int32_t type;
    char future[28];
};
static_assert(sizeof(SpeakerProperties) == 112 && offsetof(SpeakerProperties, name) == 16 &&
                  offsetof(SpeakerProperties, type) == 80,
              "speaker properties layout");

// Variable length: numChannels entries follow the two words (8 + 112 * n bytes in all).
struct SpeakerArrangement
{
    int32_t type;
    int32_t numChannels;
    SpeakerProperties speakers[8];
};
static_assert(offsetof(SpeakerArrangement, speakers) == 8, "speaker arrangement header is two words");

struct EffectTimeInfo
{
    double samplePos;
    double sampleRate;
    double nanoSeconds;
    double ppqPos;
    double tempo;
    double barStartPos;
    double cycleStartPos;
    double cycleEndPos;
    int32_t timeSigNumerator;
    int32_t timeSigDenominator;
    int32_t smpteOffset;
    int32_t smpteFrameRate;
    int32_t samplesToNextClock;
    int32_t flags;
};
static_assert(sizeof(EffectTimeInfo) == 88 && offsetof(EffectTimeInfo, timeSigNumerator) == 64 &&
                  offsetof(EffectTimeInfo, flags) == 84,
              "time info layout");

// Key record handed to the editor for opcodes 59 and 60.
struct KeyRecord
{
    int32_t character;
    uint8_t virtualKey;
    uint8_t modifiers;
};

// A display-text request whose buffer starts with these four bytes ("1EAD") carries a float32 value in bytes 4..7
// and asks for the text of that value rather than of the parameter's current one.
constexpr int32_t kDisplayValueTag = 0x44414531;
