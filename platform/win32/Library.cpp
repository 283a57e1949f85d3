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
    return openByName(path);
}

bool Library::openByName(const std::string& name)
{
    close();
    error_.clear();
    handle_ = LoadLibraryA(name.c_str());
    if (handle_ == nullptr) {
        errorCode_ = static_cast<int>(GetLastError());
        error_ = lastError("cannot load library");
    }
    owned_ = handle_ != nullptr;
    return handle_ != nullptr;
}

bool Library::attachLoaded(const std::string& name)
{
    close();
    error_.clear();
    handle_ = GetModuleHandleA(name.c_str());
    if (handle_ == nullptr)
        error_ = lastError("library not loaded");
    owned_ = false;
    return handle_ != nullptr;
}

void* Library::symbol(const char* name) const
{
    return handle_ != nullptr ? reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(handle_), name)) : nullptr;
}

void Library::close()
{
    if (handle_ != nullptr && owned_)
        FreeLibrary(static_cast<HMODULE>(handle_));
    handle_ = nullptr;
    owned_ = false;
}

std::string Library::fileName(const std::string& stem)
{
    return stem + ".dll";
}

bool Library::setSearchDirectory(const std::string& folder, int& errorCode)
{
    if (SetDllDirectoryA(folder.c_str()))
        return true;
    errorCode = static_cast<int>(GetLastError());
    return false;
}

bool Library::isResident(const std::string& path)
{
    return GetModuleHandleA(path.c_str()) != nullptr;
}

}  // namespace platform
