#include "platform/ModuleInfo.h"

#include <windows.h>

#include <cstdlib>
#include <vector>

namespace platform {
namespace {

// Longer module names than this are taken as unreadable rather than cut.
constexpr DWORD kLongestModuleName = 4096;
constexpr UINT kFixedVersionInfoSize = 52;

}  // namespace

bool moduleFileName(ModuleHandle module, std::string& path)
{
    std::vector<char> name(kLongestModuleName + 1, '\0');
    const DWORD length = GetModuleFileNameA(static_cast<HMODULE>(module), name.data(), kLongestModuleName + 1);
    if (length == 0 || length > kLongestModuleName)
        return false;
    path.assign(name.data(), length);
    return true;
}

ModuleHandle loadedModule(const char* name)
{
    return name != nullptr && name[0] != '\0' ? GetModuleHandleA(name) : nullptr;
}

ModuleHandle openLibraryAsData(const char* path)
{
    return path != nullptr ? LoadLibraryExA(path, nullptr, LOAD_LIBRARY_AS_DATAFILE) : nullptr;
}

void releaseLibraryData(ModuleHandle library)
{
    if (library != nullptr)
        FreeLibrary(static_cast<HMODULE>(library));
}

const void* findResource(ModuleHandle module, const char* type, int32_t id, uint32_t* size)
{
    HMODULE handle = static_cast<HMODULE>(module);
    HRSRC found = FindResourceA(handle, MAKEINTRESOURCEA(id), type);
    if (found == nullptr)
        return nullptr;
    if (size != nullptr)
        *size = SizeofResource(handle, found);
    HGLOBAL loaded = LoadResource(handle, found);
    return loaded != nullptr ? LockResource(loaded) : nullptr;
}

bool fileVersionWords(const char* path, uint32_t& mostSignificant, uint32_t& leastSignificant)
{
    DWORD unused = 0;
    const DWORD size = GetFileVersionInfoSizeA(path, &unused);
    if (size == 0)
        return false;
    void* block = std::malloc(size);
    if (block == nullptr)
        return false;
    bool found = false;
    VS_FIXEDFILEINFO* info = nullptr;
    UINT length = 0;
    if (GetFileVersionInfoA(path, 0, size, block) &&
        VerQueryValueA(block, "\\", reinterpret_cast<void**>(&info), &length) && info != nullptr &&
        length >= kFixedVersionInfoSize) {
        mostSignificant = info->dwFileVersionMS;
        leastSignificant = info->dwFileVersionLS;
        found = true;
    }
    std::free(block);
    return found;
}

std::string folderOfPath(const std::string& path)
{
    char drive[_MAX_DRIVE] = {0};
    char directory[_MAX_DIR] = {0};
    if (path.size() >= _MAX_PATH)
        return std::string();
    _splitpath(path.c_str(), drive, directory, nullptr, nullptr);
    return std::string(drive) + directory;
}

}  // namespace platform
