// Sound through the real plug-in: block-size independence, both precisions, power off, the meter, and the
// mono arrangement.
#include "E2eSupport.h"

#include <algorithm>
#include <cmath>
#include <type_traits>
#include <vector>

namespace {

using e2e::firstDifference;
using e2e::LoadedEffect;
using e2e::renderOrFail;
using e2e::testSignal;
using vst2host::AudioBuffer;
using vst2host::HostedEffect;

enum class Precision
{
    Single,
    Double,
};

std::string precisionName(const ::testing::TestParamInfo<Precision>& info)
{
    return info.param == Precision::Double ? "Double" : "Single";
}

class RenderInPrecision : public LoadedEffect, public ::testing::WithParamInterface<Precision>
{
protected:
    bool doublePrecision() const { return GetParam() == Precision::Double; }
    AudioBuffer render(const AudioBuffer& input, int32_t blockSize = 512)
    {
        return renderOrFail(effect, input, blockSize, doublePrecision());
    }
};

INSTANTIATE_TEST_SUITE_P(BothPrecisions, RenderInPrecision, ::testing::Values(Precision::Single, Precision::Double),
                         precisionName);

// Smoothing, detectors and meter all advance per sample, so how a host cuts the audio into blocks must not
// show in the result, down to the last bit.
TEST_P(RenderInPrecision, BlockSizeDoesNotChangeTheOutput)
{
    const AudioBuffer input = testSignal(2);
    const AudioBuffer reference = render(input, 4096);
    for (int32_t blockSize : {1, 64, 1000}) {
        const AudioBuffer output = render(input, blockSize);
        EXPECT_EQ(firstDifference(output, reference), "") << "block size " << blockSize << " against 4096";
    }
}

TEST_P(RenderInPrecision, LoudPassagesAreTurnedDownMoreThanQuietOnes)
{
    const AudioBuffer input = testSignal(2);
    const AudioBuffer output = render(input);
    ASSERT_EQ(output.frames(), input.frames());
    for (double sample : output.samples)
        ASSERT_TRUE(std::isfinite(sample));
    const size_t frames = input.frames();
    for (int channel = 0; channel < 2; ++channel) {
        SCOPED_TRACE(channel);
        // Settled stretches: late in the first quiet part, and the second half of the loud part.
        const double quietGain = e2e::rms(output, channel, frames / 8, frames / 4) /
                                 e2e::rms(input, channel, frames / 8, frames / 4);
        const double loudGain = e2e::rms(output, channel, frames / 2, 3 * frames / 4) /
                                e2e::rms(input, channel, frames / 2, 3 * frames / 4);
        EXPECT_GT(quietGain, 0.0);
        EXPECT_LT(loudGain, 0.7 * quietGain) << "quiet gain " << quietGain << ", loud gain " << loudGain;
    }
}

TEST_P(RenderInPrecision, RenderingAgainStartsFromTheSameState)
{
    const AudioBuffer input = testSignal(2);
    const AudioBuffer first = render(input);
    EXPECT_EQ(firstDifference(render(input), first), "") << "suspend and resume must reset every state";
}

TEST_P(RenderInPrecision, PowerOffCopiesTheInputAtSinglePrecision)
{
    effect.setParameter(0, 0.0f);
    const AudioBuffer input = testSignal(2);
    AudioBuffer expected = input;
    for (double& sample : expected.samples)
        sample = static_cast<double>(static_cast<float>(sample));
    EXPECT_EQ(firstDifference(render(input), expected), "");
}

TEST_F(LoadedEffect, SingleAndDoublePrecisionAgreeClosely)
{
    const AudioBuffer input = testSignal(2);
    const AudioBuffer single = renderOrFail(effect, input, 512, false);
    const AudioBuffer twice = renderOrFail(effect, input, 512, true);
    ASSERT_EQ(single.samples.size(), twice.samples.size());
    double largest = 0.0;
    for (size_t at = 0; at < single.samples.size(); ++at)
        largest = std::max(largest, std::fabs(single.samples[at] - twice.samples[at]));
    EXPECT_LT(largest, 1e-5) << "the single-precision path differs only by its rounding";
}

TEST_F(LoadedEffect, MeterShowsGainReductionWhileRunning)
{
    effect.suspend();
    effect.setSampleRate(44100.0f);
    effect.setBlockSize(4096);
    ASSERT_TRUE(effect.setSpeakerArrangement(2, 2));
    effect.resume();
    std::vector<float> left(4096), right(4096), outLeft(4096), outRight(4096);
    for (size_t i = 0; i < left.size(); ++i)
        left[i] = right[i] = (i % 2 == 0) ? 0.9f : -0.9f;
    float* inputs[] = {left.data(), right.data()};
    float* outputs[] = {outLeft.data(), outRight.data()};
    effect.process(inputs, outputs, 4096);
    const float meter = effect.getParameter(17);
    EXPECT_GT(meter, 0.0f);
    EXPECT_LT(meter, 0.9f) << "a loud block must pull the gain-reduction meter down";
    effect.suspend();
    EXPECT_EQ(effect.getParameter(17), 1.0f) << "suspend resets the meter";
}

TEST_F(LoadedEffect, SpeakerArrangementReplies)
{
    const struct
    {
        int32_t in, out;
        bool accepted;
    } cases[] = {{1, 1, true}, {1, 2, true}, {2, 2, true}, {2, 1, false}, {3, 3, false}, {0, 2, false}};
    for (const auto& c : cases)
        EXPECT_EQ(effect.setSpeakerArrangement(c.in, c.out), c.accepted) << c.in << " in, " << c.out << " out";
}

// Runs a stereo buffer through the effect with both channel pointers given, after the (1, 1) arrangement.
template <typename Sample>
AudioBuffer processAfterMonoArrangement(HostedEffect& effect, const AudioBuffer& input)
{
    effect.suspend();
    effect.setSampleRate(static_cast<float>(input.sampleRate));
    effect.setBlockSize(static_cast<int32_t>(input.frames()));
    EXPECT_TRUE(effect.setSpeakerArrangement(1, 1));
    effect.resume();
    const size_t frames = input.frames();
    std::vector<Sample> left(frames), right(frames), outLeft(frames), outRight(frames);
    for (size_t frame = 0; frame < frames; ++frame) {
        left[frame] = static_cast<Sample>(input.at(frame, 0));
        right[frame] = static_cast<Sample>(input.at(frame, 1));
    }
    Sample* inputs[] = {left.data(), right.data()};
    Sample* outputs[] = {outLeft.data(), outRight.data()};
    if constexpr (std::is_same_v<Sample, double>)
        effect.processDouble(inputs, outputs, static_cast<int32_t>(frames));
    else
        effect.process(inputs, outputs, static_cast<int32_t>(frames));
    effect.suspend();
    AudioBuffer output = input;
    for (size_t frame = 0; frame < frames; ++frame) {
        output.at(frame, 0) = outLeft[frame];
        output.at(frame, 1) = outRight[frame];
    }
    return output;
}

AudioBuffer channel(const AudioBuffer& buffer, int index)
{
    AudioBuffer mono;
    mono.channels = 1;
    mono.sampleRate = buffer.sampleRate;
    for (size_t frame = 0; frame < buffer.frames(); ++frame)
        mono.samples.push_back(buffer.at(frame, index));
    return mono;
}

TEST_P(RenderInPrecision, MonoArrangementCompressesOnlyTheLeftChannel)
{
    const AudioBuffer input = testSignal(2);
    const AudioBuffer output = doublePrecision() ? processAfterMonoArrangement<double>(effect, input)
                                                 : processAfterMonoArrangement<float>(effect, input);
    const size_t frames = input.frames();
    for (size_t frame = 0; frame < frames; ++frame) {
        const double right = doublePrecision() ? input.at(frame, 1) : static_cast<float>(input.at(frame, 1));
        // The right channel passes; only the output's denormal guard may touch its last bit.
        ASSERT_NEAR(output.at(frame, 1), right, 1e-15) << "frame " << frame;
    }
    const double loudLeftGain =
        e2e::rms(output, 0, frames / 2, 3 * frames / 4) / e2e::rms(input, 0, frames / 2, 3 * frames / 4);
    EXPECT_LT(loudLeftGain, 1.0) << "the left channel is still compressed";

    // Mono through the renderer: one channel, null second pointers. With the right gain fixed at 1 the left
    // result cannot depend on the right input, so it must match bit for bit.
    const AudioBuffer mono = render(channel(input, 0));
    EXPECT_EQ(firstDifference(mono, channel(output, 0)), "");
}

TEST_P(RenderInPrecision, StereoAfterMonoIsLinkedStereoAgain)
{
    const AudioBuffer input = testSignal(2);
    HostedEffect fresh;
    ASSERT_TRUE(fresh.load(e2e::kPluginPath)) << fresh.error();
    const AudioBuffer expected = renderOrFail(fresh, input, 512, doublePrecision());

    const AudioBuffer mono = render(channel(input, 0));
    const AudioBuffer stereo = render(input);
    EXPECT_EQ(firstDifference(stereo, expected), "");
    // The default program links both channels, so the stereo left differs from the mono left.
    EXPECT_NE(firstDifference(channel(stereo, 0), mono), "");
}

}  // namespace
