// Module information: versions, folders and resources of modules and library files. Library files with resources
// are written in the container the non-Windows build reads; on Windows the system's own modules stand in.
#include "rtas/framework/ModuleInformation.h"

#include "platform/Library.h"
#include "platform/Module.h"
#include "platform/ModuleInfo.h"
#include "platform/ModulePath.h"
#if !defined(_WIN32)
#include "platform/posix/ResourceContainer.h"
#endif

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

namespace {

using rtas::SModuleVersion;

TEST(ModuleInformation, AModuleFolderEndsInTheSeparatorAndAModuleNotLoadedHasNone)
{
    const std::string program = rtas::GetModuleFolder(nullptr);
    ASSERT_FALSE(program.empty());
    EXPECT_EQ(program.back(), platform::pathSeparator());
    // The kit's engine library lies beside the test program.
    EXPECT_EQ(rtas::GetModuleFolderNamed("DAE.DLL"), program);
    EXPECT_EQ(rtas::GetModuleFolderNamed("NoSuchModule.dll"), "");
    EXPECT_EQ(rtas::GetModuleFolderNamed(""), "");
    EXPECT_EQ(rtas::DefaultPathFileNameCallback("Wrapper.dpm.rsr").GetFileName(), program + "Wrapper.dpm.rsr");
}

TEST(ModuleInformation, AModuleWithoutAVersionBlockGivesZeros)
{
    void* const kept = platform::moduleHandle();
    char text[rtas::kVersionTextCapacity];
    platform::setModuleHandle(nullptr);
    rtas::GetPlugInVersionText(text, sizeof text);
    EXPECT_STREQ(text, "0.0.0.0");
    platform::setModuleHandle(platform::loadedModule("DAE.DLL"));
    ASSERT_NE(platform::moduleHandle(), nullptr);
    std::memset(text, 'x', sizeof text);
    rtas::GetPlugInVersionText(text, sizeof text);
    EXPECT_STREQ(text, "0.0.0.0");
    // A short buffer gets what fits, terminated.
    rtas::GetPlugInVersionText(text, 4);
    EXPECT_STREQ(text, "0.0");
    platform::setModuleHandle(kept);

    SModuleVersion version;
    EXPECT_FALSE(rtas::GetVersionOfModuleNamed("NoSuchModule.dll", &version));
    EXPECT_FALSE(rtas::GetVersionOfFile("NoSuchFile.dll", &version));
}

#if defined(_WIN32)
TEST(ModuleInformation, TheSystemsOwnLibraryHasAVersion)
{
    SModuleVersion version;
    ASSERT_TRUE(rtas::GetVersionOfModuleNamed("kernel32.dll", &version));
    EXPECT_GE(version.major, 5);
}
#else
struct Resource
{
    std::string type;
    int32_t id;
    std::vector<uint8_t> bytes;
};

void PutWord(std::vector<uint8_t>& out, uint32_t word)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(uint8_t(word >> (8 * i)));
}

// A library file of the tests' own, named after the running test so that parallel tests never share one.
std::string WriteLibrary(const std::vector<Resource>& resources)
{
    std::vector<uint8_t> bytes(platform::kResourceContainerMagic,
                               platform::kResourceContainerMagic + 8);
    PutWord(bytes, uint32_t(resources.size()));
    for (const Resource& r : resources) {
        bytes.push_back(uint8_t(r.type.size()));
        bytes.insert(bytes.end(), r.type.begin(), r.type.end());
        PutWord(bytes, uint32_t(r.id));
        PutWord(bytes, uint32_t(r.bytes.size()));
        bytes.insert(bytes.end(), r.bytes.begin(), r.bytes.end());
    }
    const std::string path = std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + ".lib";
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    return path;
}

// The fixed version information: signature, structure version, then the file version's two words.
std::vector<uint8_t> FixedVersionInfo(uint32_t most, uint32_t least, size_t size = 52)
{
    std::vector<uint8_t> info;
    PutWord(info, 0xFEEF04BD);
    PutWord(info, 0x00010000);
    PutWord(info, most);
    PutWord(info, least);
    info.resize(size, 0);
    return info;
}

