// The frame's window on Linux: an X11 child window of the host's window, on a display connection of its own.
// Everything runs on the thread that calls the editor's idle: events are pumped there (processEvents), and invalid
// areas are painted there, double-buffered (drawn into an image, then copied to the window in one go).
#pragma once

#include <X11/Xlib.h>
#include <cairo.h>

#include <memory>

#include "gui/IPlatformFrame.h"
#include "gui/x11/DoubleClickDetector.h"

class X11PlatformFrame final : public IPlatformFrame
{
public:
    // Null when the display cannot be opened or `parent` is not a window of it.
    static std::unique_ptr<X11PlatformFrame> create(IPlatformFrameCallback* callback, Window parent,
                                                    const CRect& size);
    // Destroys the window (unless the host already has) and closes the connection.
    ~X11PlatformFrame() override;
    X11PlatformFrame(const X11PlatformFrame&) = delete;
    X11PlatformFrame& operator=(const X11PlatformFrame&) = delete;

    void invalidRect(const CRect& rect) override;
    void processEvents() override;
    bool getCurrentMousePosition(CPoint& where) const override;
    bool getCurrentMouseButtons(CButtonState& buttons) const override;
    void setMouseCursor(CCursorType type) override;
    void takeFocus() override;
    bool getSize(CRect& size) const override;
    bool setSize(const CRect& size) override;
    void* getNativeHandle() const override;

    Display* getDisplay() const { return display_; }
    Window getWindow() const { return window_; }

private:
    X11PlatformFrame(IPlatformFrameCallback* callback, Display* display, Window window, Visual* visual, int width,
                     int height);

    // Handles one event; false when a callback destroyed this frame (nothing may be touched then).
    bool handleEvent(XEvent& event);
    bool handleKey(XKeyEvent& event);
    // Draws `region` through the frame into an image and copies it to the window.
    void paint(const CRect& region);

    IPlatformFrameCallback* callback_;
    Display* display_;
    Window window_;
    cairo_surface_t* windowSurface_;
    int width_;
    int height_;
    CRect invalid_;
    DoubleClickDetector doubleClick_;
    Cursor cursor_ = None;
    bool windowGone_ = false;
    // Cleared by the destructor, so an event loop a callback destroyed the frame from can stop in time.
    // Not make_shared: on Linux its type tag is a unique symbol, which keeps the plug-in library from ever unloading.
    std::shared_ptr<bool> alive_{new bool(true)};
};
