#include "platform/Library.h"

#include <windows.h>

namespace platform {
namespace {

std::string lastError(const char* what)
{
    return std::string(what) + " (error " + std::to_string(GetLastError()) + ")";
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
    handle_ = LoadLibraryA(path.c_str());
    if (handle_ == nullptr)
        error_ = lastError("cannot load library");
    return handle_ != nullptr;
}

void* Library::symbol(const char* name) const
{
    return handle_ != nullptr ? reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(handle_), name)) : nullptr;
}

void Library::close()
{
    if (handle_ != nullptr)
        FreeLibrary(static_cast<HMODULE>(handle_));
    handle_ = nullptr;
}

bool Library::isResident(const std::string& path)
{
    return GetModuleHandleA(path.c_str()) != nullptr;
}

}  // namespace platform
