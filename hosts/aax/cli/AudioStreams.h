// Audio in and out of aaxhost: audio files through libsndfile, or raw little-endian 32-bit float files with
// interleaved channels.
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

// raw: the file holds `channels` interleaved channels at `rate`. An audio file keeps its own channels and rate; a
// warning says when it ends before the length its header gives (it is read as far as it goes). False with error,
// which names the file.
bool readAudio(const std::string& path, bool raw, int channels, double rate, Audio& audio, std::string& error,
               std::string& warning);
// An audio file is written in the format its extension names, with 32-bit float samples where it has them.
bool writeAudio(const std::string& path, bool raw, const Audio& audio, std::string& error);

}  // namespace aaxhost
