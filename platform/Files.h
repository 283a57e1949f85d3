// Files the user chooses (preset and bank files), by UTF-8 path on every platform.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace platform {

// The whole of a regular file of at most maxSize bytes; false when it is missing, not a regular file, larger, or
// cannot be read.
bool readFileBytes(const std::string& path, size_t maxSize, std::vector<uint8_t>& bytes);

// Writes bytes as the file at path so that a failure at any point (a full disk, an unwritable folder, a target that
// is a folder) leaves whatever was there untouched: the bytes go to a temporary file beside the target, reach the
// disk, and only then take its name. False on any failure; the temporary file is removed again.
bool replaceFileBytes(const std::string& path, const uint8_t* bytes, size_t size);

}  // namespace platform
