// A file type a file selector offers: a description for people ("Qor Preset") and an extension without its dot
// ("qor").
#pragma once

#include <string>
#include <utility>

class CFileExtension
{
public:
    CFileExtension(std::string description, std::string extension)
        : description_(std::move(description)), extension_(std::move(extension))
    {
    }

    const std::string& getDescription() const { return description_; }
    const std::string& getExtension() const { return extension_; }

    bool operator==(const CFileExtension& other) const
    {
        return description_ == other.description_ && extension_ == other.extension_;
    }
    bool operator!=(const CFileExtension& other) const { return !(*this == other); }

private:
    std::string description_;
    std::string extension_;
};
