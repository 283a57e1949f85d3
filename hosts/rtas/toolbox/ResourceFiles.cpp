// Resource files of the stand-in DigiExt.dll, in the kit's own format (ResourceFileFormat.h). A resource is read
// into a memory block on its first look-up and handed out as the same handle until it is released or detached;
// the plug-in's byte-order procedure sees each block once, as it is read.
#include "hosts/rtas/KitControl.h"
#include "hosts/rtas/KitExport.h"
#include "hosts/rtas/KitLog.h"
#include "hosts/rtas/toolbox/MemoryBlocks.h"
#include "hosts/rtas/toolbox/ResourceFileFormat.h"

#include <cstring>
#include <fstream>
#include <iterator>
#include <map>
#include <mutex>

namespace {

constexpr int16_t kFileNotFound = -193;
constexpr int16_t kResourceNotFound = -192;
constexpr int16_t kDamagedFile = -39;

struct Entry
{
    qorkit::StoredResource stored;
    HostHandle loaded = nullptr;
};

struct OpenFile
{
    std::vector<Entry> entries;
    ResourceByteOrderProc byteOrder = nullptr;
};

std::mutex filesMutex;
std::map<int16_t, OpenFile> files;
int16_t current = 0;
int16_t nextRefNum = 1;
int16_t resourceError = 0;

OpenFile* currentFile()
{
    const auto found = files.find(current);
    return found != files.end() ? &found->second : nullptr;
}

// The entry's block, read on first use (the caller holds filesMutex).
HostHandle load(OpenFile& file, Entry& entry)
{
    if (entry.loaded == nullptr) {
        HostHandle handle = qorkit::newBlock(int32_t(entry.stored.data.size()));
        if (handle == nullptr) {
            resourceError = -108;
            return nullptr;
        }
        if (!entry.stored.data.empty())
            std::memcpy(*handle, entry.stored.data.data(), entry.stored.data.size());
        if (file.byteOrder != nullptr)
            file.byteOrder(entry.stored.type, *handle, int32_t(entry.stored.data.size()));
        entry.loaded = handle;
    }
    resourceError = 0;
    return entry.loaded;
}

// The entry that holds handle, in any open file (the caller holds filesMutex).
Entry* entryOf(HostHandle handle)
{
    if (handle == nullptr)
        return nullptr;
    for (auto& [refNum, file] : files)
        for (auto& entry : file.entries)
            if (entry.loaded == handle)
                return &entry;
    return nullptr;
}

template <typename Match>
HostHandle findInCurrent(Match match)
{
    OpenFile* file = currentFile();
    if (file != nullptr)
        for (auto& entry : file->entries)
            if (match(entry.stored))
                return load(*file, entry);
    resourceError = kResourceNotFound;
    return nullptr;
}

}  // namespace

