// The bytes the three writers produce, checked at hand-counted offsets.
#include <gtest/gtest.h>

#include <cmath>

#include "StreamTestSupport.h"

using namespace streamtest;

namespace {

constexpr int32_t kPresetIndices[] = {0, 1, 2, 4, 5, 6, 8, 9, 10, 11, 12, 13};

void expectHeader(const std::vector<uint8_t>& s, uint8_t format, int32_t count, int32_t current, int32_t payload)
{
    // The ID as the record holds it, stored little-endian: 'p', 'v', 'K', 'Q'.
    EXPECT_EQ(s[0], 'p');
    EXPECT_EQ(s[1], 'v');
    EXPECT_EQ(s[2], 'K');
    EXPECT_EQ(s[3], 'Q');
    EXPECT_EQ(s[4], format);
    EXPECT_EQ(le32(s, 5), 0x01000000u);
    EXPECT_EQ(leInt(s, 9), 16);
    EXPECT_EQ(leInt(s, 13), count);
    EXPECT_EQ(leInt(s, 17), current);
    EXPECT_EQ(leInt(s, 21), payload);
    for (size_t k = 25; k < 41; ++k)
        EXPECT_EQ(s[k], 0) << "reserved byte " << k;
}

// A parameter record: type, 20, program, then index, 0, 0, value, 0.
void expectParameterRecord(const std::vector<uint8_t>& s, size_t at, int32_t type, int32_t program, int32_t index,
                           float value)
{
    EXPECT_EQ(leInt(s, at), type) << "at " << at;
    EXPECT_EQ(leInt(s, at + 4), 20) << "at " << at;
    EXPECT_EQ(leInt(s, at + 8), program) << "at " << at;
    EXPECT_EQ(leInt(s, at + 12), index) << "at " << at;
    EXPECT_EQ(leInt(s, at + 16), 0);
    EXPECT_EQ(leInt(s, at + 20), 0);
    EXPECT_EQ(leFloat(s, at + 24), value) << "at " << at;
    EXPECT_EQ(leInt(s, at + 28), 0);
}

void expectNameRecord(const std::vector<uint8_t>& s, size_t at, int32_t program, const ProgramRecord& record)
{
    EXPECT_EQ(leInt(s, at), 0) << "at " << at;
    EXPECT_EQ(leInt(s, at + 4), 156) << "at " << at;
    EXPECT_EQ(leInt(s, at + 8), program) << "at " << at;
    EXPECT_EQ(0, std::memcmp(&s[at + 12], record.name, 24)) << "at " << at;
    for (size_t k = at + 36; k < at + 168; ++k)
        ASSERT_EQ(s[k], 0) << "name padding at " << k;
}

}  // namespace

TEST(StreamLayout, BankStreamHeaderAndRecordsSitAtTheirOffsets)
{
    Rig rig;
    rig.effect->setCurrentProgram(5);
    const std::vector<uint8_t> s = rig.editor->writeBankStream();
    ASSERT_EQ(s.size(), 26537u);
    expectHeader(s, '8', 624, 5, 26496);

    // Program 0: name record at 41, parameter records from 41 + 168 = 209, 32 bytes each; index 3 is not there.
    expectNameRecord(s, 41, 0, *rig.effect->program(0));
    expectParameterRecord(s, 209, 1, 0, 0, StreamTestEffect::valueFor(0, 0, 0));
    expectParameterRecord(s, 241, 1, 0, 1, StreamTestEffect::valueFor(0, 0, 1));
    expectParameterRecord(s, 273, 1, 0, 2, StreamTestEffect::valueFor(0, 0, 2));
    expectParameterRecord(s, 305, 1, 0, 4, StreamTestEffect::valueFor(0, 0, 4));
    // Program 1 follows 168 + 12 * 32 = 552 bytes later; the last record ends at the last byte.
    expectNameRecord(s, 593, 1, *rig.effect->program(1));
    expectParameterRecord(s, 761, 1, 1, 0, StreamTestEffect::valueFor(0, 1, 0));
    expectNameRecord(s, 41 + 47 * 552, 47, *rig.effect->program(47));
    expectParameterRecord(s, 26537 - 32, 1, 47, 13, StreamTestEffect::valueFor(0, 47, 13));
}

