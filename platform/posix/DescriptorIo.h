// Small helpers over file descriptors shared by the file writers of the POSIX platform layer.
#pragma once

#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <string>

#include <fcntl.h>
#include <unistd.h>

namespace platform {

// Writes every byte, going on after interrupted or partial writes.
inline bool writeAll(int fd, const uint8_t* bytes, size_t size)
{
    while (size > 0) {
        const ssize_t written = ::write(fd, bytes, size);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes += written;
        size -= static_cast<size_t>(written);
    }
    return true;
}

// Makes a rename or a new entry in folder durable.
inline bool syncFolder(const std::string& folder)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool synced = ::fsync(fd) == 0;
    ::close(fd);
    return synced;
}

}  // namespace platform
