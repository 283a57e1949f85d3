#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "gui/CFrame.h"
#include "gui/controls/CAnimKnob.h"
#include "gui/controls/CHorizontalSwitch.h"
#include "gui/controls/CKickButton.h"
#include "gui/controls/CRockerSwitch.h"
#include "tests/gui/GuiTestSupport.h"

namespace
{

using guitest::RecordingEditor;
using guitest::RecordingListener;

// A frame with one control in it, driven through the frame's event entry points.
class ControlFixture : public testing::Test
{
protected:
    void SetUp() override { frame = new CFrame(CRect(0, 0, 300, 200), &editor); }
    void TearDown() override { frame->forget(); }

    template <typename Control>
    Control* add(Control* control)
    {
        frame->addView(control);
        return control;
    }
    void press(CCoord x, CCoord y, int32_t buttons = kLButton)
    {
        CPoint p(x, y);
        frame->onMouseDown(p, buttons);
    }
    void drag(CCoord x, CCoord y, int32_t buttons = kLButton)
    {
        CPoint p(x, y);
        frame->onMouseMoved(p, buttons);
    }
    void release(CCoord x, CCoord y)
    {
        CPoint p(x, y);
        frame->onMouseUp(p, 0);
    }

    RecordingEditor editor;
    RecordingListener listener;
    CFrame* frame = nullptr;
};

TEST_F(ControlFixture, CtrlClickSetsTheDefaultValueAsOneGesture)
{
    struct Case
    {
        const char* name;
        std::function<CControl*(CControlListener*)> make;
    };
    const Case cases[] = {
        {"knob", [](CControlListener* l) { return new CAnimKnob(CRect(0, 0, 50, 50), l, 7, 10, 50, nullptr); }},
        {"switch",
         [](CControlListener* l) { return new CHorizontalSwitch(CRect(0, 0, 90, 30), l, 7, 3, 30, 3, nullptr); }},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        CControl* control = add(c.make(&listener));
        control->setDefaultValue(0.5f);
        control->setValue(1.f);
        listener.values.clear();
        editor.calls.clear();
        press(10, 10, kLButton | kControl);
        release(10, 10);
        EXPECT_FLOAT_EQ(control->getValue(), 0.5f);
        EXPECT_EQ(listener.values, std::vector<float>({0.5f}));
        EXPECT_EQ(editor.calls, std::vector<std::string>({"begin 7", "end 7"}));
        // Not the left button: no default, nothing heard.
        EXPECT_FALSE(control->checkDefaultValue(kRButton | kControl));
        frame->removeView(control);
    }
}

TEST_F(ControlFixture, BounceClampsAndNestedEditsReachTheEditorOnce)
{
    CControl control(CRect(), &listener, 3);
    control.setMin(-1.f);
    control.setMax(2.f);
    const float cases[][2] = {{-5.f, -1.f}, {-1.f, -1.f}, {0.5f, 0.5f}, {2.f, 2.f}, {9.f, 2.f}};
    for (const auto& c : cases)
    {
        control.setValue(c[0]);
        control.bounceValue();
        EXPECT_FLOAT_EQ(control.getValue(), c[1]) << c[0];
    }
    auto* knob = add(new CAnimKnob(CRect(0, 0, 10, 10), &listener, 3, 2, 10, nullptr));
    knob->beginEdit();
    knob->beginEdit();
    knob->endEdit();
    EXPECT_TRUE(knob->isEditing());
    knob->endEdit();
    knob->endEdit(); // unbalanced: ignored
    EXPECT_EQ(editor.calls, std::vector<std::string>({"begin 3", "end 3"}));
}

TEST_F(ControlFixture, KnobFollowsTheDragAndShiftMakesItFine)
{
    struct Case
    {
        CCoord dx, dy;
        int32_t modifiers;
        float expected;
    };
    // Start 0.25; 200 pixels for the whole range, ten times as many with Shift; right and up both increase.
    const Case cases[] = {
        {0, -100, 0, 0.75f}, {100, 0, 0, 0.75f},      {50, -50, 0, 0.75f}, {0, 40, 0, 0.05f},
        {0, -100, kShift, 0.3f}, {0, -1000, 0, 1.f}, {0, 1000, 0, 0.f},
    };
    auto* knob = add(new CAnimKnob(CRect(0, 0, 50, 50), &listener, 8, 10, 50, nullptr));
    for (const Case& c : cases)
    {
        knob->setValue(0.25f);
        editor.calls.clear();
        press(25, 25);
        drag(25 + c.dx, 25 + c.dy, kLButton | c.modifiers);
        EXPECT_NEAR(knob->getValue(), c.expected, 1e-5) << c.dx << "," << c.dy;
        release(25 + c.dx, 25 + c.dy);
        EXPECT_EQ(editor.calls, std::vector<std::string>({"begin 8", "end 8"}));
    }
}

TEST_F(ControlFixture, SwitchSelectsThePositionUnderThePointer)
{
    auto* channel = add(new CHorizontalSwitch(CRect(100, 0, 190, 30), &listener, 9, 3, 30, 3, nullptr));
    const CCoord xs[] = {100, 129.9, 130, 175, 189.9};
    const float expected[] = {0.f, 0.f, 0.5f, 1.f, 1.f};
    for (int i = 0; i < 5; ++i)
    {
        press(xs[i], 10);
        release(xs[i], 10);
        EXPECT_FLOAT_EQ(channel->getValue(), expected[i]) << xs[i];
    }
    press(105, 10);
    drag(250, 10); // past the right edge: last position
    release(250, 10);
    EXPECT_FLOAT_EQ(channel->getValue(), 1.f);
    channel->setValue(0.5f);
    frame->onWheel(CPoint(150, 10), 1.f, 0);
    EXPECT_FLOAT_EQ(channel->getValue(), 1.f);
    frame->onWheel(CPoint(150, 10), 1.f, 0);
    EXPECT_FLOAT_EQ(channel->getValue(), 1.f) << "stays in range";
}

TEST_F(ControlFixture, MomentaryControlsReturnToRestOnRelease)
{
    auto* kick = add(new CKickButton(CRect(0, 0, 20, 20), &listener, 35, 20, nullptr));
    auto* rocker = add(new CRockerSwitch(CRect(50, 0, 80, 14), &listener, 21, 14, nullptr));
    press(10, 10);
    release(10, 10);
    press(10, 10);
    drag(40, 10); // dragged off: released without a click
    release(40, 10);
    EXPECT_EQ(listener.values, std::vector<float>({1.f, 0.f, 1.f, 0.f}));
    listener.values.clear();
    press(60, 5);
    release(60, 5);
    press(70, 5);
    EXPECT_FLOAT_EQ(rocker->getValue(), 1.f);
    release(70, 5);
    EXPECT_EQ(listener.values, std::vector<float>({-1.f, 0.f, 1.f, 0.f}));
    EXPECT_FLOAT_EQ(kick->getValue(), 0.f);
}

TEST_F(ControlFixture, WheelStepsTheValueInsideItsRange)
{
    auto* knob = add(new CAnimKnob(CRect(0, 0, 50, 50), &listener, 1, 10, 50, nullptr));
    knob->setWheelInc(0.25f);
    knob->setValue(0.5f);
    EXPECT_TRUE(frame->onWheel(CPoint(10, 10), 1.f, 0));
    EXPECT_FLOAT_EQ(knob->getValue(), 0.75f);
    frame->onWheel(CPoint(10, 10), 3.f, 0);
    EXPECT_FLOAT_EQ(knob->getValue(), 1.f);
    frame->onWheel(CPoint(10, 10), -1.f, 0);
    EXPECT_FLOAT_EQ(knob->getValue(), 0.75f);
    EXPECT_EQ(editor.calls.size(), 6u) << "each notch is its own gesture";
}

} // namespace
