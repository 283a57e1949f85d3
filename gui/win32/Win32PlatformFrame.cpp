#include "gui/win32/Win32PlatformFrame.h"

#include <cmath>
#include <mutex>

#include <windowsx.h>

#include "gui/win32/GdiplusDrawContext.h"
#include "gui/win32/Win32KeyMapping.h"
#include "platform/Module.h"

namespace
{

const wchar_t kClassName[] = L"QorGuiFrame";

std::mutex gClassMutex;
int gClassUsers = 0;

HINSTANCE moduleInstance()
{
    // Tests link the layer into an executable, where no load routine stored a module handle.
    if (void* handle = platform::moduleHandle())
        return static_cast<HINSTANCE>(handle);
    return GetModuleHandleW(nullptr);
}

// The window class lives while any frame does; it goes with the last one, so an unloaded module leaves no class
// pointing into its code.
bool acquireWindowClass(WNDPROC procedure)
{
    std::lock_guard<std::mutex> lock(gClassMutex);
    if (gClassUsers == 0)
    {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.style = CS_DBLCLKS;
        windowClass.lpfnWndProc = procedure;
        windowClass.hInstance = moduleInstance();
        windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
        windowClass.lpszClassName = kClassName;
        if (!RegisterClassExW(&windowClass) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
            return false;
    }
    ++gClassUsers;
    return true;
}

void releaseWindowClass()
{
    std::lock_guard<std::mutex> lock(gClassMutex);
    if (--gClassUsers == 0)
        UnregisterClassW(kClassName, moduleInstance());
}

LPCWSTR cursorResource(CCursorType type)
{
    switch (type)
    {
    case kCursorWait:
        return reinterpret_cast<LPCWSTR>(IDC_WAIT);
    case kCursorHSize:
        return reinterpret_cast<LPCWSTR>(IDC_SIZEWE);
    case kCursorVSize:
        return reinterpret_cast<LPCWSTR>(IDC_SIZENS);
    case kCursorSizeAll:
        return reinterpret_cast<LPCWSTR>(IDC_SIZEALL);
    case kCursorHand:
        return reinterpret_cast<LPCWSTR>(IDC_HAND);
    case kCursorIBeam:
        return reinterpret_cast<LPCWSTR>(IDC_IBEAM);
    default:
        return reinterpret_cast<LPCWSTR>(IDC_ARROW);
    }
}

Win32Modifiers currentModifiers()
{
    Win32Modifiers modifiers;
    modifiers.shift = GetKeyState(VK_SHIFT) < 0;
    modifiers.control = GetKeyState(VK_CONTROL) < 0;
    modifiers.alt = GetKeyState(VK_MENU) < 0;
    return modifiers;
}

bool altHeld() { return GetKeyState(VK_MENU) < 0; }

CPoint pointOf(LPARAM lParam) { return CPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)); }

RECT pixelRect(const CRect& rect)
{
    return RECT{static_cast<LONG>(std::floor(rect.left)), static_cast<LONG>(std::floor(rect.top)),
                static_cast<LONG>(std::ceil(rect.right)), static_cast<LONG>(std::ceil(rect.bottom))};
}

constexpr WPARAM kButtonFlags = MK_LBUTTON | MK_MBUTTON | MK_RBUTTON;

} // namespace

std::unique_ptr<IPlatformFrame> createPlatformFrame(IPlatformFrameCallback* frame, void* parentWindow,
                                                    const CRect& size)
{
    if (!frame || !parentWindow)
        return nullptr;
    return Win32PlatformFrame::create(frame, static_cast<HWND>(parentWindow), size);
}

