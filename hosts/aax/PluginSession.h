// One plug-in file as a host holds it: loaded by path, started (ACFStartup) and registered (ACFRegisterPlugin),
// with the description it gave. Shut down and unloaded when the session ends. The thread that opens the session is
// the plug-in's message thread.
#pragma once

#include <string>

#include "hosts/aax/DescriptionHost.h"
#include "hosts/aax/PluginFile.h"

namespace aaxkit {

class PluginSession
{
public:
    PluginSession() = default;
    ~PluginSession();
    PluginSession(const PluginSession&) = delete;
    PluginSession& operator=(const PluginSession&) = delete;

    // False with error() when the file cannot be loaded, started or registered.
    bool open(const std::string& path);
    const std::string& error() const { return error_; }

    PluginFile& file() { return file_; }
    DescriptionHost& host() { return host_; }
    // The first effect the registration described (null before open).
    const EffectDescriptor* effect() const;
    // The plug-in's live-object count (ACFCanUnloadNow).
    int32_t liveObjects();
    // Runs the plug-in's message thread (this thread) for about ms milliseconds, as a host's GUI thread would.
    void runMessageLoop(int ms);

private:
    PluginFile file_;
    DescriptionHost host_;
    void* definition_ = nullptr;
    bool started_ = false;
    std::string error_;
};

}  // namespace aaxkit
