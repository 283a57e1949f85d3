// The window a frame lives in: a child of the host's window (an X11 window on Linux, an HWND on Windows). The
// backend creates it with createPlatformFrame and reports the window's events to the frame through
// IPlatformFrameCallback (CFrame implements it). All calls happen on the GUI thread.
#pragma once

#include <cstdint>
#include <memory>

#include "gui/CButtonState.h"
#include "gui/Geometry.h"
#include "gui/VstKeyCode.h"

class CDrawContext;

enum CCursorType : int32_t
{
    kCursorDefault = 0,
    kCursorWait,
    kCursorHSize,
    kCursorVSize,
    kCursorSizeAll,
    kCursorHand,
    kCursorIBeam,
};

// The frame's side: points are in frame (= window client) coordinates.
class IPlatformFrameCallback
{
public:
    virtual ~IPlatformFrameCallback() = default;
    // Paints `updateRect` of the window with the backend's context over the window.
    virtual void platformDrawRect(CDrawContext* context, const CRect& updateRect) = 0;
    // A press: when the frame answers kMouseEventHandled the window should grab the pointer until the release.
    virtual CMouseEventResult platformOnMouseDown(CPoint& where, const CButtonState& buttons) = 0;
    virtual CMouseEventResult platformOnMouseUp(CPoint& where, const CButtonState& buttons) = 0;
    virtual CMouseEventResult platformOnMouseMoved(CPoint& where, const CButtonState& buttons) = 0;
    // The pointer left the window.
    virtual CMouseEventResult platformOnMouseExited(CPoint& where, const CButtonState& buttons) = 0;
    // Notches, positive away from the user.
    virtual bool platformOnMouseWheel(const CPoint& where, float distance, const CButtonState& buttons) = 0;
    // 1 handled, -1 not.
    virtual int32_t platformOnKeyDown(VstKeyCode& key) = 0;
    virtual int32_t platformOnKeyUp(VstKeyCode& key) = 0;
};

class IPlatformFrame
{
public:
    virtual ~IPlatformFrame() = default;
    // Schedules a repaint of `rect`: painted through platformDrawRect at the latest at the end of the next
    // processEvents (a backend may paint at once).
    virtual void invalidRect(const CRect& rect) = 0;
    // Handles the window's pending events (the host's idle drives this on Linux), then paints what is invalid.
    virtual void processEvents() = 0;
    // Pointer position in frame coordinates and the held buttons and modifiers; false when unknown.
    virtual bool getCurrentMousePosition(CPoint& where) const = 0;
    virtual bool getCurrentMouseButtons(CButtonState& buttons) const = 0;
    virtual void setMouseCursor(CCursorType type) {}
    // Gives the window the keyboard focus.
    virtual void takeFocus() = 0;
    // The window's client area in frame coordinates ((0, 0) at its top-left).
    virtual bool getSize(CRect& size) const = 0;
    virtual bool setSize(const CRect& size) = 0;
    // X11 Window id or HWND, for message boxes and shell calls.
    virtual void* getNativeHandle() const = 0;
};

// Creates the child window of `parentWindow` (X11 Window id or HWND) at `size` (the frame's rectangle in the
// parent's client coordinates), shown; null on failure. The frame outlives its platform window.
std::unique_ptr<IPlatformFrame> createPlatformFrame(IPlatformFrameCallback* frame, void* parentWindow,
                                                    const CRect& size);
