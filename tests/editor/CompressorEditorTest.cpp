// The compressor's editor opened in a window without a desktop: what it builds, what its controls send to the host,
// how host changes move them, and the meter at idle.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "effect/QorFETcomp.h"
#include "effect/editor/Qor245Editor.h"
#include "effect/editor/controls/CAbout.h"
#include "effect/editor/controls/CAnimKnob3.h"
#include "effect/editor/controls/COldVuMeter2.h"
#include "gui/controls/CParamDisplay.h"
#include "tests/editor/EditorTestSupport.h"
#include "tests/support/TestHost.h"

namespace {

// The meter value the effect answers is scripted; everything else is the real effect.
class MeterScriptEffect : public QorFETcomp
{
public:
    MeterScriptEffect() : QorFETcomp(&TestHost::callback) {}
    float getParameter(int32_t index) override { return index == 17 ? meter : QorFETcomp::getParameter(index); }
    float meter = 0.0f;
};

class CompressorEditorTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        TestHost::instance().reset();
        effect = new MeterScriptEffect;
        editor = static_cast<Qor245Editor*>(effect->getEditor());
        ASSERT_NE(editor, nullptr);
    }
    void TearDown() override
    {
        if (effect)
            closeEffect();
    }
    void closeEffect()
    {
        EffectRecord* record = effect->getRecord();
        record->dispatcher(record, 1, 0, 0, nullptr, 0.0f);
        effect = nullptr;
        editor = nullptr;
    }

    void open() { ASSERT_TRUE(editor->open(editortest::fakeParent())); }
    CFrame* frame() { return editor->getFrame(); }
    std::string text(CParamDisplay* display)
    {
        char buffer[CParamDisplay::kTextCapacity];
        display->getDisplayText(buffer);
        return buffer;
    }
    std::vector<HostCall> callsOf(std::vector<int32_t> opcodes)
    {
        std::vector<HostCall> out;
        for (const HostCall& call : TestHost::instance().calls())
            for (int32_t opcode : opcodes)
                if (call.opcode == opcode)
                    out.push_back(call);
        return out;
    }

    editortest::HeadlessWindows windows;
    MeterScriptEffect* effect = nullptr;
    Qor245Editor* editor = nullptr;
};

struct ViewLayout
{
    int32_t tag;
    CRect size;
    const char* type;
};

