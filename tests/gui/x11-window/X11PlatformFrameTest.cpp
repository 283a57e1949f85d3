// The X11 platform frame against a real X server (Xvfb in CTest): its window inside a parent, painting through the
// frame, and events sent to the window arriving at the frame translated. Needs a display (CTest runs the program
// under xvfb-run).
#include <gtest/gtest.h>

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "gui/CDrawContext.h"
#include "gui/IPlatformFrame.h"
#include "gui/x11/X11PlatformFrame.h"

namespace
{

constexpr CColor kPaint{20, 160, 60};

// Paints its whole update area in one colour and writes down every call, as a frame would get them.
struct RecordingFrame : IPlatformFrameCallback
{
    std::vector<CRect> painted;
    std::vector<std::string> events;
    CMouseEventResult downResult = kMouseEventHandled;

    void platformDrawRect(CDrawContext* context, const CRect& updateRect) override
    {
        painted.push_back(updateRect);
        context->setFillColor(kPaint);
        context->drawRect(updateRect, kDrawFilled);
    }
    CMouseEventResult platformOnMouseDown(CPoint& where, const CButtonState& buttons) override
    {
        events.push_back(describe("down", where, buttons));
        return downResult;
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
        events.push_back(describe("exited", where, buttons));
        return kMouseEventHandled;
    }
    bool platformOnMouseWheel(const CPoint& where, float distance, const CButtonState& buttons) override
    {
        events.push_back(describe("wheel " + std::to_string(static_cast<int>(distance)), where, buttons));
        return true;
    }
    int32_t platformOnKeyDown(VstKeyCode& key) override
    {
        events.push_back("key down " + std::to_string(key.character) + " " + std::to_string(key.virt) + " " +
                         std::to_string(key.modifier));
        return 1;
    }
    int32_t platformOnKeyUp(VstKeyCode& key) override
    {
        events.push_back("key up " + std::to_string(key.character) + " " + std::to_string(key.virt) + " " +
                         std::to_string(key.modifier));
        return 1;
    }

    static std::string describe(const std::string& what, const CPoint& where, const CButtonState& buttons)
    {
        return what + " " + std::to_string(static_cast<int>(where.x)) + "," + std::to_string(static_cast<int>(where.y)) +
               " " + std::to_string(buttons.getButtonState());
    }
};

class X11PlatformFrameTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        display_ = XOpenDisplay(nullptr);
        ASSERT_NE(display_, nullptr) << "no X display: run under xvfb-run";
        const int screen = DefaultScreen(display_);
        parent_ = XCreateSimpleWindow(display_, RootWindow(display_, screen), 0, 0, 200, 100, 0,
                                      BlackPixel(display_, screen), BlackPixel(display_, screen));
        XSelectInput(display_, parent_, StructureNotifyMask);
        XMapWindow(display_, parent_);
        XEvent event;
        XWindowEvent(display_, parent_, StructureNotifyMask, &event);
        while (event.type != MapNotify)
            XWindowEvent(display_, parent_, StructureNotifyMask, &event);
    }

    void TearDown() override
    {
        frame_.reset();
        if (display_)
        {
            if (parent_)
                XDestroyWindow(display_, parent_);
            XCloseDisplay(display_);
        }
    }

    void open(const CRect& size = CRect(10, 20, 110, 70))
    {
        std::unique_ptr<IPlatformFrame> created =
            createPlatformFrame(&recorder_, reinterpret_cast<void*>(static_cast<uintptr_t>(parent_)), size);
        ASSERT_NE(created, nullptr);
        frame_.reset(static_cast<X11PlatformFrame*>(created.release()));
        child_ = frame_->getWindow();
        // Until the server has mapped the child, events sent to it could be lost.
        XSync(display_, False);
        frame_->processEvents();
    }

    // Sends an event to the frame's window from the test's own connection, then lets the frame pump.
    void send(XEvent event)
    {
        event.xany.display = display_;
        event.xany.window = child_;
        XSendEvent(display_, child_, False, 0, &event);
        XSync(display_, False);
        frame_->processEvents();
    }

    XEvent button(int type, unsigned int number, int x, int y, unsigned int state, Time time = CurrentTime)
    {
        XEvent event{};
        event.xbutton.type = type;
        event.xbutton.button = number;
        event.xbutton.x = x;
        event.xbutton.y = y;
        event.xbutton.state = state;
        event.xbutton.time = time;
        event.xbutton.same_screen = True;
        return event;
    }

    CColor childPixel(int x, int y)
    {
        XImage* image = XGetImage(display_, child_, x, y, 1, 1, AllPlanes, ZPixmap);
        if (!image)
            return CColor(0, 0, 0, 0);
        const unsigned long pixel = XGetPixel(image, 0, 0);
        XDestroyImage(image);
        // A 24-bit true-colour visual, as Xvfb's default screen has.
        return CColor(static_cast<uint8_t>(pixel >> 16), static_cast<uint8_t>(pixel >> 8),
                      static_cast<uint8_t>(pixel));
    }

    Display* display_ = nullptr;
    Window parent_ = None;
    Window child_ = None;
    RecordingFrame recorder_;
    std::unique_ptr<X11PlatformFrame> frame_;
};

