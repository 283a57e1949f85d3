#include "hosts/rtas/rtashost/RawAudio.h"

#include "hosts/rtas/rtashost/PlugInSession.h"

#include "hosts/common/HostFiles.h"

#include <cstdint>
#include <cstring>

namespace rtashost {
namespace {

// A raw file larger than this (over an hour of stereo at 44100 Hz) is not one this host renders in memory.
constexpr size_t kMostRawBytes = size_t(1) << 30;

float fromLittleEndian(const uint8_t* bytes)
{
    const uint32_t bits = uint32_t(bytes[0]) | (uint32_t(bytes[1]) << 8) | (uint32_t(bytes[2]) << 16) |
                          (uint32_t(bytes[3]) << 24);
    float value = 0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

void toLittleEndian(float value, uint8_t* bytes)
{
    uint32_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    for (int i = 0; i < 4; ++i)
        bytes[i] = uint8_t(bits >> (8 * i));
}

}  // namespace

std::vector<std::vector<float>> readRawAudio(const std::string& path, int channels)
{
    std::vector<uint8_t> bytes;
    std::string error;
    if (!hostcli::readWholeFile(path, kMostRawBytes, bytes, error))
        throw HostError(error);
    const size_t frameBytes = size_t(channels) * 4;
    if (bytes.size() % frameBytes != 0)
        throw HostError(path + " does not hold whole frames of " + std::to_string(channels) + " 32-bit floats");
    const size_t frames = bytes.size() / frameBytes;
    std::vector<std::vector<float>> audio(static_cast<size_t>(channels), std::vector<float>(frames));
    for (size_t frame = 0; frame < frames; ++frame)
        for (size_t channel = 0; channel < size_t(channels); ++channel)
            audio[channel][frame] = fromLittleEndian(&bytes[frame * frameBytes + channel * 4]);
    return audio;
}

void writeRawAudio(const std::string& path, const std::vector<std::vector<float>>& channels)
{
    const size_t frames = channels.empty() ? 0 : channels[0].size();
    std::vector<uint8_t> bytes(frames * channels.size() * 4);
    for (size_t frame = 0; frame < frames; ++frame)
        for (size_t channel = 0; channel < channels.size(); ++channel)
            toLittleEndian(channels[channel][frame], &bytes[(frame * channels.size() + channel) * 4]);
    std::string error;
    if (!hostcli::writeWholeFile(path, bytes, error))
        throw HostError(error);
}

}  // namespace rtashost