TEST_F(CompressorEditorTest, OpensWithEveryControlInItsPlaceAndOrder)
{
    open();
    // Knobs, value displays (tag -1), buttons and switch, meter, About, then the preset strip.
    const std::vector<ViewLayout> expected = {
        {8, {246, 44, 350, 148}, "CAnimKnob"},
        {10, {576, 45, 680, 149}, "CAnimKnob"},
        {1, {49, 48, 99, 98}, "CAnimKnob"},
        {2, {150, 48, 200, 98}, "CAnimKnob"},
        {5, {49, 182, 99, 232}, "CAnimKnob"},
        {6, {150, 182, 200, 232}, "CAnimKnob"},
        {13, {712, 182, 762, 232}, "CAnimKnob"},
        {-1, {720, 242, 755, 256}, "CParamDisplay"},
        {-1, {57, 242, 92, 256}, "CParamDisplay"},
        {-1, {157, 242, 188, 256}, "CParamDisplay"},
        {-1, {57, 110, 88, 124}, "CParamDisplay"},
        {-1, {156, 110, 191, 124}, "CParamDisplay"},
        {-1, {280, 155, 311, 169}, "CParamDisplay"},
        {-1, {613, 155, 644, 169}, "CParamDisplay"},
        {0, {710, 3, 767, 110}, "QorOnOffButton"},
        {11, {600, 180, 662, 260.5}, "QorOnOffButton"},
        {12, {704, 141, 771, 165}, "QorOnOffButton"},
        {4, {47, 141, 102, 165}, "QorOnOffButton"},
        {9, {261, 186, 334, 252}, "CHorizontalSwitch"},
        {18, {392, 34, 537, 179}, "COldVuMeter2"},
        {19, {370, 210, 558, 239}, "CSplashScreen"},
        {20, {175, 269.5, 292, 284.5}, "CTextEdit"},
        {32, {293, 269, 305, 283}, "COptionMenu"},
        {21, {313, 269, 344, 283}, "CRockerSwitch"},
        {22, {70, 269, 82, 283}, "CKickButton"},
        {23, {20, 269, 32, 283}, "CKickButton"},
        {24, {150, 269, 162, 283}, "CKickButton"},
        {25, {91, 269, 103, 283}, "CKickButton"},
        {33, {32, 268, 68, 283}, "CKickButton"},
        {34, {104, 268, 146, 283}, "CKickButton"},
        {35, {352, 269, 364, 283}, "CKickButton"},
        {36, {395, 269, 407, 283}, "CKickButton"},
        {37, {374, 269, 386, 283}, "CKickButton"},
        {38, {417, 269, 429, 283}, "CKickButton"},
        {39, {786, 269, 802, 283}, "CKickButton"},
    };
    ASSERT_NE(frame(), nullptr);
    EXPECT_EQ(frame()->getViewSize(), CRect(0, 0, 811, 286));
    ASSERT_EQ(frame()->getNbViews(), static_cast<int32_t>(expected.size()));
    for (size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(i);
        CView* view = frame()->getView(static_cast<int32_t>(i));
        EXPECT_TRUE(view->isTypeOf(expected[i].type)) << expected[i].type;
        EXPECT_EQ(view->getViewSize(), expected[i].size);
        if (expected[i].tag >= 0) {
            EXPECT_EQ(static_cast<CControl*>(view)->getTag(), expected[i].tag);
        }
    }
    EXPECT_EQ(editor->getKnobMode(), 2);
    EXPECT_TRUE(editor->isOpen());
}

TEST_F(CompressorEditorTest, KnobsAndDisplaysAreSetUpAsThePanelNeeds)
{
    open();
    struct Knob
    {
        int32_t parameter;
        float defaultValue, range, fine, wheel, fineWheel;
    };
    const std::vector<Knob> knobs = {
        {8, 0.75f, 0.375f, 10, 0.0625f, 1.0f / 6}, {10, 0.25f, 0.375f, 10, 0.0625f, 1.0f / 6},
        {1, 0.5f, 0.25f, 10, 0.125f, 0.5f},        {2, 0.5f, 0.25f, 10, 0.125f, 0.5f},
        {5, 0.5f, 0.25f, 10, 0.125f, 0.5f},        {6, 0.5f, 0.25f, 10, 0.125f, 0.5f},
        {13, 0.5f, 0.25f, 10, 0.125f, 0.5f},
    };
    for (const Knob& k : knobs) {
        SCOPED_TRACE(k.parameter);
        CAnimKnob3* knob = editor->knob(k.parameter);
        ASSERT_NE(knob, nullptr);
        EXPECT_FLOAT_EQ(knob->getDefaultValue(), k.defaultValue);
        EXPECT_FLOAT_EQ(knob->getValue(), effect->getParameter(k.parameter));
        EXPECT_FLOAT_EQ(knob->getRangeFactor(), k.range);
        EXPECT_FLOAT_EQ(knob->getFineFactor(), k.fine);
        EXPECT_FLOAT_EQ(knob->getWheelStep(), k.wheel);
        EXPECT_FLOAT_EQ(knob->getFineWheelFactor(), k.fineWheel);
        EXPECT_EQ(knob->getNumSubPixmaps(), k.parameter == 8 || k.parameter == 10 ? 193 : 97);

        CParamDisplay* display = editor->display(k.parameter);
        ASSERT_NE(display, nullptr);
        EXPECT_FLOAT_EQ(display->getMin(), -200.0f);
        EXPECT_FLOAT_EQ(display->getMax(), 2000.0f);
        EXPECT_EQ(display->getFontColor(), CColor(180, 180, 180));
        EXPECT_EQ(display->getHoriAlign(), kCenterText);
        EXPECT_EQ(display->getFont().size, k.parameter == 8 || k.parameter == 10 ? 12 : 11);
        EXPECT_EQ(display->getFont().name, "Arial");
        // The panel behind the display, from its own place; the Release display from two pixels further right.
        const CPoint panel = k.parameter == 2 ? CPoint(158, 110) : display->getViewSize().getTopLeft();
        EXPECT_EQ(display->getBackOffset(), panel);
        EXPECT_EQ(display->getBackground(), frame()->getBackground());
    }
}

