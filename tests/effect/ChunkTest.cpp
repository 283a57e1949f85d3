#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "tests/support/ForeignByteOrder.h"
#include "common/ByteReader.h"
#include "tests/effect/EffectFixture.h"

namespace {

uint32_t word(const std::vector<uint8_t>& bytes, size_t offset)
{
    return uint32_t(bytes[offset]) | uint32_t(bytes[offset + 1]) << 8 | uint32_t(bytes[offset + 2]) << 16 |
           uint32_t(bytes[offset + 3]) << 24;
}

using testsupport::swapWordAt;

// The same chunk as a big-endian processor would have written it.
std::vector<uint8_t> byteSwappedChunk(std::vector<uint8_t> chunk)
{
    swapWordAt(chunk, 0);
    swapWordAt(chunk, 4);
    testsupport::swapStream(chunk, 8, false);
    return chunk;
}

std::vector<uint8_t> bankBytes(QorFETcomp* effect)
{
    const auto* begin = reinterpret_cast<const uint8_t*>(effect->bank());
    return std::vector<uint8_t>(begin, begin + sizeof(ProgramRecord) * kBankPrograms);
}

// The older raw form: eight header words, then `count` blocks of a name and 16 values.
std::vector<uint8_t> rawBankChunk(int32_t count, int32_t current, float value)
{
    std::vector<uint8_t> chunk(32 + 88 * static_cast<size_t>(count), 0);
    const int32_t header[8] = {0x01000000, fourCharCode('Q', 'K', 'v', 'p'), count, current, 0, 0, 0, 0};
    std::memcpy(chunk.data(), header, sizeof header);
    for (int32_t i = 0; i < count; ++i) {
        uint8_t* block = chunk.data() + 32 + 88 * i;
        std::snprintf(reinterpret_cast<char*>(block), 24, "Old %d", i);
        for (int32_t j = 0; j < 16; ++j)
            std::memcpy(block + 24 + 4 * j, &value, 4);
    }
    return chunk;
}

}  // namespace

class ChunkTest : public EffectFixture
{
protected:
    std::vector<uint8_t> chunk()
    {
        void* data = nullptr;
        const intptr_t size = dispatch(23, 0, 0, &data);
        const auto* bytes = static_cast<const uint8_t*>(data);
        return std::vector<uint8_t>(bytes, bytes + size);
    }
    intptr_t restore(std::vector<uint8_t> bytes)
    {
        return dispatch(24, 0, static_cast<intptr_t>(bytes.size()), bytes.empty() ? nullptr : bytes.data());
    }
};

TEST_F(ChunkTest, HoldsFormatWordIdAndTheBankStream)
{
    const std::vector<uint8_t> bytes = chunk();
    ASSERT_EQ(bytes.size(), 8u + 26537u);
    EXPECT_EQ(word(bytes, 0), 0x02000000u);
    EXPECT_EQ(word(bytes, 4), static_cast<uint32_t>(fourCharCode('Q', 'K', 'v', 'p')));
    EXPECT_EQ(bytes[8 + 4], '8');
    // Asking for one program still gives the whole bank.
    void* data = nullptr;
    EXPECT_EQ(dispatch(23, 1, 0, &data), 8 + 26537);
}

TEST_F(ChunkTest, RoundTripRestoresBankAndCurrentProgram)
{
    effect->setCurrentProgram(12);
    set(8, 0.3f);
    set(13, 0.2f);
    char name[] = "My Vocal";
    dispatch(4, 0, 0, name);
    const std::vector<uint8_t> saved = chunk();
    const std::vector<uint8_t> bank = bankBytes(effect);

    QorFETcomp* other = new QorFETcomp(&TestHost::callback);
    EffectRecord* otherRecord = other->getRecord();
    std::vector<uint8_t> copy = saved;
    ASSERT_EQ(otherRecord->dispatcher(otherRecord, 24, 0, static_cast<intptr_t>(copy.size()), copy.data(), 0), 0);
    EXPECT_EQ(other->getCurrentProgramIndex(), 12);
    EXPECT_EQ(bankBytes(other), bank);
    EXPECT_FLOAT_EQ(otherRecord->getParameter(otherRecord, 8), 0.3f);
    EXPECT_FLOAT_EQ(otherRecord->getParameter(otherRecord, 13), 0.2f);
    EXPECT_EQ(copy, saved);  // the caller's data is left as it was
    otherRecord->dispatcher(otherRecord, 1, 0, 0, nullptr, 0);
}

TEST_F(ChunkTest, ByteSwappedChunkIsReadAsForeignEndian)
{
    effect->setCurrentProgram(4);
    set(10, 0.8f);
    const std::vector<uint8_t> saved = chunk();
    const std::vector<uint8_t> bank = bankBytes(effect);
    const std::vector<uint8_t> swapped = byteSwappedChunk(saved);
    ASSERT_EQ(word(swapped, 0), 0x00000002u);

    effect->setCurrentProgram(0);
    effect->resetProgramToTemplate(4);
    ASSERT_NE(bankBytes(effect), bank);
    EXPECT_EQ(restore(swapped), 0);
    EXPECT_EQ(bankBytes(effect), bank);
    EXPECT_EQ(effect->getCurrentProgramIndex(), 4);
}

