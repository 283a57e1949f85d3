// Interleaved audio in double precision: what the tool reads from and writes to files.
#pragma once

#include <cstddef>
#include <vector>

namespace vst2host {

struct AudioBuffer
{
    int channels = 0;
    double sampleRate = 0.0;
    std::vector<double> samples;  // frame after frame, channels samples each

    size_t frames() const { return channels > 0 ? samples.size() / static_cast<size_t>(channels) : 0; }
    double& at(size_t frame, int channel) { return samples[frame * static_cast<size_t>(channels) + channel]; }
    double at(size_t frame, int channel) const { return samples[frame * static_cast<size_t>(channels) + channel]; }
};

}  // namespace vst2host
