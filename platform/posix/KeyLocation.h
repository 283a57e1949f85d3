// Where a key of the per-user store lives: key "A\B\C" keeps its values in <root>/A/B/C.values and its subkeys in
// the folder <root>/A/B/C/. The root is <config>/qor-registry, <config> being $XDG_CONFIG_HOME when it is an
// absolute path, else $HOME/.config. Unlike the Windows registry, key paths and value names are case-sensitive here.
#pragma once

#include <string>
#include <vector>

namespace platform {

struct KeyLocation
{
    std::string root;    // the store's root folder
    std::string folder;  // the folder that holds the key's value file
    std::string leaf;    // the key's last component

    std::string valueFileName() const { return leaf + ".values"; }
    std::string valueFile() const { return folder + "/" + valueFileName(); }
    std::string subkeyFolder() const { return folder + "/" + leaf; }
};

// The store's root folder; empty when neither variable gives a usable folder.
std::string storeRoot();

// Splits a backslash-separated key path. False for an empty path or component, and for components that could leave
// the store or collide with its own files: "." and ".." (any leading "."), a "/" or a null inside, a ".values" ending.
bool splitKeyPath(const std::string& path, std::vector<std::string>& components);

bool locateKey(const std::string& path, KeyLocation& location);

}  // namespace platform
