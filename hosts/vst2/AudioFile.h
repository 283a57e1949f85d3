// Audio files through libsndfile. Paths are UTF-8 text; on Windows they are opened by their wide form, so names
// outside the ANSI code page open too.
#pragma once

#include "hosts/vst2/AudioBuffer.h"

#include <string>

namespace vst2host {

enum class SampleFormat
{
    Float32,
    Float64,  // keeps every bit of a double-precision render
};

// Reads any file libsndfile knows; integer formats come back scaled to -1..1. False with error on failure. A file
// that ends before the length its header gives is read as far as it goes, and warning (when given) says so.
bool readAudioFile(const std::string& path, AudioBuffer& buffer, std::string& error, std::string* warning = nullptr);
// True when the path's extension names a format libsndfile writes (".wav", ".flac", ".aiff", ...); false with
// error otherwise.
bool checkAudioFileName(const std::string& path, std::string& error);
// Writes the file in the format its extension names, with samples of the given format where that format has them,
// else with the most exact samples it has. False with error on failure.
bool writeAudioFile(const std::string& path, const AudioBuffer& buffer, SampleFormat format, std::string& error);

}  // namespace vst2host
