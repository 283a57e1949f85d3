// Child windows as records: no desktop of nested native windows here. They keep what the Windows build's windows
// would (class, parent, place, visibility, listener) so the code that makes and places them runs unchanged.
#include "platform/ChildWindow.h"

#include <set>
#include <string>

namespace platform {
namespace {

struct WindowRecord
{
    std::string className;
    WindowRecord* parent = nullptr;
    WindowRect rect;  // in the parent's client area
    bool visible = false;
    ChildWindowListener* listener = nullptr;
};

std::set<std::string>& classes()
{
    static std::set<std::string> registered;
    return registered;
}

std::set<WindowRecord*>& windows()
{
    static std::set<WindowRecord*> live;
    return live;
}

WindowRecord* record(void* window)
{
    auto* found = static_cast<WindowRecord*>(window);
    return windows().count(found) != 0 ? found : nullptr;
}

WindowRecord& desktop()
{
    static WindowRecord screen{"", nullptr, WindowRect{0, 0, 1920, 1080}, true, nullptr};
    return screen;
}

}  // namespace

bool registerChildWindowClass(const char* className)
{
    return classes().insert(className).second;
}

void unregisterChildWindowClass(const char* className)
{
    classes().erase(className);
}

bool isChildWindowClassRegistered(const char* className)
{
    return classes().count(className) != 0;
}

void* createChildWindow(const char* className, const char* title, void* parent, int x, int y, int width,
                        int height)
{
    WindowRecord* parentRecord = parent == &desktop() ? &desktop() : record(parent);
    if (classes().count(className) == 0 || parentRecord == nullptr)
        return nullptr;
    auto* window = new WindowRecord{className, parentRecord, WindowRect{x, y, x + width, y + height}, true, nullptr};
    windows().insert(window);
    return window;
}

void setChildWindowListener(void* window, ChildWindowListener* listener)
{
    if (WindowRecord* found = record(window))
        found->listener = listener;
}

bool destroyWindow(void* window)
{
    WindowRecord* found = record(window);
    if (found == nullptr)
        return false;
    // Children go with their parent, as on Windows.
    for (auto it = windows().begin(); it != windows().end();) {
        WindowRecord* child = *it;
        ++it;
        if (child->parent == found)
            destroyWindow(child);
    }
    windows().erase(found);
    delete found;
    return true;
}

void* desktopWindow()
{
    return &desktop();
}

WindowRect clientRect(void* window)
{
    WindowRecord* found = window == &desktop() ? &desktop() : record(window);
    if (found == nullptr)
        return WindowRect{};
    return WindowRect{0, 0, found->rect.right - found->rect.left, found->rect.bottom - found->rect.top};
}

bool moveWindow(void* window, int x, int y, int width, int height)
{
    WindowRecord* found = record(window);
    if (found == nullptr)
        return false;
    found->rect = WindowRect{x, y, x + width, y + height};
    return true;
}

void showWindow(void* window)
{
    if (WindowRecord* found = record(window))
        found->visible = true;
}

void invalidateWindow(void*) {}

void requestWindowClose(void* window)
{
    WindowRecord* found = record(window);
    if (found == nullptr)
        return;
    if (found->listener != nullptr)
        found->listener->onCloseRequest();
    if ((found = record(window)) != nullptr)
        found->listener = nullptr;
}

WindowRect windowRectInParent(void* window)
{
    WindowRecord* found = record(window);
    return found != nullptr ? found->rect : WindowRect{};
}

bool isWindowVisible(void* window)
{
    WindowRecord* found = record(window);
    return found != nullptr && found->visible;
}

void* createTestParentWindow(int width, int height)
{
    auto* window = new WindowRecord{"", nullptr, WindowRect{0, 0, width, height}, true, nullptr};
    windows().insert(window);
    return window;
}

}  // namespace platform
