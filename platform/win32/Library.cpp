#include "platform/Library.h"

#include "platform/win32/WideText.h"

#include <algorithm>

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
    if (openByName(path))
        return true;
    // A path that the ANSI code page cannot spell (a folder named 音, given as UTF-8 text by a host that read its
    // command line wide) loads by its wide form. Every path that loads by its ANSI form still loads so.
    const bool ascii =
        std::all_of(path.begin(), path.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    std::wstring wide;
    if (ascii || !toWide(path, wide))
        return false;
    if (HMODULE module = LoadLibraryW(wide.c_str())) {
        handle_ = module;
        owned_ = true;
        error_.clear();
        errorCode_ = 0;
        return true;
    }
    return false;
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
