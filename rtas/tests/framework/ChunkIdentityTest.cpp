// Chunks are stamped with the plug-in's identity on the way out and refused on the way in when they belong to
// another manufacturer or product; a type is found for a host's plug-in request record.
#include "FrameworkFixture.h"

#include <vector>

using namespace testsupport;

namespace {

class ChunkIdentity : public FrameworkTest
{
protected:
    SFicPlugInChunk* NewChunk()
    {
        fStorage.assign(kPlugInChunkHeaderSize + 8, 0);
        return reinterpret_cast<SFicPlugInChunk*>(fStorage.data());
    }
    std::vector<uint8_t> fStorage;
};

TEST_F(ChunkIdentity, GetStampsGroupAndTypeIdentity)
{
    MakeGroup();
    const int32_t index = CreateInstance(kKvss);
    SFicPlugInChunk* chunk = NewChunk();
    chunk->flags = 77;
    // The instance base knows no chunks: the stamps are made before it refuses.
    EXPECT_EQ(Routine<66>()(kKvss, index, HostFourCC("elck"), chunk), -7157);
    EXPECT_EQ(chunk->version, 1);
    EXPECT_EQ(chunk->manufacturerID, HostFourCC("Qora"));
    EXPECT_EQ(chunk->productID, HostFourCC("QKvp"));
    EXPECT_EQ(chunk->typeID, HostFourCC("Kvss"));
    EXPECT_EQ(chunk->chunkID, HostFourCC("elck"));
    EXPECT_EQ(chunk->flags, 0);
}

TEST_F(ChunkIdentity, SetAndCompareRefuseChunksOfAnotherManufacturerOrProduct)
{
    MakeGroup();
    const int32_t index = CreateInstance(kKvss);
    SFicPlugInChunk* chunk = NewChunk();
    uint8_t equal = 9;
    // Another manufacturer is refused before any type is looked up, even for a type that does not exist.
    chunk->manufacturerID = HostFourCC("Othr");
    chunk->productID = HostFourCC("QKvp");
    EXPECT_EQ(Routine<67>()(kKvss, index, HostFourCC("elck"), chunk), -7157);
    EXPECT_EQ(Routine<67>()(42, index, HostFourCC("elck"), chunk), -7157);
    EXPECT_EQ(Routine<128>()(kKvss, index, HostFourCC("elck"), chunk, &equal), -7157);
    // Our manufacturer, another product: the type refuses it.
    chunk->manufacturerID = HostFourCC("Qora");
    chunk->productID = HostFourCC("Othr");
    EXPECT_EQ(Routine<67>()(kKvss, index, HostFourCC("elck"), chunk), -7157);
    EXPECT_EQ(Routine<67>()(42, index, HostFourCC("elck"), chunk), -7125);
    // Ours: it reaches the instance.
    chunk->productID = HostFourCC("QKvp");
    EXPECT_EQ(Routine<128>()(kKvss, index, HostFourCC("elck"), chunk, &equal), 0);
    EXPECT_EQ(equal, 0);
    EXPECT_EQ(Routine<67>()(kKvss, index, HostFourCC("elck"), nullptr), -7053);
}

TEST_F(ChunkIdentity, ATypeIsFoundForAPlugInRequestOfThisPlugIn)
{
    MakeGroup();
    SFicPlugInSpec spec{};
    spec.manufacturerID = HostFourCC("Qora");
    spec.inputStem = -3;
    struct Case
    {
        int32_t typeNumber;
        int32_t result;
        uint32_t typeID;
    };
    const Case cases[] = {
        // Stereo in and out: the real-time stereo type, not the first real-time type (which is mono).
        {int32_t(kKvss), 0, HostFourCC("Kvss")},
        {int32_t(kKvam), 0, HostFourCC("Kvam")},
        {int32_t(kKvmm), 0, 0},  // mono stems are not searched: 0 and the request record as it was
        {9, -7055, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typeNumber);
        spec.typeNumber = c.typeNumber;
        spec.typeID = 0;
        EXPECT_EQ(Routine<68>()(&spec), c.result);
        EXPECT_EQ(spec.typeID, c.typeID);
    }
    spec.manufacturerID = HostFourCC("Othr");
    spec.typeNumber = int32_t(kKvss);
    EXPECT_EQ(Routine<68>()(&spec), -7055);
}

}  // namespace
