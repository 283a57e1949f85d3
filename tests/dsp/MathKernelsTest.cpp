// The four- and eight-lane maths against the two-lane maths every processor runs: the same bits for every value, nothing
// touched past a row's end, and the same renders through the whole loop. The two-lane render is also shared with
// the Windows builds (see ReferenceFiles.h), so both choices are compared there too.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "effect/dsp/CompressorCore.h"
#include "effect/dsp/EnvelopeDetector.h"
#include "effect/dsp/MathKernels.h"
#include "tests/dsp/TestSignals.h"
#include "tests/support/ReferenceFiles.h"

namespace
{
bool sameBits(double a, double b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// Inputs of every kind the kernels meet, and some they should survive: signed zeros, tiny and huge values, values
// on both sides of the output factor's threshold, and programme-like samples.
std::vector<double> awkwardValues()
{
    std::vector<double> v = {0.0, -0.0, 1e-300, -1e-300, 1e-4, -1e-4, 1.0000001e-4, -1.0000001e-4, 0.5, -0.5, 1.0,
                             -1.0, 3.0, -3.0, 25.0, -25.0, 1e6, -1e6, std::numeric_limits<double>::max(),
                             std::numeric_limits<double>::denorm_min()};
    std::mt19937 rng(5u);
    std::uniform_real_distribution<double> unit(-1.0, 1.0);
    for (int i = 0; i < 4000; ++i)
        v.push_back(unit(rng) * std::pow(10.0, 4.0 * unit(rng)));
    return v;
}

// Exponents the ratio shape gives, 0 to 1.
std::vector<double> exponentsFor(size_t count)
{
    std::vector<double> a(count);
    for (size_t i = 0; i < count; ++i)
        a[i] = static_cast<double>(i % 21) / 20.0;
    return a;
}

constexpr double kGuard = 12345.678;

// Each wider build the processor runs, by its number of lanes.
class WideKernels : public ::testing::TestWithParam<int>
{
protected:
    static const dsp::MathKernels* kernelsOf(int lanes)
    {
        return lanes == 4 ? dsp::fourLaneMathKernels() : dsp::eightLaneMathKernels();
    }

    void SetUp() override
    {
        if (kernelsOf(GetParam()) == nullptr)
            GTEST_SKIP() << "this processor has no " << (GetParam() == 4 ? "AVX2" : "AVX-512");
    }

    const dsp::MathKernels& baseline = dsp::baselineMathKernels();
    const dsp::MathKernels& wide = kernelsOf(GetParam()) != nullptr ? *kernelsOf(GetParam()) : baseline;
};

INSTANTIATE_TEST_SUITE_P(Lanes, WideKernels, ::testing::Values(4, 8));

// Each row kernel over rows of every length up to a few batches and one long row, starting at every offset within a
// batch: the same bits as the baseline, and the guard past the row untouched.
TEST_P(WideKernels, RowsGiveTheBaselineBitsAndStayInsideTheRow)
{
    const std::vector<double> values = awkwardValues();
    const std::vector<double> follow = [&] {
        std::vector<double> s(values.size());
        for (size_t i = 0; i < s.size(); ++i)
            s[i] = values[values.size() - 1 - i] * 1e-3;
        return s;
    }();
    // A row kernel of a table; follow is the output factor's second row.
    struct Kernel
    {
        const char* name;
        void (*run)(const dsp::MathKernels&, double* row, const double* follow, int32_t count);
    };
    const Kernel kernels[] = {
        {"saturate", [](const dsp::MathKernels& k, double* r, const double*, int32_t n) { k.saturate(r, n); }},
        {"applyOutputFactor", [](const dsp::MathKernels& k, double* r, const double* s, int32_t n) {
             k.applyOutputFactor(r, s, n);
         }},
    };
    for (const Kernel& kernel : kernels)
    {
        for (int32_t count : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 13, 15, 16, 17, 23, static_cast<int32_t>(values.size()) - 8})
        {
            for (int32_t offset = 0; offset < 8; ++offset)
            {
                std::vector<double> a(values.begin() + offset, values.begin() + offset + count);
                std::vector<double> b = a;
                a.push_back(kGuard);
                b.push_back(kGuard);
                kernel.run(wide, a.data(), follow.data() + offset, count);
                kernel.run(baseline, b.data(), follow.data() + offset, count);
                for (int32_t i = 0; i < count; ++i)
                    ASSERT_TRUE(sameBits(a[i], b[i]))
                        << kernel.name << " of " << values[offset + i] << ": " << a[i] << " against " << b[i];
                EXPECT_EQ(a[count], kGuard) << kernel.name << " wrote past a row of " << count;
            }
        }
    }
}

// Levels for every count a call may bring, more than computed side by side included: each equals the level computed
// alone, and nothing past the count is written.
TEST_P(WideKernels, LevelsGiveTheBitsOfOneLevelAlone)
{
    std::vector<double> d = awkwardValues();
    for (double& x : d)
        x = std::fabs(x) * 3.0;
    const std::vector<double> a = exponentsFor(d.size());
    for (const dsp::MathKernels* kernels : {&wide, &baseline})
    {
        for (int32_t count : {0, 1, 2, 3, 4, 5, 7, 8, 9, 10, 15, 16, 17, 31, 32, 33, 41})
        {
            for (size_t first = 0; first + static_cast<size_t>(count) < d.size(); first += 97)
            {
                std::vector<double> q(static_cast<size_t>(count) + 1, kGuard);
                kernels->detectorLevels(d.data() + first, a.data() + first, q.data(), count);
                for (int32_t i = 0; i < count; ++i)
                {
                    const double alone = dsp::detectorLevel(d[first + i], a[first + i]);
                    ASSERT_TRUE(sameBits(q[i], alone)) << kernels->name << ": d " << d[first + i] << " a "
                                                       << a[first + i] << ": " << q[i] << " against " << alone;
                }
                EXPECT_EQ(q[count], kGuard) << kernels->name << " wrote past " << count << " levels";
            }
        }
    }
}

// Renders of the whole loop with the given kernels: several settings, both precisions, varied blocks.
struct Setting
{
    const char* name;
    void (*edit)(reference::Parameters&);
    bool stereo;
};

const Setting kSettings[] = {
    {"default", [](reference::Parameters&) {}, true},
    {"unlinked", [](reference::Parameters& p) { p.link = 0.0f; }, true},
    {"left only", [](reference::Parameters& p) { p.channel = 0.0f; }, true},
    {"right only", [](reference::Parameters& p) { p.channel = 1.0f; }, true},
    {"mono", [](reference::Parameters&) {}, false},
    {"filtered, blended", [](reference::Parameters& p) {
         p.sideChainFilterOn = 1.0f;
         p.blendOn = 1.0f;
         p.blend = 0.4f;
     }, true},
    {"heavy, fast", [](reference::Parameters& p) {
         p.threshold = 0.0f;
         p.makeup = 1.0f;
         p.attack = 0.0f;
         p.release = 0.0f;
         p.ratio = 1.0f;
     }, true},
};

template <typename Sample>
void renderSetting(const Setting& setting, const std::vector<double>& left, const std::vector<double>& right,
                   std::vector<double>& rendered)
{
    reference::Parameters p = testsignals::defaultProgram();
    setting.edit(p);
    CompressorCore core = testsignals::preparedCore(p);
    std::vector<Sample> inL(left.begin(), left.end());
    std::vector<Sample> inR(right.begin(), right.end());
    std::vector<Sample> outL(left.size());
    std::vector<Sample> outR(left.size());
    const int blocks[] = {512, 1, 37, 64, 65, 700};
    const int frames = static_cast<int>(left.size());
    for (int offset = 0, block = 0; offset < frames; ++block)
    {
        const int n = std::min(blocks[block % 6], frames - offset);
        Sample* in[2] = {inL.data() + offset, inR.data() + offset};
        Sample* out[2] = {outL.data() + offset, outR.data() + offset};
        core.process(in, out, n, setting.stereo);
        offset += n;
    }
    rendered.insert(rendered.end(), outL.begin(), outL.end());
    rendered.insert(rendered.end(), outR.begin(), outR.end());
    rendered.push_back(core.meterValue());
}

std::vector<double> render(const dsp::MathKernels& kernels, const std::vector<double>& left,
                           const std::vector<double>& right)
{
    const dsp::MathKernels& before = dsp::mathKernels();
    dsp::useMathKernels(kernels);
    std::vector<double> rendered;
    for (const Setting& setting : kSettings)
    {
        renderSetting<double>(setting, left, right, rendered);
        renderSetting<float>(setting, left, right, rendered);
    }
    dsp::useMathKernels(before);
    return rendered;
}

size_t differing(const std::vector<double>& a, const std::vector<double>& b)
{
    size_t count = a.size() > b.size() ? a.size() - b.size() : b.size() - a.size();
    for (size_t i = 0; i < a.size() && i < b.size(); ++i)
        count += sameBits(a[i], b[i]) ? 0 : 1;
    return count;
}

constexpr int kFrames = 22050;

// Where the 32-bit programs run under qemu's emulator (cmake/run-x86 says so), the wide builds' renders are not
// compared: the emulator's AVX2 gives other bits for the same program. A 64-bit build whose four-lane render equals
// the two-lane one on the processor differs under qemu-x86_64 as well, in one channel of the unlinked setting.
TEST_P(WideKernels, TheLoopRendersTheSameBitsWithEither)
{
    if (std::getenv("QOR_EMULATED_PROCESSOR") != nullptr)
        GTEST_SKIP() << "an emulated processor: its wide instructions are not compared";
    const std::vector<double> left = testsignals::bursts(kFrames, 44100.0, 220.0, 11u);
    const std::vector<double> right = testsignals::bursts(kFrames, 44100.0, 331.0, 23u);
    EXPECT_EQ(differing(render(wide, left, right), render(baseline, left, right)), 0u);
}

// The two-lane render, shared between builds; the native build writes it, with its input, since each C runtime
// rounds the test signal's sin and exp its own way.
TEST(TwoLaneReferenceRender, MatchesTheNativeBuild)
{
    const referencefiles::Exchange exchange;
    if (!exchange.active())
        GTEST_SKIP() << "no reference folder given";
    const std::vector<double> left =
        exchange.samples("kernels-input-left.f64", testsignals::bursts(kFrames, 44100.0, 220.0, 11u));
    const std::vector<double> right =
        exchange.samples("kernels-input-right.f64", testsignals::bursts(kFrames, 44100.0, 331.0, 23u));
    ASSERT_EQ(left.size(), static_cast<size_t>(kFrames));
    ASSERT_EQ(right.size(), static_cast<size_t>(kFrames));
    const std::vector<double> rendered = render(dsp::baselineMathKernels(), left, right);
    const std::vector<double> reference = exchange.samples("kernels-two-lanes.f64", rendered);
    const size_t different = differing(rendered, reference);
    std::printf("reference comparison (two-lane maths): %zu of %zu values differ\n", different, rendered.size());
    EXPECT_EQ(different, 0u);
}
}  // namespace