TEST_F(CompressorEditorTest, ThresholdKnobTurnedToTheMiddleAutomatesParameter8AndReadsMinus12)
{
    effect->setParameter(8, 0.2f);
    open();
    TestHost::instance().reset();
    CAnimKnob3* knob = editor->knob(8);
    // 375 pixels cover the large knob's range: 0.3 of it is 112.5 pixels up.
    CPoint start(298, 96);
    CPoint end(298, 96 - 112.5);
    frame()->onMouseDown(start, CButtonState(kLButton));
    frame()->onMouseMoved(end, CButtonState(kLButton));
    frame()->onMouseUp(end, CButtonState());
    EXPECT_NEAR(knob->getValue(), 0.5f, 1e-6);

    const std::vector<HostCall> calls = callsOf({0, 43, 44});
    ASSERT_GE(calls.size(), 3u);
    EXPECT_EQ(calls.front().opcode, 43);
    EXPECT_EQ(calls.front().index, 8);
    EXPECT_EQ(calls.back().opcode, 44);
    EXPECT_EQ(calls.back().index, 8);
    const HostCall& last = calls[calls.size() - 2];
    EXPECT_EQ(last.opcode, 0);
    EXPECT_EQ(last.index, 8);
    EXPECT_NEAR(last.opt, 0.5f, 1e-6);
    for (size_t i = 1; i + 1 < calls.size(); ++i)
        EXPECT_EQ(calls[i].opcode, 0) << "automation only, inside one gesture";
    EXPECT_NEAR(effect->getParameter(8), 0.5f, 1e-6);
    EXPECT_EQ(text(editor->display(8)), "-12.0");
}

