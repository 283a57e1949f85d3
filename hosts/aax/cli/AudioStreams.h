// Audio in and out of aaxhost: WAV files (through libsndfile, where the build has it) or raw little-endian 32-bit
// float files with interleaved channels.
#pragma once

#include <string>
#include <vector>

namespace aaxhost {

struct Audio
{
    double rate = 44100.0;
    std::vector<std::vector<float>> channels;
    size_t frames() const { return channels.empty() ? 0 : channels[0].size(); }
};

// raw: the file holds `channels` interleaved channels at `rate`. A WAV file keeps its own channels and rate.
bool readAudio(const std::string& path, bool raw, int channels, double rate, Audio& audio, std::string& error);
// WAV files are written as 32-bit float.
bool writeAudio(const std::string& path, bool raw, const Audio& audio, std::string& error);

}  // namespace aaxhost
