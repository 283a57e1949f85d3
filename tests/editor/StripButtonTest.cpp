// The preset strip's momentary buttons, the program rocker and the name field: the values a press notifies, what a
// release does, and which of their stacked images they show.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "effect/editor/controls/CQorKickButton.h"
#include "effect/editor/controls/CQorRockerSwitch.h"
#include "effect/editor/controls/CQorTextEdit.h"
#include "effect/editor/controls/CSaveLoadButton.h"
#include "tests/editor/EditorTestSupport.h"

namespace {

using editortest::Rig;

constexpr CRect kDefaultBank{32, 268, 68, 283};
constexpr CPoint kInDefaultBank{50, 275};

struct KickRig : Rig<CQorKickButton>
{
    explicit KickRig(bool doubleClickOnly)
    {
        CBitmap* strip = editortest::filmStrip(36, 15, 3, "kick");
        add(new CQorKickButton(kDefaultBank, &listener, 33, strip, doubleClickOnly));
        strip->forget();
    }
};

TEST(KickButton, PressNotifiesByButtonKindAndReleaseResetsQuietly)
{
    struct Case
    {
        const char* name;
        bool doubleClickOnly;
        int32_t buttons;
        std::vector<float> heard;
    };
    const std::vector<Case> cases = {
        {"a click", false, kLButton, {1.0f}},
        {"a Ctrl-click on an ordinary button", false, kLButton | kControl, {1.0f}},
        {"a double-click on an ordinary button", false, kLButton | kDoubleClick, {1.0f}},
        {"the right button", false, kRButton, {}},
        {"a single click on a double-click button", true, kLButton, {}},
        {"a Ctrl single click on a double-click button", true, kLButton | kControl, {}},
        {"a double-click on a double-click button", true, kLButton | kDoubleClick, {1.0f}},
        {"a Ctrl-double-click on a double-click button", true, kLButton | kDoubleClick | kControl, {0.5f}},
        {"a right double-click on a double-click button", true, kRButton | kDoubleClick, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        KickRig rig(c.doubleClickOnly);
        rig.press(kInDefaultBank, c.buttons);
        EXPECT_EQ(rig.listener.values, c.heard);
        EXPECT_EQ(rig.control->isPressed(), !c.heard.empty());
        rig.release(kInDefaultBank);
        EXPECT_EQ(rig.listener.values, c.heard) << "the release notifies nothing";
        EXPECT_FLOAT_EQ(rig.control->getValue(), 0.0f);
        EXPECT_FALSE(rig.control->isPressed());
    }
}

TEST(KickButton, ShowsPressedOverHoveredOverNormal)
{
    KickRig rig(false);
    const auto shown = [&rig]() {
        const RgbaImage image = rig.frame->renderOffscreen();
        for (int32_t i = 0; i < 3; ++i)
            if (editortest::near(image.getPixel(50, 275), editortest::frameColour(i)))
                return i;
        return -1;
    };
    EXPECT_EQ(shown(), 0);
    rig.move(kInDefaultBank, 0);  // the pointer enters
    EXPECT_TRUE(rig.control->isMouseOver());
    EXPECT_EQ(shown(), 1);
    rig.press(kInDefaultBank, kLButton);
    EXPECT_EQ(shown(), 2);
    rig.release(kInDefaultBank);
    EXPECT_EQ(shown(), 1);
    rig.move(CPoint(200, 100), 0);  // and leaves
    EXPECT_FALSE(rig.control->isMouseOver());
    EXPECT_EQ(shown(), 0);
    // A command that keeps the mouse (a message box) releases the button itself.
    rig.press(kInDefaultBank, kLButton);
    rig.control->release();
    EXPECT_EQ(shown(), 0);
}

constexpr CRect kLoadBank{70, 269, 82, 283};
constexpr CPoint kInLoadBank{76, 276};

struct SaveLoadRig : Rig<CSaveLoadButton>
{
    SaveLoadRig()
    {
        CBitmap* strip = editortest::filmStrip(12, 14, 3, "saveload");
        add(new CSaveLoadButton(kLoadBank, &listener, 22, strip));
        strip->forget();
    }
};

TEST(SaveLoadButton, RightButtonAloneNotifiesOneHalfEverythingElseOne)
{
    struct Case
    {
        const char* name;
        int32_t buttons;
        std::vector<float> heard;
    };
    const std::vector<Case> cases = {
        {"a left click", kLButton, {1.0f}},
        {"a right click", kRButton, {0.5f}},
        {"a right click with Shift", kRButton | kShift, {1.0f}},
        {"a right click with Ctrl", kRButton | kControl, {1.0f}},
        {"a right double-click", kRButton | kDoubleClick, {1.0f}},
        {"a left click with Shift", kLButton | kShift, {1.0f}},
        {"the middle button", kMButton, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SaveLoadRig rig;
        rig.press(kInLoadBank, c.buttons);
        rig.release(kInLoadBank);
        EXPECT_EQ(rig.listener.values, c.heard);
        EXPECT_FLOAT_EQ(rig.control->getValue(), 0.0f);
    }
}

TEST(SaveLoadButton, ShowsHoverAndPressedFromTheValue)
{
    SaveLoadRig rig;
    EXPECT_EQ(rig.control->getImageIndex(), 0);
    rig.move(kInLoadBank, 0);
    EXPECT_EQ(rig.control->getImageIndex(), 1);
    rig.control->setValue(1.0f);
    EXPECT_EQ(rig.control->getImageIndex(), 2);
    const RgbaImage image = rig.frame->renderOffscreen();
    EXPECT_TRUE(editortest::near(image.getPixel(76, 276), editortest::frameColour(2)));
}

constexpr CRect kRocker{313, 269, 344, 283};  // middle at 328.5

struct RockerRig : Rig<CQorRockerSwitch>
{
    RockerRig()
    {
        CBitmap* strip = editortest::filmStrip(31, 14, 5, "rocker");
        add(new CQorRockerSwitch(kRocker, &listener, 21, strip));
        strip->forget();
    }
};

TEST(RockerSwitch, HalvesGiveMinusOneAndPlusOneAndTheReleaseZero)
{
    struct Case
    {
        CCoord x;
        float pressed;
        int32_t image;
    };
    const std::vector<Case> cases = {{313, -1.0f, 3}, {328.4, -1.0f, 3}, {328.5, 1.0f, 4}, {343.9, 1.0f, 4}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.x);
        RockerRig rig;
        rig.press(CPoint(c.x, 276), kLButton);
        EXPECT_FLOAT_EQ(rig.control->getValue(), c.pressed);
        EXPECT_EQ(rig.control->getImageIndex(), c.image);
        rig.release(CPoint(c.x, 276));
        EXPECT_FLOAT_EQ(rig.control->getValue(), 0.0f);
        EXPECT_EQ(rig.listener.values, std::vector<float>{c.pressed}) << "the release notifies nothing";
    }
}

TEST(RockerSwitch, HoverShowsTheSideUnderThePointer)
{
    RockerRig rig;
    const auto shown = [&rig]() {
        const RgbaImage image = rig.frame->renderOffscreen();
        for (int32_t i = 0; i < 5; ++i)
            if (editortest::near(image.getPixel(328, 276), editortest::frameColour(i)))
                return i;
        return -1;
    };
    EXPECT_EQ(shown(), 0);
    rig.move(CPoint(315, 276), 0);
    EXPECT_EQ(rig.control->getMouseOverSide(), -1);
    EXPECT_EQ(shown(), 1);
    rig.move(CPoint(340, 276), 0);
    EXPECT_EQ(rig.control->getMouseOverSide(), 1);
    EXPECT_EQ(shown(), 2);
    rig.move(CPoint(500, 100), 0);
    EXPECT_EQ(rig.control->getMouseOverSide(), 0);
    EXPECT_EQ(shown(), 0);
}

TEST(NameField, LeavesTheWheelToOthers)
{
    Rig<CQorTextEdit> rig;
    rig.add(new CQorTextEdit(CRect(175, 269.5, 292, 284.5), &rig.listener, 20, "Default"));
    EXPECT_FALSE(rig.wheel(CPoint(200, 277), 1.0f));
    EXPECT_FALSE(rig.wheel(CPoint(200, 277), -1.0f, kShift));
    EXPECT_STREQ(rig.control->getText(), "Default");
    EXPECT_TRUE(rig.listener.values.empty());
}

}  // namespace