std::unique_ptr<Win32PlatformFrame> Win32PlatformFrame::create(IPlatformFrameCallback* callback, HWND parent,
                                                               const CRect& size)
{
    const int width = static_cast<int>(std::lround(size.getWidth()));
    const int height = static_cast<int>(std::lround(size.getHeight()));
    if (width <= 0 || height <= 0 || !IsWindow(parent))
        return nullptr;
    std::unique_ptr<Win32PlatformFrame> frame(new Win32PlatformFrame(callback));
    if (!frame->gdiplus_.isStarted() || !acquireWindowClass(&Win32PlatformFrame::windowProcedure))
        return nullptr;
    frame->classHeld_ = true;
    // window_ is set during WM_NCCREATE.
    if (!CreateWindowExW(0, kClassName, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN,
                         static_cast<int>(std::lround(size.left)), static_cast<int>(std::lround(size.top)), width,
                         height, parent, nullptr, moduleInstance(), frame.get()))
        return nullptr;
    return frame;
}

Win32PlatformFrame::Win32PlatformFrame(IPlatformFrameCallback* callback)
    : callback_(callback), cursor_(LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW)))
{
}

Win32PlatformFrame::~Win32PlatformFrame()
{
    *alive_ = false;
    if (window_)
    {
        // Messages sent while the window goes must not reach this object any more.
        SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
        if (GetCapture() == window_)
            ReleaseCapture();
        DestroyWindow(window_);
        window_ = nullptr;
    }
    releaseClass();
}

void Win32PlatformFrame::releaseClass()
{
    if (classHeld_)
    {
        classHeld_ = false;
        releaseWindowClass();
    }
}

LRESULT CALLBACK Win32PlatformFrame::windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE)
    {
        auto* frame = static_cast<Win32PlatformFrame*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        frame->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(frame));
    }
    auto* frame = reinterpret_cast<Win32PlatformFrame*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!frame)
        return DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCDESTROY)
    {
        // The host destroyed its window (and this one with it) before closing the editor. The class is released
        // when the frame goes: it cannot be unregistered while this window still exists.
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        frame->window_ = nullptr;
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return frame->handleMessage(message, wParam, lParam);
}

