// The effect's state through the wrapper: its size, the bridge state blob in both forms, and restores that the
// wrapper must refuse or bound.
#include "rtas/tests/bridge/WrapperFixture.h"

#include "effect/vst2/Opcodes.h"

#include <cstring>
#include <vector>

namespace {

using WrapperState = WrapperFixture;

RecordingEffectConfig bankEffect()
{
    RecordingEffectConfig config;
    config.flags = kFlagCanReplacing;  // no chunks: the bank form
    return config;                     // 4 parameters, 3 programs
}

RecordingEffectConfig chunkEffect()
{
    RecordingEffectConfig config;
    config.flags = kFlagCanReplacing | kFlagProgramChunks;
    config.chunkSize = 24;
    return config;
}

uint32_t bigEndianWord(const std::vector<uint8_t>& bytes, size_t at)
{
    return uint32_t(bytes[at]) << 24 | uint32_t(bytes[at + 1]) << 16 | uint32_t(bytes[at + 2]) << 8 | bytes[at + 3];
}

std::vector<uint8_t> save(CPluginWrapper& w)
{
    int size = 0;
    w.GetStateSize(&size);
    std::vector<uint8_t> blob(size_t(size > 0 ? size : 0));
    blob.resize(w.SaveEffectState(blob.data(), blob.size()));
    return blob;
}

TEST_F(WrapperState, SizeOfEachForm)
{
    int size = 0;
    load(bankEffect()).GetStateSize(&size);
    EXPECT_EQ(size, (4 + 16) * 3 * 4 + 16);
    load(chunkEffect()).GetStateSize(&size);
    EXPECT_EQ(size, 24 + 8);
    CPluginWrapper without(&owner);
    without.GetStateSize(&size);
    EXPECT_EQ(size, 8);
}

TEST_F(WrapperState, ChunkFormIsTheChunkAndItsTrailer)
{
    CPluginWrapper& w = load(chunkEffect());
    const std::vector<uint8_t> blob = save(w);
    ASSERT_EQ(blob.size(), 32u);
    for (size_t i = 0; i < 24; ++i)
        ASSERT_EQ(blob[i], uint8_t(i + 1));
    EXPECT_EQ(bigEndianWord(blob, 24), 0x3000u);
    EXPECT_EQ(bigEndianWord(blob, 28), 0x3000u);

    log().callCount = 0;
    w.RestoreEffectState(blob.data(), int(blob.size()));
    EXPECT_EQ(countOf(effSetChunk), 1);
    EXPECT_EQ(effect()->chunkSetSize, 24);
}

TEST_F(WrapperState, BankFormRoundTripRestoresValuesNamesAndTheCurrentProgram)
{
    CPluginWrapper& w = load(bankEffect());
    for (int program = 0; program < 3; ++program) {
        w.Dispatch(effSetProgram, 0, program, nullptr, 0.0f);
        for (int p = 0; p < 4; ++p)
            w.SetParameter(p, 0.1f * float(program + 1) + 0.01f * float(p));
    }
    w.Dispatch(effSetProgram, 0, 1, nullptr, 0.0f);
    const std::vector<uint8_t> blob = save(w);
    ASSERT_EQ(blob.size(), size_t((4 + 16) * 3 * 4 + 16));
    EXPECT_EQ(bigEndianWord(blob, blob.size() - 8), 0x2001u);
    EXPECT_EQ(bigEndianWord(blob, blob.size() - 4), 1u);
    EXPECT_EQ(effect()->currentProgram, 1) << "saving leaves the effect on its program";

    CPluginWrapper& other = load(bankEffect());
    other.RestoreEffectState(blob.data(), int(blob.size()));
    EXPECT_EQ(effect()->currentProgram, 1);
    EXPECT_EQ(other.currentProgram(), 1);
    for (int program = 0; program < 3; ++program)
        for (int p = 0; p < 4; ++p)
            EXPECT_FLOAT_EQ(effect()->values[program][p], 0.1f * float(program + 1) + 0.01f * float(p));
    EXPECT_STREQ(effect()->programNames[2], "Program 2");
}

TEST_F(WrapperState, RestoresThatChangeNothing)
{
    CPluginWrapper& w = load(chunkEffect());
    std::vector<uint8_t> blob = save(w);
    std::vector<uint8_t> unknownMarker = blob;
    unknownMarker[blob.size() - 8 + 2] = 0x12;
    unknownMarker[blob.size() - 8 + 3] = 0x34;
    const std::vector<uint8_t> elevenBytes(blob.begin(), blob.begin() + 11);
    const std::vector<uint8_t>* const refused[] = {&unknownMarker, &elevenBytes};
    for (const std::vector<uint8_t>* bytes : refused) {
        log().callCount = 0;
        w.RestoreEffectState(bytes->data(), int(bytes->size()));
        EXPECT_EQ(log().callCount, 0) << bytes->size() << " bytes";
    }
    log().callCount = 0;
    w.RestoreEffectState(blob.data(), -1);
    w.RestoreEffectState(nullptr, 32);
    EXPECT_EQ(log().callCount, 0);
}

// The stored current program is the blob's word; one outside the effect's programs selects nothing.
TEST_F(WrapperState, AStoredCurrentProgramOutOfRangeIsNotSelected)
{
    CPluginWrapper& w = load(bankEffect());
    std::vector<uint8_t> blob = save(w);
    for (uint32_t stored : {3u, 0xFFFFFFFFu, 0x7FFFFFFFu}) {
        for (int b = 0; b < 4; ++b)
            blob[blob.size() - 4 + size_t(b)] = uint8_t(stored >> (24 - 8 * b));
        w.Dispatch(effSetProgram, 0, 2, nullptr, 0.0f);
        w.RestoreEffectState(blob.data(), int(blob.size()));
        EXPECT_EQ(effect()->currentProgram, 2) << "stored program " << stored;
    }
}

TEST_F(WrapperState, SavingIntoATooSmallBufferWritesNothing)
{
    CPluginWrapper& w = load(chunkEffect());
    std::vector<uint8_t> buffer(31, 0xAB);
    EXPECT_EQ(w.SaveEffectState(buffer.data(), buffer.size()), 0u);
    EXPECT_EQ(buffer, std::vector<uint8_t>(31, 0xAB));
}

}  // namespace
