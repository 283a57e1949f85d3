#include "platform/EditorWindow.h"

#include <windows.h>

#include "platform/WindowChainResize.h"
#include "platform/win32/WideText.h"

namespace platform {

namespace {

class Win32WindowTree : public WindowTree
{
public:
    void* parentOf(void* window) override { return GetParent(static_cast<HWND>(window)); }
    std::string classNameOf(void* window) override
    {
        wchar_t name[1024] = {};
        const int length = GetClassNameW(static_cast<HWND>(window), name, 1024);
        std::string text;
        if (length <= 0 || !fromWide(name, static_cast<size_t>(length), text))
            return std::string();
        return text;
    }
    WindowBox boxOf(void* window) override
    {
        RECT r{};
        GetWindowRect(static_cast<HWND>(window), &r);
        return WindowBox{r.left, r.top, r.right, r.bottom};
    }
    void resize(void* window, int width, int height) override
    {
        SetWindowPos(static_cast<HWND>(window), nullptr, 0, 0, width, height, SWP_NOMOVE);
    }
    int dialogFrameHeight() override { return GetSystemMetrics(SM_CYDLGFRAME); }
};

}  // namespace

void dispatchOnePaintMessage()
{
    MSG message;
    if (PeekMessageW(&message, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE))
        DispatchMessageW(&message);
}

bool resizeHostWindows(void* editorWindow, int width, int height)
{
    Win32WindowTree tree;
    return resizeWindowChain(tree, editorWindow, width, height);
}

}  // namespace platform
