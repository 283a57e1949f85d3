#include "platform/ModulePath.h"

#include <dlfcn.h>

#include <cerrno>
#include <climits>
#include <cstdlib>

namespace platform {

char pathSeparator()
{
    return '/';
}

bool modulePathOf(const void* address, std::string& path, int& errorCode)
{
    Dl_info info{};
    if (dladdr(address, &info) == 0 || info.dli_fname == nullptr || info.dli_fname[0] == '\0')
    {
        errorCode = ENOENT;
        return false;
    }
    // dladdr gives the name the module was loaded by, which may be relative to the working folder of that moment.
    char resolved[PATH_MAX];
    if (realpath(info.dli_fname, resolved) == nullptr)
    {
        errorCode = errno;
        return false;
    }
    path = resolved;
    return true;
}

}  // namespace platform
