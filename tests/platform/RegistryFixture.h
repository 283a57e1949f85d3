// A registry test's own key, "SOFTWARE\Qor-velmont\Test-<random>", removed again afterwards. Where the store is our
// own, the whole store also lives in a fresh folder (base/config, named by XDG_CONFIG_HOME) so that the tests never
// touch the user's settings and can look at the files.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "platform/Registry.h"
#include "tests/platform/PlatformTestSupport.h"

namespace registrytest {

using platform::RegistryKey;
using Access = RegistryKey::Access;

using platformtest::uniqueSuffix;
#ifndef _WIN32
using platformtest::ScopedEnv;
#endif

class RegistryFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        suffix_ = uniqueSuffix();
        path_ = "SOFTWARE\\Qor-velmont\\Test-" + suffix_;
#ifndef _WIN32
        base_ = std::filesystem::temp_directory_path() / ("qor-registry-test-" + suffix_);
        configHome_ = base_ / "config";
        std::filesystem::create_directories(configHome_);
        xdg_.reset(new ScopedEnv("XDG_CONFIG_HOME", configHome_.c_str()));
#endif
    }

    void TearDown() override
    {
        for (auto it = made_.rbegin(); it != made_.rend(); ++it)
            RegistryKey::remove(*it);
        RegistryKey::remove(path_);
#ifndef _WIN32
        xdg_.reset();
        std::error_code ignored;
        std::filesystem::remove_all(base_, ignored);
#endif
    }

    // Remembers a further key path for removal (subkeys before their parents: the last remembered goes first).
    std::string remember(const std::string& path)
    {
        made_.push_back(path);
        return path;
    }

    std::unique_ptr<RegistryKey> created()
    {
        auto key = RegistryKey::create(path_);
        EXPECT_TRUE(key != nullptr);
        return key;
    }

    std::unique_ptr<RegistryKey> reopened(Access access = Access::QueryValue)
    {
        auto key = RegistryKey::open(path_, access);
        EXPECT_TRUE(key != nullptr);
        return key;
    }

    std::string suffix_;
    std::string path_;
    std::vector<std::string> made_;
#ifndef _WIN32
    std::filesystem::path base_;
    std::filesystem::path configHome_;
    std::unique_ptr<ScopedEnv> xdg_;

    std::filesystem::path valueFile() const
    {
        return configHome_ / "qor-registry" / "SOFTWARE" / "Qor-velmont" / ("Test-" + suffix_ + ".values");
    }
#endif
};

}  // namespace registrytest
