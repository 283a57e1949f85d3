// The per-user store behind RegistryKey where there is no Windows registry: one value file per key (see
// ValueFile.h for its bytes, KeyLocation.h for where it lives). Every write rereads the file under the folder's lock
// and replaces it atomically, so key objects never hold stale values and a crash never leaves a half-written file.
#include "platform/Registry.h"

#include <cerrno>
#include <cstring>

#include <dirent.h>
#include <unistd.h>

#include "platform/posix/KeyLocation.h"
#include "platform/posix/StoreFiles.h"
#include "platform/posix/Utf8.h"
#include "platform/posix/ValueFile.h"

namespace platform {

namespace {

// The longest value name the Windows registry takes, in UTF-16 code units.
constexpr size_t kMaxValueNameChars = 16383;

bool validName(const std::string& name)
{
    size_t units = 0;
    return name.find('\0') == std::string::npos && utf16Length(name, units) && units <= kMaxValueNameChars;
}

bool keyExists(const KeyLocation& location)
{
    return isRegularFile(location.valueFile()) || isDirectory(location.subkeyFolder());
}

enum class Loaded
{
    Values,    // what the file holds (as far as it is intact); none when there is no file
    NoKey,     // neither the value file nor the subkey folder is there: the key was deleted
    Unreadable,
};

Loaded loadValues(const KeyLocation& location, StoredValues& values)
{
    values.clear();
    std::vector<uint8_t> bytes;
    switch (readWholeFile(location.valueFile(), kMaxValueFileSize, bytes)) {
    case FileRead::Read:
        decodeValueFile(bytes.data(), bytes.size(), values);
        return Loaded::Values;
    case FileRead::TooLarge:
        return Loaded::Values;
    case FileRead::Missing:
        return isDirectory(location.subkeyFolder()) ? Loaded::Values : Loaded::NoKey;
    case FileRead::Failed:
        break;
    }
    return Loaded::Unreadable;
}

class StoreKey final : public RegistryKey
{
public:
    StoreKey(const KeyLocation& location, Access access)
        : location_(location), canRead_(access == Access::QueryValue), canWrite_(access != Access::QueryValue)
    {
    }

    bool valueSize(const std::string& name, size_t& size) override
    {
        StoredValue value;
        if (!find(name, value))
            return false;
        size = value.data.size();
        return true;
    }

    bool readBinary(const std::string& name, std::vector<uint8_t>& data) override
    {
        StoredValue value;
        if (!find(name, value) || value.type != ValueType::Binary)
            return false;
        data.swap(value.data);
        return true;
    }

    bool writeBinary(const std::string& name, const uint8_t* data, size_t size) override
    {
        if (!data && size > 0)
            return false;
        StoredValue value;
        value.type = ValueType::Binary;
        if (size > 0)
            value.data.assign(data, data + size);
        return store(name, std::move(value));
    }

    bool readString(const std::string& name, std::string& text, size_t maxChars) override
    {
        StoredValue value;
        if (!find(name, value) || value.type != ValueType::Text)
            return false;
        std::string stored(value.data.begin(), value.data.end());
        size_t units = 0;
        if (stored.find('\0') != std::string::npos || !utf16Length(stored, units) || units > maxChars)
            return false;
        text = std::move(stored);
        return true;
    }

    bool writeString(const std::string& name, const std::string& text) override
    {
        size_t units = 0;
        if (text.find('\0') != std::string::npos || !utf16Length(text, units))
            return false;
        StoredValue value;
        value.type = ValueType::Text;
        value.data.assign(text.begin(), text.end());
        return store(name, std::move(value));
    }

    bool deleteValue(const std::string& name) override
    {
        if (!canWrite_)
            return false;
        LockedFolder folder(location_.folder);
        StoredValues values;
        if (!folder.locked() || loadValues(location_, values) != Loaded::Values || values.erase(name) == 0)
            return false;
        return folder.replaceFile(location_.valueFileName(), encodeValueFile(values));
    }

private:
    // Looks the value up in the file as it is now; false when it is not there or the key may not be read.
    bool find(const std::string& name, StoredValue& value) const
    {
        StoredValues values;
        if (!canRead_ || loadValues(location_, values) != Loaded::Values)
            return false;
        const auto it = values.find(name);
        if (it == values.end())
            return false;
        value = std::move(it->second);
        return true;
    }

    bool store(const std::string& name, StoredValue value)
    {
        if (!canWrite_ || !validName(name))
            return false;
        LockedFolder folder(location_.folder);
        StoredValues values;
        if (!folder.locked() || loadValues(location_, values) != Loaded::Values)
            return false;
        values[name] = std::move(value);
        const std::vector<uint8_t> bytes = encodeValueFile(values);
        // Never write what the reader would refuse.
        if (bytes.size() > kMaxValueFileSize)
            return false;
        return folder.replaceFile(location_.valueFileName(), bytes);
    }

    KeyLocation location_;
    bool canRead_;
    bool canWrite_;
};

// Removes the store's leftover temporary files from a subkey folder that holds nothing else; false when it holds a
// subkey or could not be emptied.
bool removeSubkeyFolder(const std::string& path)
{
    DIR* dir = ::opendir(path.c_str());
    if (!dir)
        return false;
    std::vector<std::string> leftovers;
    bool hasSubkeys = false;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (name == "." || name == "..")
            continue;
        if (name[0] == '.')
            leftovers.push_back(name);
        else
            hasSubkeys = true;
    }
    ::closedir(dir);
    if (hasSubkeys)
        return false;
    for (const std::string& name : leftovers)
        ::unlink((path + "/" + name).c_str());
    return ::rmdir(path.c_str()) == 0;
}

}  // namespace

std::unique_ptr<RegistryKey> RegistryKey::create(const std::string& path)
{
    KeyLocation location;
    if (!locateKey(path, location) || !makeFolders(location.folder))
        return nullptr;
    LockedFolder folder(location.folder);
    if (!folder.locked())
        return nullptr;
    if (!keyExists(location) && !folder.replaceFile(location.valueFileName(), encodeValueFile(StoredValues())))
        return nullptr;
    return std::unique_ptr<RegistryKey>(new StoreKey(location, Access::Write));
}

std::unique_ptr<RegistryKey> RegistryKey::open(const std::string& path, Access access)
{
    KeyLocation location;
    if (!locateKey(path, location) || !keyExists(location))
        return nullptr;
    return std::unique_ptr<RegistryKey>(new StoreKey(location, access));
}

bool RegistryKey::remove(const std::string& path)
{
    KeyLocation location;
    if (!locateKey(path, location))
        return false;
    LockedFolder folder(location.folder);
    if (!folder.locked() || !keyExists(location))
        return false;
    if (isDirectory(location.subkeyFolder()) && !removeSubkeyFolder(location.subkeyFolder()))
        return false;
    if (::unlink(location.valueFile().c_str()) != 0 && errno != ENOENT)
        return false;
    folder.syncFolder();
    return true;
}

}  // namespace platform
