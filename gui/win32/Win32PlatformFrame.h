// The frame's window on Windows: a child window of the host's HWND, of a window class this module registers (with
// its own instance handle) while any frame is open. Messages reach it through the host's message loop on the
// host's GUI thread; painting is double-buffered through GDI+ (drawn into a bitmap, then copied in one go).
#pragma once

#include <memory>

#include "gui/IPlatformFrame.h"
#include "gui/win32/GdiplusHeaders.h"
#include "gui/win32/GdiplusSession.h"

class Win32PlatformFrame final : public IPlatformFrame
{
public:
    // Null when `parent` is not a window or the window cannot be made.
    static std::unique_ptr<Win32PlatformFrame> create(IPlatformFrameCallback* callback, HWND parent,
                                                      const CRect& size);
    ~Win32PlatformFrame() override;
    Win32PlatformFrame(const Win32PlatformFrame&) = delete;
    Win32PlatformFrame& operator=(const Win32PlatformFrame&) = delete;

    void invalidRect(const CRect& rect) override;
    // The host's message loop dispatches the events; this paints what is invalid now.
    void processEvents() override;
    bool getCurrentMousePosition(CPoint& where) const override;
    bool getCurrentMouseButtons(CButtonState& buttons) const override;
    void setMouseCursor(CCursorType type) override;
    void takeFocus() override;
    bool getSize(CRect& size) const override;
    bool setSize(const CRect& size) override;
    void* getNativeHandle() const override { return window_; }

private:
    explicit Win32PlatformFrame(IPlatformFrameCallback* callback);

    static LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void paint();
    // Gives up this frame's hold on the window class (once).
    void releaseClass();
    LRESULT mouseDown(int32_t button, WPARAM wParam, LPARAM lParam, bool doubleClick);
    LRESULT mouseUp(int32_t button, WPARAM wParam, LPARAM lParam);
    LRESULT mouseMoved(WPARAM wParam, LPARAM lParam);
    // Key messages the frame does not want go on to the host's window.
    LRESULT keyMessage(UINT message, WPARAM wParam, LPARAM lParam);

    // Declared first: GDI+ must outlive everything drawn here.
    GdiplusSession gdiplus_;
    IPlatformFrameCallback* callback_;
    HWND window_ = nullptr;
    bool classHeld_ = false;
    HCURSOR cursor_;
    bool trackingLeave_ = false;
    bool hasLastMove_ = false;
    POINT lastMove_{};
    WPARAM lastMoveFlags_ = 0;
    wchar_t pendingHighSurrogate_ = 0;
    // Cleared by the destructor, so a message handler a callback destroyed the frame from can stop in time.
    // Not make_shared: on Linux its type tag is a unique symbol, which keeps the plug-in library from ever unloading.
    std::shared_ptr<bool> alive_{new bool(true)};
};
