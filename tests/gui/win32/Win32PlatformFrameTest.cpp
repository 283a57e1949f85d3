// The Win32 platform frame in a real parent window: its child window, its window class, painting through the frame
// and mouse and key messages arriving translated. Windows need a display under Wine: without one these tests are
// skipped (CTest runs the program once more under Xvfb).
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "gui/CDrawContext.h"
#include "gui/IPlatformFrame.h"
#include "gui/win32/GdiplusHeaders.h"

namespace
{

constexpr CColor kPaint{20, 160, 60};
const wchar_t kParentClass[] = L"QorGuiTestParent";
const wchar_t kFrameClass[] = L"QorGuiFrame";

struct RecordingFrame : IPlatformFrameCallback
{
    std::vector<CRect> painted;
    std::vector<std::string> events;

    void platformDrawRect(CDrawContext* context, const CRect& updateRect) override
    {
        painted.push_back(updateRect);
        context->setFillColor(kPaint);
        context->drawRect(updateRect, kDrawFilled);
    }
    CMouseEventResult platformOnMouseDown(CPoint& where, const CButtonState& buttons) override
    {
        events.push_back(describe("down", where, buttons));
        return kMouseEventHandled;
    }
    CMouseEventResult platformOnMouseUp(CPoint& where, const CButtonState& buttons) override
    {
        events.push_back(describe("up", where, buttons));
        return kMouseEventHandled;
    }
    CMouseEventResult platformOnMouseMoved(CPoint& where, const CButtonState& buttons) override
    {
        events.push_back(describe("moved", where, buttons));
        return kMouseEventHandled;
    }
    CMouseEventResult platformOnMouseExited(CPoint& where, const CButtonState& buttons) override
    {
        events.push_back("exited");
        return kMouseEventHandled;
    }
    bool platformOnMouseWheel(const CPoint& where, float distance, const CButtonState& buttons) override
    {
        events.push_back(describe("wheel " + std::to_string(static_cast<int>(distance)), where, buttons));
        return true;
    }
    int32_t platformOnKeyDown(VstKeyCode& key) override
    {
        events.push_back("key down " + std::to_string(key.character) + " " + std::to_string(key.virt));
        return key.virt == VKEY_ESCAPE ? 1 : -1;
    }
    int32_t platformOnKeyUp(VstKeyCode& key) override
    {
        events.push_back("key up " + std::to_string(key.character) + " " + std::to_string(key.virt));
        return 1;
    }

    static std::string describe(const std::string& what, const CPoint& where, const CButtonState& buttons)
    {
        return what + " " + std::to_string(static_cast<int>(where.x)) + "," + std::to_string(static_cast<int>(where.y)) +
               " " + std::to_string(buttons.getButtonState());
    }
};

// Keys the frame does not handle reach the host's window.
std::vector<UINT> gParentKeys;

LRESULT CALLBACK parentProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_KEYDOWN || message == WM_CHAR)
        gParentKeys.push_back(message);
    return DefWindowProcW(window, message, wParam, lParam);
}

void pump()
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
    {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

bool frameClassRegistered()
{
    WNDCLASSEXW info{};
    info.cbSize = sizeof info;
    return GetClassInfoExW(GetModuleHandleW(nullptr), kFrameClass, &info) != FALSE;
}

class Win32PlatformFrameTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        WNDCLASSEXW parentClass{};
        parentClass.cbSize = sizeof parentClass;
        parentClass.lpfnWndProc = parentProcedure;
        parentClass.hInstance = GetModuleHandleW(nullptr);
        parentClass.lpszClassName = kParentClass;
        RegisterClassExW(&parentClass);
        parent_ = CreateWindowExW(0, kParentClass, L"parent", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0, 0, 300,
                                  200, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        if (!parent_)
            GTEST_SKIP() << "no windows without a display (error " << GetLastError() << ")";
        ShowWindow(parent_, SW_SHOW);
        pump();
        gParentKeys.clear();
    }

    void TearDown() override
    {
        frame_.reset();
        if (parent_)
            DestroyWindow(parent_);
        pump();
    }

    void open(RecordingFrame& recorder, std::unique_ptr<IPlatformFrame>& frame)
    {
        frame = createPlatformFrame(&recorder, parent_, CRect(10, 20, 110, 70));
        ASSERT_NE(frame, nullptr);
        pump();
        frame->processEvents();
    }

    HWND child() const { return static_cast<HWND>(frame_->getNativeHandle()); }

    HWND parent_ = nullptr;
    RecordingFrame recorder_;
    std::unique_ptr<IPlatformFrame> frame_;
};

TEST_F(Win32PlatformFrameTest, OpensAsAPaintedChildWhileItsClassIsRegistered)
{
    open(recorder_, frame_);
    EXPECT_EQ(GetParent(child()), parent_);
    RECT client{};
    ASSERT_TRUE(GetClientRect(child(), &client));
    EXPECT_EQ(client.right, 100);
    EXPECT_EQ(client.bottom, 50);
    POINT origin{0, 0};
    MapWindowPoints(child(), parent_, &origin, 1);
    EXPECT_EQ(origin.x, 10);
    EXPECT_EQ(origin.y, 20);
    EXPECT_TRUE(frameClassRegistered());

    ASSERT_FALSE(recorder_.painted.empty()) << "shown windows are painted";
    EXPECT_EQ(recorder_.painted.front(), CRect(0, 0, 100, 50));
    HDC dc = GetDC(child());
    const COLORREF pixel = GetPixel(dc, 99, 49);
    ReleaseDC(child(), dc);
    EXPECT_EQ(GetRValue(pixel), kPaint.red);
    EXPECT_EQ(GetGValue(pixel), kPaint.green);
    EXPECT_EQ(GetBValue(pixel), kPaint.blue);

    // The class goes with the last frame, not before.
    RecordingFrame otherRecorder;
    std::unique_ptr<IPlatformFrame> other;
    open(otherRecorder, other);
    frame_.reset();
    EXPECT_TRUE(frameClassRegistered());
    other.reset();
    EXPECT_FALSE(frameClassRegistered());
}

