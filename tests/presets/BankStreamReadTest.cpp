// Reading the bank stream: what lands in the bank, what the strip is told, and when a load is cancelled.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "StreamTestSupport.h"

using namespace streamtest;

namespace {

// The bank of `source` as `target` must hold it after a load: names and preset values from the source, the
// parameters presets do not carry from the target's template.
void expectBankLoaded(StreamTestEffect& source, StreamTestEffect& target)
{
    const ProgramRecord& templ = target.templateProgram();
    for (int32_t p = 0; p < kBankPrograms; ++p) {
        const ProgramRecord& from = *source.program(p);
        const ProgramRecord& to = *target.program(p);
        EXPECT_EQ(nameOf(to), nameOf(from)) << "program " << p;
        for (int32_t i = 0; i < kProgramParams; ++i)
            EXPECT_EQ(to.values[i], isExcluded(i) ? templ.values[i] : from.values[i]) << "program " << p << " " << i;
    }
}

}  // namespace

TEST(BankStreamRead, RoundTripLoadsEveryProgramAndSelectsTheCurrentOne)
{
    Rig source(0.0f);
    source.effect->setCurrentProgram(7);
    const std::vector<uint8_t> stream = source.editor->writeBankStream();

    Rig target(0.5f);
    ASSERT_TRUE(readStream(*target.editor, Stream::Bank, stream));
    expectBankLoaded(*source.effect, *target.effect);
    EXPECT_EQ(target.effect->getCurrentProgramIndex(), 7);
    EXPECT_EQ(target.effect->selected, std::vector<int32_t>{7});

    // Each name record selects and renames its menu entry; then the current program is selected and shown.
    const std::vector<std::string>& calls = target.editor->calls;
    ASSERT_EQ(calls.size(), 2u * 48 + 2);
    EXPECT_EQ(calls[0], "select 0");
    EXPECT_EQ(calls[1], "rename 0 S0.00 Prog 00");
    EXPECT_EQ(calls[95], "rename 47 S0.00 Prog 47");
    EXPECT_EQ(calls[96], "select 7");
    EXPECT_EQ(calls[97], "show S0.00 Prog 07");
}

TEST(BankStreamRead, SwappedStreamGivesTheSameBankAsNativeOrder)
{
    Rig source(0.0f);
    source.effect->setCurrentProgram(3);
    const std::vector<uint8_t> native = source.editor->writeBankStream();
    const std::vector<uint8_t> swapped = swappedStream(native);
    ASSERT_NE(native, swapped);

    Rig fromNative(0.25f), fromSwapped(0.25f);
    ASSERT_TRUE(readStream(*fromNative.editor, Stream::Bank, native));
    ASSERT_TRUE(readStream(*fromSwapped.editor, Stream::Bank, swapped, true));
    EXPECT_EQ(fromSwapped.bankBytes(), fromNative.bankBytes());
    expectBankLoaded(*source.effect, *fromSwapped.effect);
    EXPECT_EQ(fromSwapped.effect->getCurrentProgramIndex(), 3);
}

TEST(BankStreamRead, CurrentProgramOutsideTheBankSelectsProgramZero)
{
    for (int32_t current : {60, 48, -1, std::numeric_limits<int32_t>::min()}) {
        Rig source;
        std::vector<uint8_t> stream = source.editor->writeBankStream();
        putLe32(stream, kCurrentProgramAt, uint32_t(current));
        Rig target(0.25f);
        target.effect->setCurrentProgram(12);
        target.forget();
        ASSERT_TRUE(readStream(*target.editor, Stream::Bank, stream)) << current;
        EXPECT_EQ(target.effect->selected, std::vector<int32_t>{0}) << current;
        EXPECT_EQ(target.editor->menuSelected, 0);
    }
}

TEST(BankStreamRead, ParameterRecordBeforeTheNameRecordIsLost)
{
    Rig rig(0.25f);
    const ProgramRecord& templ = rig.effect->templateProgram();
    const std::vector<uint8_t> stream =
        RecordBuilder().parameter(5, 0, 0.9f).name(5, "Late name").parameter(5, 1, 0.8f).stream('8', 5);
    ASSERT_TRUE(readStream(*rig.editor, Stream::Bank, stream));
    const ProgramRecord& program = *rig.effect->program(5);
    EXPECT_EQ(nameOf(program), "Late name");
    EXPECT_EQ(program.values[0], templ.values[0]) << "reset by the name record that came after it";
    EXPECT_EQ(program.values[1], 0.8f);
    EXPECT_EQ(program.values[2], templ.values[2]);
    // Programs the stream does not name keep what they had.
    EXPECT_EQ(nameOf(*rig.effect->program(6)), "S0.25 Prog 06");
}

