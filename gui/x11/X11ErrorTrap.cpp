#include "gui/x11/X11ErrorTrap.h"

namespace
{
// The innermost trap. Xlib's error handler is one for the whole process, and editors talk to X on the host's GUI
// thread only, so this is a plain variable: thread-local storage in a plug-in library would also outlive its
// unloading in some tools' eyes (LeakSanitizer reads stale blocks of it).
X11ErrorTrap* gCurrentTrap = nullptr;
} // namespace

X11ErrorTrap::X11ErrorTrap(Display* display) : display_(display), outer_(gCurrentTrap)
{
    // Errors of earlier requests belong to whoever sent them.
    XSync(display_, False);
    gCurrentTrap = this;
    previousHandler_ = XSetErrorHandler(&X11ErrorTrap::handle);
}

X11ErrorTrap::~X11ErrorTrap()
{
    XSync(display_, False);
    XSetErrorHandler(previousHandler_);
    gCurrentTrap = outer_;
}

bool X11ErrorTrap::failed()
{
    XSync(display_, False);
    return errorCode_ != 0;
}

int X11ErrorTrap::handle(Display* display, XErrorEvent* event)
{
    for (X11ErrorTrap* trap = gCurrentTrap; trap; trap = trap->outer_)
    {
        if (trap->display_ == display)
        {
            if (trap->errorCode_ == 0)
                trap->errorCode_ = event->error_code;
            return 0;
        }
    }
    // Not ours: the handler that was there before (the outermost trap's predecessor).
    X11ErrorTrap* outermost = gCurrentTrap;
    while (outermost && outermost->outer_)
        outermost = outermost->outer_;
    if (outermost && outermost->previousHandler_)
        return outermost->previousHandler_(display, event);
    return 0;
}