TEST(StreamLayout, BankStreamCarriesEachProgramsPresetParametersInOrder)
{
    Rig rig;
    const std::vector<uint8_t> s = rig.editor->writeBankStream();
    for (int32_t p = 0; p < kBankPrograms; ++p) {
        const size_t name = 41 + size_t(p) * 552;
        expectNameRecord(s, name, p, *rig.effect->program(p));
        for (size_t k = 0; k < 12; ++k)
            expectParameterRecord(s, name + 168 + 32 * k, 1, p, kPresetIndices[k],
                                  StreamTestEffect::valueFor(0, p, kPresetIndices[k]));
    }
}

TEST(StreamLayout, PresetStreamHoldsTheCurrentProgramAsProgramZero)
{
    Rig rig;
    rig.effect->setCurrentProgram(9);
    const std::vector<uint8_t> s = rig.editor->writePresetStream();
    ASSERT_EQ(s.size(), 593u);
    expectHeader(s, 0x22, 13, 0, 552);
    expectNameRecord(s, 41, 0, *rig.effect->program(9));
    for (size_t k = 0; k < 12; ++k)
        expectParameterRecord(s, 209 + 32 * k, 1, 0, kPresetIndices[k],
                              StreamTestEffect::valueFor(0, 9, kPresetIndices[k]));
}

TEST(StreamLayout, AuxStreamCarriesParametersSixteenUp)
{
    Rig rig;
    const std::vector<uint8_t> s = rig.editor->writeAuxStream();
    ASSERT_EQ(s.size(), 425u);
    expectHeader(s, 0x0C, 12, 0, 384);
    for (size_t k = 0; k < 12; ++k)
        expectParameterRecord(s, 41 + 32 * k, 2, 0, kPresetIndices[k], rig.effect->aux[kPresetIndices[k]]);
}

TEST(StreamLayout, BankWriterClampsAndReportsOutOfRangeValues)
{
    Rig rig;
    ProgramRecord& program = *rig.effect->program(2);
    // A name that fills all 24 bytes without a terminator must not drag the values into the report.
    std::memset(program.name, 'N', 24);
    program.values[0] = 1.5f;
    program.values[1] = -0.25f;
    program.values[2] = std::nanf("");
    program.values[3] = 7.0f;  // not carried by presets, so neither written nor reported

    testing::internal::CaptureStderr();
    const std::vector<uint8_t> s = rig.editor->writeBankStream();
    const std::string report = testing::internal::GetCapturedStderr();

    const std::string name(24, 'N');
    EXPECT_EQ(report, "Invalid parameter 0 value 1.500000 on save of preset 2 " + name + "\n" +
                          "Invalid parameter 1 value -0.250000 on save of preset 2 " + name + "\n");
    const size_t records = 41 + 2 * 552 + 168;
    EXPECT_EQ(leFloat(s, records + 24), 1.0f);
    EXPECT_EQ(leFloat(s, records + 32 + 24), 0.0f);
    uint32_t nanBits;
    std::memcpy(&nanBits, &program.values[2], 4);
    EXPECT_EQ(le32(s, records + 64 + 24), nanBits) << "NaN is written as it stands";
    EXPECT_EQ(leInt(s, records + 96 + 12), 4) << "index 3 is skipped";
}

TEST(StreamLayout, PresetAndAuxWritersWriteValuesAsTheyStand)
{
    Rig rig;
    rig.effect->program(0)->values[0] = 1.5f;
    rig.effect->program(0)->values[1] = -2.0f;
    rig.effect->aux[0] = 3.0f;

    testing::internal::CaptureStderr();
    const std::vector<uint8_t> preset = rig.editor->writePresetStream();
    const std::vector<uint8_t> aux = rig.editor->writeAuxStream();
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");

    EXPECT_EQ(leFloat(preset, 209 + 24), 1.5f);
    EXPECT_EQ(leFloat(preset, 241 + 24), -2.0f);
    EXPECT_EQ(leFloat(aux, 41 + 24), 3.0f);
}
