#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "gui/CFrame.h"
#include "tests/gui/GuiTestSupport.h"

namespace
{

using Log = std::vector<std::string>;

// Logs every event it gets, by name.
struct ProbeView : CView
{
    ProbeView(const char* name, const CRect& size, Log* log) : CView(size), name_(name), log_(log) {}

    CMouseEventResult onMouseDown(CPoint& where, const CButtonState& buttons) override
    {
        return record("down", where, downResult);
    }
    CMouseEventResult onMouseUp(CPoint& where, const CButtonState&) override
    {
        return record("up", where, kMouseEventHandled);
    }
    CMouseEventResult onMouseMoved(CPoint& where, const CButtonState&) override
    {
        return record("moved", where, kMouseEventHandled);
    }
    CMouseEventResult onMouseEntered(CPoint& where, const CButtonState&) override
    {
        return record("entered", where, kMouseEventHandled);
    }
    CMouseEventResult onMouseExited(CPoint& where, const CButtonState&) override
    {
        return record("exited", where, kMouseEventHandled);
    }
    bool onWheel(const CPoint& where, const float& distance, const CButtonState&) override
    {
        log_->push_back(name_ + " wheel");
        return takesWheel;
    }
    int32_t onKeyDown(VstKeyCode& key) override
    {
        log_->push_back(name_ + " key");
        return takesKeys ? 1 : -1;
    }
    void takeFocus() override { log_->push_back(name_ + " takeFocus"); }
    void looseFocus() override { log_->push_back(name_ + " looseFocus"); }

    CMouseEventResult record(const char* what, const CPoint& where, CMouseEventResult result)
    {
        log_->push_back(name_ + " " + what + " " + std::to_string(int(where.x)) + "," + std::to_string(int(where.y)));
        return result;
    }

    std::string name_;
    Log* log_;
    CMouseEventResult downResult = kMouseEventHandled;
    bool takesWheel = true;
    bool takesKeys = false;
};

// Removes itself from the frame while handling a press.
struct SelfRemovingView : CView
{
    explicit SelfRemovingView(const CRect& size) : CView(size) {}
    CMouseEventResult onMouseDown(CPoint&, const CButtonState&) override
    {
        getFrame()->removeView(this);
        pressedAfterRemoval = getNbReference(); // still alive: the frame holds it for the call
        return kMouseEventHandled;
    }
    int pressedAfterRemoval = 0;
};

class FrameRouting : public testing::Test
{
protected:
    void SetUp() override
    {
        frame = new CFrame(CRect(0, 0, 200, 100), nullptr);
        a = new ProbeView("A", CRect(0, 0, 50, 50), &log);
        b = new ProbeView("B", CRect(50, 0, 100, 50), &log);
        top = new ProbeView("Top", CRect(20, 20, 40, 40), &log);
        disabled = new ProbeView("Disabled", CRect(0, 0, 200, 100), &log);
        frame->addView(disabled);
        frame->addView(a);
        frame->addView(b);
        frame->addView(top);
        disabled->setMouseEnabled(false);
        top->setVisible(false);
    }
    void TearDown() override { frame->forget(); }

    void move(CCoord x, CCoord y, int32_t buttons = 0)
    {
        CPoint p(x, y);
        frame->onMouseMoved(p, buttons);
    }
    void down(CCoord x, CCoord y, int32_t buttons = kLButton)
    {
        CPoint p(x, y);
        frame->onMouseDown(p, buttons);
    }
    void up(CCoord x, CCoord y)
    {
        CPoint p(x, y);
        frame->onMouseUp(p, 0);
    }

