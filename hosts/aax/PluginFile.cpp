#include "hosts/aax/PluginFile.h"

#include <type_traits>

namespace aaxkit {

bool PluginFile::open(const std::string& path)
{
    error_.clear();
    if (!library_.open(path))
    {
        error_ = library_.error();
        return false;
    }
    auto bind = [this](auto& function, const char* name) {
        function = reinterpret_cast<std::remove_reference_t<decltype(function)>>(library_.symbol(name));
        if (function == nullptr && error_.empty())
            error_ = std::string("no export ") + name;
    };
    bind(registerPlugin, "ACFRegisterPlugin");
    bind(registerComponent, "ACFRegisterComponent");
    bind(getClassFactory, "ACFGetClassFactory");
    bind(canUnloadNow, "ACFCanUnloadNow");
    bind(startup, "ACFStartup");
    bind(shutdown, "ACFShutdown");
    bind(getSdkVersion, "ACFGetSDKVersion");
    return error_.empty();
}

}  // namespace aaxkit
