// Reading a chosen file whole, and replacing one so that a failure never costs the file that was there.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/Files.h"
#include "tests/support/ScratchFolder.h"

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace {

using scratchtest::ScratchFolder;
using Bytes = std::vector<uint8_t>;

TEST(Files, ReplacingWritesTheWholeFileUnderItsName)
{
    ScratchFolder folder;
    const std::string file = folder.file("Zoë's bank.qrb");
    const Bytes first(70000, 0x11);
    const Bytes second = {1, 2, 3};
    ASSERT_TRUE(platform::replaceFileBytes(file, first.data(), first.size()));
    EXPECT_EQ(scratchtest::readBytes(file), first);
    ASSERT_TRUE(platform::replaceFileBytes(file, second.data(), second.size()));
    EXPECT_EQ(scratchtest::readBytes(file), second) << "nothing of the longer file is left";
    ASSERT_TRUE(platform::replaceFileBytes(file, nullptr, 0));
    EXPECT_TRUE(scratchtest::readBytes(file).empty());
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"Zoë's bank.qrb"}) << "no temporary file is left";
}

#ifndef _WIN32
TEST(Files, ReplacedFileKeepsItsPermissions)
{
    ScratchFolder folder;
    const std::string file = folder.file("shared.qor");
    scratchtest::writeBytes(file, {9});
    ASSERT_EQ(::chmod(file.c_str(), 0640), 0);
    const Bytes bytes = {1, 2};
    ASSERT_TRUE(platform::replaceFileBytes(file, bytes.data(), bytes.size()));
    struct stat info {};
    ASSERT_EQ(::stat(file.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
}
#endif

TEST(Files, FailedReplaceLeavesEverythingAsItWas)
{
    ScratchFolder folder;
    const Bytes old = {'o', 'l', 'd'};
    folder.folderWithSeparator("a folder");
    scratchtest::writeBytes(folder.file("a folder/inside"), old);
    const Bytes bytes(5000, 0x22);
    struct Case
    {
        const char* label;
        std::string path;
    };
    const Case cases[] = {
        {"a target that is a folder", folder.file("a folder")},
        {"a folder that does not exist", folder.file("missing/x.qor")},
        {"a path that names a folder", folder.folderWithSeparator("a folder")},
        {"an empty path", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_FALSE(platform::replaceFileBytes(c.path, bytes.data(), bytes.size()));
        EXPECT_EQ(scratchtest::readBytes(folder.file("a folder/inside")), old);
        EXPECT_EQ(folder.entries(), std::vector<std::string>{"a folder"});
    }
}

TEST(Files, ReadingTakesOnlyWholeRegularFilesWithinTheLimit)
{
    ScratchFolder folder;
    const Bytes ten(10, 0x33);
    scratchtest::writeBytes(folder.file("ten"), ten);
    folder.folderWithSeparator("folder");
    struct Case
    {
        const char* label;
        std::string path;
        size_t limit;
        bool read;
    };
    const Case cases[] = {
        {"within the limit", folder.file("ten"), 100, true},
        {"exactly the limit", folder.file("ten"), 10, true},
        {"beyond the limit", folder.file("ten"), 9, false},
        {"missing", folder.file("eleven"), 100, false},
        {"a folder", folder.file("folder"), 100, false},
        {"an empty path", "", 100, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        Bytes bytes = {7};
        EXPECT_EQ(platform::readFileBytes(c.path, c.limit, bytes), c.read);
        if (c.read) {
            EXPECT_EQ(bytes, ten);
        }
    }
}

}  // namespace
