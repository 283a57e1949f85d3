#include "platform/ChildWindow.h"

#include "platform/Module.h"

#include <windows.h>

namespace platform {
namespace {

HINSTANCE instance()
{
    if (void* module = moduleHandle())
        return static_cast<HINSTANCE>(module);
    return GetModuleHandleA(nullptr);
}

LRESULT CALLBACK childWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* listener = reinterpret_cast<ChildWindowListener*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (message == WM_CLOSE) {
        if (listener != nullptr)
            listener->onCloseRequest();
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    } else if (message == WM_PAINT && listener != nullptr) {
        PAINTSTRUCT paint;
        BeginPaint(window, &paint);
        EndPaint(window, &paint);
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

const char* const kTestParentClass = "QorTestParentWindow";

}  // namespace

bool registerChildWindowClass(const char* className)
{
    WNDCLASSA windowClass{};
    windowClass.style = 0;
    windowClass.lpfnWndProc = childWindowProcedure;
    windowClass.hInstance = instance();
    windowClass.lpszClassName = className;
    return RegisterClassA(&windowClass) != 0;
}

void unregisterChildWindowClass(const char* className)
{
    UnregisterClassA(className, instance());
}

bool isChildWindowClassRegistered(const char* className)
{
    WNDCLASSA windowClass{};
    return GetClassInfoA(instance(), className, &windowClass) != 0;
}

void* createChildWindow(const char* className, const char* title, void* parent, int x, int y, int width,
                        int height)
{
    return CreateWindowExA(0, className, title, WS_CHILD | WS_VISIBLE, x, y, width, height,
                           static_cast<HWND>(parent), nullptr, instance(), nullptr);
}

void setChildWindowListener(void* window, ChildWindowListener* listener)
{
    SetWindowLongPtrA(static_cast<HWND>(window), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(listener));
}

bool destroyWindow(void* window)
{
    return window != nullptr && DestroyWindow(static_cast<HWND>(window)) != 0;
}

void* desktopWindow()
{
    return GetDesktopWindow();
}

WindowRect clientRect(void* window)
{
    RECT rect{};
    GetClientRect(static_cast<HWND>(window), &rect);
    return WindowRect{rect.left, rect.top, rect.right, rect.bottom};
}

bool moveWindow(void* window, int x, int y, int width, int height)
{
    return SetWindowPos(static_cast<HWND>(window), nullptr, x, y, width, height, SWP_NOZORDER) != 0;
}

void showWindow(void* window)
{
    ShowWindow(static_cast<HWND>(window), SW_SHOWNORMAL);
    UpdateWindow(static_cast<HWND>(window));
}

void invalidateWindow(void* window)
{
    RedrawWindow(static_cast<HWND>(window), nullptr, nullptr, RDW_INTERNALPAINT | RDW_INVALIDATE);
}

void requestWindowClose(void* window)
{
    SendMessageA(static_cast<HWND>(window), WM_CLOSE, 0, 0);
}

WindowRect windowRectInParent(void* window)
{
    RECT rect{};
    GetWindowRect(static_cast<HWND>(window), &rect);
    MapWindowPoints(HWND_DESKTOP, GetParent(static_cast<HWND>(window)), reinterpret_cast<POINT*>(&rect), 2);
    return WindowRect{rect.left, rect.top, rect.right, rect.bottom};
}

bool isWindowVisible(void* window)
{
    return IsWindowVisible(static_cast<HWND>(window)) != 0;
}

void* createTestParentWindow(int width, int height)
{
    static const bool registered = [] {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = DefWindowProcA;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = kTestParentClass;
        return RegisterClassA(&windowClass) != 0;
    }();
    if (!registered)
        return nullptr;
    RECT rect{0, 0, width, height};
    AdjustWindowRect(&rect, WS_OVERLAPPEDWINDOW, FALSE);
    return CreateWindowExA(0, kTestParentClass, "Host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                           rect.right - rect.left, rect.bottom - rect.top, nullptr, nullptr, GetModuleHandleA(nullptr),
                           nullptr);
}

}  // namespace platform
