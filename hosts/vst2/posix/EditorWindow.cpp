// The host's editor window on Linux: a plain X11 top-level window on a display connection of the host's own. The
// effect's editor makes its own child window inside it, on a connection of its own.
#include "hosts/vst2/EditorWindow.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <cairo.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <thread>

namespace vst2host {
namespace {

// X errors would end the process through Xlib's default handler. A host reports them and goes on, so a fault in
// the plug-in's drawing shows up in the log instead of killing the session. The handler is process-wide; the
// plug-in shares it.
int reportXError(Display* display, XErrorEvent* event)
{
    char text[256] = {};
    XGetErrorText(display, event->error_code, text, sizeof text);
    std::fprintf(stderr, "vst2host: X error: %s (request %d.%d, resource 0x%lx)\n", text, event->request_code,
                 event->minor_code, event->resourceid);
    return 0;
}

// Position of a channel mask's lowest bit and its width, to pull 8-bit channels out of any true-colour pixel.
struct Channel
{
    int shift = 0;
    int bits = 0;
};

Channel channelOf(unsigned long mask)
{
    Channel channel;
    if (mask == 0)
        return channel;
    while ((mask & 1) == 0) {
        mask >>= 1;
        ++channel.shift;
    }
    while ((mask & 1) != 0) {
        mask >>= 1;
        ++channel.bits;
    }
    return channel;
}

uint32_t eightBits(unsigned long pixel, Channel channel)
{
    if (channel.bits == 0)
        return 0;
    const unsigned long value = (pixel >> channel.shift) & ((1UL << channel.bits) - 1);
    return static_cast<uint32_t>(channel.bits >= 8 ? value >> (channel.bits - 8)
                                                    : value * 255 / ((1UL << channel.bits) - 1));
}

class X11EditorWindow final : public EditorWindow
{
public:
    X11EditorWindow(Display* display, Window window, Atom deleteWindow, int width, int height)
        : display_(display), window_(window), deleteWindow_(deleteWindow), width_(width), height_(height)
    {
    }

    ~X11EditorWindow() override
    {
        XDestroyWindow(display_, window_);
        XCloseDisplay(display_);
    }

    void* parentHandle() const override { return reinterpret_cast<void*>(static_cast<uintptr_t>(window_)); }

    bool pumpEvents() override
    {
        while (XPending(display_) > 0) {
            XEvent event;
            XNextEvent(display_, &event);
            if (event.type == ClientMessage && static_cast<Atom>(event.xclient.data.l[0]) == deleteWindow_)
                closed_ = true;
        }
        return !closed_;
    }

    bool saveScreenshot(const std::string& path, std::string& error) override
    {
        // What the screen shows over the window, the editor's child window included (same depth, no compositor).
        XSync(display_, False);
        XImage* image = XGetImage(display_, window_, 0, 0, static_cast<unsigned>(width_),
                                  static_cast<unsigned>(height_), AllPlanes, ZPixmap);
        if (image == nullptr) {
            error = "cannot read the editor window's pixels";
            return false;
        }
        cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width_, height_);
        cairo_surface_flush(surface);
        unsigned char* data = cairo_image_surface_get_data(surface);
        const int stride = cairo_image_surface_get_stride(surface);
        const Channel red = channelOf(image->red_mask);
        const Channel green = channelOf(image->green_mask);
        const Channel blue = channelOf(image->blue_mask);
        for (int y = 0; y < height_; ++y) {
            auto* row = reinterpret_cast<uint32_t*>(data + static_cast<ptrdiff_t>(y) * stride);
            for (int x = 0; x < width_; ++x) {
                const unsigned long pixel = XGetPixel(image, x, y);
                row[x] = 0xFF000000u | eightBits(pixel, red) << 16 | eightBits(pixel, green) << 8 |
                         eightBits(pixel, blue);
            }
        }
        XDestroyImage(image);
        cairo_surface_mark_dirty(surface);
        const cairo_status_t status = cairo_surface_write_to_png(surface, path.c_str());
        cairo_surface_destroy(surface);
        if (status != CAIRO_STATUS_SUCCESS) {
            error = "cannot write '" + path + "': " + cairo_status_to_string(status);
            return false;
        }
        return true;
    }

private:
    Display* display_;
    Window window_;
    Atom deleteWindow_;
    int width_;
    int height_;
    bool closed_ = false;
};

// Waits (briefly) until the server has mapped the window, so the editor opens into a viewable parent.
void waitUntilMapped(Display* display, Window window)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    XEvent event;
    while (std::chrono::steady_clock::now() < deadline) {
        if (XCheckTypedWindowEvent(display, window, MapNotify, &event))
            return;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

}  // namespace

std::unique_ptr<EditorWindow> EditorWindow::create(int width, int height, const std::string& title,
                                                   std::string& error)
{
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        error = "cannot open the X display (is DISPLAY set?)";
        return nullptr;
    }
    XSetErrorHandler(reportXError);
    const int screen = DefaultScreen(display);
    const Window window =
        XCreateSimpleWindow(display, RootWindow(display, screen), 0, 0, static_cast<unsigned>(width),
                            static_cast<unsigned>(height), 0, BlackPixel(display, screen), BlackPixel(display, screen));
    XStoreName(display, window, title.c_str());

    // The editor has one size: tell a window manager not to offer others.
    XSizeHints* hints = XAllocSizeHints();
    hints->flags = PMinSize | PMaxSize;
    hints->min_width = hints->max_width = width;
    hints->min_height = hints->max_height = height;
    XSetWMNormalHints(display, window, hints);
    XFree(hints);

    Atom deleteWindow = XInternAtom(display, "WM_DELETE_WINDOW", False);
    XSetWMProtocols(display, window, &deleteWindow, 1);
    XSelectInput(display, window, StructureNotifyMask);
    XMapWindow(display, window);
    waitUntilMapped(display, window);
    return std::make_unique<X11EditorWindow>(display, window, deleteWindow, width, height);
}

}  // namespace vst2host
