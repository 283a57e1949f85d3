#include "platform/Files.h"

#include <atomic>
#include <cerrno>
#include <cstdio>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/posix/DescriptorIo.h"
#include "platform/posix/StoreFiles.h"

namespace platform {

namespace {

// Of the target's name, only this much goes into the temporary name, which must stay within a file name's limit.
constexpr size_t kTempNameStem = 64;
constexpr int kTempNameAttempts = 100;

// A new file beside the target, made with the usual permissions (0666 less the umask) as a plain create would.
int createTempFile(const std::string& folder, const std::string& name, std::string& temp)
{
    static std::atomic<unsigned> counter{0};
    // snprintf rather than std::to_string: the latter's digit table is a unique symbol that would keep the plug-in
    // library loaded after a host unloads it.
    for (int attempt = 0; attempt < kTempNameAttempts; ++attempt) {
        char suffix[48];
        std::snprintf(suffix, sizeof suffix, ".%ld.%u.tmp", static_cast<long>(::getpid()), counter.fetch_add(1));
        temp = folder + "/." + name.substr(0, kTempNameStem) + suffix;
        const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

}  // namespace

bool readFileBytes(const std::string& path, size_t maxSize, std::vector<uint8_t>& bytes)
{
    if (path.empty())
        return false;
    return readWholeFile(path, maxSize, bytes) == FileRead::Read;
}

bool replaceFileBytes(const std::string& path, const uint8_t* bytes, size_t size)
{
    if (path.empty() || path.back() == '/' || (!bytes && size > 0))
        return false;
    const size_t slash = path.find_last_of('/');
    const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);

    std::string temp;
    const int fd = createTempFile(folder, name, temp);
    if (fd < 0)
        return false;
    // An existing file keeps its permissions.
    struct stat existing {};
    if (::stat(path.c_str(), &existing) == 0 && S_ISREG(existing.st_mode))
        ::fchmod(fd, existing.st_mode & 07777);
    const bool written = writeAll(fd, bytes, size) && ::fsync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed || ::rename(temp.c_str(), path.c_str()) != 0) {
        ::unlink(temp.c_str());
        return false;
    }
    // The new name must reach the disk too; the data is safe either way, so a folder that cannot be synced
    // does not make the save a failure.
    syncFolder(folder);
    return true;
}

}  // namespace platform
