#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <utility>
#include <vector>

#include "tests/effect/EffectFixture.h"

class ParameterTest : public EffectFixture
{
};

TEST_F(ParameterTest, ValuesAreClampedNeverRefused)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const struct
    {
        float in, stored;
    } cases[] = {{1.7f, 1.0f}, {nan, 0.0f}, {-0.2f, 0.0f}, {0.25f, 0.25f}, {1.0f, 1.0f}, {-0.0f, 0.0f},
                 {std::numeric_limits<float>::infinity(), 1.0f}};
    for (const auto& c : cases) {
        set(8, c.in);
        EXPECT_EQ(get(8), c.stored) << c.in;
        float program[16];
        std::memcpy(program, effect->program(effect->getCurrentProgramIndex())->values, sizeof program);
        EXPECT_EQ(program[8], c.stored) << c.in;
    }
}

TEST_F(ParameterTest, PowerIsCommonToAllProgramsAndSwitchesTheCore)
{
    set(0, 0.3f);
    EXPECT_FLOAT_EQ(get(0), 0.3f);
    EXPECT_EQ(effect->core().power(), 0);
    for (int32_t p = 0; p < kBankPrograms; ++p)
        EXPECT_FLOAT_EQ(effect->program(p)->values[0], 0.3f) << p;
    EXPECT_EQ(display(0), "Out");
    set(0, 0.5f);
    EXPECT_EQ(effect->core().power(), 1);
    EXPECT_EQ(display(0), "In");
}

TEST_F(ParameterTest, PowerOffCopiesTheInput)
{
    set(0, 0.0f);
    float left[4] = {0.5f, -0.25f, 0.1f, 1.5f}, right[4] = {0.2f, 0.3f, -0.4f, 0.0f};
    float outL[4], outR[4];
    float* in[2] = {left, right};
    float* out[2] = {outL, outR};
    record->processReplacing(record, in, out, 4);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(outL[i], left[i]);
        EXPECT_EQ(outR[i], right[i]);
    }
}

// Two input pointers to one row are one channel: the block takes the mono path, as under a mono arrangement, and
// only the left channel is compressed, whatever the channel choice says.
TEST_F(ParameterTest, InputsOnTheSameRowTakeTheMonoPath)
{
    constexpr int32_t kFrames = 2048;
    std::vector<float> signal(kFrames);
    for (int32_t i = 0; i < kFrames; ++i)
        signal[static_cast<size_t>(i)] = 0.9f * static_cast<float>(std::sin(0.05 * i));

    enum class Road { SameRow, MonoArrangement, Stereo };
    auto run = [&](QorFETcomp& effect, Road road) {
        EffectRecord* r = effect.getRecord();
        r->setParameter(r, 9, 1.0f);  // the right channel only, in stereo
        r->setParameter(r, 8, 0.0f);
        r->setParameter(r, 6, 1.0f);
        if (road == Road::MonoArrangement) {
            SpeakerArrangement mono{};
            mono.numChannels = 1;
            r->dispatcher(r, 42, 0, reinterpret_cast<intptr_t>(&mono), &mono, 0.0f);
        }
        std::vector<float> left = signal, right = signal, outL(kFrames), outR(kFrames);
        float* in[2] = {left.data(), road == Road::SameRow ? left.data() : right.data()};
        float* out[2] = {outL.data(), outR.data()};
        r->processReplacing(r, in, out, kFrames);
        return std::make_pair(outL, outR);
    };
    auto other = [] { return std::unique_ptr<QorFETcomp>(new QorFETcomp(&TestHost::callback)); };
    const auto sameRow = run(*effect, Road::SameRow);
    const auto mono = run(*other(), Road::MonoArrangement);
    const auto stereo = run(*other(), Road::Stereo);

    EXPECT_EQ(sameRow.first, mono.first);
    EXPECT_EQ(sameRow.second, mono.second);
    EXPECT_EQ(sameRow.second, signal) << "the right channel passes as it came";
    EXPECT_NE(sameRow.first, signal) << "the left channel is compressed";
    EXPECT_EQ(stereo.first, signal) << "in stereo the choice of the right channel leaves the left alone";
    EXPECT_NE(stereo.second, signal);
}

