// Catches the X errors of one display connection for a stretch of calls instead of letting Xlib's default handler
// end the host's process (a bad parent window id, a window the host destroyed early). Errors of other connections
// go to the handler that was installed before. GUI thread only; traps nest.
#pragma once

#include <X11/Xlib.h>

class X11ErrorTrap
{
public:
    explicit X11ErrorTrap(Display* display);
    ~X11ErrorTrap();
    X11ErrorTrap(const X11ErrorTrap&) = delete;
    X11ErrorTrap& operator=(const X11ErrorTrap&) = delete;

    // Waits for the server to handle every request sent so far; true when any of them failed since the trap was set.
    bool failed();

private:
    static int handle(Display* display, XErrorEvent* event);

    Display* display_;
    XErrorHandler previousHandler_;
    X11ErrorTrap* outer_;
    int errorCode_ = 0;
};
