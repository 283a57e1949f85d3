#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "aax/library/AAX_CChunkDataParser.h"
#include "aax/library/tests/ChunkBuffer.h"

namespace {

using Bytes = std::vector<uint8_t>;

Bytes written(const AAX_CChunkDataParser& parser)
{
    ChunkBuffer buffer(size_t(parser.ComputeChunkDataSize()));
    EXPECT_EQ(parser.GetChunkData(buffer.chunk()), AAX_SUCCESS);
    EXPECT_EQ(buffer.chunk()->size, parser.ComputeChunkDataSize());
    return buffer.data();
}

AAX_CChunkDataParser parsed(const Bytes& data, int32_t version = 0)
{
    ChunkBuffer buffer(data);
    buffer.chunk()->version = version;
    AAX_CChunkDataParser parser;
    parser.ParseChunk(buffer.chunk());
    return parser;
}

Bytes text(const char* s, size_t n) { return Bytes(s, s + n); }

Bytes join(std::initializer_list<Bytes> parts)
{
    Bytes all;
    for (const Bytes& p : parts)
        all.insert(all.end(), p.begin(), p.end());
    return all;
}

const Bytes kMagic = {1, 1, 1, 1};

}  // namespace

TEST(ChunkDataParser, WritesTheByteFormatExactly)
{
    AAX_CChunkDataParser parser;
    EXPECT_EQ(parser.ComputeChunkDataSize(), 4);
    EXPECT_EQ(written(parser), kMagic) << "no entries: the magic alone";

    parser.AppendDouble("0", 1.0);
    parser.AppendInt32("7", 1);
    EXPECT_EQ(parser.ComputeChunkDataSize(), 24);
    EXPECT_EQ(written(parser), (Bytes{0x01, 0x01, 0x01, 0x01, 0x64, 0x5F, 0x30, 0x00, 0x3F, 0xF0, 0x00, 0x00,
                                      0x00, 0x00, 0x00, 0x00, 0x6C, 0x5F, 0x37, 0x00, 0x00, 0x00, 0x00, 0x01}));

    // Names of every length modulo 4 put the value at the next multiple of 4.
    AAX_CChunkDataParser names;
    names.AppendInt32("ab", -2);
    names.AppendInt32("abcde", 3);
    EXPECT_EQ(written(names), join({kMagic, text("l_ab\0\0\0", 8), {0xFF, 0xFF, 0xFF, 0xFE},
                                    text("l_abcde\0", 8), {0, 0, 0, 3}}));
}

TEST(ChunkDataParser, TextValuesArePaddedAndTheNextEntryIsReadWhereItWasWritten)
{
    struct Case
    {
        const char* value;
        size_t valueBytes;
    };
    const Case cases[] = {{"", 4}, {"abc", 4}, {"abcd", 8}, {"abcdefg", 8}};
    for (const Case& c : cases) {
        AAX_CChunkDataParser parser;
        parser.AppendString("t", AAX_CString(c.value));
        parser.AppendInt32("n", 42);
        const Bytes data = written(parser);
        EXPECT_EQ(data.size(), 4 + 4 + c.valueBytes + 4 + 4) << c.value;

        AAX_CChunkDataParser back = parsed(data);
        AAX_CString t;
        int32_t n = 0;
        EXPECT_TRUE(back.ReadString("t", &t));
        EXPECT_EQ(t.StdString(), c.value);
        EXPECT_TRUE(back.ReadInt32("n", &n));
        EXPECT_EQ(n, 42) << c.value;
    }
}

