// The two older layouts: blocks of a 24-byte name and n floats.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "StreamTestSupport.h"

using namespace streamtest;

namespace {

float oldValue(int32_t program, int32_t index) { return float(program * 16 + index + 1) / 1000.0f; }

// `programs` blocks of a name ("Old 00", ...) and n floats (none when n <= 0).
std::vector<uint8_t> oldBlocks(int32_t programs, int32_t n, bool swapped = false)
{
    const size_t values = size_t(std::max(n, 0));
    std::vector<uint8_t> out;
    for (int32_t p = 0; p < programs; ++p) {
        std::vector<uint8_t> block(24 + 4 * values, 0);
        std::snprintf(reinterpret_cast<char*>(block.data()), 24, "Old %02d", p);
        for (size_t i = 0; i < values; ++i) {
            putLeFloat(block, 24 + 4 * i, oldValue(p, int32_t(i)));
            if (swapped)
                swapWordAt(block, 24 + 4 * i);
        }
        out.insert(out.end(), block.begin(), block.end());
    }
    return out;
}

size_t blockSize(int32_t n) { return 24 + 4 * size_t(std::max(n, 0)); }

}  // namespace

TEST(OldBankRead, ReadsNamesAndTheValuesEachBlockHolds)
{
    // n <= 0 is a bank of names alone; above 16 only the first 16 values count.
    for (int32_t n : {16, 12, 20, 1, 0, -1}) {
        for (bool swapped : {false, true}) {
            Rig rig(0.25f);
            rig.effect->setCurrentProgram(30);
            rig.forget();
            const ProgramRecord templ = rig.effect->templateProgram();
            const std::vector<uint8_t> data = oldBlocks(48, n, swapped);
            ASSERT_TRUE(rig.editor->readOldBank(data.data(), data.size(), swapped, 48, n)) << n;
            for (int32_t p = 0; p < kBankPrograms; ++p) {
                const ProgramRecord& program = *rig.effect->program(p);
                char name[24];
                std::snprintf(name, sizeof name, "Old %02d", p);
                EXPECT_EQ(nameOf(program), name);
                EXPECT_EQ(rig.editor->menuNames[p], name);
                for (int32_t i = 0; i < kProgramParams; ++i) {
                    const bool read = i < n && !isExcluded(i);
                    EXPECT_EQ(program.values[i], read ? oldValue(p, i) : templ.values[i])
                        << "n " << n << " program " << p << " index " << i;
                }
            }
            EXPECT_EQ(rig.effect->selected, std::vector<int32_t>{0});
            ASSERT_EQ(rig.editor->calls.size(), 50u);
            EXPECT_EQ(rig.editor->calls[48], "select 0");
            EXPECT_EQ(rig.editor->calls[49], "show Old 00");
        }
    }
}

TEST(OldBankRead, NaNIsStoredAsZeroSoTheBankStaysLoadable)
{
    Rig rig;
    std::vector<uint8_t> data = oldBlocks(48, 16);
    putLeFloat(data, 4 * blockSize(16) + 24, std::nanf(""));
    ASSERT_TRUE(rig.editor->readOldBank(data.data(), data.size(), false, 48, 16));
    EXPECT_EQ(rig.effect->program(4)->values[0], 0.0f);

    // What was loaded saves and loads again: a NaN would cancel the bank stream's load.
    const std::vector<uint8_t> bank = rig.bankBytes();
    const std::vector<uint8_t> stream = rig.editor->writeBankStream();
    ByteReader reader(stream.data(), stream.size());
    StreamHeader header;
    ASSERT_TRUE(readStreamHeader(reader, header));
    ASSERT_TRUE(rig.editor->readBankStream(stream.data() + kStreamHeaderSize, stream.size() - kStreamHeaderSize,
                                           header, false));
    EXPECT_EQ(rig.bankBytes(), bank);
}

