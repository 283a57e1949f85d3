#include "platform/Shell.h"

#include <windows.h>
#include <shellapi.h>

#include "platform/win32/WideText.h"

namespace platform {

OpenResult openDocumentFrom(void* ownerWindow, const std::string& path)
{
    std::wstring wide;
    if (!toWide(path, wide))
        return OpenResult::Failed;
    const INT_PTR result = reinterpret_cast<INT_PTR>(
        ShellExecuteW(static_cast<HWND>(ownerWindow), L"open", wide.c_str(), nullptr, nullptr, SW_SHOW));
    if (result > 32)
        return OpenResult::Opened;
    return result == SE_ERR_NOASSOC ? OpenResult::NoApplication : OpenResult::Failed;
}

}  // namespace platform