TEST(ChunkDataParser, ReadsEveryTypeByTheFirstLetterOfItsPrefix)
{
    const Bytes data = join({kMagic,
                             text("dX\0\0", 4), {0x40, 0x09, 0x21, 0xFB, 0x54, 0x44, 0x2D, 0x18},  // name ""
                             text("f_g\0", 4), {0x3F, 0x80, 0x00, 0x00},
                             text("s_h\0", 4), {0x12, 0x34, 0x00, 0x00},
                             text("q_odd\0\0\0", 8),  // unknown letter: untyped, no value
                             text("l_i\0", 4), {0x80, 0x00, 0x00, 0x00},
                             text("r_j\0", 4), text("hi\0\0", 4)});
    AAX_CChunkDataParser parser = parsed(data, 7);
    EXPECT_EQ(parser.ChunkVersion(), 7);
    ASSERT_EQ(parser.Entries().size(), 6u);
    const ChunkDataEntry::Type types[] = {ChunkDataEntry::kDouble, ChunkDataEntry::kFloat,  ChunkDataEntry::kInt16,
                                          ChunkDataEntry::kUntyped, ChunkDataEntry::kInt32, ChunkDataEntry::kString};
    for (size_t i = 0; i < 6; ++i)
        EXPECT_EQ(parser.Entries()[i].type, types[i]) << i;
    EXPECT_EQ(parser.Entries()[3].name.StdString(), "odd");

    double d = 0;
    EXPECT_TRUE(parser.ReadDouble("", &d)) << "\"dX\" is a double whose name is empty";
    EXPECT_DOUBLE_EQ(d, 3.141592653589793);
    EXPECT_TRUE(parser.ReadDouble(nullptr, &d)) << "a null name is the empty name";
    int32_t i = 0;
    EXPECT_TRUE(parser.ReadInt32("i", &i));
    EXPECT_EQ(i, INT32_MIN);
    i = 5;
    EXPECT_FALSE(parser.ReadInt32("g", &i)) << "a float entry is not an int32";
    EXPECT_FALSE(parser.ReadInt32("odd", &i)) << "untyped entries answer no lookup";
    EXPECT_FALSE(parser.ReadDouble("i", &d));
    EXPECT_EQ(i, 5) << "a failed read leaves the out value";

    // Written back, float and 16-bit entries keep their form; the untyped one is left out.
    const Bytes back = written(parser);
    const Bytes expected = join({kMagic,
                                 text("d_\0\0", 4), {0x40, 0x09, 0x21, 0xFB, 0x54, 0x44, 0x2D, 0x18},
                                 text("f_g\0", 4), {0x3F, 0x80, 0x00, 0x00},
                                 text("s_h\0", 4), {0x12, 0x34, 0x00, 0x00},
                                 text("l_i\0", 4), {0x80, 0x00, 0x00, 0x00},
                                 text("r_j\0", 4), text("hi\0\0", 4)});
    EXPECT_EQ(back, expected);
}

TEST(ChunkDataParser, ReadsNothingPastTheSizeGiven)
{
    AAX_CChunkDataParser full;
    full.AppendDouble("threshold", 0.25);
    full.AppendString("name", AAX_CString("abcde"));
    full.AppendInt32("x", 9);
    const Bytes data = written(full);
    ASSERT_EQ(data.size(), 48u);

    // Every truncation: whatever is read is a leading part of the entries, and nothing past the size is touched
    // (the buffers are exactly as long as the size says).
    for (size_t n = 0; n <= data.size(); ++n) {
        AAX_CChunkDataParser cut = parsed(Bytes(data.begin(), data.begin() + long(n)));
        const size_t count = cut.Entries().size();
        const size_t expected = n >= 48 ? 3 : n >= 38 ? 2 : n >= 24 ? 1 : 0;  // the text ends at 38
        EXPECT_EQ(count, expected) << n << " bytes";
    }

    struct Case
    {
        const char* what;
        Bytes data;
        size_t entries;
    };
    const Case cases[] = {
        {"no magic", join({{1, 1, 1, 2}, text("l_a\0", 4), {0, 0, 0, 1}}), 0},
        {"magic alone", kMagic, 0},
        {"name without its NUL", join({kMagic, text("l_abc", 5)}), 0},
        {"name of 300 bytes", join({kMagic, Bytes(300, 'l'), {0, 0, 0, 0}}), 0},
        {"text without its NUL", join({kMagic, text("l_a\0", 4), {0, 0, 0, 1}, text("r_b\0", 4), text("xyz", 3)}), 1},
        {"value beyond the end", join({kMagic, text("d_a\0", 4), {0, 0, 0, 0}}), 0},
        {"untyped name at the end", join({kMagic, text("zz", 2), {0}}), 1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(parsed(c.data).Entries().size(), c.entries) << c.what;

    ChunkBuffer negative(kMagic);
    negative.chunk()->size = -8;
    AAX_CChunkDataParser parser;
    parser.AppendInt32("old", 1);
    parser.ParseChunk(negative.chunk());
    EXPECT_TRUE(parser.Entries().empty()) << "a negative size reads nothing and clears the old entries";
}

TEST(ChunkDataParser, LookupSearchesOnFromTheLastEntryFound)
{
    AAX_CChunkDataParser parser;
    for (const char* name : {"a", "b", "c"})
        parser.AppendInt32(name, 0);
    struct Step
    {
        const char* name;
        int32_t index;
        int32_t lastFound;
    };
    const Step steps[] = {
        {"a", 0, 0}, {"b", 1, 1}, {"c", 2, 2},   // stored order: each the next one looked at
        {"a", 0, 0},                              // after the last entry the search starts again from the first
        {"c", 2, 2}, {"b", 1, 1},                 // wraps round past the end
        {"zz", -1, 1},                            // a miss that began after an entry keeps that entry
        {"c", 2, 2}, {"zz", -1, -1},              // a miss that began at the first entry forgets it
        {"ab", -1, -1}, {"", -1, -1},
    };
    for (const Step& s : steps) {
        EXPECT_EQ(parser.IndexOfName(s.name), s.index) << s.name;
        EXPECT_EQ(parser.LastFoundIndex(), s.lastFound) << s.name;
    }
}
