// Deterministic programme-like signals for the compressor tests: decaying bursts of sine plus noise, with loud,
// medium and quiet sections, a short gap of silence and the odd sharp transient, so the detector both attacks and
// releases and the core applies real gain reduction.
#pragma once

#include <cmath>
#include <cstdint>
#include <vector>

#include "effect/dsp/CompressorCore.h"
#include "tests/dsp/ReferenceCompressor.h"

namespace testsignals
{
inline std::vector<double> bursts(int frames, double rate, double frequency, uint32_t seed)
{
    std::vector<double> out(static_cast<size_t>(frames));
    uint32_t state = seed;
    const double pi = 3.141592653589793;
    const int section = static_cast<int>(rate / 4.0);  // four sections a second
    const double levels[] = {0.9, 0.02, 0.3, 0.0, 1.4, 0.1};
    for (int i = 0; i < frames; ++i)
    {
        state = state * 1664525u + 1013904223u;
        const double noise = static_cast<double>(state >> 8) / 8388608.0 - 1.0;
        const int index = i / section;
        const double level = levels[index % 6];
        const double decay = std::exp(-static_cast<double>(i % section) / (0.1 * rate));
        const double tone = std::sin(2.0 * pi * frequency * i / rate);
        double x = level * decay * (0.7 * tone + 0.3 * noise);
        if (i % section == section / 2)
            x += level;  // transient
        out[static_cast<size_t>(i)] = x;
    }
    return out;
}

inline void applyToCore(CompressorCore& core, const reference::Parameters& p)
{
    core.setAttack(p.attack);
    core.setRelease(p.release);
    core.setRatio(p.ratio);
    core.setThreshold(p.threshold);
    core.setMakeup(p.makeup);
    core.setSideChainFilter(p.sideChainFilter);
    core.setSideChainFilterOn(p.sideChainFilterOn);
    core.setBlend(p.blend);
    core.setBlendOn(p.blendOn);
    core.setChannel(p.channel);
    core.setLink(p.link);
}

// A core with these settings, prepared at 44.1 kHz as the effect does it: suspend, resume (rate, prepare), suspend.
inline CompressorCore preparedCore(const reference::Parameters& p)
{
    CompressorCore core;
    applyToCore(core, p);
    core.reset();
    core.setSampleRate(44100.0f);
    core.prepare();
    core.reset();
    return core;
}

// The values of the factory program "Default".
inline reference::Parameters defaultProgram()
{
    reference::Parameters p;
    p.attack = 0.5f;
    p.release = 0.5f;
    p.sideChainFilterOn = 0.0f;
    p.sideChainFilter = 0.5f;
    p.ratio = 0.5f;
    p.threshold = 0.625f;
    p.makeup = 0.375f;
    p.channel = 0.5f;
    p.link = 1.0f;
    p.blendOn = 0.0f;
    p.blend = 0.75f;
    return p;
}
}  // namespace testsignals
