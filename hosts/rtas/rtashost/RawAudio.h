// rtashost's audio files: raw little-endian 32-bit floats, channels interleaved.
#pragma once

#include <string>
#include <vector>

namespace rtashost {

// The rate of every raw file: they carry none of their own.
constexpr double kRawAudioRate = 44100.0;

// One vector per channel; throws HostError when the file cannot be read or does not hold whole frames.
std::vector<std::vector<float>> readRawAudio(const std::string& path, int channels);
void writeRawAudio(const std::string& path, const std::vector<std::vector<float>>& channels);

}  // namespace rtashost
