#include "E2eSupport.h"

#include <cmath>
#include <cstring>
#include <filesystem>
#include <random>
#include <sstream>

namespace e2e {

vst2host::AudioBuffer testSignal(int channels, size_t frames)
{
    constexpr double kPi = 3.141592653589793;
    vst2host::AudioBuffer buffer;
    buffer.channels = channels;
    buffer.sampleRate = kTestRate;
    buffer.samples.assign(frames * static_cast<size_t>(channels), 0.0);
    for (size_t frame = 0; frame < frames; ++frame) {
        const bool loud = frame >= frames / 4 && frame < 3 * frames / 4;
        const double t = static_cast<double>(frame) / kTestRate;
        buffer.at(frame, 0) = (loud ? 0.9 : 0.05) * std::sin(2.0 * kPi * 220.0 * t);
        if (channels > 1)
            buffer.at(frame, 1) = (loud ? 0.6 : 0.03) * std::sin(2.0 * kPi * 330.0 * t + 0.5);
    }
    return buffer;
}

vst2host::AudioBuffer renderOrFail(vst2host::HostedEffect& effect, const vst2host::AudioBuffer& input,
                                   int32_t blockSize, bool doublePrecision)
{
    vst2host::RenderSettings settings;
    settings.blockSize = blockSize;
    settings.doublePrecision = doublePrecision;
    vst2host::AudioBuffer output;
    std::string error;
    EXPECT_TRUE(vst2host::render(effect, input, output, settings, error)) << error;
    return output;
}

std::string firstDifference(const vst2host::AudioBuffer& a, const vst2host::AudioBuffer& b)
{
    std::ostringstream text;
    if (a.channels != b.channels || a.samples.size() != b.samples.size()) {
        text << "shapes differ: " << a.channels << " x " << a.frames() << " against " << b.channels << " x "
             << b.frames();
        return text.str();
    }
    for (size_t at = 0; at < a.samples.size(); ++at) {
        if (std::memcmp(&a.samples[at], &b.samples[at], sizeof(double)) != 0) {
            text.precision(17);
            text << "frame " << at / static_cast<size_t>(a.channels) << " channel "
                 << at % static_cast<size_t>(a.channels) << ": " << a.samples[at] << " against " << b.samples[at];
            return text.str();
        }
    }
    return {};
}

double rms(const vst2host::AudioBuffer& buffer, int channel, size_t begin, size_t end)
{
    double sum = 0.0;
    for (size_t frame = begin; frame < end; ++frame)
        sum += buffer.at(frame, channel) * buffer.at(frame, channel);
    return end > begin ? std::sqrt(sum / static_cast<double>(end - begin)) : 0.0;
}

ScratchDirectory::ScratchDirectory()
{
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string(test->test_suite_name()) + "." + test->name();
    for (char& c : name)
        if (c == '/')
            c = '_';
    // A random part keeps two builds that run their tests at once out of each other's files.
    path_ = std::filesystem::path(::testing::TempDir()) /
            ("qor_e2e_" + name + "_" + std::to_string(std::random_device{}()));
    std::filesystem::create_directories(path_);
}

ScratchDirectory::~ScratchDirectory()
{
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::string ScratchDirectory::file(const std::string& name) const
{
    return (path_ / name).string();
}

}  // namespace e2e