extern "C" {

QOR_KIT_EXPORT int16_t QOR_HOST_CALL OpenResourceFile(const char* path, int8_t, ResourceByteOrderProc byteOrder)
{
    qorkit::record("OpenResourceFile");
    std::ifstream in(path != nullptr ? path : "", std::ios::binary);
    std::lock_guard<std::mutex> guard(filesMutex);
    if (!in) {
        resourceError = kFileNotFound;
        return -1;
    }
    const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    auto parsed = qorkit::parseResourceFile(bytes.data(), bytes.size());
    if (!parsed) {
        resourceError = kDamagedFile;
        return -1;
    }
    OpenFile file;
    file.byteOrder = byteOrder;
    for (auto& stored : *parsed)
        file.entries.push_back(Entry{std::move(stored), nullptr});
    const int16_t refNum = nextRefNum++;
    files.emplace(refNum, std::move(file));
    current = refNum;
    resourceError = 0;
    return refNum;
}

QOR_KIT_EXPORT void QOR_HOST_CALL CloseResFile(int16_t refNum)
{
    qorkit::record("CloseResFile");
    std::lock_guard<std::mutex> guard(filesMutex);
    const auto found = files.find(refNum);
    if (found == files.end()) {
        resourceError = kFileNotFound;
        return;
    }
    for (auto& entry : found->second.entries)
        if (entry.loaded != nullptr)
            qorkit::disposeBlock(entry.loaded);
    files.erase(found);
    if (current == refNum)
        current = files.empty() ? 0 : files.rbegin()->first;
    resourceError = 0;
}

QOR_KIT_EXPORT int16_t QOR_HOST_CALL CurResFile(void)
{
    std::lock_guard<std::mutex> guard(filesMutex);
    return current;
}

QOR_KIT_EXPORT void QOR_HOST_CALL UseResFile(int16_t refNum)
{
    qorkit::record("UseResFile");
    std::lock_guard<std::mutex> guard(filesMutex);
    if (refNum == 0 || files.count(refNum) != 0) {
        current = refNum;
        resourceError = 0;
    } else {
        resourceError = kFileNotFound;
    }
}

QOR_KIT_EXPORT int16_t QOR_HOST_CALL ResError(void)
{
    std::lock_guard<std::mutex> guard(filesMutex);
    return resourceError;
}

QOR_KIT_EXPORT HostHandle QOR_HOST_CALL Get1Resource(uint32_t type, int16_t id)
{
    qorkit::record("Get1Resource");
    std::lock_guard<std::mutex> guard(filesMutex);
    return findInCurrent([&](const qorkit::StoredResource& r) { return r.type == type && r.id == id; });
}

QOR_KIT_EXPORT HostHandle QOR_HOST_CALL Get1NamedResource(uint32_t type, const unsigned char* name)
{
    qorkit::record("Get1NamedResource");
    const std::string wanted = name != nullptr ? std::string(reinterpret_cast<const char*>(name) + 1, name[0]) : "";
    std::lock_guard<std::mutex> guard(filesMutex);
    return findInCurrent([&](const qorkit::StoredResource& r) { return r.type == type && r.name == wanted; });
}

QOR_KIT_EXPORT int16_t QOR_HOST_CALL Count1Resources(uint32_t type)
{
    qorkit::record("Count1Resources");
    std::lock_guard<std::mutex> guard(filesMutex);
    int16_t count = 0;
    if (OpenFile* file = currentFile())
        for (const auto& entry : file->entries)
            count = int16_t(count + (entry.stored.type == type ? 1 : 0));
    resourceError = 0;
    return count;
}

QOR_KIT_EXPORT HostHandle QOR_HOST_CALL Get1IndResource(uint32_t type, int16_t index)
{
    qorkit::record("Get1IndResource");
    std::lock_guard<std::mutex> guard(filesMutex);
    int16_t seen = 0;
    return findInCurrent([&](const qorkit::StoredResource& r) { return r.type == type && ++seen == index; });
}

QOR_KIT_EXPORT void QOR_HOST_CALL GetResInfo(HostHandle resource, int16_t* id, uint32_t* type, unsigned char* name)
{
    qorkit::record("GetResInfo");
    std::lock_guard<std::mutex> guard(filesMutex);
    const Entry* entry = entryOf(resource);
    if (entry == nullptr) {
        resourceError = kResourceNotFound;
        return;
    }
    if (id != nullptr)
        *id = entry->stored.id;
    if (type != nullptr)
        *type = entry->stored.type;
    if (name != nullptr) {
        name[0] = static_cast<unsigned char>(entry->stored.name.size());
        std::memcpy(name + 1, entry->stored.name.data(), entry->stored.name.size());
    }
    resourceError = 0;
}

QOR_KIT_EXPORT void QOR_HOST_CALL DetachResource(HostHandle resource)
{
    qorkit::record("DetachResource");
    std::lock_guard<std::mutex> guard(filesMutex);
    Entry* entry = entryOf(resource);
    if (entry == nullptr) {
        resourceError = kResourceNotFound;
        return;
    }
    entry->loaded = nullptr;
    resourceError = 0;
}

QOR_KIT_EXPORT void QOR_HOST_CALL ReleaseResource(HostHandle resource)
{
    qorkit::record("ReleaseResource");
    std::lock_guard<std::mutex> guard(filesMutex);
    Entry* entry = entryOf(resource);
    if (entry == nullptr) {
        resourceError = kResourceNotFound;
        return;
    }
    qorkit::disposeBlock(entry->loaded);
    entry->loaded = nullptr;
    resourceError = 0;
}

QOR_KIT_EXPORT int32_t QorKitOpenResourceFiles(void)
{
    std::lock_guard<std::mutex> guard(filesMutex);
    return int32_t(files.size());
}

}  // extern "C"
