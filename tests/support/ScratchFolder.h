// A fresh folder for one test's files, removed with everything in it when the test ends.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <system_error>
#include <vector>

namespace scratchtest {

class ScratchFolder
{
public:
    ScratchFolder()
    {
        path_ = std::filesystem::path(::testing::TempDir()) / ("qor_scratch_" + std::to_string(std::random_device{}()) +
                                                               "_" + std::to_string(std::random_device{}()));
        std::filesystem::create_directories(path_);
    }
    ~ScratchFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // The UTF-8 path of a file in the folder, as a file selector would hand it over.
    std::string file(const std::string& name) const { return (path_ / std::filesystem::u8path(name)).u8string(); }
    // The folder (or a subfolder, made when missing) with its trailing separator, as the editor remembers it.
    std::string folderWithSeparator(const std::string& subfolder = std::string()) const
    {
        std::filesystem::path folder = path_;
        if (!subfolder.empty()) {
            folder /= std::filesystem::u8path(subfolder);
            std::filesystem::create_directories(folder);
        }
        return (folder / std::filesystem::path()).u8string();
    }
    // Names of everything in the folder.
    std::vector<std::string> entries() const
    {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(path_))
            names.push_back(entry.path().filename().u8string());
        return names;
    }

private:
    std::filesystem::path path_;
};

inline std::vector<uint8_t> readBytes(const std::string& utf8Path)
{
    std::ifstream in(std::filesystem::u8path(utf8Path), std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void writeBytes(const std::string& utf8Path, const std::vector<uint8_t>& bytes)
{
    std::ofstream out(std::filesystem::u8path(utf8Path), std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace scratchtest