TEST_F(ChunkTest, RejectedChunksChangeNothing)
{
    std::vector<uint8_t> unknownFormat = chunk();
    unknownFormat[3] = 0x03;  // 0x03000000
    std::vector<uint8_t> foreignId = chunk();
    foreignId[4] ^= 0xFF;
    const std::vector<uint8_t> cases[] = {unknownFormat, foreignId, {}, {0, 0, 0, 2}};

    set(8, 0.9f);
    const std::vector<uint8_t> bank = bankBytes(effect);
    for (const std::vector<uint8_t>& bytes : cases) {
        EXPECT_EQ(restore(bytes), -1);
        EXPECT_EQ(bankBytes(effect), bank);
        EXPECT_FLOAT_EQ(get(8), 0.9f);
    }
    EXPECT_EQ(dispatch(24, 0, 100, nullptr), -1);
}

TEST_F(ChunkTest, EveryTruncationIsRejectedOrReadInBounds)
{
    // Under AddressSanitizer each cut is copied to a buffer of exactly that size, so any read past it is caught.
    const std::vector<uint8_t> full = chunk();
    set(8, 0.9f);
    const std::vector<uint8_t> bank = bankBytes(effect);
    for (size_t size = 0; size < full.size(); size += (size < 300 ? 1 : 97)) {
        std::vector<uint8_t> cut(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(size));
        EXPECT_EQ(restore(cut), -1) << size;
        EXPECT_EQ(bankBytes(effect), bank) << size;
    }
}

TEST_F(ChunkTest, LyingHeaderFieldsAreRejected)
{
    const std::vector<uint8_t> full = chunk();
    set(8, 0.9f);
    const std::vector<uint8_t> bank = bankBytes(effect);
    struct Lie
    {
        size_t offset;
        uint32_t value;
    };
    const Lie lies[] = {
        {8 + 13, 100000},       // record count beyond the payload
        {8 + 13, 0xFFFFFFFFu},  // negative record count
        {8 + 21, 0x7FFFFFFFu},  // payload size beyond the chunk
        {8 + 21, 0x80000000u},  // negative payload size
        {8 + 41 + 4, 0x7FFFFFF0u},  // first record's length runs past the end
        {8 + 41 + 4, 0xFFFFFFF4u},  // negative record length
    };
    for (const Lie& lie : lies) {
        std::vector<uint8_t> bytes = full;
        std::memcpy(bytes.data() + lie.offset, &lie.value, 4);
        EXPECT_EQ(restore(bytes), -1) << lie.offset << " = " << lie.value;
        EXPECT_EQ(bankBytes(effect), bank) << lie.offset;
    }
}

TEST_F(ChunkTest, OlderRawFormIsRead)
{
    EXPECT_EQ(restore(rawBankChunk(48, 7, 0.25f)), 0);
    EXPECT_EQ(effect->getCurrentProgramIndex(), 7);
    EXPECT_STREQ(effect->program(7)->name, "Old 7");
    EXPECT_FLOAT_EQ(get(8), 0.25f);
    // Excluded parameters keep the template's values.
    EXPECT_EQ(effect->program(7)->values[14], effect->templateProgram().values[14]);
    EXPECT_EQ(effect->program(7)->values[3], effect->templateProgram().values[3]);
}

TEST_F(ChunkTest, OlderRawFormEdgeCases)
{
    EXPECT_EQ(restore(rawBankChunk(48, 60, 0.5f)), 0);
    EXPECT_EQ(effect->getCurrentProgramIndex(), 0);  // out-of-range current program falls back to 0

    std::vector<uint8_t> swapped = rawBankChunk(48, 3, 0.5f);
    for (size_t offset = 0; offset < swapped.size(); offset += 4)
        if (offset < 32 || (offset - 32) % 88 >= 24)
            swapWordAt(swapped, offset);
    EXPECT_EQ(restore(swapped), 0);
    EXPECT_EQ(effect->getCurrentProgramIndex(), 3);
    EXPECT_STREQ(effect->program(3)->name, "Old 3");

    const std::vector<uint8_t> bank = bankBytes(effect);
    EXPECT_EQ(restore(rawBankChunk(48, 0, 1.5f)), -1);  // out-of-range value refuses the load
    EXPECT_EQ(bankBytes(effect), bank);
    EXPECT_EQ(restore(rawBankChunk(0, 0, 0.5f)), -1);  // no programs
    std::vector<uint8_t> lyingCount = rawBankChunk(48, 0, 0.5f);
    lyingCount.resize(1000);  // count says 48 blocks, the bytes hold ten
    EXPECT_EQ(restore(lyingCount), 0);  // blocks shrink to what the bytes hold: names only, all in bounds
}
