// The film-strip knob: drags, fine mode, default clicks and wheel notches as scripted mouse events through a frame,
// and the strip image its value shows, on offscreen renders.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "effect/editor/controls/CAnimKnob3.h"
#include "tests/editor/EditorTestSupport.h"

namespace {

using editortest::Rig;

constexpr CRect kSmallKnob{49, 48, 99, 98};
constexpr CPoint kCentre{74, 73};

struct Settings
{
    float range, fine, wheel, fineWheel;
};
constexpr Settings kSmall{0.25f, 10.0f, 0.125f, 0.5f};
constexpr Settings kLarge{0.375f, 10.0f, 0.0625f, 1.0f / 6.0f};

struct KnobRig : Rig<CAnimKnob3>
{
    explicit KnobRig(const Settings& settings, float value, int32_t frames = 97)
    {
        CBitmap* strip = editortest::filmStrip(50, 50, frames, "knob" + std::to_string(frames));
        add(new CAnimKnob3(kSmallKnob, &listener, 1, frames, 50, strip));
        strip->forget();
        control->setDefaultValue(0.3f);
        control->setValue(value);
        control->setKnobSettings(settings.range, settings.fine, settings.wheel, settings.fineWheel);
    }
};

enum class Act { Press, Move, Release };

struct Step
{
    Act act;
    CCoord right, up;  // pointer offset from the knob's centre
    int32_t buttons;
    float expected;    // the knob's value after the step
};

struct DragCase
{
    const char* name;
    Settings settings;
    float start;
    std::vector<Step> steps;
};

TEST(KnobDrag, ScriptedDragsFollowThePixelRules)
{
    const int32_t L = kLButton;
    const int32_t LS = kLButton | kShift;
    const std::vector<DragCase> cases = {
        {"250 pixels up cover the small knob's range", kSmall, 0.0f,
         {{Act::Press, 0, 0, L, 0.0f}, {Act::Move, 0, 125, L, 0.5f}, {Act::Move, 0, 250, L, 1.0f},
          {Act::Release, 0, 250, 0, 1.0f}}},
        {"with Shift the same 250 pixels move by a tenth", kSmall, 0.0f,
         {{Act::Press, 0, 0, LS, 0.0f}, {Act::Move, 0, 250, LS, 0.1f}, {Act::Release, 0, 250, 0, 0.1f}}},
        {"right counts like up, left and down go back", kSmall, 0.0f,
         {{Act::Press, 0, 0, L, 0.0f}, {Act::Move, 100, 25, L, 0.5f}, {Act::Move, 50, 25, L, 0.3f},
          {Act::Release, 50, 25, 0, 0.3f}}},
        {"beyond the range the value bounces at the ends", kSmall, 0.5f,
         {{Act::Press, 0, 0, L, 0.5f}, {Act::Move, 0, -300, L, 0.0f}, {Act::Move, 0, 400, L, 1.0f},
          {Act::Release, 0, 400, 0, 1.0f}}},
        {"the large knob needs 375 pixels", kLarge, 0.0f,
         {{Act::Press, 0, 0, L, 0.0f}, {Act::Move, 0, 187.5, L, 0.5f}, {Act::Release, 0, 187.5, 0, 0.5f}}},
        {"Shift pressed mid-drag keeps the value, then moves finely", kSmall, 0.0f,
         {{Act::Press, 0, 0, L, 0.0f}, {Act::Move, 0, 100, L, 0.4f}, {Act::Move, 0, 100, LS, 0.4f},
          {Act::Move, 0, 350, LS, 0.5f}, {Act::Release, 0, 350, 0, 0.5f}}},
        {"Shift released mid-drag keeps the value, then moves coarsely", kSmall, 0.0f,
         {{Act::Press, 0, 0, LS, 0.0f}, {Act::Move, 0, 250, LS, 0.1f}, {Act::Move, 0, 250, L, 0.1f},
          {Act::Move, 0, 275, L, 0.2f}, {Act::Release, 0, 275, 0, 0.2f}}},
    };
    for (const DragCase& c : cases) {
        SCOPED_TRACE(c.name);
        KnobRig rig(c.settings, c.start);
        for (size_t i = 0; i < c.steps.size(); ++i) {
            const Step& step = c.steps[i];
            const CPoint where(kCentre.x + step.right, kCentre.y - step.up);
            if (step.act == Act::Press)
                rig.press(where, step.buttons);
            else if (step.act == Act::Move)
                rig.move(where, step.buttons);
            else
                rig.release(where, step.buttons);
            EXPECT_NEAR(rig.control->getValue(), step.expected, 1e-5) << "after step " << i;
        }
        // One gesture for the host, whatever happened in between.
        EXPECT_EQ(rig.editor.calls, (std::vector<std::string>{"begin 1", "end 1"}));
        ASSERT_FALSE(rig.listener.values.empty());
        EXPECT_NEAR(rig.listener.values.back(), c.steps.back().expected, 1e-5);
    }
}

TEST(KnobDrag, CtrlClickOrDoubleClickGivesTheDefaultInOneGesture)
{
    struct Case
    {
        int32_t buttons;
        bool handled;
        float expected;
        size_t notices;
        std::vector<std::string> calls;
    };
    const std::vector<Case> cases = {
        {kLButton | kControl, true, 0.3f, 1, {"begin 1", "end 1"}},
        {kLButton | kDoubleClick, true, 0.3f, 1, {"begin 1", "end 1"}},
        {kLButton | kControl | kShift, true, 0.3f, 1, {"begin 1", "end 1"}},
        {kRButton, false, 0.8f, 0, {}},
        {kRButton | kControl, false, 0.8f, 0, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.buttons);
        KnobRig rig(kSmall, 0.8f);
        const CMouseEventResult result = rig.press(kCentre, c.buttons);
        EXPECT_EQ(result != kMouseEventNotHandled && result != kMouseEventNotImplemented, c.handled);
        // The knob wants no drag after a default click: moves change nothing.
        rig.move(CPoint(kCentre.x, kCentre.y - 100), c.buttons);
        rig.release(CPoint(kCentre.x, kCentre.y - 100));
        EXPECT_FLOAT_EQ(rig.control->getValue(), c.expected);
        EXPECT_EQ(rig.listener.values.size(), c.notices);
        EXPECT_EQ(rig.editor.calls, c.calls);
    }
}

TEST(KnobDrag, WithoutAListenerTheKnobDoesNotTakeThePress)
{
    Rig<CAnimKnob3> rig;
    CBitmap* strip = editortest::filmStrip(50, 50, 3, "knob3");
    rig.add(new CAnimKnob3(kSmallKnob, nullptr, 1, 3, 50, strip));
    strip->forget();
    rig.control->setValue(0.2f);
    rig.press(kCentre, kLButton);
    rig.move(CPoint(kCentre.x, kCentre.y - 100), kLButton);
    EXPECT_FLOAT_EQ(rig.control->getValue(), 0.2f);
    EXPECT_TRUE(rig.editor.calls.empty());
}

TEST(KnobWheel, NotchesStepByTheWheelStepFinerWithShift)
{
    struct Case
    {
        const char* name;
        Settings settings;
        float start, distance;
        int32_t buttons;
        float expected;
    };
    const std::vector<Case> cases = {
        {"a notch up on a small knob", kSmall, 0.5f, 1.0f, 0, 0.625f},
        {"a notch with Shift", kSmall, 0.5f, 1.0f, kShift, 0.5625f},
        {"a notch down", kSmall, 0.5f, -1.0f, 0, 0.375f},
        {"a large distance counts as one notch", kSmall, 0.5f, 3.0f, 0, 0.625f},
        {"a large distance down counts as one notch", kSmall, 0.5f, -2.5f, 0, 0.375f},
        {"a small distance counts as it is", kSmall, 0.5f, 0.08f, 0, 0.51f},
        {"a notch on a large knob", kLarge, 0.5f, 1.0f, 0, 0.5625f},
        {"a fine notch on a large knob", kLarge, 0.5f, 1.0f, kShift, 0.5f + 0.0625f / 6.0f},
        {"bounces at the top", kSmall, 0.95f, 1.0f, 0, 1.0f},
        {"bounces at the bottom", kSmall, 0.05f, -1.0f, 0, 0.0f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        KnobRig rig(c.settings, c.start);
        EXPECT_TRUE(rig.wheel(kCentre, c.distance, c.buttons));
        EXPECT_NEAR(rig.control->getValue(), c.expected, 1e-6);
        EXPECT_EQ(rig.listener.values.size(), 1u);
        EXPECT_EQ(rig.editor.calls, (std::vector<std::string>{"begin 1", "end 1"}));
    }
}

TEST(KnobImage, FrameIndexRoundsTheValueOverTheStrip)
{
    struct Case
    {
        int32_t frames;
        float value;
        int32_t index;
    };
    const std::vector<Case> cases = {
        {193, 0.0f, 0},   {193, -0.5f, 0},   {193, 0.0026f, 0}, {193, 0.0027f, 1},
        {193, 0.5f, 96},  {193, 1.0f, 192},  {97, 0.25f, 24},   {97, 0.99f, 95},
        {97, 0.995f, 96}, {97, 1.0f, 96},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.frames) + " frames at " + std::to_string(c.value));
        KnobRig rig(kSmall, c.value, c.frames);
        EXPECT_EQ(rig.control->getFrameIndex(), c.index);
    }
}

TEST(KnobImage, OffscreenRenderShowsTheFrameOfTheValue)
{
    for (const float value : {0.0f, 0.25f, 0.5f, 1.0f}) {
        SCOPED_TRACE(value);
        KnobRig rig(kSmall, value);
        const RgbaImage image = rig.frame->renderOffscreen();
        ASSERT_FALSE(image.empty());
        const int32_t index = static_cast<int32_t>(96 * value + 0.5f);
        for (const CPoint p : {CPoint(50, 49), CPoint(74, 73), CPoint(98, 97)})
            EXPECT_TRUE(editortest::near(image.getPixel(int32_t(p.x), int32_t(p.y)), editortest::frameColour(index)))
                << editortest::describe(image.getPixel(int32_t(p.x), int32_t(p.y))) << " at " << p.x << ", " << p.y;
        // Nothing of the strip outside the knob.
        EXPECT_EQ(image.getPixel(48, 73).alpha, 0);
        EXPECT_EQ(image.getPixel(74, 98).alpha, 0);
    }
}

}  // namespace
