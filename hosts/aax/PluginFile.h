// The plug-in file loaded by path, with its seven exports (null where the file lacks one).
#pragma once

#include <string>

#include "hosts/aax/AcfTables.h"
#include "platform/Library.h"

namespace aaxkit {

class PluginFile
{
public:
    // False with error() when the file cannot be loaded or lacks an export.
    bool open(const std::string& path);
    void close() { library_.close(); }
    const std::string& error() const { return error_; }

    acf::RegisterPluginFunction registerPlugin = nullptr;
    acf::RegisterComponentFunction registerComponent = nullptr;
    acf::GetClassFactoryFunction getClassFactory = nullptr;
    acf::CanUnloadNowFunction canUnloadNow = nullptr;
    acf::StartupFunction startup = nullptr;
    acf::ShutdownFunction shutdown = nullptr;
    acf::GetSdkVersionFunction getSdkVersion = nullptr;

    // An export of ours beyond the seven, or null.
    void* symbol(const char* name) const { return library_.symbol(name); }

private:
    platform::Library library_;
    std::string error_;
};

}  // namespace aaxkit
