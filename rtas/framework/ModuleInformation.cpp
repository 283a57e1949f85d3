#include "rtas/framework/ModuleInformation.h"

#include "platform/Module.h"
#include "platform/ModuleInfo.h"

#include <cstdio>
#include <cstring>

namespace rtas {
namespace {

bool ModuleName(void* module, size_t longest, std::string& path)
{
    return platform::moduleFileName(module, path) && !path.empty() && path.size() <= longest;
}

}  // namespace

bool GetVersionOfFile(const char* path, SModuleVersion* version)
{
    uint32_t most = 0;
    uint32_t least = 0;
    if (path == nullptr || version == nullptr || !platform::fileVersionWords(path, most, least))
        return false;
    version->major = uint16_t(most >> 16);
    version->minor = uint16_t(most & 0xFFFF);
    version->release = uint16_t(least >> 16);
    version->build = uint16_t(least & 0xFFFF);
    return true;
}

bool GetVersionOfModule(void* module, SModuleVersion* version)
{
    std::string path;
    return ModuleName(module, kLongestVersionModuleName, path) && GetVersionOfFile(path.c_str(), version);
}

bool GetVersionOfModuleNamed(const char* name, SModuleVersion* version)
{
    void* module = platform::loadedModule(name);
    return module != nullptr && GetVersionOfModule(module, version);
}

void GetPlugInVersionText(char* buffer, size_t capacity)
{
    if (buffer == nullptr || capacity == 0)
        return;
    SModuleVersion version;
    void* module = platform::moduleHandle();
    if (module == nullptr || !GetVersionOfModule(module, &version))
        version = SModuleVersion();
    std::snprintf(buffer, capacity, "%d.%d.%d.%d", version.major, version.minor, version.release, version.build);
}

std::string GetModuleFolder(void* module)
{
    std::string path;
    if (!ModuleName(module, kLongestFolderModuleName, path))
        return std::string();
    return platform::folderOfPath(path);
}

std::string GetModuleFolderNamed(const char* name)
{
    void* module = platform::loadedModule(name);
    return module != nullptr ? GetModuleFolder(module) : std::string();
}

std::string DefaultPathFileNameCallback::GetFileName() { return GetModuleFolder(nullptr) + fFileName; }

const void* FindResourceData(void* module, const char* type, int32_t id, uint32_t* size)
{
    return platform::findResource(module, type, id, size);
}

bool LoadResourceFromLibrary(const char* path, const char* type, int32_t id, uint32_t* size, uint32_t maximum,
                             void* destination)
{
    void* library = platform::openLibraryAsData(path);
    if (library == nullptr)
        return false;
    uint32_t length = 0;
    const void* resource = platform::findResource(library, type, id, &length);
    if (resource != nullptr) {
        if (destination != nullptr)
            std::memcpy(destination, resource, length < maximum ? length : maximum);
        if (size != nullptr)
            *size = length;
    }
    platform::releaseLibraryData(library);
    return resource != nullptr;
}

}  // namespace rtas
