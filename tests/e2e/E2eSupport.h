// Shared pieces of the end-to-end tests: where the real plug-in and tool are, a loaded-effect fixture, a test
// signal that makes a compressor work, and comparison helpers.
#pragma once

#include "hosts/vst2/AudioBuffer.h"
#include "hosts/vst2/HostedEffect.h"
#include "hosts/vst2/Renderer.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace e2e {

constexpr const char* kPluginPath = QOR_PLUGIN_PATH;
constexpr const char* kHostTool = QOR_HOST_TOOL;
constexpr double kTestRate = 44100.0;

class LoadedEffect : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(effect.load(kPluginPath)) << effect.error(); }

    vst2host::HostedEffect effect;
};

// Quiet, then loud, then quiet again (left and right at different levels and pitches), so attack, release
// and the stereo link all have something to do.
vst2host::AudioBuffer testSignal(int channels, size_t frames = 22050);

// Renders and fails the current test when the renderer refuses.
vst2host::AudioBuffer renderOrFail(vst2host::HostedEffect& effect, const vst2host::AudioBuffer& input,
                                   int32_t blockSize, bool doublePrecision);

// Empty when both buffers hold the same samples bit for bit; otherwise where and how they first differ.
std::string firstDifference(const vst2host::AudioBuffer& a, const vst2host::AudioBuffer& b);

// RMS of one channel over frames [begin, end).
double rms(const vst2host::AudioBuffer& buffer, int channel, size_t begin, size_t end);

// A fresh directory for one test's files, removed with everything in it when the test ends.
class ScratchDirectory
{
public:
    ScratchDirectory();
    ~ScratchDirectory();
    ScratchDirectory(const ScratchDirectory&) = delete;
    ScratchDirectory& operator=(const ScratchDirectory&) = delete;

    std::string file(const std::string& name) const;

private:
    std::filesystem::path path_;
};

}  // namespace e2e