TEST_F(X11PlatformFrameTest, OpensAsAPaintedChildOfTheHostWindow)
{
    open();
    Window root = None;
    Window parent = None;
    Window* children = nullptr;
    unsigned int count = 0;
    ASSERT_TRUE(XQueryTree(display_, child_, &root, &parent, &children, &count));
    if (children)
        XFree(children);
    EXPECT_EQ(parent, parent_);
    XWindowAttributes attributes{};
    ASSERT_TRUE(XGetWindowAttributes(display_, child_, &attributes));
    EXPECT_EQ(attributes.x, 10);
    EXPECT_EQ(attributes.y, 20);
    EXPECT_EQ(attributes.width, 100);
    EXPECT_EQ(attributes.height, 50);
    EXPECT_EQ(attributes.map_state, IsViewable);
    EXPECT_EQ(frame_->getNativeHandle(), reinterpret_cast<void*>(static_cast<uintptr_t>(child_)));

    // The first pump paints everything, in frame coordinates.
    ASSERT_FALSE(recorder_.painted.empty());
    EXPECT_EQ(recorder_.painted.front(), CRect(0, 0, 100, 50));
    const CColor corner = childPixel(99, 49);
    EXPECT_EQ(corner.red, kPaint.red);
    EXPECT_EQ(corner.green, kPaint.green);
    EXPECT_EQ(corner.blue, kPaint.blue);
}

TEST_F(X11PlatformFrameTest, InvalidAreasArePaintedAtTheNextPumpInWholePixels)
{
    open();
    recorder_.painted.clear();
    frame_->invalidRect(CRect(5.5, 6, 20, 10.25));
    frame_->invalidRect(CRect(30, 30, 40, 40));
    frame_->invalidRect(CRect(90, 40, 300, 300)); // beyond the window: cut to it
    EXPECT_TRUE(recorder_.painted.empty()) << "nothing is painted before the pump";
    frame_->processEvents();
    ASSERT_EQ(recorder_.painted.size(), 1u) << "one paint of the united area";
    EXPECT_EQ(recorder_.painted[0], CRect(5, 6, 100, 50));
    frame_->processEvents();
    EXPECT_EQ(recorder_.painted.size(), 1u) << "nothing left to paint";
}

TEST_F(X11PlatformFrameTest, PointerEventsArriveTranslated)
{
    open();
    send(button(ButtonPress, Button1, 20, 30, ShiftMask, 1000));
    send(button(ButtonRelease, Button1, 20, 30, Button1Mask | ShiftMask, 1050));
    send(button(ButtonPress, Button1, 21, 31, 0, 1200));
    XEvent motion{};
    motion.xmotion.type = MotionNotify;
    motion.xmotion.x = 25;
    motion.xmotion.y = 12;
    motion.xmotion.state = Button1Mask | ControlMask;
    send(motion);
    send(button(ButtonRelease, Button1, 25, 12, Button1Mask | ControlMask, 1300));
    send(button(ButtonPress, Button4, 40, 10, 0));
    send(button(ButtonRelease, Button4, 40, 10, 0));
    send(button(ButtonPress, Button5, 40, 10, ShiftMask));
    send(button(ButtonPress, Button3, 5, 6, Mod1Mask, 5000));
    XEvent leave{};
    leave.xcrossing.type = LeaveNotify;
    leave.xcrossing.mode = NotifyNormal;
    leave.xcrossing.x = -1;
    leave.xcrossing.y = 8;
    send(leave);

    const std::vector<std::string> expected = {
        "down 20,30 " + std::to_string(kLButton | kShift),
        "up 20,30 " + std::to_string(kLButton | kShift),
        "down 21,31 " + std::to_string(kLButton | kDoubleClick),
        "moved 25,12 " + std::to_string(kLButton | kControl),
        "up 25,12 " + std::to_string(kLButton | kControl),
        "wheel 1 40,10 0",
        "wheel -1 40,10 " + std::to_string(kShift),
        "down 5,6 " + std::to_string(kRButton | kAlt),
        "exited -1,8 0",
    };
    EXPECT_EQ(recorder_.events, expected);
}

