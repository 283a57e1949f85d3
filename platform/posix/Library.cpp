#include "platform/Library.h"

#include <dlfcn.h>

#include <cctype>
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

// "_Name@12" -> "Name"; anything else -> "".
std::string undecorated(const std::string& name)
{
    const size_t at = name.rfind('@');
    if (name.size() < 4 || name[0] != '_' || at == std::string::npos || at < 2 || at + 1 == name.size())
        return "";
    for (size_t i = at + 1; i < name.size(); ++i)
        if (!std::isdigit(static_cast<unsigned char>(name[i])))
            return "";
    return name.substr(1, at - 1);
}

}  // namespace

Library::~Library()
{
    close();
}

bool Library::open(const std::string& path)
{
    return openByName(asFilePath(path));
}

bool Library::openByName(const std::string& name)
{
    close();
    error_.clear();
    dlerror();
    errno = 0;
    handle_ = dlopen(name.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle_ == nullptr) {
        errorCode_ = errno != 0 ? errno : ENOENT;
        error_ = lastError("cannot load library");
    }
    owned_ = handle_ != nullptr;
    return handle_ != nullptr;
}

bool Library::attachLoaded(const std::string& name)
{
    close();
    error_.clear();
    dlerror();
    // RTLD_NOLOAD answers only a library already mapped; its reference is given back at once, as a Windows
    // module handle holds none.
    handle_ = dlopen(name.c_str(), RTLD_NOW | RTLD_LOCAL | RTLD_NOLOAD);
    if (handle_ == nullptr) {
        error_ = lastError("library not loaded");
        return false;
    }
    dlclose(handle_);
    owned_ = false;
    return true;
}

void* Library::symbol(const char* name) const
{
    if (handle_ == nullptr || name == nullptr)
        return nullptr;
    if (void* address = dlsym(handle_, name))
        return address;
    const std::string plain = undecorated(name);
    return plain.empty() ? nullptr : dlsym(handle_, plain.c_str());
}

void Library::close()
{
    if (handle_ != nullptr && owned_)
        dlclose(handle_);
    handle_ = nullptr;
    owned_ = false;
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
