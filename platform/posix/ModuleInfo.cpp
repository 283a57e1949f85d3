#include "platform/ModuleInfo.h"

#include "platform/posix/ResourceContainer.h"
#include "platform/posix/StoreFiles.h"

#include <dlfcn.h>
#include <link.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <set>
#include <vector>

namespace platform {
namespace {

// A container larger than this is not read.
constexpr size_t kLargestLibraryFile = size_t(64) << 20;
// The fixed version information: signature, structure version, then the file version's two words.
constexpr uint32_t kFixedVersionInfoSize = 52;
constexpr size_t kFileVersionOffset = 8;
constexpr char kVersionType[] = "#16";
constexpr int32_t kVersionID = 1;

struct LibraryData
{
    std::vector<uint8_t> bytes;
};

// The libraries opened as data, so that a handle is told from a loaded module's base address.
std::mutex gLibrariesMutex;
std::set<LibraryData*> gLibraries;

bool isLibraryData(ModuleHandle module)
{
    std::lock_guard<std::mutex> guard(gLibrariesMutex);
    return gLibraries.count(static_cast<LibraryData*>(module)) != 0;
}

}  // namespace

bool moduleFileName(ModuleHandle module, std::string& path)
{
    char resolved[PATH_MAX];
    if (module == nullptr) {
        const ssize_t length = readlink("/proc/self/exe", resolved, sizeof resolved - 1);
        if (length <= 0)
            return false;
        resolved[length] = '\0';
        path = resolved;
        return true;
    }
    Dl_info info{};
    if (dladdr(module, &info) == 0 || info.dli_fname == nullptr || info.dli_fname[0] == '\0' ||
        info.dli_fbase != module)
        return false;
    if (realpath(info.dli_fname, resolved) == nullptr)
        return false;
    path = resolved;
    return true;
}

ModuleHandle loadedModule(const char* name)
{
    if (name == nullptr || name[0] == '\0')
        return nullptr;
    void* handle = dlopen(name, RTLD_LAZY | RTLD_NOLOAD);
    if (handle == nullptr)
        return nullptr;
    // The module's base address, as Windows hands out module handles; the module stays loaded by whoever loaded it.
    link_map* map = nullptr;
    Dl_info info{};
    void* base = nullptr;
    if (dlinfo(handle, RTLD_DI_LINKMAP, &map) == 0 && map != nullptr && dladdr(map->l_ld, &info) != 0)
        base = info.dli_fbase;
    dlclose(handle);
    return base;
}

ModuleHandle openLibraryAsData(const char* path)
{
    if (path == nullptr)
        return nullptr;
    auto* library = new LibraryData;
    if (readWholeFile(path, kLargestLibraryFile, library->bytes) != FileRead::Read) {
        delete library;
        return nullptr;
    }
    std::lock_guard<std::mutex> guard(gLibrariesMutex);
    gLibraries.insert(library);
    return library;
}

void releaseLibraryData(ModuleHandle library)
{
    std::lock_guard<std::mutex> guard(gLibrariesMutex);
    if (gLibraries.erase(static_cast<LibraryData*>(library)) != 0)
        delete static_cast<LibraryData*>(library);
}

const void* findResource(ModuleHandle module, const char* type, int32_t id, uint32_t* size)
{
    // Loaded modules carry no resources here.
    if (module == nullptr || !isLibraryData(module))
        return nullptr;
    const std::vector<uint8_t>& bytes = static_cast<LibraryData*>(module)->bytes;
    const uint8_t* resource = nullptr;
    uint32_t length = 0;
    if (!findContainerResource(bytes.data(), bytes.size(), type, id, &resource, &length))
        return nullptr;
    if (size != nullptr)
        *size = length;
    return resource;
}

bool fileVersionWords(const char* path, uint32_t& mostSignificant, uint32_t& leastSignificant)
{
    ModuleHandle library = openLibraryAsData(path);
    if (library == nullptr)
        return false;
    uint32_t size = 0;
    const auto* info = static_cast<const uint8_t*>(findResource(library, kVersionType, kVersionID, &size));
    const bool found = info != nullptr && size >= kFixedVersionInfoSize;
    if (found) {
        std::memcpy(&mostSignificant, info + kFileVersionOffset, 4);
        std::memcpy(&leastSignificant, info + kFileVersionOffset + 4, 4);
    }
    releaseLibraryData(library);
    return found;
}

std::string folderOfPath(const std::string& path)
{
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

}  // namespace platform
