// The About box over the editor's frame: a click shows the About screen as the frame's modal view, which takes every
// mouse and wheel event until its own click hides it; and the frame's window takes the focus on a press.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "effect/editor/controls/CAbout.h"
#include "effect/editor/controls/CAnimKnob3.h"
#include "effect/editor/controls/CSplashScreenMyView.h"
#include "effect/editor/controls/MyFrame.h"
#include "tests/editor/EditorTestSupport.h"

namespace {

const CColor kAboutColour{20, 40, 60};
constexpr CRect kAboutArea{370, 210, 558, 239};

class AboutFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        frame = new MyFrame(CRect(0, 0, 811, 286), &editor);
        CBitmap* image = editortest::solidBitmap(811, 286, kAboutColour, "about");
        about = new CAbout(kAboutArea, &listener, 19, image, CRect(0, 0, 811, 286), CPoint(0, 0), CPoint(508, 64));
        image->forget();
        CBitmap* strip = editortest::filmStrip(50, 50, 3, "aboutknob");
        knob = new CAnimKnob3(CRect(49, 48, 99, 98), &knobListener, 1, 3, 50, strip);
        strip->forget();
        frame->addView(knob);
        frame->addView(about);
    }
    void TearDown() override { frame->forget(); }

    CMouseEventResult click(CPoint where, int32_t buttons = kLButton)
    {
        const CMouseEventResult result = frame->onMouseDown(where, CButtonState(buttons));
        frame->onMouseUp(where, CButtonState());
        return result;
    }

    editortest::RecordingEditor editor;
    editortest::RecordingListener listener;
    editortest::RecordingListener knobListener;
    MyFrame* frame = nullptr;
    CAbout* about = nullptr;
    CAnimKnob3* knob = nullptr;
};

TEST_F(AboutFixture, ClickShowsTheScreenAndItsOwnClickHidesIt)
{
    click(CPoint(400, 220));
    EXPECT_FLOAT_EQ(about->getValue(), 1.0f);
    CView* modal = frame->getModalView();
    ASSERT_NE(modal, nullptr);
    EXPECT_TRUE(modal->isTypeOf("CSplashScreenMyView"));
    EXPECT_EQ(modal->getViewSize(), CRect(0, 0, 811, 286));

    // Anywhere on the screen, over the knob too: the screen takes it and goes.
    click(CPoint(74, 73));
    EXPECT_EQ(frame->getModalView(), nullptr);
    EXPECT_FLOAT_EQ(about->getValue(), 0.0f);
    EXPECT_TRUE(frame->isDirty());
    EXPECT_EQ(listener.values, (std::vector<float>{1.0f, 0.0f}));
    EXPECT_TRUE(knobListener.values.empty());

    // And it comes back on the next click.
    click(CPoint(400, 220));
    EXPECT_NE(frame->getModalView(), nullptr);
}

TEST_F(AboutFixture, WhileShownTheWheelAndDragsDoNotReachTheControls)
{
    knob->setValue(0.5f);
    click(CPoint(400, 220));
    frame->onWheel(CPoint(74, 73), 1.0f, CButtonState());
    CPoint where(74, 73);
    frame->onMouseMoved(where, CButtonState(kLButton));
    EXPECT_FLOAT_EQ(knob->getValue(), 0.5f);
    EXPECT_TRUE(knobListener.values.empty());
    EXPECT_NE(frame->getModalView(), nullptr);
    // Only the left button hides it.
    click(CPoint(74, 73), kRButton);
    EXPECT_NE(frame->getModalView(), nullptr);
}

TEST_F(AboutFixture, ScreenShowsTheImageAndTheVersionInWhite)
{
    click(CPoint(400, 220));
    const RgbaImage image = frame->renderOffscreen();
    ASSERT_FALSE(image.empty());
    EXPECT_TRUE(editortest::near(image.getPixel(74, 73), kAboutColour)) << "the screen covers the knob";
    // The version text: white ink inside its box (508, 64, 100 x 15), left-aligned, none outside it.
    int inkInBox = 0, inkInLeftHalf = 0, inkOutside = 0;
    for (int32_t y = 50; y < 95; ++y)
        for (int32_t x = 480; x < 640; ++x) {
            const CColor p = image.getPixel(x, y);
            const bool ink = p.red > 120 && p.green > 120 && p.blue > 120;
            const bool inBox = x >= 508 && x < 608 && y >= 64 && y < 79;
            if (ink && inBox) {
                ++inkInBox;
                if (x < 558)
                    ++inkInLeftHalf;
            } else if (ink) {
                ++inkOutside;
            }
        }
    EXPECT_GT(inkInBox, 20);
    EXPECT_EQ(inkInLeftHalf, inkInBox) << "\"v.1.0.0\" is left-aligned and shorter than half the box";
    EXPECT_EQ(inkOutside, 0);
}

TEST_F(AboutFixture, ScreenViewAnswersTheTypeQueryAsItsOwnClass)
{
    click(CPoint(400, 220));
    CView* modal = frame->getModalView();
    ASSERT_NE(modal, nullptr);
    for (const char* name : {"CSplashScreenMyView", "CControl", "CView", "CBaseObject"})
        EXPECT_TRUE(modal->isTypeOf(name)) << name;
    CBaseObject* copy = modal->newCopy();
    ASSERT_NE(copy, nullptr);
    EXPECT_TRUE(copy->isTypeOf("CSplashScreenMyView"));
    copy->forget();
}

TEST_F(AboutFixture, ClosingTheFrameWhileTheScreenShowsFreesIt)
{
    click(CPoint(400, 220));
    // TearDown releases the frame with the screen still shown; the address sanitizer reports a leak otherwise.
    EXPECT_NE(frame->getModalView(), nullptr);
}

TEST(EditorFrame, APressFromTheWindowTakesTheKeyboardFocusFirst)
{
    editortest::HeadlessWindow::State* state = nullptr;
    auto shared = std::make_shared<editortest::HeadlessWindow::State>();
    state = shared.get();
    MyFrame* frame = new MyFrame(CRect(0, 0, 811, 286), nullptr);
    ASSERT_TRUE(frame->open(std::unique_ptr<IPlatformFrame>(new editortest::HeadlessWindow(shared))));
    CPoint where(10, 10);
    frame->platformOnMouseDown(where, CButtonState(kLButton));
    EXPECT_EQ(state->focusRequests.load(), 1);
    frame->setWantsFocusOnClick(false);
    frame->platformOnMouseDown(where, CButtonState(kLButton));
    EXPECT_EQ(state->focusRequests.load(), 1);
    frame->forget();
    EXPECT_EQ(state->destroyed.load(), 1);
}

}  // namespace
