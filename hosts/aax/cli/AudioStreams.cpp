#include "hosts/aax/cli/AudioStreams.h"

#include <cstdint>
#include <cstring>

#include "hosts/common/HostFiles.h"
#include "hosts/vst2/AudioFile.h"

namespace aaxhost {
namespace {

// A raw file larger than this (over an hour of stereo at 44100 Hz) is not one this host renders in memory.
constexpr size_t kMostRawBytes = size_t(1) << 30;

bool readRaw(const std::string& path, int channels, double rate, Audio& audio, std::string& error)
{
    std::vector<uint8_t> bytes;
    if (!hostcli::readWholeFile(path, kMostRawBytes, bytes, error))
        return false;
    const size_t frameBytes = static_cast<size_t>(channels) * 4;
    if (channels < 1 || bytes.size() % frameBytes != 0)
    {
        error = "cannot read '" + path + "': it does not hold whole frames of " + std::to_string(channels) +
                " 32-bit floats";
        return false;
    }
    const size_t frames = bytes.size() / frameBytes;
    audio.rate = rate;
    audio.channels.assign(static_cast<size_t>(channels), std::vector<float>(frames));
    for (size_t f = 0; f < frames; ++f)
        for (int c = 0; c < channels; ++c)
        {
            const uint8_t* p = bytes.data() + f * frameBytes + static_cast<size_t>(c) * 4;
            const uint32_t u = uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
            std::memcpy(&audio.channels[static_cast<size_t>(c)][f], &u, 4);
        }
    return true;
}

bool writeRaw(const std::string& path, const Audio& audio, std::string& error)
{
    std::vector<uint8_t> bytes;
    bytes.reserve(audio.frames() * audio.channels.size() * 4);
    for (size_t f = 0; f < audio.frames(); ++f)
        for (const auto& channel : audio.channels)
        {
            uint32_t u = 0;
            std::memcpy(&u, &channel[f], 4);
            for (int shift = 0; shift < 32; shift += 8)
                bytes.push_back(static_cast<uint8_t>(u >> shift));
        }
    return hostcli::writeWholeFile(path, bytes, error);
}

}  // namespace

bool readAudio(const std::string& path, bool raw, int channels, double rate, Audio& audio, std::string& error,
               std::string& warning)
{
    if (raw)
        return readRaw(path, channels, rate, audio, error);
    vst2host::AudioBuffer buffer;
    if (!vst2host::readAudioFile(path, buffer, error, &warning))
        return false;
    audio.rate = buffer.sampleRate;
    audio.channels.assign(static_cast<size_t>(buffer.channels), std::vector<float>(buffer.frames()));
    for (size_t f = 0; f < buffer.frames(); ++f)
        for (int c = 0; c < buffer.channels; ++c)
            audio.channels[static_cast<size_t>(c)][f] = static_cast<float>(buffer.at(f, c));
    return true;
}

bool writeAudio(const std::string& path, bool raw, const Audio& audio, std::string& error)
{
    if (raw)
        return writeRaw(path, audio, error);
    vst2host::AudioBuffer buffer;
    buffer.channels = static_cast<int>(audio.channels.size());
    buffer.sampleRate = audio.rate;
    buffer.samples.resize(audio.frames() * audio.channels.size());
    for (size_t f = 0; f < audio.frames(); ++f)
        for (int c = 0; c < buffer.channels; ++c)
            buffer.at(f, c) = audio.channels[static_cast<size_t>(c)][f];
    return vst2host::writeAudioFile(path, buffer, vst2host::SampleFormat::Float32, error);
}

}  // namespace aaxhost
