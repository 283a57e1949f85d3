#include "platform/posix/StoreFiles.h"

#include "platform/posix/DescriptorIo.h"

#include <cerrno>
#include <cstdlib>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

std::string parentOf(const std::string& path)
{
    const size_t slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

}  // namespace

FileRead readWholeFile(const std::string& path, size_t maxSize, std::vector<uint8_t>& bytes)
{
    bytes.clear();
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);  // a FIFO must not hang us
    if (fd < 0)
        return errno == ENOENT ? FileRead::Missing : FileRead::Failed;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return FileRead::Failed;
    }
    if (static_cast<unsigned long long>(info.st_size) > maxSize) {
        ::close(fd);
        return FileRead::TooLarge;
    }
    // Read to the end rather than trusting the size seen at open; stop one byte past the limit.
    bytes.resize(static_cast<size_t>(info.st_size));
    size_t filled = 0;
    for (;;) {
        if (filled == bytes.size()) {
            if (bytes.size() > maxSize)
                break;
            bytes.resize(bytes.size() + 4096 > maxSize + 1 ? maxSize + 1 : bytes.size() + 4096);
        }
        const ssize_t got = ::read(fd, bytes.data() + filled, bytes.size() - filled);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            ::close(fd);
            bytes.clear();
            return FileRead::Failed;
        }
        if (got == 0)
            break;
        filled += static_cast<size_t>(got);
    }
    ::close(fd);
    bytes.resize(filled);
    if (filled > maxSize) {
        bytes.clear();
        return FileRead::TooLarge;
    }
    return FileRead::Read;
}

bool isDirectory(const std::string& path)
{
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool isRegularFile(const std::string& path)
{
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

bool makeFolders(const std::string& path)
{
    if (path.empty() || isDirectory(path))
        return !path.empty();
    const std::string parent = parentOf(path);
    if (parent != path && !makeFolders(parent))
        return false;
    if (::mkdir(path.c_str(), 0700) != 0 && errno != EEXIST)
        return false;
    if (!isDirectory(path))
        return false;
    // The new entry in the parent must reach the disk before any file inside is trusted to be there.
    return platform::syncFolder(parent);
}

LockedFolder::LockedFolder(const std::string& path) : path_(path)
{
    fd_ = ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd_ < 0)
        return;
    while (::flock(fd_, LOCK_EX) != 0) {
        if (errno != EINTR) {
            ::close(fd_);
            fd_ = -1;
            return;
        }
    }
}

LockedFolder::~LockedFolder()
{
    if (fd_ >= 0)
        ::close(fd_);
}

bool LockedFolder::syncFolder() { return fd_ >= 0 && ::fsync(fd_) == 0; }

bool LockedFolder::replaceFile(const std::string& name, const std::vector<uint8_t>& bytes)
{
    if (fd_ < 0)
        return false;
    // The leading "." keeps temporary files apart from every key's own names.
    std::string temp = path_ + "/." + name + ".XXXXXX";
    const int fd = ::mkostemp(&temp[0], O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool written = writeAll(fd, bytes.data(), bytes.size()) && ::fsync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed || ::rename(temp.c_str(), (path_ + "/" + name).c_str()) != 0) {
        ::unlink(temp.c_str());
        return false;
    }
    return syncFolder();
}

}  // namespace platform
