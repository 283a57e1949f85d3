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

// Parameters 3, 7, 14 and 15 are never saved. A foreign stream that carries values for them must not put those into
// the program, or the state would not come back from the next save: they keep the template's values.
TEST(CompressorStreams, ValuesForUnsavedParametersAreNotTaken)
{
    struct Case
    {
        const char* label;
        Stream kind;
        uint8_t format;
    };
    for (const Case& c : {Case{"bank stream", Stream::Bank, '8'}, Case{"preset stream", Stream::Preset, 0x22}}) {
        SCOPED_TRACE(c.label);
        QorFETcomp effect(nullptr);
        const ProgramRecord before = *effect.program(0);
        RecordBuilder records;
        records.name(0, "Carrier").parameter(0, 1, 0.25f);
        for (int32_t index : {3, 7, 14, 15})
            records.parameter(0, index, 0.875f);
        ASSERT_TRUE(readStream(*effect.presetEditor(), c.kind, records.stream(c.format)));

        const ProgramRecord& loaded = *effect.program(0);
        EXPECT_EQ(loaded.values[1], 0.25f);
        for (int32_t index : {3, 7, 14, 15}) {
            EXPECT_EQ(loaded.values[index], before.values[index]) << "parameter " << index;
            EXPECT_EQ(effect.getParameter(index), before.values[index]) << "parameter " << index;
        }

        // Saved and read by a fresh instance: the same program and the same bytes.
        const std::vector<uint8_t> saved = c.kind == Stream::Bank ? effect.presetEditor()->writeBankStream()
                                                                  : effect.presetEditor()->writePresetStream();
        QorFETcomp fresh(nullptr);
        ASSERT_TRUE(readStream(*fresh.presetEditor(), c.kind, saved));
        EXPECT_EQ(std::memcmp(fresh.program(0), &loaded, sizeof loaded), 0);
        const std::vector<uint8_t> again = c.kind == Stream::Bank ? fresh.presetEditor()->writeBankStream()
                                                                  : fresh.presetEditor()->writePresetStream();
        EXPECT_EQ(again, saved);
    }
}
