// The host's own top-level window an effect's editor opens inside: posix/EditorWindow.cpp makes an X11 window,
// win32/EditorWindow.cpp a Win32 one.
#pragma once

#include <memory>
#include <string>

namespace vst2host {

class EditorWindow
{
public:
    // A window whose client area is width x height, shown on screen. Null with error when none can be made
    // (no X display, say).
    static std::unique_ptr<EditorWindow> create(int width, int height, const std::string& title, std::string& error);

    virtual ~EditorWindow() = default;

    // What the editor-open request carries: the X11 window id cast to a pointer, or the HWND.
    virtual void* parentHandle() const = 0;
    // Handles every event waiting for this thread's windows (on Windows that includes the editor's own).
    // False once the user has closed the window.
    virtual bool pumpEvents() = 0;
    // Writes what the window's client area shows, child windows included, as a PNG file.
    virtual bool saveScreenshot(const std::string& path, std::string& error) = 0;
};

}  // namespace vst2host
