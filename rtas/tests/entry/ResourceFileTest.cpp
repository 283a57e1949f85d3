// The plug-in's resource file as the host reads it once the plug-in is open: the component records come through the
// plug-in's byte-order pass in the processor's order, and every type finds page tables that lay out its controls.
#include "PlugInFile.h"

#include "rtas/bridge/entry/ResourceByteOrder.h"
#include "rtas/framework/host/ToolboxServices.h"

#include <algorithm>
#include <cstring>
#include <set>
#include <vector>

namespace {

uint32_t FourCC(const char* text)
{
    return (uint32_t(uint8_t(text[0])) << 24) | (uint32_t(uint8_t(text[1])) << 16) |
           (uint32_t(uint8_t(text[2])) << 8) | uint32_t(uint8_t(text[3]));
}

template <typename T>
T At(HostHandle resource, size_t offset)
{
    T value{};
    std::memcpy(&value, *resource + offset, sizeof value);
    return value;
}

struct PageTableEntry
{
    int16_t kind;
    int16_t rowLength;
    std::vector<int16_t> values;
};

// Reads a table as the plug-in does (its own byte order); fails the test on an entry that runs past the end.
std::vector<PageTableEntry> ReadPageTable(HostHandle resource)
{
    std::vector<PageTableEntry> entries;
    const size_t size = size_t(GetHandleSize(resource));
    size_t offset = 0;
    while (offset + 2 <= size) {
        const int16_t kind = At<int16_t>(resource, offset);
        if (kind == 0)
            return entries;
        EXPECT_LE(offset + 6, size);
        const int16_t count = At<int16_t>(resource, offset + 2);
        PageTableEntry entry{kind, At<int16_t>(resource, offset + 4), {}};
        EXPECT_LE(offset + 6 + size_t(count) * 2, size);
        for (int16_t i = 0; i < count; ++i)
            entry.values.push_back(At<int16_t>(resource, offset + 6 + size_t(i) * 2));
        entries.push_back(entry);
        offset += 6 + size_t(count) * 2;
    }
    ADD_FAILURE() << "no entry of kind 0 ends the table";
    return entries;
}

class ResourceFile : public PlugInFile
{
protected:
    void SetUp() override
    {
        PlugInFile::SetUp();
        ASSERT_EQ(WinOpen(kWinPlugInOpenVersion), 0);
        // The open leaves the plug-in's file the current one.
        ASSERT_NE(CurResFile(), 0);
    }
};

}  // namespace

TEST_F(ResourceFile, TheComponentRecordReachesTheHostInItsOwnByteOrder)
{
    HostHandle thing = Get1Resource(FourCC("thng"), 128);
    ASSERT_NE(thing, nullptr);
    ASSERT_GE(GetHandleSize(thing), 44);
    EXPECT_EQ(At<uint32_t>(thing, 0), FourCC("RTAS"));
    EXPECT_EQ(At<uint32_t>(thing, 4), FourCC("QKvp"));
    EXPECT_EQ(At<uint32_t>(thing, 8), FourCC("Qora"));
    EXPECT_EQ(At<uint32_t>(thing, 12), 0u);
    // The code, name and description references, each {type, number}.
    EXPECT_EQ(At<uint32_t>(thing, 20), FourCC("cfrg"));
    EXPECT_EQ(At<int16_t>(thing, 24), 0);
    EXPECT_EQ(At<uint32_t>(thing, 26), FourCC("STR "));
    EXPECT_EQ(At<int16_t>(thing, 30), 128);
    EXPECT_EQ(At<uint32_t>(thing, 32), FourCC("STR "));
    EXPECT_EQ(At<int16_t>(thing, 36), 129);

    // What they refer to is there.
    ASSERT_NE(Get1Resource(FourCC("cfrg"), 0), nullptr);
    HostHandle name = Get1Resource(FourCC("STR "), 128);
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(PascalText(reinterpret_cast<unsigned char*>(*name)), "Qor Kalvenor");
    HostHandle description = Get1Resource(FourCC("STR "), 129);
    ASSERT_NE(description, nullptr);
    EXPECT_EQ(PascalText(reinterpret_cast<unsigned char*>(*description)), "Qor Kalvenor - FET type compressor");
}

