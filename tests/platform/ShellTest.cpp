#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>

#include "platform/Shell.h"
#include "tests/platform/PlatformTestSupport.h"

namespace {

namespace fs = std::filesystem;

#ifndef _WIN32

using platformtest::ScopedEnv;

// A folder standing in for PATH, removed afterwards.
class ShellTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        folder_ = fs::temp_directory_path() / ("qor-shell-test-" + platformtest::uniqueSuffix());
        fs::create_directories(folder_);
    }
    void TearDown() override
    {
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }

    fs::path folder_;
};

TEST_F(ShellTest, DocumentPathReachesTheOpenerAsOneUntouchedArgument)
{
    // The stand-in opener writes how many arguments it got and the first one.
    const fs::path opener = folder_ / "xdg-open";
    const fs::path record = folder_ / "record";
    {
        std::ofstream script(opener);
        script << "#!/bin/sh\nprintf '%s\\n%s' \"$#\" \"$1\" > \"" << record.string() << ".part\"\n/bin/mv \""
               << record.string() << ".part\" \"" << record.string() << "\"\n";
    }
    fs::permissions(opener, fs::perms::owner_all);
    // A shell given this name would make "pwned" in the opener's working directory, which is this process's.
    const std::string document =
        (folder_ / "Qor Manual; touch pwned $(touch pwned) `touch pwned` \"it's\" *.pdf").string();
    std::ofstream(document) << "manual";

    ScopedEnv path("PATH", folder_.c_str());
    ASSERT_EQ(platform::openDocumentFrom(nullptr, document), platform::OpenResult::Opened);
    // Not waited for: the record appears when the opener has run.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!fs::exists(record) && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    std::ifstream in(record);
    const std::string got((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(got, "1\n" + document);
    EXPECT_FALSE(fs::exists("pwned"));
}

TEST_F(ShellTest, MissingDocumentAndMissingOpenerAreToldApart)
{
    const std::string manual = (folder_ / "manual.pdf").string();
    std::ofstream(manual) << "manual";
    ScopedEnv path("PATH", folder_.c_str());
    EXPECT_EQ(platform::openDocumentFrom(nullptr, manual), platform::OpenResult::NoApplication);
    EXPECT_EQ(platform::openDocumentFrom(nullptr, (folder_ / "missing.pdf").string()), platform::OpenResult::Failed);
    EXPECT_EQ(platform::openDocumentFrom(nullptr, ""), platform::OpenResult::Failed);
}

#else

TEST(ShellTest, MissingDocumentIsReported)
{
    const fs::path missing = fs::temp_directory_path() / ("qor-missing-" + platformtest::uniqueSuffix() + ".pdf");
    EXPECT_EQ(platform::openDocumentFrom(nullptr, missing.u8string()), platform::OpenResult::Failed);
}

#endif

}  // namespace
