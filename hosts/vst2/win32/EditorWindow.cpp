// The host's editor window on Windows: an overlapped window of the host's own class. The effect's editor makes a
// child window inside it on this same thread, so pumping this thread's messages runs the editor's window too.
#include "hosts/vst2/EditorWindow.h"

#include <windows.h>
#include <gdiplus.h>

#include <vector>

namespace vst2host {
namespace {

const wchar_t kClassName[] = L"QorVst2HostEditorWindow";
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;

std::wstring wide(const std::string& text)
{
    const int length = MultiByteToWideChar(CP_UTF8, 0, text.c_str(), -1, nullptr, 0);
    if (length <= 0)
        return {};
    std::wstring result(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.c_str(), -1, result.data(), length);
    result.resize(static_cast<size_t>(length - 1));
    return result;
}

LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_CLOSE) {
        // The session notices and closes the editor first; the window goes when the session ends.
        if (auto* closed = reinterpret_cast<bool*>(GetWindowLongPtrW(window, GWLP_USERDATA)))
            *closed = true;
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

bool registerClass(HINSTANCE instance)
{
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = windowProcedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    windowClass.lpszClassName = kClassName;
    return RegisterClassExW(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

// The PNG encoder's class id, looked up among the encoders GDI+ lists.
bool pngEncoder(CLSID& encoder)
{
    UINT count = 0;
    UINT bytes = 0;
    if (Gdiplus::GetImageEncodersSize(&count, &bytes) != Gdiplus::Ok || bytes == 0)
        return false;
    std::vector<unsigned char> buffer(bytes);
    auto* encoders = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
    if (Gdiplus::GetImageEncoders(count, bytes, encoders) != Gdiplus::Ok)
        return false;
    for (UINT at = 0; at < count; ++at) {
        if (lstrcmpiW(encoders[at].MimeType, L"image/png") == 0) {
            encoder = encoders[at].Clsid;
            return true;
        }
    }
    return false;
}

// GDI+ for the length of one screenshot.
class GdiplusSession
{
public:
    GdiplusSession()
    {
        Gdiplus::GdiplusStartupInput input;
        ok_ = Gdiplus::GdiplusStartup(&token_, &input, nullptr) == Gdiplus::Ok;
    }
    ~GdiplusSession()
    {
        if (ok_)
            Gdiplus::GdiplusShutdown(token_);
    }
    GdiplusSession(const GdiplusSession&) = delete;
    GdiplusSession& operator=(const GdiplusSession&) = delete;
    bool ok() const { return ok_; }

private:
    ULONG_PTR token_ = 0;
    bool ok_ = false;
};

class Win32EditorWindow final : public EditorWindow
{
public:
    Win32EditorWindow(HWND window, int width, int height) : window_(window), width_(width), height_(height)
    {
        SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&closed_));
    }

    ~Win32EditorWindow() override
    {
        DestroyWindow(window_);
        pumpEvents();
    }

    void* parentHandle() const override { return window_; }

    bool pumpEvents() override
    {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) {
                closed_ = true;
                continue;
            }
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        return !closed_;
    }

    bool saveScreenshot(const std::string& path, std::string& error) override
    {
        // Paint everything that is pending, then copy what the window shows (the editor's child included).
        RedrawWindow(window_, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width_;
        info.bmiHeader.biHeight = -height_;  // top-down rows
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        HDC windowDc = GetDC(window_);
        HDC memoryDc = CreateCompatibleDC(windowDc);
        HBITMAP bitmap = CreateDIBSection(windowDc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        bool copied = false;
        if (bitmap != nullptr) {
            HGDIOBJ old = SelectObject(memoryDc, bitmap);
            copied = BitBlt(memoryDc, 0, 0, width_, height_, windowDc, 0, 0, SRCCOPY) != FALSE;
            GdiFlush();
            SelectObject(memoryDc, old);
        }
        DeleteDC(memoryDc);
        ReleaseDC(window_, windowDc);
        if (!copied) {
            if (bitmap != nullptr)
                DeleteObject(bitmap);
            error = "cannot copy the editor window's pixels";
            return false;
        }

        bool saved = false;
        {
            GdiplusSession gdiplus;
            CLSID encoder{};
            if (gdiplus.ok() && pngEncoder(encoder)) {
                Gdiplus::Bitmap image(width_, height_, width_ * 4, PixelFormat32bppRGB, static_cast<BYTE*>(bits));
                saved = image.Save(wide(path).c_str(), &encoder, nullptr) == Gdiplus::Ok;
            }
        }
        DeleteObject(bitmap);
        if (!saved)
            error = "cannot write '" + path + "' as PNG";
        return saved;
    }

private:
    HWND window_;
    int width_;
    int height_;
    bool closed_ = false;
};

}  // namespace

std::unique_ptr<EditorWindow> EditorWindow::create(int width, int height, const std::string& title,
                                                   std::string& error)
{
    HINSTANCE instance = GetModuleHandleW(nullptr);
    if (!registerClass(instance)) {
        error = "cannot register the editor window class (error " + std::to_string(GetLastError()) + ")";
        return nullptr;
    }
    RECT frame{0, 0, width, height};
    AdjustWindowRectEx(&frame, kStyle, FALSE, 0);
    HWND window = CreateWindowExW(0, kClassName, wide(title).c_str(), kStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                                  frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr, instance,
                                  nullptr);
    if (window == nullptr) {
        error = "cannot create the editor window (error " + std::to_string(GetLastError()) + ")";
        return nullptr;
    }
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
    return std::make_unique<Win32EditorWindow>(window, width, height);
}

}  // namespace vst2host
