#include "platform/posix/KeyLocation.h"

#include <cstdlib>

namespace platform {

namespace {

constexpr const char* kStoreFolderName = "qor-registry";
constexpr const char* kValueFileSuffix = ".values";

bool endsWith(const std::string& text, const std::string& end)
{
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

bool validComponent(const std::string& component)
{
    // A leading "." rules out "." and "..", and keeps the store's temporary files (".<leaf>.values.XXXXXX") apart
    // from every key.
    return !component.empty() && component[0] != '.' && component.find('/') == std::string::npos &&
           component.find('\0') == std::string::npos && !endsWith(component, kValueFileSuffix);
}

}  // namespace

std::string storeRoot()
{
    // Relative values are ignored, as the XDG base directory rules ask.
    const char* config = std::getenv("XDG_CONFIG_HOME");
    if (config && config[0] == '/')
        return std::string(config) + "/" + kStoreFolderName;
    const char* home = std::getenv("HOME");
    if (home && home[0] == '/')
        return std::string(home) + "/.config/" + kStoreFolderName;
    return std::string();
}

bool splitKeyPath(const std::string& path, std::vector<std::string>& components)
{
    components.clear();
    size_t start = 0;
    for (;;) {
        const size_t end = path.find('\\', start);
        const std::string component = path.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (!validComponent(component)) {
            components.clear();
            return false;
        }
        components.push_back(component);
        if (end == std::string::npos)
            return true;
        start = end + 1;
    }
}

bool locateKey(const std::string& path, KeyLocation& location)
{
    std::vector<std::string> components;
    if (!splitKeyPath(path, components))
        return false;
    location.root = storeRoot();
    if (location.root.empty())
        return false;
    location.folder = location.root;
    for (size_t i = 0; i + 1 < components.size(); ++i)
        location.folder += "/" + components[i];
    location.leaf = components.back();
    return true;
}

}  // namespace platform
