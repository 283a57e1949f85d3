// The on/off buttons and the channel switch: clicks, drags and wheel notches as scripted events, the values the
// listener hears, and the half of the image each state shows.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "effect/editor/controls/CQorHorizontalSwitch.h"
#include "effect/editor/controls/QorOnOffButton.h"
#include "tests/editor/EditorTestSupport.h"

namespace {

using editortest::Rig;

// The Link button's place: its image is 62 x 161, so the button is 80.5 high.
constexpr CPoint kLinkOrigin{600, 180};

struct OnOffRig : Rig<QorOnOffButton>
{
    explicit OnOffRig(float value)
    {
        RgbaImage image = editortest::blankImage(62, 161);
        editortest::fill(image, 0, 80, CColor(10, 20, 30));
        editortest::fill(image, 81, 161, CColor(200, 100, 50));
        const std::vector<uint8_t> png = editortest::pngBytes(image, "onoff");
        CBitmap* bitmap = new CBitmap(png.data(), png.size());
        add(new QorOnOffButton(CRect(kLinkOrigin, CPoint(62, 80.5)), &listener, 11, bitmap));
        bitmap->forget();
        control->setValue(value);
    }
};

TEST(OnOffButton, ClickAndWheelToggleAndTellTheOldValueThenTheNew)
{
    struct Case
    {
        const char* name;
        float start;
        int32_t buttons;
        bool wheel;
        std::vector<float> heard;
        float end;
    };
    const std::vector<Case> cases = {
        {"click off to on", 0.0f, kLButton, false, {0.0f, 1.0f}, 1.0f},
        {"click on to off", 1.0f, kLButton, false, {1.0f, 0.0f}, 0.0f},
        {"a host value below one half counts as off", 0.4f, kLButton, false, {0.4f, 1.0f}, 1.0f},
        {"a host value of one half counts as on", 0.5f, kLButton, false, {0.5f, 0.0f}, 0.0f},
        {"a double-click is a click", 0.0f, kLButton | kDoubleClick, false, {0.0f, 1.0f}, 1.0f},
        {"the right button does nothing", 0.0f, kRButton, false, {}, 0.0f},
        {"a wheel notch toggles", 1.0f, 0, true, {1.0f, 0.0f}, 0.0f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        OnOffRig rig(c.start);
        const CPoint where(620, 200);
        if (c.wheel)
            rig.wheel(where, 1.0f);
        else
            rig.press(where, c.buttons);
        rig.release(where);
        EXPECT_EQ(rig.listener.values, c.heard);
        EXPECT_FLOAT_EQ(rig.control->getValue(), c.end);
        const std::vector<std::string> gesture = {"begin 11", "end 11"};
        EXPECT_EQ(rig.editor.calls, c.heard.empty() ? std::vector<std::string>{} : gesture);
    }
}

TEST(OnOffButton, ShowsTheUpperHalfWhenOffAndTheLowerHalfWhenOn)
{
    for (const float value : {0.0f, 0.49f, 0.5f, 1.0f}) {
        SCOPED_TRACE(value);
        OnOffRig rig(value);
        const RgbaImage image = rig.frame->renderOffscreen();
        ASSERT_FALSE(image.empty());
        const CColor expected = value < 0.5f ? CColor(10, 20, 30) : CColor(200, 100, 50);
        EXPECT_TRUE(editortest::near(image.getPixel(630, 190), expected))
            << editortest::describe(image.getPixel(630, 190));
        // The button ends half way through the last pixel row.
        EXPECT_EQ(image.getPixel(630, 261).alpha, 0);
    }
}

TEST(OnOffButton, AnswersTheTypeQueryAsItsOwnClassAndAPlainControl)
{
    OnOffRig rig(0.0f);
    for (const char* name : {"QorOnOffButton", "CControl", "CView", "CBaseObject"})
        EXPECT_TRUE(rig.control->isTypeOf(name)) << name;
    EXPECT_FALSE(rig.control->isTypeOf("CHorizontalSwitch"));
    std::unique_ptr<CBaseObject, void (*)(CBaseObject*)> copy(rig.control->newCopy(),
                                                              [](CBaseObject* o) { o->forget(); });
    ASSERT_TRUE(copy);
    EXPECT_TRUE(copy->isTypeOf("QorOnOffButton"));
    EXPECT_EQ(static_cast<QorOnOffButton*>(copy.get())->getViewSize(), rig.control->getViewSize());
}

// The Channel switch: three positions over a 73 pixel wide image, one position 24.33 pixels.
constexpr CRect kChannel{261, 186, 334, 252};

struct ChannelRig : Rig<CQorHorizontalSwitch>
{
    explicit ChannelRig(float value)
    {
        CBitmap* strip = editortest::filmStrip(73, 66, 3, "channel");
        add(new CQorHorizontalSwitch(kChannel, &listener, 9, 3, 66, strip));
        strip->forget();
        control->setDefaultValue(0.5f);
        control->setValue(value);
    }
};

TEST(ChannelSwitch, APressSelectsThePositionUnderThePointer)
{
    struct Case
    {
        CCoord x;
        float expected;
    };
    // Position edges at 261, 285.33, 309.67 and 334.
    const std::vector<Case> cases = {{261, 0.0f},   {285.3, 0.0f}, {285.4, 0.5f}, {297, 0.5f},
                                     {309.6, 0.5f}, {309.7, 1.0f}, {333.9, 1.0f}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.x);
        ChannelRig rig(0.0f);
        rig.press(CPoint(c.x, 200), kLButton);
        rig.release(CPoint(c.x, 200));
        EXPECT_FLOAT_EQ(rig.control->getValue(), c.expected);
        ASSERT_EQ(rig.listener.values.size(), 1u);
        EXPECT_EQ(rig.editor.calls, (std::vector<std::string>{"begin 9", "end 9"}));
    }
}

TEST(ChannelSwitch, ADragFollowsThePointerAndStaysInRange)
{
    ChannelRig rig(0.0f);
    rig.press(CPoint(270, 200), kLButton);
    std::vector<float> values;
    for (const CCoord x : {300.0, 330.0, 400.0, 150.0, 290.0}) {
        rig.move(CPoint(x, 200), kLButton);
        values.push_back(rig.control->getValue());
    }
    rig.release(CPoint(290, 200));
    EXPECT_EQ(values, (std::vector<float>{0.5f, 1.0f, 1.0f, 0.0f, 0.5f}));
    EXPECT_EQ(rig.editor.calls, (std::vector<std::string>{"begin 9", "end 9"}));
}

TEST(ChannelSwitch, CtrlClickGivesTheDefaultAndOtherButtonsNothing)
{
    struct Case
    {
        int32_t buttons;
        float expected;
        size_t notices;
    };
    const std::vector<Case> cases = {
        {kLButton | kControl, 0.5f, 1}, {kRButton, 1.0f, 0}, {kLButton | kRButton, 1.0f, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.buttons);
        ChannelRig rig(1.0f);
        rig.press(CPoint(265, 200), c.buttons);
        rig.move(CPoint(265, 200), c.buttons);
        rig.release(CPoint(265, 200));
        EXPECT_FLOAT_EQ(rig.control->getValue(), c.expected);
        EXPECT_EQ(rig.listener.values.size(), c.notices);
        EXPECT_EQ(rig.editor.calls.size(), c.notices == 0 ? 0u : 2u);
    }
}

TEST(ChannelSwitch, WheelMovesOnePositionAndSnapsToPositions)
{
    struct Case
    {
        float start, distance, expected;
    };
    const std::vector<Case> cases = {
        {0.5f, 1.0f, 1.0f},  {0.5f, -1.0f, 0.0f}, {1.0f, 1.0f, 1.0f},  {0.0f, -1.0f, 0.0f},
        {0.0f, 4.0f, 0.5f},  {0.3f, 1.0f, 1.0f},  {0.2f, 0.0f, 0.0f},  {0.3f, 0.05f, 0.5f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.start) + " by " + std::to_string(c.distance));
        ChannelRig rig(c.start);
        EXPECT_TRUE(rig.wheel(CPoint(297, 200), c.distance));
        EXPECT_FLOAT_EQ(rig.control->getValue(), c.expected);
        EXPECT_EQ(rig.listener.values.size(), 1u);
    }
}

TEST(ChannelSwitch, ShowsTheImageOfItsPosition)
{
    for (const float value : {0.0f, 0.5f, 1.0f}) {
        SCOPED_TRACE(value);
        ChannelRig rig(value);
        const RgbaImage image = rig.frame->renderOffscreen();
        const int32_t index = static_cast<int32_t>(2 * value + 0.5f);
        EXPECT_TRUE(editortest::near(image.getPixel(297, 220), editortest::frameColour(index)))
            << editortest::describe(image.getPixel(297, 220));
    }
}

}  // namespace