TEST(OldBankRead, ValueOutOfRangeCancelsAndRestoresBankAndMenu)
{
    for (float bad : {1.5f, -0.5f}) {
        Rig rig(0.25f);
        rig.effect->setCurrentProgram(2);
        rig.forget();
        const std::vector<uint8_t> before = rig.bankBytes();
        std::vector<uint8_t> data = oldBlocks(48, 16);
        putLeFloat(data, 20 * blockSize(16) + 24 + 4 * 5, bad);
        EXPECT_FALSE(rig.editor->readOldBank(data.data(), data.size(), false, 48, 16));
        EXPECT_EQ(rig.bankBytes(), before);
        EXPECT_TRUE(rig.effect->selected.empty());
        for (int32_t p = 0; p <= 20; ++p)
            EXPECT_EQ(rig.editor->menuNames[p], nameOf(*rig.effect->program(p))) << p;
        EXPECT_EQ(rig.editor->menuSelected, 2);
    }
}

TEST(OldBankRead, ProgramCountIsCappedAtTheBank)
{
    Rig rig(0.25f);
    const std::vector<uint8_t> data = oldBlocks(60, 16);
    ASSERT_TRUE(rig.editor->readOldBank(data.data(), data.size(), false, 60, 16));
    EXPECT_EQ(nameOf(*rig.effect->program(47)), "Old 47");

    Rig few(0.25f);
    const std::vector<uint8_t> two = oldBlocks(2, 16);
    ASSERT_TRUE(few.editor->readOldBank(two.data(), two.size(), false, 2, 16));
    EXPECT_EQ(nameOf(*few.effect->program(1)), "Old 01");
    EXPECT_EQ(nameOf(*few.effect->program(2)), "S0.25 Prog 02");
}

TEST(OldPresetRead, ReadsNameAndValuesIntoTheCurrentProgram)
{
    for (int32_t n : {16, 5, 30, 0, -3}) {
        for (bool swapped : {false, true}) {
            Rig rig(0.25f);
            rig.effect->setCurrentProgram(11);
            rig.forget();
            const ProgramRecord templ = rig.effect->templateProgram();
            std::vector<uint8_t> expected = rig.bankBytes();
            const std::vector<uint8_t> data = oldBlocks(1, n, swapped);
            ASSERT_TRUE(rig.editor->readOldPreset(data.data(), data.size(), swapped, n)) << n;
            const ProgramRecord& program = *rig.effect->program(11);
            EXPECT_EQ(nameOf(program), "Old 00");
            for (int32_t i = 0; i < kProgramParams; ++i)
                EXPECT_EQ(program.values[i], i < n && !isExcluded(i) ? oldValue(0, i) : templ.values[i])
                    << n << " " << i;
            std::memcpy(expected.data() + 11 * sizeof(ProgramRecord), &program, sizeof program);
            EXPECT_EQ(rig.bankBytes(), expected);
            EXPECT_EQ(rig.editor->calls, std::vector<std::string>{"show Old 00"});
            EXPECT_EQ(rig.effect->renamed, std::vector<std::string>{"Old 00"});
            EXPECT_EQ(rig.effect->selected, std::vector<int32_t>{11});
        }
    }
}

TEST(OldPresetRead, NaNIsStoredAsZeroAndOutOfRangeCancels)
{
    Rig rig;
    std::vector<uint8_t> data = oldBlocks(1, 16);
    putLeFloat(data, 24 + 4, std::nanf(""));
    ASSERT_TRUE(rig.editor->readOldPreset(data.data(), data.size(), false, 16));
    EXPECT_EQ(rig.effect->program(0)->values[1], 0.0f);

    Rig cancelled;
    cancelled.effect->setCurrentProgram(3);
    cancelled.forget();
    const std::vector<uint8_t> before = cancelled.bankBytes();
    putLeFloat(data, 24 + 4 * 9, 1.01f);
    EXPECT_FALSE(cancelled.editor->readOldPreset(data.data(), data.size(), false, 16));
    EXPECT_TRUE(cancelled.untouchedSince(before));
}
