#include "gui/x11/X11PlatformFrame.h"

#include <X11/Xutil.h>
#include <X11/cursorfont.h>
#include <cairo-xlib.h>

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "gui/cairo/CairoDrawContext.h"
#include "gui/x11/X11ErrorTrap.h"
#include "gui/x11/X11KeyMapping.h"

namespace
{

constexpr long kEventMask = ExposureMask | ButtonPressMask | ButtonReleaseMask | PointerMotionMask |
                            EnterWindowMask | LeaveWindowMask | KeyPressMask | KeyReleaseMask | StructureNotifyMask;

unsigned int cursorShape(CCursorType type)
{
    switch (type)
    {
    case kCursorWait:
        return XC_watch;
    case kCursorHSize:
        return XC_sb_h_double_arrow;
    case kCursorVSize:
        return XC_sb_v_double_arrow;
    case kCursorSizeAll:
        return XC_fleur;
    case kCursorHand:
        return XC_hand2;
    case kCursorIBeam:
        return XC_xterm;
    default:
        return XC_left_ptr;
    }
}

// The modifier bits of a pointer event, without its buttons.
int32_t modifiersOf(unsigned int state)
{
    return buttonStateFromState(state) & (kShift | kControl | kAlt);
}

// An auto-repeated key arrives as a release immediately followed by a press of the same key at the same time; the
// release is not a real one.
bool isAutoRepeatRelease(Display* display, const XKeyEvent& release)
{
    if (XEventsQueued(display, QueuedAfterReading) == 0)
        return false;
    XEvent next;
    XPeekEvent(display, &next);
    return next.type == KeyPress && next.xkey.window == release.window && next.xkey.keycode == release.keycode &&
           next.xkey.time == release.time;
}

} // namespace

std::unique_ptr<IPlatformFrame> createPlatformFrame(IPlatformFrameCallback* frame, void* parentWindow,
                                                    const CRect& size)
{
    if (!frame || !parentWindow)
        return nullptr;
    return X11PlatformFrame::create(frame, static_cast<Window>(reinterpret_cast<uintptr_t>(parentWindow)), size);
}

std::unique_ptr<X11PlatformFrame> X11PlatformFrame::create(IPlatformFrameCallback* callback, Window parent,
                                                           const CRect& size)
{
    const int width = static_cast<int>(std::lround(size.getWidth()));
    const int height = static_cast<int>(std::lround(size.getHeight()));
    if (width <= 0 || height <= 0)
        return nullptr;
    Display* display = XOpenDisplay(nullptr);
    if (!display)
        return nullptr;

    Window window = None;
    XWindowAttributes parentAttributes{};
    bool created = false;
    {
        X11ErrorTrap trap(display);
        if (XGetWindowAttributes(display, parent, &parentAttributes) && !trap.failed())
        {
            XSetWindowAttributes attributes{};
            // No background: every exposed pixel is painted by the frame, so nothing flickers black first.
            attributes.background_pixmap = None;
            attributes.event_mask = kEventMask;
            window = XCreateWindow(display, parent, static_cast<int>(std::lround(size.left)),
                                   static_cast<int>(std::lround(size.top)), static_cast<unsigned>(width),
                                   static_cast<unsigned>(height), 0, CopyFromParent, InputOutput, CopyFromParent,
                                   CWBackPixmap | CWEventMask, &attributes);
            XMapWindow(display, window);
            created = !trap.failed();
        }
    }
    if (!created)
    {
        // Closing the connection also frees a window half made.
        XCloseDisplay(display);
        return nullptr;
    }
    XFlush(display);
    return std::unique_ptr<X11PlatformFrame>(
        new X11PlatformFrame(callback, display, window, parentAttributes.visual, width, height));
}

X11PlatformFrame::X11PlatformFrame(IPlatformFrameCallback* callback, Display* display, Window window, Visual* visual,
                                   int width, int height)
    : callback_(callback), display_(display), window_(window),
      windowSurface_(cairo_xlib_surface_create(display, window, visual, width, height)), width_(width),
      height_(height), invalid_(0, 0, width, height)
{
}

