// The streams of the compressor itself, through its own editor.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>

#include "StreamTestSupport.h"
#include "effect/QorFETcomp.h"

using namespace streamtest;

TEST(CompressorStreams, HaveTheirFixedSizes)
{
    QorFETcomp effect(nullptr);
    CPresetSystemEditor* editor = effect.presetEditor();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->writeBankStream().size(), 26537u);
    EXPECT_EQ(editor->writePresetStream().size(), 593u);
    EXPECT_EQ(editor->writeAuxStream().size(), 425u);
}

TEST(CompressorStreams, BankWrittenByOneInstanceReadsIntoAnother)
{
    QorFETcomp source(nullptr);
    ProgramRecord* records = source.bank();
    ASSERT_NE(records, nullptr);
    for (int32_t p = 0; p < kBankPrograms; ++p) {
        ProgramRecord& program = records[p];
        // Names are NUL-padded in the bank, as every road in leaves them.
        std::memset(program.name, 0, sizeof program.name);
        std::snprintf(program.name, sizeof program.name, "Edited %02d", p);
        for (int32_t i = 1; i < kProgramParams; ++i)  // power is common to all programs, so left alone
            program.values[i] = float((p * 7 + i) % 11) / 10.0f;
    }
    source.setCurrentProgram(13);
    const std::vector<uint8_t> stream = source.presetEditor()->writeBankStream();

    QorFETcomp target(nullptr);
    ASSERT_TRUE(readStream(*target.presetEditor(), Stream::Bank, stream));
    EXPECT_EQ(target.getCurrentProgramIndex(), 13);
    EXPECT_EQ(target.presetEditor()->writeBankStream(), stream);
}
