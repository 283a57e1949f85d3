#include "platform/win32/WideText.h"

#include <climits>

#include <windows.h>

namespace platform {

bool toWide(const std::string& text, std::wstring& wide)
{
    wide.clear();
    if (text.empty())
        return true;
    if (text.find('\0') != std::string::npos || text.size() > static_cast<size_t>(INT_MAX))
        return false;
    const int size = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(), size, nullptr, 0);
    if (length <= 0)
        return false;
    wide.resize(static_cast<size_t>(length));
    return MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(), size, &wide[0], length) == length;
}

bool fromWide(const wchar_t* wide, size_t length, std::string& text)
{
    text.clear();
    if (length == 0)
        return true;
    if (length > static_cast<size_t>(INT_MAX))
        return false;
    const int size = static_cast<int>(length);
    const int bytes = WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, wide, size, nullptr, 0, nullptr, nullptr);
    if (bytes <= 0)
        return false;
    text.resize(static_cast<size_t>(bytes));
    return WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, wide, size, &text[0], bytes, nullptr, nullptr) == bytes;
}

}  // namespace platform
