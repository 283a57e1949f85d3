// Reading the preset stream into the current program.
#include <gtest/gtest.h>

#include <cmath>

#include "StreamTestSupport.h"

using namespace streamtest;

TEST(PresetStreamRead, RoundTripReplacesOnlyTheCurrentProgram)
{
    Rig source(0.0f);
    source.effect->setCurrentProgram(5);
    const std::vector<uint8_t> stream = source.editor->writePresetStream();

    Rig target(0.25f);
    target.effect->setCurrentProgram(9);
    target.forget();
    std::vector<uint8_t> expected = target.bankBytes();
    ASSERT_TRUE(readStream(*target.editor, Stream::Preset, stream));

    const ProgramRecord& templ = target.effect->templateProgram();
    const ProgramRecord& from = *source.effect->program(5);
    const ProgramRecord& to = *target.effect->program(9);
    EXPECT_EQ(nameOf(to), "S0.00 Prog 05");
    for (int32_t i = 0; i < kProgramParams; ++i)
        EXPECT_EQ(to.values[i], isExcluded(i) ? templ.values[i] : from.values[i]) << i;
    std::memcpy(expected.data() + 9 * sizeof(ProgramRecord), &to, sizeof(ProgramRecord));
    EXPECT_EQ(target.bankBytes(), expected) << "no other program changes";

    EXPECT_EQ(target.editor->calls,
              (std::vector<std::string>{"rename 9 S0.00 Prog 05", "show S0.00 Prog 05"}));
    EXPECT_EQ(target.effect->renamed, std::vector<std::string>{"S0.00 Prog 05"});
    EXPECT_EQ(target.effect->selected, std::vector<int32_t>{9});
}

TEST(PresetStreamRead, SwappedStreamGivesTheSameProgram)
{
    Rig source(0.0f);
    source.effect->setCurrentProgram(2);
    const std::vector<uint8_t> native = source.editor->writePresetStream();
    Rig fromNative(0.25f), fromSwapped(0.25f);
    ASSERT_TRUE(readStream(*fromNative.editor, Stream::Preset, native));
    ASSERT_TRUE(readStream(*fromSwapped.editor, Stream::Preset, swappedStream(native), true));
    EXPECT_EQ(fromSwapped.bankBytes(), fromNative.bankBytes());
}

TEST(PresetStreamRead, ValueOutsideZeroToOneCancelsAndRestoresTheProgram)
{
    for (float bad : {1.5f, -0.1f, std::nanf("")}) {
        Rig rig(0.25f);
        rig.effect->setCurrentProgram(6);
        rig.forget();
        const std::vector<uint8_t> before = rig.bankBytes();
        const std::vector<uint8_t> stream =
            RecordBuilder().name(0, "Incoming").parameter(0, 0, 0.5f).parameter(0, 1, bad).stream(0x22);
        testing::internal::CaptureStderr();
        EXPECT_FALSE(readStream(*rig.editor, Stream::Preset, stream)) << bad;
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "") << "cancelled without a report";
        EXPECT_EQ(rig.bankBytes(), before) << bad;
        EXPECT_TRUE(rig.effect->selected.empty());
        EXPECT_TRUE(rig.effect->renamed.empty());
        // The menu entry took the incoming name and is given the program's own name back.
        EXPECT_EQ(rig.editor->calls,
                  (std::vector<std::string>{"rename 6 Incoming", "rename 6 S0.25 Prog 06"}));
    }
}

TEST(PresetStreamRead, NegativeRecordCountLeavesTheProgramAlone)
{
    Rig rig(0.25f);
    rig.effect->setCurrentProgram(6);
    rig.forget();
    const std::vector<uint8_t> before = rig.bankBytes();
    std::vector<uint8_t> stream = RecordBuilder().name(0, "Incoming").stream(0x22);
    putLe32(stream, kRecordCountAt, uint32_t(-1));
    EXPECT_FALSE(readStream(*rig.editor, Stream::Preset, stream));
    EXPECT_TRUE(rig.untouchedSince(before));
}

TEST(PresetStreamRead, ReadsIndicesAndTypesItKnowsAndIgnoresTheProgramField)
{
    Rig rig(0.25f);
    rig.effect->setCurrentProgram(1);
    const ProgramRecord templ = rig.effect->templateProgram();
    const std::vector<uint8_t> stream = RecordBuilder()
                                            .name(33, "Any index")
                                            .parameter(40, 0, 0.5f)      // the program field is not read
                                            .parameter(0, 16, 2.0f)      // skipped before its value is looked at
                                            .parameter(0, -3, 0.5f)
                                            .parameter(0, 1, 0.5f, 2)    // auxiliary record
                                            .parameter(0, 2, 0.5f, 1, 8) // too short
                                            .stream(0x22);
    ASSERT_TRUE(readStream(*rig.editor, Stream::Preset, stream));
    const ProgramRecord& program = *rig.effect->program(1);
    EXPECT_EQ(nameOf(program), "Any index");
    EXPECT_EQ(program.values[0], 0.5f);
    for (int32_t i = 1; i < kProgramParams; ++i)
        EXPECT_EQ(program.values[i], templ.values[i]) << i;
}

TEST(PresetStreamRead, StreamWithoutANameGivesTheProgramTheTemplateName)
{
    Rig rig(0.25f);
    rig.effect->setCurrentProgram(8);
    ASSERT_TRUE(readStream(*rig.editor, Stream::Preset, RecordBuilder().parameter(0, 0, 0.5f).stream(0x22)));
    EXPECT_EQ(nameOf(*rig.effect->program(8)), "S0.25 Prog 00");
    EXPECT_EQ(rig.effect->program(8)->values[0], 0.5f);
}