TEST(ModuleInformation, AFilesVersionComesFromItsFixedVersionInformation)
{
    struct Case
    {
        const char* what;
        std::vector<Resource> resources;
        bool found;
        SModuleVersion expected;
    };
    const Case cases[] = {
        {"whole", {{"#16", 1, FixedVersionInfo(0x00020003, 0x00040005)}}, true, {2, 3, 4, 5}},
        {"largest", {{"#16", 1, FixedVersionInfo(0xFFFFFFFF, 0xFFFF0000, 60)}}, true, {65535, 65535, 65535, 0}},
        {"shorter than the fixed part", {{"#16", 1, FixedVersionInfo(0x00020003, 0x00040005, 51)}}, false, {}},
        {"other number", {{"#16", 2, FixedVersionInfo(0x00020003, 0x00040005)}}, false, {}},
        {"none", {{"DSPC", 1, {1, 2, 3}}}, false, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string path = WriteLibrary(c.resources);
        SModuleVersion version;
        EXPECT_EQ(rtas::GetVersionOfFile(path.c_str(), &version), c.found);
        EXPECT_EQ(version.major, c.expected.major);
        EXPECT_EQ(version.minor, c.expected.minor);
        EXPECT_EQ(version.release, c.expected.release);
        EXPECT_EQ(version.build, c.expected.build);
        std::remove(path.c_str());
    }
}

TEST(ModuleInformation, ALibrarysResourceIsCopiedUpToTheMaximumAndItsFullSizeReported)
{
    const std::string path =
        WriteLibrary({{"DSPC", 7, {9, 9}}, {"DSPB", 7, {1, 2, 3, 4, 5, 6}}, {"DSPB", 8, {7}}});
    struct Case
    {
        const char* type;
        int32_t id;
        uint32_t maximum;
        bool found;
        std::vector<uint8_t> copied;  // the destination's first six bytes afterwards
        uint32_t size;
    };
    const Case cases[] = {
        {"DSPB", 7, 4, true, {1, 2, 3, 4, 0xEE, 0xEE}, 6},
        {"DSPB", 7, 100, true, {1, 2, 3, 4, 5, 6}, 6},
        {"DSPB", 8, 0, true, {0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE}, 1},
        {"DSPB", 9, 100, false, {0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE}, 0xFFFF},
        {"DSP", 7, 100, false, {0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE}, 0xFFFF},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.type) + " " + std::to_string(c.id));
        uint8_t destination[6];
        std::memset(destination, 0xEE, sizeof destination);
        uint32_t size = 0xFFFF;
        EXPECT_EQ(rtas::LoadResourceFromLibrary(path.c_str(), c.type, c.id, &size, c.maximum, destination), c.found);
        EXPECT_EQ(std::vector<uint8_t>(destination, destination + 6), c.copied);
        EXPECT_EQ(size, c.size);
    }
    EXPECT_FALSE(rtas::LoadResourceFromLibrary("NoSuchFile.lib", "DSPB", 7, nullptr, 4, nullptr));

    // The same resource found in the library opened as data, and nowhere in a loaded module.
    void* library = platform::openLibraryAsData(path.c_str());
    ASSERT_NE(library, nullptr);
    uint32_t size = 0;
    const auto* bytes = static_cast<const uint8_t*>(rtas::FindResourceData(library, "DSPB", 8, &size));
    ASSERT_NE(bytes, nullptr);
    EXPECT_EQ(size, 1u);
    EXPECT_EQ(bytes[0], 7);
    EXPECT_EQ(rtas::FindResourceData(library, "DSPB", 9, nullptr), nullptr);
    platform::releaseLibraryData(library);
    EXPECT_EQ(rtas::FindResourceData(platform::loadedModule("DAE.DLL"), "DSPB", 8, nullptr), nullptr);
    std::remove(path.c_str());
}

TEST(ModuleInformation, AModuleWhoseNameIsTooLongForItsBufferHasNoFolderRatherThanAWrongOne)
{
    namespace fs = std::filesystem;
    // A loaded module whose file name fits, and the same file deep enough that its name does not.
    const fs::path shortFolder = fs::absolute("ModuleFolderTest");
    fs::path longFolder = shortFolder;
    while (longFolder.string().size() <= rtas::kLongestVersionModuleName)
        longFolder /= std::string(40, 'f');
    fs::create_directories(longFolder);
    const fs::path shortCopy = shortFolder / "QorRecordingEffect.dll";
    const fs::path longCopy = longFolder / "QorRecordingEffect.dll";
    fs::copy_file("QorRecordingEffect.dll", shortCopy, fs::copy_options::overwrite_existing);
    fs::copy_file("QorRecordingEffect.dll", longCopy, fs::copy_options::overwrite_existing);
    {
        platform::Library shortLibrary;
        platform::Library longLibrary;
        ASSERT_TRUE(shortLibrary.open(shortCopy.string())) << shortLibrary.error();
        ASSERT_TRUE(longLibrary.open(longCopy.string())) << longLibrary.error();
        void* shortModule = platform::loadedModule(shortCopy.c_str());
        void* longModule = platform::loadedModule(longCopy.c_str());
        ASSERT_NE(shortModule, nullptr);
        ASSERT_NE(longModule, nullptr);
        EXPECT_EQ(rtas::GetModuleFolder(shortModule), shortFolder.string() + "/");
        EXPECT_EQ(rtas::GetModuleFolder(longModule), "");
        SModuleVersion version;
        EXPECT_FALSE(rtas::GetVersionOfModule(longModule, &version));
    }
    fs::remove_all(shortFolder);
}

TEST(ModuleInformation, AContainerCutShortOrClaimingMoreThanItHoldsFindsNothing)
{
    std::vector<uint8_t> bytes(platform::kResourceContainerMagic,
                               platform::kResourceContainerMagic + 8);
    PutWord(bytes, 2);
    bytes.push_back(4);
    bytes.insert(bytes.end(), {'D', 'S', 'P', 'B'});
    PutWord(bytes, 7);
    PutWord(bytes, 3);
    bytes.insert(bytes.end(), {1, 2, 3});
    const uint8_t* resource = nullptr;
    uint32_t size = 0;
    ASSERT_TRUE(platform::findContainerResource(bytes.data(), bytes.size(), "DSPB", 7, &resource, &size));
    EXPECT_EQ(size, 3u);
    // The second entry is missing: a lookup that must walk past the first fails.
    EXPECT_FALSE(platform::findContainerResource(bytes.data(), bytes.size(), "DSPB", 8, &resource, &size));
    // Every prefix is refused, and none is read past its end.
    for (size_t length = 0; length < bytes.size(); ++length) {
        std::vector<uint8_t> prefix(bytes.begin(), bytes.begin() + std::ptrdiff_t(length));
        EXPECT_FALSE(platform::findContainerResource(prefix.data(), prefix.size(), "DSPB", 7, &resource, &size))
            << length;
    }
}
#endif

}  // namespace
