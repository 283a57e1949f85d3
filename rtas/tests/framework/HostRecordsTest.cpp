// The records exchanged with the host, at the offsets the host reads, and the builder of the plug-in objects'
// self-descriptions.
#include "rtas/framework/HostRecordBuilder.h"
#include "rtas/framework/host/PlugInRecords.h"
#include "rtas/framework/host/PlugInRoutines.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>

namespace {

template <typename R>
int32_t WordAt(const R& record, size_t offset)
{
    int32_t word = 0;
    std::memcpy(&word, reinterpret_cast<const uint8_t*>(&record) + offset, sizeof word);
    return word;
}

TEST(HostRecordLayouts, PlugInRequestAndChunkHeaderWordsLieWhereTheHostReadsThem)
{
    SFicPlugInSpec spec{};
    spec.manufacturerID = 0x11111111;
    spec.typeID = 0x22222222;
    spec.typeNumber = 3;
    EXPECT_EQ(sizeof spec, 52u);
    EXPECT_EQ(WordAt(spec, 32), 0x11111111);
    EXPECT_EQ(WordAt(spec, 36), 0x22222222);
    EXPECT_EQ(WordAt(spec, 40), 3);

    uint8_t storage[kPlugInChunkHeaderSize + 4] = {0};
    auto* chunk = reinterpret_cast<SFicPlugInChunk*>(storage);
    chunk->size = 60;
    chunk->productID = 0x33333333;
    chunk->typeID = 0x44444444;
    chunk->chunkID = 0x656C636B;
    chunk->flags = 5;
    chunk->body[0] = 0xAB;
    EXPECT_EQ(WordAt(*chunk, 0), 60);
    EXPECT_EQ(WordAt(*chunk, 12), 0x33333333);
    EXPECT_EQ(WordAt(*chunk, 16), 0x44444444);
    EXPECT_EQ(WordAt(*chunk, 20), 0x656C636B);
    EXPECT_EQ(WordAt(*chunk, 24), 5);
    EXPECT_EQ(storage[56], 0xAB);
}

#if defined(__i386__)
TEST(HostRecordLayouts, PointersAndHostWordsAreOneWordOnThePlugInsPlatform)
{
    EXPECT_EQ(sizeof(void*), 4u);
    EXPECT_EQ(sizeof(HostWord), 4u);
    EXPECT_EQ(sizeof(HostComponentCallback), 4u);
    EXPECT_EQ(sizeof(PlugInRoutinePointer), 4u);
}
#endif

TEST(HostRecordBuilderTest, WordsReadBackInTheOrderTheyWereAppended)
{
    HostRecordBuilder builder;
    int anchor = 0;
    builder.AppendWord(7);
    builder.AppendPointer(&anchor);
    builder.AppendWord(-1);
    const HostRecordBlock block = builder.Build();
    EXPECT_EQ(block.size, 12);
    HostRecordReader reader(block);
    int32_t word = 0;
    reader.ReadWord(word);
    EXPECT_EQ(word, 7);
    reader.ReadWord(word);
    EXPECT_EQ(word, int32_t(intptr_t(&anchor)));
    reader.ReadWord(word);
    EXPECT_EQ(word, -1);
    EXPECT_THROW(reader.ReadWord(word), int16_t);
}

TEST(HostRecordBuilderTest, BuildingAgainGivesAFreshBlockAndAnEmptyRecordReadsNothing)
{
    HostRecordBuilder builder;
    const HostRecordBlock empty = builder.Build();
    EXPECT_EQ(empty.size, 0);
    HostRecordReader emptyReader(empty);
    int32_t word = 0;
    EXPECT_THROW(emptyReader.ReadWord(word), int16_t);
    for (int32_t i = 0; i < 100; ++i)
        builder.AppendWord(i);
    const HostRecordBlock first = builder.Build();
    builder.AppendWord(100);
    const HostRecordBlock second = builder.Build();
    EXPECT_EQ(first.size, 400);
    EXPECT_EQ(second.size, 404);
    EXPECT_EQ(second.words[100], 100);
    HostRecordReader none(HostRecordBlock{});
    EXPECT_THROW(none.ReadWord(word), int16_t);
    try {
        none.ReadWord(word);
    } catch (int16_t code) {
        EXPECT_EQ(code, -1);
    }
}

}  // namespace