LRESULT Win32PlatformFrame::handleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_PAINT:
        paint();
        return 0;
    case WM_ERASEBKGND:
        // Every pixel is painted by the frame.
        return 1;
    case WM_LBUTTONDOWN:
        return mouseDown(kLButton, wParam, lParam, false);
    case WM_LBUTTONDBLCLK:
        return mouseDown(kLButton, wParam, lParam, true);
    case WM_MBUTTONDOWN:
        return mouseDown(kMButton, wParam, lParam, false);
    case WM_MBUTTONDBLCLK:
        return mouseDown(kMButton, wParam, lParam, true);
    case WM_RBUTTONDOWN:
        return mouseDown(kRButton, wParam, lParam, false);
    case WM_RBUTTONDBLCLK:
        return mouseDown(kRButton, wParam, lParam, true);
    case WM_LBUTTONUP:
        return mouseUp(kLButton, wParam, lParam);
    case WM_MBUTTONUP:
        return mouseUp(kMButton, wParam, lParam);
    case WM_RBUTTONUP:
        return mouseUp(kRButton, wParam, lParam);
    case WM_MOUSEMOVE:
        return mouseMoved(wParam, lParam);
    case WM_MOUSELEAVE:
    {
        trackingLeave_ = false;
        hasLastMove_ = false;
        CPoint where;
        getCurrentMousePosition(where);
        callback_->platformOnMouseExited(where, CButtonState(buttonStateFromMouseFlags(0, altHeld())));
        return 0;
    }
    case WM_MOUSEWHEEL:
    {
        POINT screen{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        ScreenToClient(window_, &screen);
        const float distance = static_cast<float>(GET_WHEEL_DELTA_WPARAM(wParam)) / WHEEL_DELTA;
        const CButtonState buttons(buttonStateFromMouseFlags(GET_KEYSTATE_WPARAM(wParam), altHeld()));
        if (callback_->platformOnMouseWheel(CPoint(screen.x, screen.y), distance, buttons))
            return 0;
        // Not used here: DefWindowProc hands it on to the host's window.
        break;
    }
    case WM_SETCURSOR:
        if (LOWORD(lParam) == HTCLIENT)
        {
            SetCursor(cursor_);
            return TRUE;
        }
        break;
    case WM_GETDLGCODE:
        return DLGC_WANTALLKEYS | DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_CHAR:
        return keyMessage(message, wParam, lParam);
    case WM_CAPTURECHANGED:
        hasLastMove_ = false;
        return 0;
    default:
        break;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

void Win32PlatformFrame::paint()
{
    // The drawing callback may close the frame, and the frame's own hold on GDI+ with it.
    GdiplusSession gdiplus;
    PAINTSTRUCT paintInfo;
    HDC dc = BeginPaint(window_, &paintInfo);
    const RECT& r = paintInfo.rcPaint;
    if (dc && r.right > r.left && r.bottom > r.top)
    {
        const int width = r.right - r.left;
        const int height = r.bottom - r.top;
        const CRect region(r.left, r.top, r.right, r.bottom);
        Gdiplus::Bitmap buffer(width, height, PixelFormat32bppPARGB);
        if (buffer.GetLastStatus() == Gdiplus::Ok)
        {
            {
                Gdiplus::Graphics graphics(&buffer);
                graphics.Clear(Gdiplus::Color(255, 0, 0, 0));
                GdiplusDrawContext context(&graphics, region);
                const std::shared_ptr<bool> alive = alive_;
                callback_->platformDrawRect(&context, region);
                if (!*alive)
                    return;
            }
            Gdiplus::Graphics screen(dc);
            screen.SetCompositingMode(Gdiplus::CompositingModeSourceCopy);
            screen.SetInterpolationMode(Gdiplus::InterpolationModeNearestNeighbor);
            screen.SetPixelOffsetMode(Gdiplus::PixelOffsetModeHalf);
            screen.DrawImage(&buffer, r.left, r.top, width, height);
        }
    }
    EndPaint(window_, &paintInfo);
}

LRESULT Win32PlatformFrame::mouseDown(int32_t button, WPARAM wParam, LPARAM lParam, bool doubleClick)
{
    // Keys and the wheel follow the window the user works in.
    if (GetFocus() != window_)
        SetFocus(window_);
    int32_t buttons = button | (buttonStateFromMouseFlags(wParam, altHeld()) & (kShift | kControl | kAlt));
    if (doubleClick)
        buttons |= kDoubleClick;
    CPoint where = pointOf(lParam);
    const std::shared_ptr<bool> alive = alive_;
    const CMouseEventResult result = callback_->platformOnMouseDown(where, CButtonState(buttons));
    if (*alive && result == kMouseEventHandled && window_)
        SetCapture(window_);
    return 0;
}

LRESULT Win32PlatformFrame::mouseUp(int32_t button, WPARAM wParam, LPARAM lParam)
{
    const int32_t buttons = button | (buttonStateFromMouseFlags(wParam, altHeld()) & (kShift | kControl | kAlt));
    CPoint where = pointOf(lParam);
    const std::shared_ptr<bool> alive = alive_;
    callback_->platformOnMouseUp(where, CButtonState(buttons));
    if (*alive && window_ && GetCapture() == window_ && (wParam & kButtonFlags) == 0)
        ReleaseCapture();
    return 0;
}

LRESULT Win32PlatformFrame::mouseMoved(WPARAM wParam, LPARAM lParam)
{
    const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    // Windows repeats a move without moving (after a capture change, a window appearing): the frame hears only
    // real ones.
    if (hasLastMove_ && point.x == lastMove_.x && point.y == lastMove_.y && wParam == lastMoveFlags_)
        return 0;
    hasLastMove_ = true;
    lastMove_ = point;
    lastMoveFlags_ = wParam;
    if (!trackingLeave_)
    {
        TRACKMOUSEEVENT track{};
        track.cbSize = sizeof track;
        track.dwFlags = TME_LEAVE;
        track.hwndTrack = window_;
        trackingLeave_ = TrackMouseEvent(&track) != FALSE;
    }
    CPoint where(point.x, point.y);
    callback_->platformOnMouseMoved(where, CButtonState(buttonStateFromMouseFlags(wParam, altHeld())));
    return 0;
}

LRESULT Win32PlatformFrame::keyMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    const Win32Modifiers modifiers = currentModifiers();
    VstKeyCode key;
    if (message == WM_CHAR)
    {
        const auto unit = static_cast<wchar_t>(wParam);
        if (unit >= 0xD800 && unit <= 0xDBFF)
        {
            pendingHighSurrogate_ = unit;
            return 0;
        }
        uint32_t codePoint = unit;
        if (unit >= 0xDC00 && unit <= 0xDFFF)
        {
            if (!pendingHighSurrogate_)
                return 0;
            codePoint = 0x10000 + ((static_cast<uint32_t>(pendingHighSurrogate_) - 0xD800) << 10) + (unit - 0xDC00);
        }
        pendingHighSurrogate_ = 0;
        key = vstKeyFromCharacter(codePoint, modifiers);
    }
    else
    {
        const bool extended = (lParam & (1 << 24)) != 0;
        key = vstKeyFromVirtualKey(static_cast<unsigned int>(wParam), extended, modifiers);
        if (message == WM_KEYUP && !key.virt && !key.character)
        {
            // A character key's release: WM_CHAR comes only with the press, so take the key's unshifted character.
            const UINT character = MapVirtualKeyW(static_cast<UINT>(wParam), MAPVK_VK_TO_CHAR) & 0x7FFF;
            key = vstKeyFromCharacter(character >= 'A' && character <= 'Z' ? character - 'A' + 'a' : character,
                                      modifiers);
        }
    }
    if (key.virt || key.character)
    {
        const std::shared_ptr<bool> alive = alive_;
        const int32_t handled =
            message == WM_KEYUP ? callback_->platformOnKeyUp(key) : callback_->platformOnKeyDown(key);
        if (!*alive || handled == 1)
            return 0;
    }
    if (HWND parent = window_ ? GetParent(window_) : nullptr)
        return SendMessageW(parent, message, wParam, lParam);
    return 0;
}