TEST_F(ParameterTest, MeterAndOutOfRangeIndices)
{
    EXPECT_EQ(get(17), static_cast<float>(effect->core().meterValue()));
    EXPECT_EQ(get(16), 0.0f);
    EXPECT_EQ(get(-1), 0.0f);
    EXPECT_EQ(get(1000), 0.0f);
    set(16, 0.5f);  // ignored, must not touch anything
    set(-3, 0.5f);
    EXPECT_EQ(text(8, 16), "");
    EXPECT_EQ(display(16), "");
}

TEST_F(ParameterTest, MeterShowsGainReductionWhileCompressing)
{
    std::vector<double> left(4096), right(4096), outL(4096), outR(4096);
    for (size_t i = 0; i < left.size(); ++i)
        left[i] = right[i] = 0.9 * std::sin(0.05 * static_cast<double>(i));
    double* in[2] = {left.data(), right.data()};
    double* out[2] = {outL.data(), outR.data()};
    record->processDoubleReplacing(record, in, out, 4096);
    EXPECT_LT(get(17), 0.99f);
    EXPECT_GT(get(17), 0.0f);
}

TEST_F(ParameterTest, SelectingAProgramClampsItsValues)
{
    ProgramRecord* target = effect->program(5);
    target->values[8] = 2.0f;
    target->values[10] = std::numeric_limits<float>::quiet_NaN();
    target->values[13] = -1.0f;
    effect->setCurrentProgram(5);
    EXPECT_EQ(get(8), 1.0f);
    EXPECT_EQ(get(10), 0.0f);
    EXPECT_EQ(get(13), 0.0f);
    // The stored program keeps what it held: selection only reads it.
    EXPECT_EQ(target->values[8], 2.0f);
}

TEST_F(ParameterTest, ChangesWriteIntoTheCurrentProgramOnly)
{
    effect->setCurrentProgram(3);
    set(6, 0.125f);
    EXPECT_EQ(effect->program(3)->values[6], 0.125f);
    EXPECT_NE(effect->program(2)->values[6], 0.125f);
}

TEST_F(ParameterTest, ProgramChangeNotifiesTheHost)
{
    TestHost::instance().reset();
    effect->setCurrentProgram(9);
    std::vector<HostCall> calls = TestHost::instance().calls();
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_EQ(calls[0].opcode, 42);
    EXPECT_EQ(calls[1].opcode, 43);
    EXPECT_EQ(calls[2].opcode, 44);
    EXPECT_EQ(text(5, 0), "N.Y. Drums");
}

TEST_F(ParameterTest, AutomatedSetReachesTheHostAfterTheChange)
{
    TestHost::instance().reset();
    effect->setParameterAutomated(8, 0.75f);
    std::vector<HostCall> calls = TestHost::instance().calls();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].opcode, 0);
    EXPECT_EQ(calls[0].index, 8);
    EXPECT_EQ(calls[0].opt, 0.75f);
    EXPECT_EQ(get(8), 0.75f);
}

TEST_F(ParameterTest, FactoryBankAsSelectedAtConstruction)
{
    EXPECT_EQ(display(8), "-6.0");
    EXPECT_EQ(display(10), "6.0");
    EXPECT_EQ(display(6), "4.0:1");
    EXPECT_EQ(display(13), "75.0");
    EXPECT_EQ(display(9), "OO");
    EXPECT_EQ(display(11), "Linked");
    EXPECT_EQ(display(12), "Off");
    EXPECT_EQ(display(4), "Off");
    EXPECT_EQ(display(0), "In");
    const ProgramRecord* last = effect->program(47);
    EXPECT_STREQ(last->name, "Init");
    EXPECT_EQ(last->values[13], 1.0f);
    EXPECT_EQ(effect->templateProgram().values[13], 0.75f);
    EXPECT_STREQ(effect->templateProgram().name, "Default");
}
