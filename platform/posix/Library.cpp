#include "platform/Library.h"

#include <dlfcn.h>

#include <cerrno>
#include <mutex>

namespace platform {
namespace {

std::mutex gSearchMutex;
std::string gSearchDirectory;

// dlopen searches the library path for a name without a slash; a plug-in is always named by its file. A relative
// path is taken from the search directory when one is set, as Windows does after SetDllDirectoryA.
std::string asFilePath(const std::string& path)
{
    if (!path.empty() && path[0] != '/')
    {
        std::lock_guard<std::mutex> lock(gSearchMutex);
        if (!gSearchDirectory.empty())
            return gSearchDirectory + "/" + path;
    }
    return path.find('/') == std::string::npos ? "./" + path : path;
}

std::string lastError(const char* fallback)
{
    const char* text = dlerror();
    return text != nullptr ? text : fallback;
}

}  // namespace

Library::~Library()
{
    close();
}

bool Library::open(const std::string& path)
{
    close();
    error_.clear();
    dlerror();
    errno = 0;
    handle_ = dlopen(asFilePath(path).c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle_ == nullptr)
    {
        errorCode_ = errno != 0 ? errno : ENOENT;
        error_ = lastError("cannot load library");
    }
    return handle_ != nullptr;
}

void* Library::symbol(const char* name) const
{
    return handle_ != nullptr ? dlsym(handle_, name) : nullptr;
}

void Library::close()
{
    if (handle_ != nullptr)
        dlclose(handle_);
    handle_ = nullptr;
}

std::string Library::fileName(const std::string& stem)
{
    return stem + ".so";
}

bool Library::setSearchDirectory(const std::string& folder, int& errorCode)
{
    std::lock_guard<std::mutex> lock(gSearchMutex);
    gSearchDirectory = folder;
    return true;
}

bool Library::isResident(const std::string& path)
{
    void* handle = dlopen(asFilePath(path).c_str(), RTLD_NOW | RTLD_LOCAL | RTLD_NOLOAD);
    if (handle == nullptr)
        return false;
    dlclose(handle);
    return true;
}

}  // namespace platform
