// The same renders, bit for bit, and the same chunk from every build of the plug-in (see ReferenceFiles.h). Without a
// reference folder the test has nothing to do.
#include "E2eSupport.h"

#include "hosts/vst2/ProgramSelection.h"
#include "tests/support/ReferenceFiles.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

namespace {

using e2e::LoadedEffect;

using referencefiles::asBytes;
using referencefiles::asSamples;

class ReferenceRender : public LoadedEffect
{
protected:
    void SetUp() override
    {
        if (!exchange_.active())
            GTEST_SKIP() << "no reference folder given";
        LoadedEffect::SetUp();
    }

    // Writes or compares; answers the reference when comparing.
    std::vector<uint8_t> exchange(const std::string& name, const std::vector<uint8_t>& bytes)
    {
        return exchange_(name, bytes);
    }

    // The test signal as the native build made it: each C runtime rounds its sin differently, and what is compared
    // is the effect's output alone.
    vst2host::AudioBuffer sharedInput(int channels)
    {
        vst2host::AudioBuffer input = e2e::testSignal(channels, 11025);
        const std::vector<double> samples =
            asSamples(exchange("input-" + std::to_string(channels) + ".f64", asBytes(input.samples)));
        EXPECT_EQ(samples.size(), input.samples.size());
        if (samples.size() == input.samples.size())
            input.samples = samples;
        return input;
    }

    referencefiles::Exchange exchange_;
};

// Several programs, both precisions, stereo and mono: every path of the loop has been through the same samples.
TEST_F(ReferenceRender, OutputMatchesTheNativeBuild)
{
    const vst2host::AudioBuffer inputs[] = {sharedInput(2), sharedInput(1)};
    std::vector<double> rendered;
    for (const char* program : {"Default", "Density", "Power of Blend", "Squeezer", "Destructor", "Magnetizer"}) {
        std::string error;
        ASSERT_TRUE(vst2host::selectProgram(effect, program, error)) << error;
        for (const vst2host::AudioBuffer& input : inputs) {
            for (bool doublePrecision : {true, false}) {
                const vst2host::AudioBuffer output = e2e::renderOrFail(effect, input, 256, doublePrecision);
                rendered.insert(rendered.end(), output.samples.begin(), output.samples.end());
            }
        }
    }
    const std::vector<double> reference = asSamples(exchange("render.f64", asBytes(rendered)));
    ASSERT_EQ(reference.size(), rendered.size());

    double worstRelative = 0.0, worstAbsolute = 0.0;
    size_t different = 0;
    for (size_t i = 0; i < rendered.size(); ++i) {
        const double difference = std::fabs(rendered[i] - reference[i]);
        if (difference != 0.0)
            ++different;
        worstAbsolute = std::max(worstAbsolute, difference);
        if (std::fabs(reference[i]) > 1e-6)
            worstRelative = std::max(worstRelative, difference / std::fabs(reference[i]));
    }
    RecordProperty("samples", std::to_string(rendered.size()));
    RecordProperty("different", std::to_string(different));
    std::printf("reference comparison: %zu of %zu samples differ; largest difference %.3g absolute, %.3g relative\n",
                different, rendered.size(), worstAbsolute, worstRelative);
    // Every build computes its transcendental functions with the same code, so a session renders the same bits
    // everywhere: a single differing sample is a fault.
    EXPECT_EQ(different, 0u);
}

TEST_F(ReferenceRender, ChunkIsByteIdentical)
{
    std::string error;
    ASSERT_TRUE(vst2host::selectProgram(effect, "Vocal Slow", error)) << error;
    effect.setParameter(8, 0.3125f);
    effect.setParameter(13, 0.4f);
    char name[] = "Shared Bank";
    effect.dispatch(4, 0, 0, name);
    const std::vector<uint8_t> chunk = effect.getChunk();
    ASSERT_EQ(chunk.size(), 8u + 26537u);
    EXPECT_TRUE(exchange("chunk.bin", chunk) == chunk) << "the chunk differs from the native build's";
}

}  // namespace
