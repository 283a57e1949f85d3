#include "hosts/common/HostFiles.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <system_error>

namespace hostcli {

std::filesystem::path pathOf(const std::string& path)
{
    return std::filesystem::u8path(path);
}

bool readWholeFile(const std::string& path, size_t mostBytes, std::vector<uint8_t>& bytes, std::string& error)
{
    const std::filesystem::path file = pathOf(path);
    std::error_code code;
    const std::filesystem::file_status status = std::filesystem::status(file, code);
    if (!std::filesystem::exists(status)) {
        error = "cannot read '" + path + "': there is no such file";
        return false;
    }
    if (std::filesystem::is_directory(status)) {
        error = "cannot read '" + path + "': it is a folder, not a file";
        return false;
    }
    // Streams give no honest size for pipes and devices: their contents are read, bounded all the same.
    if (std::filesystem::is_regular_file(status)) {
        const std::uintmax_t size = std::filesystem::file_size(file, code);
        if (!code && size > mostBytes) {
            error = "cannot read '" + path + "': at " + std::to_string(size) + " bytes it is larger than the " +
                    std::to_string(mostBytes) + " this host reads";
            return false;
        }
    }
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        error = "cannot read '" + path + "': " + std::strerror(errno);
        return false;
    }
    bytes.clear();
    char block[65536];
    while (in) {
        in.read(block, sizeof block);
        const auto got = static_cast<size_t>(in.gcount());
        if (bytes.size() + got > mostBytes) {
            error = "cannot read '" + path + "': it is larger than the " + std::to_string(mostBytes) +
                    " bytes this host reads";
            return false;
        }
        bytes.insert(bytes.end(), block, block + got);
    }
    if (in.bad()) {
        error = "cannot read all of '" + path + "'";
        return false;
    }
    return true;
}

bool writeWholeFile(const std::string& path, const std::vector<uint8_t>& bytes, std::string& error)
{
    std::ofstream out(pathOf(path), std::ios::binary | std::ios::trunc);
    if (!out) {
        error = "cannot write '" + path + "': " + std::strerror(errno);
        return false;
    }
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
        error = "cannot write all of '" + path + "'";
        return false;
    }
    return true;
}

bool outputIsAnInput(const std::string& output, const std::vector<std::string>& inputs, std::string& error)
{
    for (const std::string& input : inputs) {
        std::error_code code;
        // Fails (false) when either does not exist: a file that is not there cannot be overwritten.
        if (std::filesystem::equivalent(pathOf(output), pathOf(input), code)) {
            error = "the output '" + output + "' is the input '" + input + "': give another output file";
            return true;
        }
    }
    return false;
}

}  // namespace hostcli