TEST(BankStreamRead, NaNCancelsTheLoadAndLeavesTheBankAsItWas)
{
    Rig source(0.0f);
    std::vector<uint8_t> stream = source.editor->writeBankStream();
    // Program 10's third parameter record.
    putLeFloat(stream, 41 + 10 * 552 + 168 + 2 * 32 + 24, std::nanf(""));

    Rig target(0.25f);
    target.effect->setCurrentProgram(4);
    target.forget();
    const std::vector<uint8_t> before = target.bankBytes();
    EXPECT_FALSE(readStream(*target.editor, Stream::Bank, stream));
    EXPECT_EQ(target.bankBytes(), before) << "names and values restored";
    EXPECT_TRUE(target.effect->selected.empty());
    EXPECT_EQ(target.effect->getCurrentProgramIndex(), 4);

    // The menu entries renamed before the NaN get the bank's names back and the current entry is selected again.
    for (int32_t p = 0; p <= 10; ++p)
        EXPECT_EQ(target.editor->menuNames[p], nameOf(*target.effect->program(p))) << p;
    EXPECT_EQ(target.editor->menuNames.count(11), 0u);
    EXPECT_EQ(target.editor->menuSelected, 4);
    EXPECT_EQ(target.editor->shownName, "");
}

TEST(BankStreamRead, OutOfRangeValuesAreClampedAndReported)
{
    Rig rig;
    const std::vector<uint8_t> stream = RecordBuilder()
                                            .name(2, "Hot")
                                            .parameter(2, 0, 1.5f)
                                            .parameter(2, 1, -0.5f)
                                            .parameter(2, 2, 1.0f)
                                            .stream('8', 2);
    testing::internal::CaptureStderr();
    ASSERT_TRUE(readStream(*rig.editor, Stream::Bank, stream));
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Invalid parameter 0 value 1.500000 on load of preset 2 Hot\n"
              "Invalid parameter 1 value -0.500000 on load of preset 2 Hot\n");
    EXPECT_EQ(rig.effect->program(2)->values[0], 1.0f);
    EXPECT_EQ(rig.effect->program(2)->values[1], 0.0f);
    EXPECT_EQ(rig.effect->program(2)->values[2], 1.0f);
}

TEST(BankStreamRead, RecordsItCannotPlaceAreSkipped)
{
    Rig rig(0.25f);
    const std::vector<uint8_t> before = rig.bankBytes();
    const std::vector<uint8_t> stream = RecordBuilder()
                                            .parameter(3, 16, 0.5f)                   // index above 15
                                            .parameter(3, -1, 0.5f)                   // negative index
                                            .parameter(48, 0, 0.5f)                   // program past the bank
                                            .name(-1, "Nowhere")                      // negative program
                                            .raw(7, 40, 3, std::vector<uint8_t>(40))  // unknown type
                                            .parameter(3, 0, 0.5f, 2)                 // auxiliary type in a bank
                                            .parameter(3, 5, 0.125f)                  // the one record that lands
                                            .stream('8', 0);
    ASSERT_TRUE(readStream(*rig.editor, Stream::Bank, stream));
    std::vector<uint8_t> expected = before;
    ProgramRecord* program = reinterpret_cast<ProgramRecord*>(expected.data()) + 3;
    program->values[5] = 0.125f;
    EXPECT_EQ(rig.bankBytes(), expected);
}

TEST(BankStreamRead, RecordsTooShortForTheirTypeAreSkippedByTheirLength)
{
    Rig rig(0.25f);
    const ProgramRecord before = *rig.effect->program(4);
    const std::vector<uint8_t> stream = RecordBuilder()
                                            .name(4, "Short name", 20)  // too short for 24 name bytes
                                            .parameter(4, 0, 0.75f, 1, 12)
                                            .parameter(4, 1, 0.75f, 1, 15)
                                            .parameter(4, 2, 0.75f, 1, 16)  // just long enough for the value
                                            .stream('8', 0);
    ASSERT_TRUE(readStream(*rig.editor, Stream::Bank, stream));
    const ProgramRecord& program = *rig.effect->program(4);
    EXPECT_EQ(nameOf(program), nameOf(before)) << "not reset, not renamed";
    EXPECT_EQ(program.values[0], before.values[0]);
    EXPECT_EQ(program.values[1], before.values[1]);
    EXPECT_EQ(program.values[2], 0.75f);
    EXPECT_EQ(rig.editor->menuNames.count(4), 0u);
}

TEST(BankStreamRead, NameOfTwentyFourCharactersKeepsItsTerminator)
{
    Rig rig;
    const std::vector<uint8_t> stream = RecordBuilder().name(1, "ABCDEFGHIJKLMNOPQRSTUVWX").stream('8', 1);
    ASSERT_TRUE(readStream(*rig.editor, Stream::Bank, stream));
    EXPECT_EQ(nameOf(*rig.effect->program(1)), "ABCDEFGHIJKLMNOPQRSTUVW");
    EXPECT_EQ(rig.editor->menuNames[1], "ABCDEFGHIJKLMNOPQRSTUVW");
    EXPECT_EQ(rig.editor->shownName, "ABCDEFGHIJKLMNOPQRSTUVW");
}
