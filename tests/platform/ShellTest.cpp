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
    const fs::path pwned = folder_ / "pwned";
    const std::string document = "/tmp/Qor Manual; touch " + pwned.string() + " $(touch " + pwned.string() +
                                 ") `touch " + pwned.string() + "` \"it's\" *.pdf";

    ScopedEnv path("PATH", folder_.c_str());
    ASSERT_TRUE(platform::openDocument(document));
    // Not waited for: the record appears when the opener has run.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!fs::exists(record) && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    std::ifstream in(record);
    const std::string got((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(got, "1\n" + document);
    EXPECT_FALSE(fs::exists(pwned));
}

TEST_F(ShellTest, NoOpenerToStartIsReported)
{
    ScopedEnv path("PATH", folder_.c_str());
    EXPECT_FALSE(platform::openDocument("/tmp/manual.pdf"));
}

#else

TEST(ShellTest, MissingDocumentIsReported)
{
    const fs::path missing = fs::temp_directory_path() / ("qor-missing-" + platformtest::uniqueSuffix() + ".pdf");
    EXPECT_FALSE(platform::openDocument(missing.u8string()));
}

#endif

}  // namespace
