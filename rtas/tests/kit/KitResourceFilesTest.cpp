// Resource files of the stand-in host: look-ups in the current file, the plug-in's byte-order procedure, handles
// that stay with the file until detached or released, and files that cannot be read.
#include "hosts/rtas/KitControl.h"
#include "hosts/rtas/toolbox/ResourceFileFormat.h"
#include "rtas/framework/host/ToolboxServices.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>

namespace {

std::string writeFile(const std::string& name, const std::vector<uint8_t>& bytes)
{
    std::ofstream out(name, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    return name;
}

std::vector<qorkit::StoredResource> sampleResources()
{
    return {
        {HostFourCC("PgTL"), 128, "Kvmm", {1, 2, 3}},
        {HostFourCC("PgTL"), 129, "Kvss", {4, 5}},
        {HostFourCC("cfrg"), 0, "", std::vector<uint8_t>(40, 0)},
        {HostFourCC("PgTL"), 130, "Kvss", {6}},
    };
}

int gByteOrderCalls = 0;

int32_t QOR_HOST_CALL swapFirstByte(uint32_t type, void* data, int32_t size)
{
    ++gByteOrderCalls;
    if (type != HostFourCC("cfrg") || size < 1)
        return 0;
    static_cast<uint8_t*>(data)[0] = 0xEE;
    return 1;
}

class KitResourceFiles : public ::testing::Test
{
protected:
    void SetUp() override
    {
        gByteOrderCalls = 0;
        // A file of each test's own: the tests of this program run in parallel processes in one folder.
        const std::string test = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        path = writeFile("kit-resources-" + test + ".rsr", qorkit::writeResourceFile(sampleResources()));
        handlesBefore = QorKitLiveHandles();
        refNum = OpenResourceFile(path.c_str(), 1, swapFirstByte);
        ASSERT_GT(refNum, 0);
    }
    void TearDown() override
    {
        if (refNum > 0)
            CloseResFile(refNum);
        EXPECT_EQ(QorKitLiveHandles(), handlesBefore) << "closing a file frees the handles it kept";
        std::remove(path.c_str());
    }
    std::string path;
    int16_t refNum = 0;
    int32_t handlesBefore = 0;
};

TEST_F(KitResourceFiles, LooksUpByNumberNameAndPosition)
{
    EXPECT_EQ(CurResFile(), refNum);
    HostHandle byId = Get1Resource(HostFourCC("PgTL"), 129);
    ASSERT_NE(byId, nullptr);
    EXPECT_EQ(GetHandleSize(byId), 2);
    EXPECT_EQ((*byId)[1], 5);
    EXPECT_EQ(Get1Resource(HostFourCC("PgTL"), 129), byId) << "the same resource is the same handle";

    const unsigned char name[] = "\x04Kvss";
    HostHandle byName = Get1NamedResource(HostFourCC("PgTL"), name);
    EXPECT_EQ(byName, byId) << "the first of that name";
    EXPECT_EQ(Count1Resources(HostFourCC("PgTL")), 3);
    HostHandle third = Get1IndResource(HostFourCC("PgTL"), 3);
    ASSERT_NE(third, nullptr);
    int16_t id = 0;
    uint32_t type = 0;
    unsigned char found[256] = {};
    GetResInfo(third, &id, &type, found);
    EXPECT_EQ(id, 130);
    EXPECT_EQ(type, HostFourCC("PgTL"));
    EXPECT_EQ(std::string(reinterpret_cast<char*>(found) + 1, found[0]), "Kvss");

    EXPECT_EQ(Get1Resource(HostFourCC("PgTL"), 131), nullptr);
    EXPECT_EQ(ResError(), -192);
    EXPECT_EQ(Get1IndResource(HostFourCC("PgTL"), 0), nullptr);
    EXPECT_EQ(Get1IndResource(HostFourCC("PgTL"), 4), nullptr);
}

TEST_F(KitResourceFiles, TheByteOrderProcedureSeesEachResourceOnceAsItIsRead)
{
    HostHandle fragment = Get1Resource(HostFourCC("cfrg"), 0);
    ASSERT_NE(fragment, nullptr);
    EXPECT_EQ(uint8_t((*fragment)[0]), 0xEE);
    Get1Resource(HostFourCC("cfrg"), 0);
    EXPECT_EQ(gByteOrderCalls, 1);
}

TEST_F(KitResourceFiles, DetachedHandlesBelongToTheCallerReleasedOnesAreGone)
{
    HostHandle detached = Get1Resource(HostFourCC("PgTL"), 128);
    DetachResource(detached);
    HostHandle fresh = Get1Resource(HostFourCC("PgTL"), 128);
    EXPECT_NE(fresh, detached) << "a detached resource is read anew";
    EXPECT_EQ((*detached)[2], 3);
    DisposeHandle(detached);
    ReleaseResource(fresh);
    EXPECT_EQ(MemError(), 0);
}

TEST_F(KitResourceFiles, LookUpsSearchTheCurrentFileOnly)
{
    UseResFile(0);
    EXPECT_EQ(Get1Resource(HostFourCC("PgTL"), 128), nullptr);
    UseResFile(refNum);
    EXPECT_NE(Get1Resource(HostFourCC("PgTL"), 128), nullptr);
    UseResFile(999);
    EXPECT_EQ(ResError(), -193);
    EXPECT_EQ(CurResFile(), refNum);
}

TEST(KitResourceFileErrors, MissingAndDamagedFilesAreRefused)
{
    EXPECT_EQ(OpenResourceFile("no-such-file.rsr", 1, nullptr), -1);
    EXPECT_EQ(ResError(), -193);
    std::vector<uint8_t> bytes = qorkit::writeResourceFile(sampleResources());
    bytes.pop_back();  // the last resource's data is cut short
    const std::string path = writeFile("kit-damaged.rsr", bytes);
    EXPECT_EQ(OpenResourceFile(path.c_str(), 1, nullptr), -1);
    EXPECT_EQ(ResError(), -39);
    EXPECT_EQ(QorKitOpenResourceFiles(), 0);
    std::remove(path.c_str());
}

TEST(KitResourceFileFormat, RefusesInconsistentFiles)
{
    const std::vector<uint8_t> good = qorkit::writeResourceFile(sampleResources());
    ASSERT_TRUE(qorkit::parseResourceFile(good.data(), good.size()).has_value());
    std::vector<uint8_t> trailing = good;
    trailing.push_back(0);
    std::vector<uint8_t> badMagic = good;
    badMagic[0] = 'X';
    std::vector<uint8_t> hugeCount = good;
    hugeCount[4] = 0x7F;
    std::vector<uint8_t> idOutOfRange = good;
    idOutOfRange[12] = 0x00;
    idOutOfRange[13] = 0x01;  // id 0x0001_0080
    for (const std::vector<uint8_t>* bytes : {&trailing, &badMagic, &hugeCount, &idOutOfRange})
        EXPECT_FALSE(qorkit::parseResourceFile(bytes->data(), bytes->size()).has_value());
    for (size_t cut = 0; cut < good.size(); ++cut)
        EXPECT_FALSE(qorkit::parseResourceFile(good.data(), cut).has_value()) << cut << " bytes";
}

}  // namespace
