// Small helpers of the platform tests: names no other run uses, and environment variables set for a scope.
#pragma once

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

namespace platformtest {

inline std::string uniqueSuffix()
{
    std::random_device device;
    const auto now = std::chrono::steady_clock::now().time_since_epoch().count();
    std::mt19937_64 random(device() ^ static_cast<uint64_t>(now));
    char text[24];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(random()));
    return text;
}

#ifndef _WIN32
// Sets an environment variable (null: unsets it) for a scope and puts the old value back.
class ScopedEnv
{
public:
    ScopedEnv(const char* name, const char* value) : name_(name)
    {
        const char* old = std::getenv(name);
        hadOld_ = old != nullptr;
        if (hadOld_)
            old_ = old;
        set(value);
    }
    ~ScopedEnv() { set(hadOld_ ? old_.c_str() : nullptr); }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

    void set(const char* value)
    {
        if (value)
            ::setenv(name_.c_str(), value, 1);
        else
            ::unsetenv(name_.c_str());
    }

private:
    std::string name_;
    std::string old_;
    bool hadOld_ = false;
};
#endif

}  // namespace platformtest
