// Runs a whole buffer of audio through a hosted effect, block by block, as a host's offline render would.
#pragma once

#include "hosts/vst2/AudioBuffer.h"
#include "hosts/vst2/HostedEffect.h"

#include <cstdint>
#include <string>

namespace vst2host {

constexpr int32_t kDefaultBlockSize = 1024;

struct RenderSettings
{
    int32_t blockSize = kDefaultBlockSize;
    bool doublePrecision = false;
    // Rate told to the effect; 0 uses the input's own. No resampling is done: the output keeps the input's rate.
    double sampleRate = 0.0;
};

// Mono and stereo input. Before rendering the effect is suspended, given rate, block size and a speaker
// arrangement matching the input ((1,1) or (2,2)), then resumed; it is suspended again at the end, so two
// renders from the same parameters give the same output.
//
// Mono is handed over as one channel with inputs[1] and outputs[1] null: the effect reads inputs[0] in place
// of a missing second input and writes only outputs[0] when the second output is missing, so nothing is
// invented for the right side and no scratch channel can leak into the result.
//
// False with error when the input or settings cannot be rendered.
bool render(HostedEffect& effect, const AudioBuffer& input, AudioBuffer& output, const RenderSettings& settings,
            std::string& error);

}  // namespace vst2host
