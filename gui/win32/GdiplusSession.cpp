#include "gui/win32/GdiplusSession.h"

#include <mutex>

#include "gui/win32/GdiplusHeaders.h"

namespace
{
std::mutex gMutex;
int gUsers = 0;
ULONG_PTR gToken = 0;
bool gStarted = false;
} // namespace

GdiplusSession::GdiplusSession()
{
    std::lock_guard<std::mutex> lock(gMutex);
    if (gUsers == 0)
    {
        Gdiplus::GdiplusStartupInput input;
        gStarted = Gdiplus::GdiplusStartup(&gToken, &input, nullptr) == Gdiplus::Ok;
    }
    ++gUsers;
    started_ = gStarted;
}

GdiplusSession::~GdiplusSession()
{
    std::lock_guard<std::mutex> lock(gMutex);
    if (--gUsers == 0 && gStarted)
    {
        Gdiplus::GdiplusShutdown(gToken);
        gStarted = false;
        gToken = 0;
    }
}

int GdiplusSession::activeCount()
{
    std::lock_guard<std::mutex> lock(gMutex);
    return gUsers;
}
