// A type's page-table resources: looked up under the type's name in the plug-in's resource file and kept in a cache
// of ten entries that gives up its least recently used one.
#include "FrameworkFixture.h"

#include "rtas/framework/PlugInResourceFile.h"
#include "tests/support/ScratchFolder.h"

#include <chrono>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

using namespace testsupport;

namespace {

void PutWord(std::vector<uint8_t>& out, uint32_t word)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(uint8_t(word >> shift));
}

struct Resource
{
    uint32_t type;
    int16_t id;
    std::string name;
    std::vector<uint8_t> data;
};

// The host's resource-file format, written the way the host's tools write it. Test cases run in processes of their
// own, several at once: each writes its file in a folder of its own, where no other one rewrites it under its reads.
std::string WriteResourceFile(const std::string& path, const std::vector<Resource>& resources)
{
    std::vector<uint8_t> bytes = {'Q', 'R', 'S', 'F'};
    PutWord(bytes, uint32_t(resources.size()));
    for (const Resource& r : resources) {
        PutWord(bytes, r.type);
        PutWord(bytes, uint32_t(int32_t(r.id)));
        bytes.push_back(uint8_t(r.name.size()));
        bytes.insert(bytes.end(), r.name.begin(), r.name.end());
        PutWord(bytes, uint32_t(r.data.size()));
        bytes.insert(bytes.end(), r.data.begin(), r.data.end());
    }
    FILE* file = std::fopen(path.c_str(), "wb");
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
    return path;
}

class PageTables : public FrameworkTest
{
protected:
    void SetUp() override
    {
        FrameworkTest::SetUp();
        rtas::SetPlugInResourceFile(WriteResourceFile(scratch.file("page-tables.rsr"), {
                                        {HostFourCC("PgTL"), 1, "Kvmm", {9, 9}},
                                        {HostFourCC("PgTL"), 2, "Kvss", {1, 2, 3}},
                                        {HostFourCC("MkTL"), 1, "Kvss", {4}},
                                    }),
                                    nullptr);
    }
    void TearDown() override
    {
        rtas::SetPlugInResourceFile("", nullptr);
        FrameworkTest::TearDown();
    }
    static std::vector<uint8_t> Bytes(const uint8_t* data, size_t count) { return {data, data + count}; }

    scratchtest::ScratchFolder scratch;
};

TEST_F(PageTables, TheTypesOwnTableIsFoundByNameAndEndsInTwoZeroBytes)
{
    CEffectTypeRTAS type(HostFourCC("Kvss"), HostFourCC("QKvp"), 2);
    const uint8_t* table = type.GetPageTableResource(HostFourCC("PgTL"));
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(Bytes(table, 5), (std::vector<uint8_t>{1, 2, 3, 0, 0}));
    const uint8_t* marks = type.GetPageTableResource(HostFourCC("MkTL"));
    ASSERT_NE(marks, nullptr);
    EXPECT_EQ(Bytes(marks, 3), (std::vector<uint8_t>{4, 0, 0}));
    EXPECT_EQ(type.GetPageTableResource(HostFourCC("FrTL")), nullptr);
    // The file is given back after every look-up.
    EXPECT_EQ(rtas::PlugInResourceFileUses(), 0);
    EXPECT_EQ(QorKitOpenResourceFiles(), 0);
}

TEST_F(PageTables, AResourceNameSetOnTheTypeReplacesItsTypeID)
{
    CEffectTypeRTAS type(HostFourCC("Kvms"), HostFourCC("QKvp"), 2);
    EXPECT_EQ(type.GetPageTableResource(HostFourCC("PgTL")), nullptr);
    CEffectTypeRTAS named(HostFourCC("Kvms"), HostFourCC("QKvp"), 2);
    named.SetResourceName("Kvmm");
    const uint8_t* table = named.GetPageTableResource(HostFourCC("PgTL"));
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(Bytes(table, 4), (std::vector<uint8_t>{9, 9, 0, 0}));
}

TEST_F(PageTables, AFullCacheGivesUpItsLeastRecentlyUsedEntry)
{
    CEffectTypeRTAS type(HostFourCC("Kvss"), HostFourCC("QKvp"), 2);
    auto lookups = [] { return QorKitCallCount("Get1NamedResource"); };
    auto tick = [] { std::this_thread::sleep_for(std::chrono::milliseconds(40)); };  // host ticks are 1/60 s
    tick();
    type.PreloadPageTables();
    EXPECT_EQ(lookups(), 10);
    tick();
    // Touch every table but 'MkTL', which becomes the oldest.
    for (uint32_t resourceType : CProcessType::kPageTableResourceTypes)
        if (resourceType != HostFourCC("MkTL"))
            type.GetPageTableResource(resourceType);
    EXPECT_EQ(lookups(), 10);
    tick();
    type.GetPageTableResource(HostFourCC("XtTL"));  // an eleventh type evicts 'MkTL'
    EXPECT_EQ(lookups(), 11);
    type.GetPageTableResource(HostFourCC("PgTL"));
    EXPECT_EQ(lookups(), 11);
    type.GetPageTableResource(HostFourCC("MkTL"));
    EXPECT_EQ(lookups(), 12);
}

}  // namespace