void Win32PlatformFrame::invalidRect(const CRect& rect)
{
    if (!window_)
        return;
    const RECT r = pixelRect(rect);
    InvalidateRect(window_, &r, FALSE);
}

void Win32PlatformFrame::processEvents()
{
    if (window_)
        UpdateWindow(window_);
}

bool Win32PlatformFrame::getCurrentMousePosition(CPoint& where) const
{
    POINT point{};
    if (!window_ || !GetCursorPos(&point) || !ScreenToClient(window_, &point))
        return false;
    where = CPoint(point.x, point.y);
    return true;
}

bool Win32PlatformFrame::getCurrentMouseButtons(CButtonState& buttons) const
{
    WPARAM flags = 0;
    if (GetKeyState(VK_LBUTTON) < 0)
        flags |= MK_LBUTTON;
    if (GetKeyState(VK_MBUTTON) < 0)
        flags |= MK_MBUTTON;
    if (GetKeyState(VK_RBUTTON) < 0)
        flags |= MK_RBUTTON;
    if (GetKeyState(VK_SHIFT) < 0)
        flags |= MK_SHIFT;
    if (GetKeyState(VK_CONTROL) < 0)
        flags |= MK_CONTROL;
    buttons = CButtonState(buttonStateFromMouseFlags(flags, altHeld()));
    return true;
}

void Win32PlatformFrame::setMouseCursor(CCursorType type)
{
    cursor_ = LoadCursorW(nullptr, cursorResource(type));
    POINT point{};
    // Show it at once when the pointer is over the window.
    if (window_ && GetCursorPos(&point) && WindowFromPoint(point) == window_)
        SetCursor(cursor_);
}

void Win32PlatformFrame::takeFocus()
{
    if (window_)
        SetFocus(window_);
}

bool Win32PlatformFrame::getSize(CRect& size) const
{
    RECT client{};
    if (!window_ || !GetClientRect(window_, &client))
        return false;
    size = CRect(0, 0, client.right, client.bottom);
    return true;
}

bool Win32PlatformFrame::setSize(const CRect& size)
{
    const int width = static_cast<int>(std::lround(size.getWidth()));
    const int height = static_cast<int>(std::lround(size.getHeight()));
    if (!window_ || width <= 0 || height <= 0)
        return false;
    return SetWindowPos(window_, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE) != FALSE;
}
