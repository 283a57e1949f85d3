// The controls-state chunk body: sizes, writing, reading back, lookups in stored order, and the reader's bounds.
#include "rtas/framework/ChunkDataParser.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

std::vector<uint8_t> Write(const ChunkDataParser& parser)
{
    std::vector<uint8_t> storage(size_t(kPlugInChunkHeaderSize + parser.GetBodySize()), 0xEE);
    EXPECT_TRUE(parser.WriteChunk(reinterpret_cast<SFicPlugInChunk*>(storage.data()), storage.size()));
    return storage;
}

const SFicPlugInChunk* AsChunk(const std::vector<uint8_t>& storage)
{
    return reinterpret_cast<const SFicPlugInChunk*>(storage.data());
}

TEST(ChunkDataParserTest, SixteenUnnamedDoublesMakeA252ByteChunkThatReadsBackInOrder)
{
    ChunkDataParser parser;
    EXPECT_EQ(parser.GetBodySize(), 4);
    for (int i = 0; i < 16; ++i)
        parser.AddDouble("", 0.25 * i);
    EXPECT_EQ(parser.GetBodySize(), 196);
    const std::vector<uint8_t> storage = Write(parser);
    EXPECT_EQ(AsChunk(storage)->size, 252);
    // Magic, then "d_", a zero byte and one byte of padding, then the big-endian value.
    EXPECT_EQ(std::vector<uint8_t>(storage.begin() + 56, storage.begin() + 64),
              (std::vector<uint8_t>{1, 1, 1, 1, 'd', '_', 0, 0}));
    EXPECT_EQ(std::vector<uint8_t>(storage.begin() + 72, storage.begin() + 84),
              (std::vector<uint8_t>{'d', '_', 0, 0, 0x3F, 0xD0, 0, 0, 0, 0, 0, 0}));  // the second entry: 0.25

    ChunkDataParser reader;
    reader.ReadChunk(AsChunk(storage), storage.size());
    EXPECT_EQ(reader.CountEntries(), 16u);
    for (int i = 0; i < 16; ++i) {
        double value = -1;
        ASSERT_TRUE(reader.FindDouble("", &value));
        EXPECT_EQ(value, 0.25 * i);
    }
}

TEST(ChunkDataParserTest, KeysAndTypes)
{
    ChunkDataParser parser;
    parser.AddDouble("gain", -3.5);
    parser.AddLong("mode", -7);
    parser.AddLong("ab", 4);
    EXPECT_EQ(parser.GetBodySize(), 4 + (8 + 8) + (8 + 4) + (8 + 4));
    const std::vector<uint8_t> storage = Write(parser);
    // "d_gain", a zero byte and one of padding.
    EXPECT_EQ(std::memcmp(storage.data() + 60, "d_gain\0\0", 8), 0);
    ChunkDataParser reader;
    reader.ReadChunk(AsChunk(storage), storage.size());
    double gain = 0;
    int32_t mode = 0;
    EXPECT_TRUE(reader.FindDouble("gain", &gain));
    EXPECT_EQ(gain, -3.5);
    EXPECT_TRUE(reader.FindLong("mode", &mode));
    EXPECT_EQ(mode, -7);
    EXPECT_FALSE(reader.FindDouble("mode", &gain));  // found, but not a double
    EXPECT_FALSE(reader.FindLong("none", &mode));
}