TEST_F(X11PlatformFrameTest, KeysArriveAsKeyRecords)
{
    open();
    const auto key = [&](int type, KeySym symbol, unsigned int state) {
        XEvent event{};
        event.xkey.type = type;
        event.xkey.keycode = XKeysymToKeycode(display_, symbol);
        event.xkey.state = state;
        event.xkey.same_screen = True;
        return event;
    };
    send(key(KeyPress, XK_a, 0));
    send(key(KeyRelease, XK_a, 0));
    send(key(KeyPress, XK_a, ShiftMask));
    send(key(KeyPress, XK_Escape, ControlMask));
    send(key(KeyPress, XK_Shift_L, 0)); // a modifier alone reaches nobody

    const std::vector<std::string> expected = {
        "key down 97 0 0",
        "key up 97 0 0",
        "key down 65 0 " + std::to_string(MODIFIER_SHIFT),
        "key down 0 " + std::to_string(VKEY_ESCAPE) + " " + std::to_string(MODIFIER_CONTROL),
    };
    EXPECT_EQ(recorder_.events, expected);
}

TEST_F(X11PlatformFrameTest, ExposedAreasArePainted)
{
    open();
    recorder_.painted.clear();
    XEvent expose{};
    expose.xexpose.type = Expose;
    expose.xexpose.x = 3;
    expose.xexpose.y = 4;
    expose.xexpose.width = 10;
    expose.xexpose.height = 5;
    send(expose);
    ASSERT_EQ(recorder_.painted.size(), 1u);
    EXPECT_EQ(recorder_.painted[0], CRect(3, 4, 13, 9));
}

TEST_F(X11PlatformFrameTest, ResizesWithTheFrame)
{
    open();
    EXPECT_TRUE(frame_->setSize(CRect(0, 0, 150, 80)));
    CRect size;
    ASSERT_TRUE(frame_->getSize(size));
    EXPECT_EQ(size, CRect(0, 0, 150, 80));
    XSync(display_, False);
    XWindowAttributes attributes{};
    ASSERT_TRUE(XGetWindowAttributes(display_, child_, &attributes));
    EXPECT_EQ(attributes.width, 150);
    EXPECT_EQ(attributes.height, 80);
}

TEST_F(X11PlatformFrameTest, AHostWindowDestroyedFirstIsSurvived)
{
    open();
    XDestroyWindow(display_, parent_);
    parent_ = None;
    XSync(display_, False);
    frame_->invalidRect(CRect(0, 0, 10, 10));
    frame_->processEvents();
    frame_->takeFocus();
    CPoint where;
    EXPECT_FALSE(frame_->getCurrentMousePosition(where));
    frame_.reset(); // destroys nothing twice, ends nothing
}

TEST_F(X11PlatformFrameTest, NoFrameForAWindowThatDoesNotExist)
{
    const Window bogus = parent_ + 0x12345;
    EXPECT_EQ(createPlatformFrame(&recorder_, reinterpret_cast<void*>(static_cast<uintptr_t>(bogus)),
                                  CRect(0, 0, 10, 10)),
              nullptr);
    EXPECT_EQ(createPlatformFrame(&recorder_, nullptr, CRect(0, 0, 10, 10)), nullptr);
    EXPECT_EQ(createPlatformFrame(&recorder_, reinterpret_cast<void*>(static_cast<uintptr_t>(parent_)),
                                  CRect(0, 0, 0, 10)),
              nullptr);
}

} // namespace
