#include "platform/Shell.h"

#include <windows.h>
#include <shellapi.h>

#include "platform/win32/WideText.h"

namespace platform {

bool openDocument(const std::string& path)
{
    std::wstring wide;
    if (!toWide(path, wide))
        return false;
    const HINSTANCE result = ShellExecuteW(nullptr, L"open", wide.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    // Values above 32 mean a program was started for it; the rest are error codes.
    return reinterpret_cast<INT_PTR>(result) > 32;
}

}  // namespace platform