TEST_F(Win32PlatformFrameTest, InvalidAreasArePaintedByTheNextPumpInWholePixels)
{
    open(recorder_, frame_);
    recorder_.painted.clear();
    frame_->invalidRect(CRect(5.5, 6, 20, 10.25));
    EXPECT_TRUE(recorder_.painted.empty());
    frame_->processEvents();
    ASSERT_EQ(recorder_.painted.size(), 1u);
    EXPECT_EQ(recorder_.painted[0], CRect(5, 6, 20, 11));
}

TEST_F(Win32PlatformFrameTest, MouseMessagesArriveTranslated)
{
    open(recorder_, frame_);
    recorder_.events.clear();
    SendMessageW(child(), WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT, MAKELPARAM(20, 30));
    EXPECT_EQ(GetCapture(), child()) << "a handled press captures the mouse";
    SendMessageW(child(), WM_MOUSEMOVE, MK_LBUTTON | MK_CONTROL, MAKELPARAM(25, 12));
    SendMessageW(child(), WM_MOUSEMOVE, MK_LBUTTON | MK_CONTROL, MAKELPARAM(25, 12)); // no movement: dropped
    SendMessageW(child(), WM_LBUTTONUP, 0, MAKELPARAM(25, 12));
    EXPECT_NE(GetCapture(), child()) << "released with the last button";
    SendMessageW(child(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(25, 12));
    SendMessageW(child(), WM_LBUTTONUP, 0, MAKELPARAM(25, 12));
    SendMessageW(child(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5, 6));
    SendMessageW(child(), WM_RBUTTONUP, 0, MAKELPARAM(5, 6));
    POINT screen{40, 10};
    ClientToScreen(child(), &screen);
    SendMessageW(child(), WM_MOUSEWHEEL, MAKEWPARAM(MK_SHIFT, WHEEL_DELTA), MAKELPARAM(screen.x, screen.y));
    SendMessageW(child(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-2 * WHEEL_DELTA)),
                 MAKELPARAM(screen.x, screen.y));
    SendMessageW(child(), WM_MOUSELEAVE, 0, 0);

    const std::vector<std::string> expected = {
        "down 20,30 " + std::to_string(kLButton | kShift),
        "moved 25,12 " + std::to_string(kLButton | kControl),
        "up 25,12 " + std::to_string(kLButton),
        "down 25,12 " + std::to_string(kLButton | kDoubleClick),
        "up 25,12 " + std::to_string(kLButton),
        "down 5,6 " + std::to_string(kRButton),
        "up 5,6 " + std::to_string(kRButton),
        "wheel 1 40,10 " + std::to_string(kShift),
        "wheel -2 40,10 0",
        "exited",
    };
    EXPECT_EQ(recorder_.events, expected);
}

TEST_F(Win32PlatformFrameTest, KeysTheFrameDeclinesGoOnToTheHostWindow)
{
    open(recorder_, frame_);
    recorder_.events.clear();
    SendMessageW(child(), WM_KEYDOWN, VK_ESCAPE, 0);
    SendMessageW(child(), WM_CHAR, 'q', 0);
    SendMessageW(child(), WM_KEYDOWN, VK_F5, 0); // no record at all: straight to the host
    const std::vector<std::string> expected = {
        "key down 0 " + std::to_string(VKEY_ESCAPE),
        "key down 113 0",
    };
    EXPECT_EQ(recorder_.events, expected);
    EXPECT_EQ(gParentKeys, (std::vector<UINT>{WM_CHAR, WM_KEYDOWN}));
}

TEST_F(Win32PlatformFrameTest, AHostWindowDestroyedFirstIsSurvived)
{
    open(recorder_, frame_);
    DestroyWindow(parent_);
    parent_ = nullptr;
    pump();
    frame_->invalidRect(CRect(0, 0, 10, 10));
    frame_->processEvents();
    CRect size;
    EXPECT_FALSE(frame_->getSize(size));
    frame_.reset();
    EXPECT_FALSE(frameClassRegistered());
}

TEST_F(Win32PlatformFrameTest, NoFrameWithoutAParentWindow)
{
    EXPECT_EQ(createPlatformFrame(&recorder_, nullptr, CRect(0, 0, 10, 10)), nullptr);
    EXPECT_EQ(createPlatformFrame(&recorder_, reinterpret_cast<void*>(0x1234), CRect(0, 0, 10, 10)), nullptr);
    EXPECT_EQ(createPlatformFrame(&recorder_, parent_, CRect(0, 0, 0, 10)), nullptr);
    EXPECT_FALSE(frameClassRegistered());
}

} // namespace
