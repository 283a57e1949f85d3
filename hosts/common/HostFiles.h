// Files a command-line host reads and writes whole: state and chunk files, raw audio. Paths are UTF-8 text on
// every system (on Windows the hosts take their arguments as wide text and convert), and reach the file system
// through std::filesystem, so a name outside the ANSI code page opens on Windows too. Nothing here throws.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace hostcli {

// The file system's path of a UTF-8 path text.
std::filesystem::path pathOf(const std::string& path);

// Reads the whole file, refusing a directory and a file larger than mostBytes. False with error, which names the
// file and what is wrong with it.
bool readWholeFile(const std::string& path, size_t mostBytes, std::vector<uint8_t>& bytes, std::string& error);
// Replaces the file with bytes. False with error.
bool writeWholeFile(const std::string& path, const std::vector<uint8_t>& bytes, std::string& error);

// True when output names a file that already exists and is one of inputs, however either is spelt (another
// relative form, a link, another case where the file system ignores case); error then says so.
bool outputIsAnInput(const std::string& output, const std::vector<std::string>& inputs, std::string& error);

}  // namespace hostcli