TEST_F(CompressorEditorTest, HostChangesMoveControlsAndDisplayTexts)
{
    open();
    struct Case
    {
        int32_t parameter;
        float value;
        const char* shown;
    };
    const std::vector<Case> cases = {
        {10, 0.25f, "0.0"},  {10, 0.26f, "+0.5"},  {10, 0.24f, "-0.5"},   {10, 1.0f, "+36.0"},
        {8, 0.0f, "-36.0"},  {8, 0.75f, "0.0"},    {8, 0.5f, "-12.0"},    {1, 0.5f, "1.0"},
        {1, 1.0f, "10.0"},   {2, 0.5f, "100.0"},   {2, 0.0f, "10.0"},     {5, 0.5f, "100"},
        {5, 1.0f, "1000"},   {6, 0.5f, "4.0:1"},   {6, 0.53f, "4.3:1"},   {6, 1.0f, "16.0:1"},
        {13, 0.25f, "25.0"}, {13, 1.0f, "100.0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.parameter) + " = " + std::to_string(c.value));
        effect->setParameter(c.parameter, c.value);
        EXPECT_FLOAT_EQ(editor->knob(c.parameter)->getValue(), c.value);
        EXPECT_EQ(text(editor->display(c.parameter)), c.shown);
    }
    for (const int32_t parameter : {0, 4, 9, 11, 12}) {
        SCOPED_TRACE(parameter);
        effect->setParameter(parameter, 1.0f);
        EXPECT_FLOAT_EQ(editor->switchControl(parameter)->getValue(), 1.0f);
        effect->setParameter(parameter, 0.0f);
        EXPECT_FLOAT_EQ(editor->switchControl(parameter)->getValue(), 0.0f);
    }
}

TEST_F(CompressorEditorTest, RatioDisplayOpensOnTheNearestSixteenthThenFollowsExactly)
{
    effect->setParameter(6, 0.53f);  // 16 v = 8.48: opens on 16^(8/16) = 4
    open();
    EXPECT_EQ(text(editor->display(6)), "4.0:1");
    effect->setParameter(6, 0.53f);
    EXPECT_EQ(text(editor->display(6)), "4.3:1");
}

TEST_F(CompressorEditorTest, Parameters3And7And14And15HaveNoControls)
{
    open();
    for (const int32_t parameter : {3, 7, 14, 15}) {
        SCOPED_TRACE(parameter);
        EXPECT_EQ(editor->knob(parameter), nullptr);
        EXPECT_EQ(editor->display(parameter), nullptr);
        EXPECT_EQ(editor->switchControl(parameter), nullptr);
        for (int32_t i = 0; i < frame()->getNbViews(); ++i) {
            if (frame()->getView(i)->isTypeOf("CControl")) {
                EXPECT_NE(static_cast<CControl*>(frame()->getView(i))->getTag(), parameter);
            }
        }
    }
    // Their changes move nothing.
    std::vector<float> before;
    for (int32_t i = 0; i < frame()->getNbViews(); ++i)
        before.push_back(static_cast<CControl*>(frame()->getView(i))->getValue());
    for (const int32_t parameter : {3, 7, 14, 15, 16, 17, 40})
        editor->setParameter(parameter, 0.77f);
    editor->idle();
    for (int32_t i = 0; i < frame()->getNbViews(); ++i) {
        if (frame()->getView(i) != editor->meter()) {
            EXPECT_EQ(static_cast<CControl*>(frame()->getView(i))->getValue(), before[size_t(i)]) << i;
        }
    }
}

TEST_F(CompressorEditorTest, PowerButtonClickAutomatesTheOldValueThenTheNew)
{
    effect->setParameter(0, 1.0f);
    open();
    TestHost::instance().reset();
    CPoint where(738, 50);
    frame()->onMouseDown(where, CButtonState(kLButton));
    frame()->onMouseUp(where, CButtonState());
    const std::vector<HostCall> calls = callsOf({0, 43, 44});
    ASSERT_EQ(calls.size(), 4u);
    EXPECT_EQ(calls[0].opcode, 43);
    EXPECT_EQ(calls[1].opcode, 0);
    EXPECT_FLOAT_EQ(calls[1].opt, 1.0f);
    EXPECT_EQ(calls[2].opcode, 0);
    EXPECT_FLOAT_EQ(calls[2].opt, 0.0f);
    EXPECT_EQ(calls[3].opcode, 44);
    for (const HostCall& call : calls)
        EXPECT_EQ(call.index, 0);
    EXPECT_FLOAT_EQ(effect->getParameter(0), 0.0f);
}

TEST_F(CompressorEditorTest, MeterFollowsTheEffectClampedAtIdle)
{
    open();
    struct Case
    {
        float answered, shown;
    };
    const std::vector<Case> cases = {
        {0.4f, 0.4f}, {5.0f, 1.1f},   {1.1f, 1.1f}, {-3.0f, -0.1f},
        {-0.1f, -0.1f}, {std::numeric_limits<float>::quiet_NaN(), -0.1f}, {0.0f, 0.0f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.answered);
        effect->meter = c.answered;
        editor->idle();
        EXPECT_FLOAT_EQ(editor->meter()->getValue(), c.shown);
    }
}

TEST_F(CompressorEditorTest, LampFollowsPowerAndTheMeterStandsStillUnderTheAboutScreen)
{
    effect->setParameter(0, 1.0f);
    open();
    EXPECT_EQ(editor->meter()->getLampState(), 1);
    effect->setParameter(0, 0.0f);
    editor->idle();
    EXPECT_EQ(editor->meter()->getLampState(), 0);

    effect->meter = 0.3f;
    editor->idle();
    CPoint about(400, 220);
    frame()->onMouseDown(about, CButtonState(kLButton));
    frame()->onMouseUp(about, CButtonState());
    ASSERT_FLOAT_EQ(editor->about()->getValue(), 1.0f);
    effect->meter = 0.9f;
    effect->setParameter(0, 1.0f);
    editor->idle();
    EXPECT_FLOAT_EQ(editor->meter()->getValue(), 0.3f);
    EXPECT_EQ(editor->meter()->getLampState(), 0);

    frame()->onMouseDown(about, CButtonState(kLButton));
    frame()->onMouseUp(about, CButtonState());
    editor->idle();
    EXPECT_FLOAT_EQ(editor->meter()->getValue(), 0.9f);
    EXPECT_EQ(editor->meter()->getLampState(), 1);
}

TEST_F(CompressorEditorTest, OpenCloseAndReopenKeepTheHostRectangle)
{
    EditorRect* rect = nullptr;
    ASSERT_TRUE(editor->getRect(&rect));
    EXPECT_EQ(rect->top, 0);
    EXPECT_EQ(rect->left, 0);
    EXPECT_EQ(rect->bottom, 286);
    EXPECT_EQ(rect->right, 811);
    EXPECT_FALSE(editor->open(nullptr)) << "no parent window";
    EXPECT_EQ(frame(), nullptr);

    open();
    editor->close();
    EXPECT_EQ(frame(), nullptr);
    EXPECT_EQ(editor->knob(8), nullptr);
    EXPECT_FALSE(editor->isOpen());
    EXPECT_EQ(windows.state().destroyed.load(), 1);
    editor->close();
    editor->idle();
    effect->setParameter(8, 0.1f);  // no frame: nothing to move

    open();
    EXPECT_FLOAT_EQ(editor->knob(8)->getValue(), 0.1f);
    // A second open replaces the first window.
    open();
    EXPECT_EQ(windows.state().destroyed.load(), 2);
    EXPECT_TRUE(editor->isOpen());
    // The effect's teardown closes the window the host left open.
    closeEffect();
    EXPECT_EQ(windows.state().destroyed.load(), 3);
    EXPECT_EQ(windows.state().destroyedWhileBusy.load(), 0);
}

TEST_F(CompressorEditorTest, NoWindowNoEditor)
{
    AEffGUIEditor::setFrameWindowFactory(
        [](IPlatformFrameCallback*, void*, const CRect&) { return std::unique_ptr<IPlatformFrame>(); });
    EXPECT_FALSE(editor->open(editortest::fakeParent()));
    EXPECT_EQ(frame(), nullptr);
    EXPECT_FALSE(editor->isOpen());
}

TEST_F(CompressorEditorTest, IdleRunsTheWindowsEventsAndShowsValuesPostedFromOtherThreads)
{
    open();
    const int before = windows.state().processed.load();
    std::thread automation([this] { effect->setParameter(1, 0.9f); });
    automation.join();
    EXPECT_NE(editor->knob(1)->getValue(), 0.9f) << "another thread never touches a control";
    editor->idle();
    EXPECT_FLOAT_EQ(editor->knob(1)->getValue(), 0.9f);
    EXPECT_EQ(text(editor->display(1)), "6.3");
    EXPECT_GT(windows.state().processed.load(), before);
}

TEST_F(CompressorEditorTest, KeysAndWheelReachTheFrame)
{
    EXPECT_FALSE(editor->onWheel(1.0f)) << "no frame";
    KeyRecord key{'a', 0, 0};
    EXPECT_FALSE(editor->onKeyDown(key));
    open();
    // The headless pointer rests at 0, 0, over no control.
    EXPECT_FALSE(editor->onWheel(1.0f));
    EXPECT_FALSE(editor->onKeyDown(key)) << "no field is being edited";
    CPoint field(200, 277);
    frame()->onMouseDown(field, CButtonState(kLButton));
    EXPECT_TRUE(editor->onKeyDown(key));
    EXPECT_FALSE(editor->onKeyUp(key));
}

}  // namespace
