#include <cstring>

#include "effect/ParameterText.h"
#include "effect/QorFETcomp.h"

namespace {

struct FactoryProgram
{
    const char* name;
    float attack, release, scHpfOn, scHpf, ratio, threshold, makeup, link, blendOn, blend;
};

// Programs 0 to 17; every later program is "Init". Power, channel and the placeholders are common to all.
const FactoryProgram kFactoryPrograms[] = {
    {"Default", 0.5f, 0.5f, 0, 0.5f, 0.5f, 0.625f, 0.375f, 1, 0, 0.75f},
    {"Soft Comp", 0.5f, 0.5f, 0, 0.5f, 0.25f, 0.6875f, 0.3125f, 1, 0, 1},
    {"Density", 0.375f, 0.25f, 1, 0.5f, 0.5f, 0.625f, 0.34375f, 1, 0, 1},
    {"Smooth Vocal", 0.75f, 0.625f, 0, 0.5f, 0.0625f, 0.125f, 0.375f, 1, 0, 1},
    {"Vocal Fast", 0.375f, 0.625f, 0, 0.5f, 0.5625f, 0.65625f, 0.375f, 1, 0, 1},
    {"Vocal Slow", 0.75f, 0.75f, 0, 0.5f, 0.5f, 0.4375f, 0.375f, 1, 0, 1},
    {"Snare Power", 0.375f, 0.375f, 0, 0.5f, 0.75f, 0.5f, 0.375f, 1, 0, 1},
    {"Drum Group", 0.75f, 0.625f, 1, 0.625f, 1, 0.375f, 0.375f, 1, 0, 1},
    {"Power of Blend", 0.25f, 0.25f, 1, 1, 1, 0.375f, 0.375f, 1, 1, 0.75f},
    {"N.Y. Drums", 0.25f, 0.375f, 0, 0.5f, 0.75f, 0.5f, 0.375f, 1, 1, 0.5f},
    {"Fast Limit", 0.125f, 0.5f, 0, 0.5f, 1, 0.5625f, 0.4375f, 1, 0, 1},
    {"Slow Limit", 0.25f, 0.75f, 0, 0.5f, 1, 0.625f, 0.40625f, 1, 0, 1},
    {"Clean Strat", 1, 0.75f, 0, 0.5f, 0.5f, 0.5f, 0.375f, 1, 0, 1},
    {"Strong Bass", 0.75f, 0.375f, 0, 0.5f, 0.75f, 0.375f, 0.4375f, 1, 0, 1},
    {"Master Track", 0.25f, 0.5f, 1, 1, 0.75f, 0.625f, 0.375f, 1, 1, 0.75f},
    {"Squeezer", 0.25f, 0.125f, 1, 1, 1, 0.375f, 0.4375f, 0, 0, 1},
    {"Destructor", 0, 0, 0, 0.5f, 1, 0.5f, 0.5f, 0, 0, 1},
    {"Magnetizer", 0.5f, 0.5f, 0, 0.5f, 0, 0.75f, 0.25f, 1, 0, 1},
};
const FactoryProgram kInitProgram = {"Init", 0.5f, 0.5f, 0, 0.5f, 0.5f, 0.625f, 0.375f, 1, 0, 1};

void writeProgram(ProgramRecord& record, const FactoryProgram& source)
{
    std::memset(record.name, 0, sizeof record.name);
    std::strcpy(record.name, source.name);
    float* v = record.values;
    v[kPower] = 1.0f;
    v[kAttack] = source.attack;
    v[kRelease] = source.release;
    v[kUnused3] = 0.0f;
    v[kScHpfOn] = source.scHpfOn;
    v[kScHpf] = source.scHpf;
    v[kRatio] = source.ratio;
    v[kUnused7] = 0.0f;
    v[kThreshold] = source.threshold;
    v[kChannel] = 0.5f;
    v[kMakeup] = source.makeup;
    v[kLink] = source.link;
    v[kBlendOn] = source.blendOn;
    v[kBlend] = source.blend;
    v[kUnused14] = 0.5f;
    v[kUnused15] = 0.5f;
}

}  // namespace

void QorFETcomp::fillFactoryBank()
{
    ProgramRecord* programs = bank();
    if (!programs)
        return;
    constexpr int32_t kNamed = sizeof kFactoryPrograms / sizeof kFactoryPrograms[0];
    for (int32_t i = 0; i < kBankPrograms; ++i)
        writeProgram(programs[i], i < kNamed ? kFactoryPrograms[i] : kInitProgram);
}