X11PlatformFrame::~X11PlatformFrame()
{
    *alive_ = false;
    // cairo keeps per-connection state (its xlib device) beyond the surface: finish it before the connection goes.
    cairo_device_t* device = cairo_device_reference(cairo_surface_get_device(windowSurface_));
    cairo_surface_destroy(windowSurface_);
    if (device)
    {
        cairo_device_finish(device);
        cairo_device_destroy(device);
    }
    {
        // The host may have destroyed its window (and ours with it) before closing the editor.
        X11ErrorTrap trap(display_);
        if (!windowGone_)
            XDestroyWindow(display_, window_);
        if (cursor_ != None)
            XFreeCursor(display_, cursor_);
    }
    XCloseDisplay(display_);
}

void X11PlatformFrame::invalidRect(const CRect& rect)
{
    invalid_.unite(rect.intersection(CRect(0, 0, width_, height_)));
}

void X11PlatformFrame::processEvents()
{
    const std::shared_ptr<bool> alive = alive_;
    while (XPending(display_) > 0)
    {
        XEvent event;
        XNextEvent(display_, &event);
        if (!handleEvent(event) || !*alive)
            return;
    }
    if (!invalid_.isEmpty() && !windowGone_)
    {
        const CRect region = invalid_;
        invalid_ = CRect();
        paint(region);
    }
}

bool X11PlatformFrame::handleEvent(XEvent& event)
{
    const std::shared_ptr<bool> alive = alive_;
    switch (event.type)
    {
    case Expose:
        invalid_.unite(CRect(event.xexpose.x, event.xexpose.y, event.xexpose.x + event.xexpose.width,
                             event.xexpose.y + event.xexpose.height));
        break;
    case ButtonPress:
    {
        const XButtonEvent& press = event.xbutton;
        CPoint where(press.x, press.y);
        if (const float distance = wheelDistance(press.button); distance != 0.f)
        {
            callback_->platformOnMouseWheel(where, distance, CButtonState(buttonStateFromState(press.state)));
            break;
        }
        const int32_t bit = buttonBit(press.button);
        if (!bit)
            break;
        int32_t buttons = bit | modifiersOf(press.state);
        if (doubleClick_.press(press.button, static_cast<uint32_t>(press.time), press.x, press.y))
            buttons |= kDoubleClick;
        // While a button is held the server sends every pointer event to this window (an implicit grab), so a
        // drag that leaves the window still reaches the frame; no explicit grab is needed.
        callback_->platformOnMouseDown(where, CButtonState(buttons));
        break;
    }
    case ButtonRelease:
    {
        const XButtonEvent& release = event.xbutton;
        const int32_t bit = buttonBit(release.button);
        if (!bit)
            break;
        CPoint where(release.x, release.y);
        callback_->platformOnMouseUp(where, CButtonState(bit | modifiersOf(release.state)));
        break;
    }
    case MotionNotify:
    {
        CPoint where(event.xmotion.x, event.xmotion.y);
        callback_->platformOnMouseMoved(where, CButtonState(buttonStateFromState(event.xmotion.state)));
        break;
    }
    case EnterNotify:
        if (event.xcrossing.mode == NotifyNormal)
        {
            CPoint where(event.xcrossing.x, event.xcrossing.y);
            callback_->platformOnMouseMoved(where, CButtonState(buttonStateFromState(event.xcrossing.state)));
        }
        break;
    case LeaveNotify:
        if (event.xcrossing.mode == NotifyNormal)
        {
            doubleClick_.reset();
            CPoint where(event.xcrossing.x, event.xcrossing.y);
            callback_->platformOnMouseExited(where, CButtonState(buttonStateFromState(event.xcrossing.state)));
        }
        break;
    case KeyPress:
    case KeyRelease:
        return handleKey(event.xkey);
    case ConfigureNotify:
        if (event.xconfigure.window == window_ &&
            (event.xconfigure.width != width_ || event.xconfigure.height != height_))
        {
            width_ = event.xconfigure.width;
            height_ = event.xconfigure.height;
            cairo_xlib_surface_set_size(windowSurface_, width_, height_);
            invalid_.unite(CRect(0, 0, width_, height_));
        }
        break;
    case DestroyNotify:
        if (event.xdestroywindow.window == window_)
            windowGone_ = true;
        break;
    default:
        break;
    }
    return *alive;
}

