// WAV files through libsndfile.
#pragma once

#include "hosts/vst2/AudioBuffer.h"

#include <string>

namespace vst2host {

enum class SampleFormat
{
    Float32,
    Float64,  // keeps every bit of a double-precision render
};

// Reads any file libsndfile knows; integer formats come back scaled to -1..1. False with error on failure.
bool readAudioFile(const std::string& path, AudioBuffer& buffer, std::string& error);
// Writes a WAV file in the given sample format. False with error on failure.
bool writeAudioFile(const std::string& path, const AudioBuffer& buffer, SampleFormat format, std::string& error);

}  // namespace vst2host