TEST(ChunkDataParserTest, ShortsAndFloatsAreRead)
{
    const uint8_t body[] = {1, 1, 1, 1, 's', '_', 'a', 0, 0xFF, 0xFE, 0, 0, 'f', '_', 'b', 0, 0x3F, 0xC0, 0, 0};
    ChunkDataParser reader;
    reader.ReadBody(body, sizeof body);
    ASSERT_EQ(reader.CountEntries(), 2u);
    std::string key;
    ChunkDataParser::ValueType type = ChunkDataParser::kNone;
    double number = 0;
    int32_t integer = 0;
    // The short sits in the first two bytes of its slot, big-endian: 0xFFFE is -2.
    ASSERT_TRUE(reader.GetEntry(0, &key, &type, &number, &integer));
    EXPECT_EQ(key, "a");
    EXPECT_EQ(type, ChunkDataParser::kShort);
    EXPECT_EQ(integer, -2);
    ASSERT_TRUE(reader.GetEntry(1, &key, &type, &number, &integer));
    EXPECT_EQ(key, "b");
    EXPECT_EQ(type, ChunkDataParser::kFloat);
    EXPECT_EQ(number, 1.5);
    EXPECT_FALSE(reader.GetEntry(2, &key, &type, &number, &integer));
    // Neither is a long or a double to the look-ups.
    double asDouble = 0;
    int32_t asLong = 0;
    EXPECT_FALSE(reader.FindLong("a", &asLong));
    EXPECT_FALSE(reader.FindDouble("a", &asDouble));
    EXPECT_FALSE(reader.FindLong("b", &asLong));
    EXPECT_FALSE(reader.FindDouble("b", &asDouble));
}

TEST(ChunkDataParserTest, DamagedBodiesYieldWhatIsWholeAndNeverReadOn)
{
    struct Case
    {
        const char* what;
        std::vector<uint8_t> body;
        size_t entries;
    };
    const Case cases[] = {
        {"empty", {}, 0},
        {"short magic", {1, 1, 1}, 0},
        {"other magic", {1, 1, 1, 2, 'l', '_', 0, 0, 0, 0, 0, 1}, 0},
        {"magic alone", {1, 1, 1, 1}, 0},
        {"name without end", {1, 1, 1, 1, 'l', '_', 'a', 'b'}, 0},
        {"value cut", {1, 1, 1, 1, 'l', '_', 0, 0, 0, 0}, 0},
        {"double cut", {1, 1, 1, 1, 'd', '_', 0, 0, 0, 0, 0, 0, 0, 0, 0}, 0},
        {"unknown type stops", {1, 1, 1, 1, 'l', '_', 0, 0, 0, 0, 0, 1, 'x', '_', 0, 0, 0, 0, 0, 1}, 1},
        {"empty name stops", {1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 1}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        // Each body alone in a buffer of its exact size, so a read past it is seen by the sanitizers.
        std::vector<uint8_t> exact(c.body);
        ChunkDataParser reader;
        reader.ReadBody(exact.empty() ? nullptr : exact.data(), exact.size());
        EXPECT_EQ(reader.CountEntries(), c.entries);
    }
}

TEST(ChunkDataParserTest, TheSizeWordCannotTakeTheReaderPastTheBytesItWasGiven)
{
    ChunkDataParser parser;
    parser.AddLong("a", 1);
    parser.AddLong("b", 2);
    std::vector<uint8_t> storage = Write(parser);
    auto* chunk = reinterpret_cast<SFicPlugInChunk*>(storage.data());
    chunk->size = 1 << 30;  // claims far more than there is
    ChunkDataParser reader;
    reader.ReadChunk(chunk, storage.size());
    EXPECT_EQ(reader.CountEntries(), 2u);
    reader.ReadChunk(chunk, storage.size() - 4);  // the last value is cut off
    EXPECT_EQ(reader.CountEntries(), 1u);
    chunk->size = 20;  // smaller than the header
    reader.ReadChunk(chunk, storage.size());
    EXPECT_EQ(reader.CountEntries(), 0u);
    reader.ReadChunk(chunk, 10);
    EXPECT_EQ(reader.CountEntries(), 0u);
    reader.ReadChunk(nullptr, 100);
    EXPECT_EQ(reader.CountEntries(), 0u);
    // A buffer too small to write into is refused whole.
    std::vector<uint8_t> small(60, 0xEE);
    EXPECT_FALSE(parser.WriteChunk(reinterpret_cast<SFicPlugInChunk*>(small.data()), small.size()));
    EXPECT_EQ(small[0], 0xEE);
}

}  // namespace
