// File operations of the per-user store: reading a value file whole, and replacing one so that a crash at any
// moment leaves either the old file or the new one, never a mix.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace platform {

enum class FileRead
{
    Read,     // bytes holds the whole file
    Missing,  // no such file
    TooLarge, // larger than the limit given; bytes stays empty
    Failed,   // it is there but could not be read
};

FileRead readWholeFile(const std::string& path, size_t maxSize, std::vector<uint8_t>& bytes);

bool isDirectory(const std::string& path);
bool isRegularFile(const std::string& path);

// Makes path and its missing parents (mode 0700), syncing each parent that gained a folder.
bool makeFolders(const std::string& path);

// A store folder held under an exclusive advisory lock, so that the read-change-write of a value file by one key
// object (in this process or another) does not lose the change of another.
class LockedFolder
{
public:
    explicit LockedFolder(const std::string& path);
    ~LockedFolder();
    LockedFolder(const LockedFolder&) = delete;
    LockedFolder& operator=(const LockedFolder&) = delete;

    bool locked() const { return fd_ >= 0; }

    // Writes bytes to a fresh temporary file beside name, syncs it, renames it over name and syncs the folder.
    bool replaceFile(const std::string& name, const std::vector<uint8_t>& bytes);
    bool syncFolder();

private:
    std::string path_;
    int fd_ = -1;
};

}  // namespace platform