    Log log;
    CFrame* frame = nullptr;
    ProbeView* a = nullptr;
    ProbeView* b = nullptr;
    ProbeView* top = nullptr;
    ProbeView* disabled = nullptr;
};

TEST_F(FrameRouting, PressCapturesTheMouseUntilReleaseThenHoverResumes)
{
    move(10, 10);
    down(10, 10);
    move(70, 10, kLButton); // dragged over B: still A's
    up(70, 10);
    CPoint outside(300, 10);
    frame->onMouseExited(outside, 0);
    const Log expected = {"A entered 10,10", "A moved 10,10", "A down 10,10",  "A moved 70,10", "A up 70,10",
                          "A exited 70,10",  "B entered 70,10", "B moved 70,10", "B exited 300,10"};
    EXPECT_EQ(log, expected);
    EXPECT_EQ(frame->getMouseDownView(), nullptr);
}

TEST_F(FrameRouting, PressGoesToTheTopmostVisibleEnabledViewOnly)
{
    top->setVisible(true);
    down(25, 25);
    up(25, 25);
    down(150, 80); // only the mouse-disabled view lies there
    a->downResult = kMouseDownEventHandledButDontNeedMovedOrUpEvents;
    down(5, 5);
    move(6, 6, kLButton); // no capture: A gets it as hover
    const Log expected = {"Top down 25,25", "Top up 25,25",  "Top entered 25,25", "Top moved 25,25",
                          "A down 5,5",     "Top exited 6,6", "A entered 6,6", "A moved 6,6"};
    EXPECT_EQ(log, expected);
}

TEST_F(FrameRouting, ModalViewTakesMouseWheelAndKeysAndBlocksTheOthers)
{
    auto* modal = new ProbeView("Modal", CRect(100, 50, 150, 90), &log);
    ASSERT_TRUE(frame->setModalView(modal));
    modal->forget(); // the frame keeps its own reference
    auto* second = new ProbeView("Second", CRect(), &log);
    EXPECT_FALSE(frame->setModalView(second)) << "one modal view at a time";
    second->forget();

    down(10, 10); // on A, but the modal view takes it
    up(10, 10);
    frame->onWheel(CPoint(60, 10), 1.f, 0);
    VstKeyCode key{'x', 0, 0};
    EXPECT_EQ(frame->onKeyDown(key), -1);
    EXPECT_TRUE(frame->setModalView(nullptr));
    down(10, 10);
    frame->onWheel(CPoint(60, 10), 1.f, 0);
    const Log expected = {"Modal down 10,10", "Modal up 10,10", "Modal wheel", "Modal key", "A down 10,10",
                          "B wheel"};
    EXPECT_EQ(log, expected);
}

TEST_F(FrameRouting, KeysGoToTheFocusViewAndAClickElsewhereTakesTheFocus)
{
    b->takesKeys = true;
    frame->setFocusView(b);
    VstKeyCode key{'x', 0, 0};
    EXPECT_EQ(frame->onKeyDown(key), 1);
    down(10, 10);
    EXPECT_EQ(frame->getFocusView(), nullptr);
    EXPECT_EQ(frame->onKeyDown(key), -1);
    const Log expected = {"B takeFocus", "B key", "B looseFocus", "A down 10,10"};
    EXPECT_EQ(log, expected);
}

TEST_F(FrameRouting, WheelGoesToTheTopmostViewThatTakesIt)
{
    top->setVisible(true);
    top->takesWheel = false;
    EXPECT_TRUE(frame->onWheel(CPoint(25, 25), -1.f, 0));
    a->takesWheel = false;
    EXPECT_FALSE(frame->onWheel(CPoint(25, 25), -1.f, 0));
    EXPECT_FALSE(frame->onWheel(CPoint(150, 80), -1.f, 0));
    const Log expected = {"Top wheel", "A wheel", "Top wheel", "A wheel"};
    EXPECT_EQ(log, expected);
}

TEST_F(FrameRouting, AViewMayRemoveItselfWhileHandlingAPress)
{
    auto* view = new SelfRemovingView(CRect(150, 0, 200, 50));
    frame->addView(view);
    view->remember(); // to read the result after the frame let go
    down(160, 10);
    EXPECT_FALSE(frame->isChild(view));
    EXPECT_EQ(view->pressedAfterRemoval, 2);
    EXPECT_EQ(frame->getMouseDownView(), nullptr) << "a removed view keeps no capture";
    up(160, 10);
    view->forget();
}

TEST(FrameRedraw, DirtyViewsAreRepaintedThroughTheWindowAtIdle)
{
    auto* frame = new CFrame(CRect(30, 40, 230, 140), nullptr);
    auto* control = new CControl(CRect(10, 10, 20, 30));
    frame->addView(control);
    auto window = std::make_unique<guitest::FakePlatformFrame>();
    guitest::FakePlatformFrame* fake = window.get();
    ASSERT_TRUE(frame->open(std::move(window)));
    EXPECT_EQ(frame->getBounds(), CRect(0, 0, 200, 100));
    fake->invalidated.clear();

    frame->idle(); // the control was dirty since it was added
    EXPECT_EQ(fake->processed, 1);
    EXPECT_EQ(fake->invalidated, std::vector<CRect>({CRect(10, 10, 20, 30)}));
    fake->invalidated.clear();
    frame->idle();
    EXPECT_TRUE(fake->invalidated.empty()) << "nothing changed";

    control->setValue(0.25f);
    control->setValue(0.25f);
    frame->idle();
    EXPECT_EQ(fake->invalidated, std::vector<CRect>({CRect(10, 10, 20, 30)}));
    fake->invalidated.clear();
    frame->setDirty();
    control->setDirty();
    frame->idle();
    EXPECT_EQ(fake->invalidated, std::vector<CRect>({CRect(0, 0, 200, 100)})) << "one repaint of the whole frame";

    CPoint where;
    CButtonState buttons;
    EXPECT_TRUE(frame->getCurrentMouseLocation(where));
    EXPECT_TRUE(frame->getCurrentMouseButtons(buttons));
    EXPECT_EQ(buttons, CButtonState(kShift));
    frame->close();
    fake = nullptr;
    control->setValue(0.5f);
    frame->idle(); // closed: nothing to paint through
    EXPECT_FALSE(frame->getCurrentMouseLocation(where));
    frame->forget();
}

} // namespace