TEST_F(ResourceFile, TheFragmentRecordHasOnlyItsArchitectureWordTurned)
{
    HostHandle fragment = Get1Resource(FourCC("cfrg"), 0);
    ASSERT_NE(fragment, nullptr);
    ASSERT_GE(GetHandleSize(fragment), 36);
    EXPECT_EQ(At<uint32_t>(fragment, 32), FourCC("x86 "));
    // The header before it stays as stored: big-endian version 1 and one fragment.
    EXPECT_EQ(uint8_t((*fragment)[11]), 1);
    EXPECT_EQ(uint8_t((*fragment)[31]), 1);
}

TEST_F(ResourceFile, EveryTypeFindsItsPageTablesLayingOutItsControls)
{
    const char* const typeNames[] = {"Kvmm", "Kvms", "Kvss", "Kvas", "Kvam"};
    const char* const surfaceTables[] = {"PgTL", "PcTL", "FrTL", "HgTL", "BkCS", "BkSF"};
    for (const char* typeName : typeNames) {
        unsigned char name[5] = {4};
        std::memcpy(name + 1, typeName, 4);
        for (const char* table : surfaceTables) {
            SCOPED_TRACE(std::string(typeName) + " " + table);
            HostHandle resource = Get1NamedResource(FourCC(table), name);
            ASSERT_NE(resource, nullptr);
            const std::vector<PageTableEntry> entries = ReadPageTable(resource);
            ASSERT_EQ(entries.size(), 2u);
            // Kind 1: every control once, in order.
            EXPECT_EQ(entries[0].kind, 1);
            EXPECT_EQ(entries[0].rowLength, 1);
            std::vector<int16_t> everyControl;
            for (int16_t id = 1; id <= 17; ++id)
                everyControl.push_back(id);
            EXPECT_EQ(entries[0].values, everyControl);
            // Kind 4: pages of four holding each real parameter once, and neither the bypass nor a placeholder.
            EXPECT_EQ(entries[1].kind, 4);
            EXPECT_EQ(entries[1].values.size(), 12u);
            const std::set<int16_t> onPages(entries[1].values.begin(), entries[1].values.end());
            EXPECT_EQ(onPages, (std::set<int16_t>{2, 3, 4, 6, 7, 8, 10, 11, 12, 13, 14, 15}));
        }
        HostHandle bypass = Get1NamedResource(FourCC("MkTL"), name);
        ASSERT_NE(bypass, nullptr);
        const std::vector<PageTableEntry> marks = ReadPageTable(bypass);
        ASSERT_EQ(marks.size(), 1u);
        EXPECT_EQ(marks[0].values, std::vector<int16_t>{1});
        for (const char* section : {"DgCP", "DgEQ"})
            EXPECT_NE(Get1NamedResource(FourCC(section), name), nullptr) << typeName << " " << section;
    }
}

// The byte-order pass on its own, with resources cut short: it must turn only whole fields inside the resource.
TEST(ResourceByteOrder, TurnsOnlyWholeFieldsInsideTheResource)
{
    struct Case
    {
        const char* type;
        int32_t size;
        int32_t expectedAnswer;
        std::vector<int> turnedWordsAt;   // 32-bit fields reversed
        std::vector<int> turnedShortsAt;  // 16-bit fields reversed
    };
    const Case cases[] = {
        {"thng", 44, 1, {0, 4, 8, 12, 16, 20, 26, 32, 38}, {24, 30, 36, 42}},
        {"thng", 43, 1, {0, 4, 8, 12, 16, 20, 26, 32, 38}, {24, 30, 36}},
        {"thng", 22, 1, {0, 4, 8, 12, 16}, {}},
        {"thng", 0, 1, {}, {}},
        {"cfrg", 36, 1, {32}, {}},
        {"cfrg", 35, 1, {}, {}},
        {"PgTL", 44, 0, {}, {}},
        {"STR ", 44, 0, {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.type) + " of " + std::to_string(c.size) + " bytes");
        std::vector<uint8_t> bytes(64);
        for (size_t i = 0; i < bytes.size(); ++i)
            bytes[i] = uint8_t(i);
        std::vector<uint8_t> expected = bytes;
        for (int at : c.turnedWordsAt)
            std::reverse(expected.begin() + at, expected.begin() + at + 4);
        for (int at : c.turnedShortsAt)
            std::reverse(expected.begin() + at, expected.begin() + at + 2);
        EXPECT_EQ(rtas::entry::SwapResourceByteOrder(FourCC(c.type), bytes.data(), c.size), c.expectedAnswer);
        EXPECT_EQ(bytes, expected);
    }
    EXPECT_EQ(rtas::entry::SwapResourceByteOrder(FourCC("thng"), nullptr, 44), 1);
}