bool X11PlatformFrame::handleKey(XKeyEvent& event)
{
    const std::shared_ptr<bool> alive = alive_;
    if (event.type == KeyRelease && isAutoRepeatRelease(display_, event))
        return true;
    char text[32];
    KeySym keySym = NoSymbol;
    XLookupString(&event, text, sizeof text, &keySym, nullptr);
    VstKeyCode key = vstKeyFromKeySym(keySym, event.state);
    if (key.virt == 0 && key.character == 0)
        return true;
    if (event.type == KeyPress)
        callback_->platformOnKeyDown(key);
    else
        callback_->platformOnKeyUp(key);
    return *alive;
}

void X11PlatformFrame::paint(const CRect& region)
{
    // Whole pixels, so that every pixel copied to the window was drawn.
    const int left = std::max(0, static_cast<int>(std::floor(region.left)));
    const int top = std::max(0, static_cast<int>(std::floor(region.top)));
    const int right = std::min(width_, static_cast<int>(std::ceil(region.right)));
    const int bottom = std::min(height_, static_cast<int>(std::ceil(region.bottom)));
    if (right <= left || bottom <= top)
        return;
    const CRect pixels(left, top, right, bottom);
    cairo_surface_t* buffer = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, right - left, bottom - top);
    if (cairo_surface_status(buffer) != CAIRO_STATUS_SUCCESS)
    {
        cairo_surface_destroy(buffer);
        return;
    }
    {
        CairoDrawContext context(buffer, pixels);
        callback_->platformDrawRect(&context, pixels);
    }
    cairo_surface_flush(buffer);

    if (!windowGone_)
    {
        // The host may destroy its window (and ours with it) before we have read the notice of it: a copy to a
        // window that is gone must not end the host through the default X error handler.
        X11ErrorTrap trap(display_);
        cairo_t* cr = cairo_create(windowSurface_);
        cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
        cairo_set_source_surface(cr, buffer, left, top);
        cairo_rectangle(cr, left, top, right - left, bottom - top);
        cairo_fill(cr);
        cairo_destroy(cr);
        cairo_surface_flush(windowSurface_);
    }
    cairo_surface_destroy(buffer);
}

bool X11PlatformFrame::getCurrentMousePosition(CPoint& where) const
{
    Window root = None;
    Window child = None;
    int rootX = 0;
    int rootY = 0;
    int x = 0;
    int y = 0;
    unsigned int state = 0;
    if (windowGone_ || !XQueryPointer(display_, window_, &root, &child, &rootX, &rootY, &x, &y, &state))
        return false;
    where = CPoint(x, y);
    return true;
}

bool X11PlatformFrame::getCurrentMouseButtons(CButtonState& buttons) const
{
    Window root = None;
    Window child = None;
    int rootX = 0;
    int rootY = 0;
    int x = 0;
    int y = 0;
    unsigned int state = 0;
    if (windowGone_ || !XQueryPointer(display_, window_, &root, &child, &rootX, &rootY, &x, &y, &state))
        return false;
    buttons = CButtonState(buttonStateFromState(state));
    return true;
}

void X11PlatformFrame::setMouseCursor(CCursorType type)
{
    if (windowGone_)
        return;
    const Cursor cursor = XCreateFontCursor(display_, cursorShape(type));
    XDefineCursor(display_, window_, cursor);
    if (cursor_ != None)
        XFreeCursor(display_, cursor_);
    cursor_ = cursor;
    XFlush(display_);
}

void X11PlatformFrame::takeFocus()
{
    if (windowGone_)
        return;
    // Refused (BadMatch) while the window is not viewable; that is no reason to end the host.
    X11ErrorTrap trap(display_);
    XSetInputFocus(display_, window_, RevertToParent, CurrentTime);
}

bool X11PlatformFrame::getSize(CRect& size) const
{
    size = CRect(0, 0, width_, height_);
    return true;
}

bool X11PlatformFrame::setSize(const CRect& size)
{
    const int width = static_cast<int>(std::lround(size.getWidth()));
    const int height = static_cast<int>(std::lround(size.getHeight()));
    if (width <= 0 || height <= 0 || windowGone_)
        return false;
    XResizeWindow(display_, window_, static_cast<unsigned>(width), static_cast<unsigned>(height));
    width_ = width;
    height_ = height;
    cairo_xlib_surface_set_size(windowSurface_, width_, height_);
    invalid_.unite(CRect(0, 0, width_, height_));
    XFlush(display_);
    return true;
}

void* X11PlatformFrame::getNativeHandle() const
{
    return reinterpret_cast<void*>(static_cast<uintptr_t>(window_));
}
