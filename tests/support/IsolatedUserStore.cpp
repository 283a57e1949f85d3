// Every effect the tests make reads the user's stored defaults, and every editor stores the remembered file
// locations when it goes. So that no test sees the user's settings, another test's, or another test program's, each
// test program gets a user store of its own: natively a fresh XDG config folder, removed at the end; on Windows
// (where the program may share a registry with others running at the same time) a fresh key that stands in for
// HKEY_CURRENT_USER in this process, deleted at the end.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <system_error>

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

std::string uniqueName()
{
    std::random_device device;
    const auto now = std::chrono::steady_clock::now().time_since_epoch().count();
    std::mt19937_64 random(device() ^ static_cast<uint64_t>(now));
    return std::to_string(random());
}

#ifdef _WIN32

class IsolatedUserStore : public ::testing::Environment
{
public:
    void SetUp() override
    {
        const std::string suffix = uniqueName();
        path_ = L"Software\\QorKalvenorTests\\Store-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                std::wstring(suffix.begin(), suffix.end());
        if (RegCreateKeyExW(HKEY_CURRENT_USER, path_.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                            nullptr, &key_, nullptr) != ERROR_SUCCESS) {
            key_ = nullptr;
            return;
        }
        overridden_ = RegOverridePredefKey(HKEY_CURRENT_USER, key_) == ERROR_SUCCESS;
    }

    void TearDown() override
    {
        if (overridden_)
            RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
        if (key_) {
            RegCloseKey(key_);
            RegDeleteTreeW(HKEY_CURRENT_USER, path_.c_str());
        }
    }

private:
    std::wstring path_;
    HKEY key_ = nullptr;
    bool overridden_ = false;
};

#else

class IsolatedUserStore : public ::testing::Environment
{
public:
    void SetUp() override
    {
        std::error_code error;
        folder_ = std::filesystem::temp_directory_path(error) / ("qor-user-store-" + uniqueName());
        if (error || !std::filesystem::create_directories(folder_, error)) {
            folder_.clear();
            return;
        }
        const char* old = std::getenv("XDG_CONFIG_HOME");
        hadOld_ = old != nullptr;
        if (hadOld_)
            old_ = old;
        ::setenv("XDG_CONFIG_HOME", folder_.c_str(), 1);
    }

    void TearDown() override
    {
        if (folder_.empty())
            return;
        if (hadOld_)
            ::setenv("XDG_CONFIG_HOME", old_.c_str(), 1);
        else
            ::unsetenv("XDG_CONFIG_HOME");
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }

private:
    std::filesystem::path folder_;
    std::string old_;
    bool hadOld_ = false;
};

#endif

// Registered while the program starts, so it is in place before the first test whatever main runs them.
::testing::Environment* const gIsolatedUserStore = ::testing::AddGlobalTestEnvironment(new IsolatedUserStore);

}  // namespace
