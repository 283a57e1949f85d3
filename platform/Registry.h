// Values kept for the current user: the registry's HKEY_CURRENT_USER on Windows, a persistent per-user store
// elsewhere (one file per key under the XDG config folder, replaced atomically on every write).
// Key paths use backslashes ("SOFTWARE\\Maker\\Product"); names and texts are UTF-8 here and wide strings in the
// Windows registry. A key answers only what it was opened for, as a Windows key handle does: reading needs
// QueryValue; writing and deleting values need Write or SetValue.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace platform {

class RegistryKey
{
public:
    enum class Access
    {
        Write,       // KEY_WRITE
        SetValue,    // KEY_SET_VALUE
        QueryValue,  // KEY_QUERY_VALUE
    };

    // Creates the key when it is missing, and opens it for writing; null on failure.
    static std::unique_ptr<RegistryKey> create(const std::string& path);
    // Opens an existing key; null when it does not exist or cannot be opened.
    static std::unique_ptr<RegistryKey> open(const std::string& path, Access access);
    // Deletes a key that has no subkeys, with all its values; false when it is missing or cannot be deleted.
    static bool remove(const std::string& path);

    virtual ~RegistryKey() = default;

    // Size in bytes of a value as stored (for a text value, in the platform's own form); false when it does not exist.
    virtual bool valueSize(const std::string& name, size_t& size) = 0;
    // A binary value whole; false when it does not exist or is not binary.
    virtual bool readBinary(const std::string& name, std::vector<uint8_t>& data) = 0;
    virtual bool writeBinary(const std::string& name, const uint8_t* data, size_t size) = 0;
    // A text value of at most maxChars characters, counted as UTF-16 code units without the terminating null (longer
    // values are refused, not cut); false when missing or not text.
    virtual bool readString(const std::string& name, std::string& text, size_t maxChars) = 0;
    // Writes a text value with its terminating null character; false for text that is not well-formed UTF-8 or holds
    // a null character.
    virtual bool writeString(const std::string& name, const std::string& text) = 0;
    virtual bool deleteValue(const std::string& name) = 0;
};

}  // namespace platform
