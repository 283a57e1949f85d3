// RegistryKey over the Windows registry of the current user (HKEY_CURRENT_USER).
#include "platform/Registry.h"

#include <cstring>

#include <windows.h>

#include "platform/win32/WideText.h"

namespace platform {

namespace {

REGSAM samFor(RegistryKey::Access access)
{
    switch (access) {
    case RegistryKey::Access::Write:
        return KEY_WRITE;
    case RegistryKey::Access::SetValue:
        return KEY_SET_VALUE;
    case RegistryKey::Access::QueryValue:
        break;
    }
    return KEY_QUERY_VALUE;
}

// An empty path would name HKEY_CURRENT_USER itself.
bool keyPath(const std::string& path, std::wstring& wide) { return !path.empty() && toWide(path, wide); }

class Win32Key final : public RegistryKey
{
public:
    explicit Win32Key(HKEY key) : key_(key) {}
    ~Win32Key() override { RegCloseKey(key_); }
    Win32Key(const Win32Key&) = delete;
    Win32Key& operator=(const Win32Key&) = delete;

    bool valueSize(const std::string& name, size_t& size) override
    {
        std::wstring wideName;
        DWORD bytes = 0;
        if (!toWide(name, wideName) ||
            RegQueryValueExW(key_, wideName.c_str(), nullptr, nullptr, nullptr, &bytes) != ERROR_SUCCESS)
            return false;
        size = bytes;
        return true;
    }

    bool readBinary(const std::string& name, std::vector<uint8_t>& data) override
    {
        std::vector<uint8_t> bytes;
        if (!query(name, REG_BINARY, bytes))
            return false;
        data.swap(bytes);
        return true;
    }

    bool writeBinary(const std::string& name, const uint8_t* data, size_t size) override
    {
        std::wstring wideName;
        if ((!data && size > 0) || size > MAXDWORD || !toWide(name, wideName))
            return false;
        // An empty value still needs a pointer to nothing.
        static const BYTE kNothing = 0;
        return RegSetValueExW(key_, wideName.c_str(), 0, REG_BINARY, size ? data : &kNothing,
                              static_cast<DWORD>(size)) == ERROR_SUCCESS;
    }

    bool readString(const std::string& name, std::string& text, size_t maxChars) override
    {
        std::vector<uint8_t> bytes;
        if (!query(name, REG_SZ, bytes))
            return false;
        // The stored text need not end with its null (nor have an even size): it ends at the first null or the end.
        const size_t units = bytes.size() / sizeof(wchar_t);
        std::wstring wide(units, L'\0');
        if (units)
            std::memcpy(&wide[0], bytes.data(), units * sizeof(wchar_t));
        const size_t length = wide.find(L'\0');
        if (length != std::wstring::npos)
            wide.resize(length);
        std::string converted;
        if (wide.size() > maxChars || !fromWide(wide.data(), wide.size(), converted))
            return false;
        text.swap(converted);
        return true;
    }

    bool writeString(const std::string& name, const std::string& text) override
    {
        std::wstring wideName;
        std::wstring wide;
        if (!toWide(name, wideName) || !toWide(text, wide) || wide.size() >= MAXDWORD / sizeof(wchar_t))
            return false;
        const DWORD bytes = static_cast<DWORD>((wide.size() + 1) * sizeof(wchar_t));
        return RegSetValueExW(key_, wideName.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(wide.c_str()), bytes) ==
               ERROR_SUCCESS;
    }

    bool deleteValue(const std::string& name) override
    {
        std::wstring wideName;
        return toWide(name, wideName) && RegDeleteValueW(key_, wideName.c_str()) == ERROR_SUCCESS;
    }

private:
    // The whole value when it is of the given type; the size is asked again when the value grew in between.
    bool query(const std::string& name, DWORD wanted, std::vector<uint8_t>& bytes)
    {
        std::wstring wideName;
        if (!toWide(name, wideName))
            return false;
        DWORD type = 0;
        DWORD size = 0;
        LONG result = RegQueryValueExW(key_, wideName.c_str(), nullptr, &type, nullptr, &size);
        for (int attempt = 0; attempt < 8 && result == ERROR_SUCCESS; ++attempt) {
            if (type != wanted)
                return false;
            bytes.assign(static_cast<size_t>(size) + 1, 0);  // never a zero-size buffer
            DWORD got = size;
            result = RegQueryValueExW(key_, wideName.c_str(), nullptr, &type, bytes.data(), &got);
            if (result == ERROR_SUCCESS) {
                if (type != wanted)
                    return false;
                bytes.resize(got);
                return true;
            }
            if (result == ERROR_MORE_DATA) {
                size = got;
                result = ERROR_SUCCESS;
            }
        }
        return false;
    }

    HKEY key_;
};

}  // namespace

std::unique_ptr<RegistryKey> RegistryKey::create(const std::string& path)
{
    std::wstring wide;
    HKEY key = nullptr;
    if (!keyPath(path, wide) || RegCreateKeyExW(HKEY_CURRENT_USER, wide.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                                KEY_WRITE, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return nullptr;
    return std::unique_ptr<RegistryKey>(new Win32Key(key));
}

std::unique_ptr<RegistryKey> RegistryKey::open(const std::string& path, Access access)
{
    std::wstring wide;
    HKEY key = nullptr;
    if (!keyPath(path, wide) ||
        RegOpenKeyExW(HKEY_CURRENT_USER, wide.c_str(), 0, samFor(access), &key) != ERROR_SUCCESS)
        return nullptr;
    return std::unique_ptr<RegistryKey>(new Win32Key(key));
}

bool RegistryKey::remove(const std::string& path)
{
    std::wstring wide;
    return keyPath(path, wide) && RegDeleteKeyW(HKEY_CURRENT_USER, wide.c_str()) == ERROR_SUCCESS;
}

}  // namespace platform
