#include "platform/Library.h"

#include <dlfcn.h>

namespace platform {
namespace {

// dlopen searches the library path for a name without a slash; a plug-in is always named by its file.
std::string asFilePath(const std::string& path)
{
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
    handle_ = dlopen(asFilePath(path).c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle_ == nullptr)
        error_ = lastError("cannot load library");
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

bool Library::isResident(const std::string& path)
{
    void* handle = dlopen(asFilePath(path).c_str(), RTLD_NOW | RTLD_LOCAL | RTLD_NOLOAD);
    if (handle == nullptr)
        return false;
    dlclose(handle);
    return true;
}

}  // namespace platform
