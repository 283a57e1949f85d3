// GDI+ started while anything of the Windows backend needs it: each bitmap, offscreen surface and frame window holds
// a session; the first starts GDI+, the last shuts it down. Not from DllMain (GDI+ forbids that); any thread.
#pragma once

class GdiplusSession
{
public:
    GdiplusSession();
    ~GdiplusSession();
    GdiplusSession(const GdiplusSession&) = delete;
    GdiplusSession& operator=(const GdiplusSession&) = delete;

    // False when GDI+ could not start; nothing may be drawn or decoded then.
    bool isStarted() const { return started_; }

    // Sessions alive in this module (tests check that the count returns to 0).
    static int activeCount();

private:
    bool started_;
};
