// WAV files written and read back through the host's libsndfile layer.
#include "E2eSupport.h"

#include "hosts/vst2/AudioFile.h"

namespace {

using e2e::ScratchDirectory;
using vst2host::AudioBuffer;
using vst2host::SampleFormat;

TEST(AudioFile, RoundTripKeepsTheFormatsPrecision)
{
    ScratchDirectory scratch;
    AudioBuffer original = e2e::testSignal(2, 1000);
    original.samples[7] = 1.75;  // floating-point files keep values beyond full scale
    original.samples[8] = 1.0 / 3.0;

    for (SampleFormat format : {SampleFormat::Float32, SampleFormat::Float64}) {
        const bool wide = format == SampleFormat::Float64;
        SCOPED_TRACE(wide ? "float64" : "float32");
        const std::string path = scratch.file(wide ? "wide.wav" : "narrow.wav");
        std::string error;
        ASSERT_TRUE(vst2host::writeAudioFile(path, original, format, error)) << error;
        AudioBuffer read;
        ASSERT_TRUE(vst2host::readAudioFile(path, read, error)) << error;

        AudioBuffer expected = original;
        if (!wide)
            for (double& sample : expected.samples)
                sample = static_cast<float>(sample);
        EXPECT_EQ(read.channels, 2);
        EXPECT_EQ(read.sampleRate, e2e::kTestRate);
        EXPECT_EQ(e2e::firstDifference(read, expected), "");
    }
}

TEST(AudioFile, FailuresAreReported)
{
    ScratchDirectory scratch;
    AudioBuffer read;
    std::string error;
    EXPECT_FALSE(vst2host::readAudioFile(scratch.file("missing.wav"), read, error));
    EXPECT_NE(error.find("missing.wav"), std::string::npos) << error;

    error.clear();
    EXPECT_FALSE(vst2host::writeAudioFile(scratch.file("empty.wav"), AudioBuffer{}, SampleFormat::Float32, error));
    EXPECT_FALSE(error.empty());

    error.clear();
    EXPECT_FALSE(vst2host::writeAudioFile(scratch.file("no/dir/x.wav"), e2e::testSignal(1, 10),
                                          SampleFormat::Float32, error));
    EXPECT_FALSE(error.empty());
}

}  // namespace
