// Control views: step arithmetic, binding to an instance's control and letting it go, control highlights, and the
// editor list on both sides of a teardown.
#include "ViewsFixture.h"

#include "rtas/framework/CProcess.h"

namespace viewtests {
namespace {

// An instance with one control of its own (index 3) that counts how often the views reach it.
class ControlInstance : public CProcess
{
public:
    int32_t GetControlNumSteps(int32_t control, int32_t* steps) override
    {
        if (control != 3)
            return -7300;
        *steps = 5;
        return 0;
    }
    int32_t GetControlValue(int32_t control, int32_t* value) override
    {
        if (control != 3)
            return -7300;
        *value = value_;
        return 0;
    }
    int32_t SetControlValue(int32_t control, int32_t value) override
    {
        if (control != 3)
            return -7300;
        value_ = value;
        ++sets;
        return 0;
    }
    int32_t GetControlDefaultValue(int32_t control, int32_t* value) override
    {
        *value = 0x10000;
        return control == 3 ? 0 : -7300;
    }
    int32_t GetControlTextForSurface(int32_t control, int32_t value, int32_t maxLength, unsigned char* text) override
    {
        // Claims more characters than it was given room for.
        text[0] = 200;
        for (int i = 1; i <= maxLength; ++i)
            text[i] = 'v';
        return 0;
    }
    int32_t HandleIdleEvent() override
    {
        ++idles;
        return 0;
    }
    int32_t value_ = 123456;
    int sets = 0;
    int idles = 0;
};

class CountingEditor : public CControlEditor
{
public:
    void UpdateFromControl() override { ++updates; }
    int updates = 0;
};

using ControlViews = ViewsTest;

TEST_F(ControlViews, StepsMapOntoTheWholeValueRange)
{
    struct Case
    {
        int32_t steps;
        int32_t step;
        int32_t value;
    };
    const Case cases[] = {
        {1, 0, INT32_MIN}, {0, 3, INT32_MIN},  // fewer than two steps: the minimum
        {3, 1, 0},                             // odd count, middle step: exactly 0
        {3, 0, INT32_MIN}, {3, 2, INT32_MAX},
        {2, 0, INT32_MIN}, {2, 1, INT32_MAX},
        {11, 5, 0},        {11, 10, INT32_MAX},
    };
    for (const Case& c : cases) {
        CControlView view;
        view.SetStepCount(c.steps);
        EXPECT_EQ(view.StepToValue(c.step), c.value) << c.steps << " steps, step " << c.step;
        view.SetStep(c.step);
        EXPECT_EQ(view.GetStep(), c.steps < 2 ? 0 : c.step) << c.steps << " steps, step " << c.step;
    }
    CControlView five;
    five.SetStepCount(5);
    for (int32_t step = 0; step < 5; ++step)
        EXPECT_EQ(five.ValueToStep(five.StepToValue(step)), step);
    EXPECT_EQ(five.ValueToStep(five.StepToValue(2) + 1000), 2) << "values round to the nearest step";

    CControlView plain;
    std::string text;
    plain.GetValueText(0x00050000, &text, 255);
    EXPECT_EQ(text, "5");
    int32_t value = 7;
    EXPECT_EQ(plain.ValueFromText(&value, "12"), 0);
    bool valid = true;
    plain.IsValidTextChar('1', &valid);
    EXPECT_FALSE(valid);
}

TEST_F(ControlViews, ABoundViewForwardsToItsInstanceAndKeepsTheLastValueWhenUnbound)
{
    ControlInstance instance;
    CProcessControlView view;
    CountingEditor editor;
    view.AttachEditor(&editor);
    EXPECT_EQ(editor.updates, 1) << "attaching updates the editor";
    view.AttachToControl(&instance, 3, true);
    EXPECT_EQ(editor.updates, 2);
    EXPECT_EQ(view.GetValue(), 123456);
    EXPECT_EQ(view.GetStepCount(), 5);
    EXPECT_EQ(view.GetDefaultValue(), 0x10000);
    view.SetValue(-99);
    EXPECT_EQ(instance.value_, -99);
    int32_t index = 0;
    view.GetControlIndex(&index);
    EXPECT_EQ(index, 3);
    EXPECT_TRUE(view.IsProcessControl());

    std::string text;
    view.GetValueText(0, &text, 16);
    EXPECT_EQ(text, std::string(16, 'v')) << "the instance's length byte is not trusted beyond the room";

    view.Idle(0);
    EXPECT_EQ(instance.idles, 1);

    instance.value_ = 777;  // changed by the host while bound
    view.AttachToControl(nullptr, 0, false);
    EXPECT_EQ(view.GetValue(), 777) << "the last value stays";
    EXPECT_EQ(view.GetStepCount(), 1);
    view.SetValue(5);
    EXPECT_EQ(instance.value_, 777);
    view.DetachEditor(&editor);
}

TEST_F(ControlViews, HighlightChangesRedrawTheAttachedEditorsOnlyWhenSomethingChanged)
{
    CControlView view;
    CountingEditor editor;
    editor.SetFrame(Rect{0, 0, 20, 20});
    editor.SetPlate(true, 0, 0);
    editor.SetPort(port);
    view.AttachEditor(&editor);
    view.SetControlHighlightOn(true);
    view.SetControlHighlight(0, 1, "rec");
    EXPECT_TRUE(editor.IsControlHighlightOn());
    EXPECT_EQ(At(10, 10), Pixel(PlateColourSet(2)[2])) << "red highlight shows in the plate";
    view.SetControlHighlight(1, 1, "rec");
    EXPECT_EQ(At(10, 10), Pixel(PlateColourSet(5)[2]));
    int16_t colour;
    int32_t state;
    std::string text;
    editor.GetControlHighlight(&colour, &state, &text);
    EXPECT_EQ(colour, 1);
    EXPECT_EQ(text, "rec");
    editor.SetPort(nullptr);
    view.DetachEditor(&editor);
}

TEST_F(ControlViews, EitherSideMayGoFirstWithoutLeavingAPointerToIt)
{
    auto* view = new CControlView;
    auto* first = new CountingEditor;
    auto* second = new CountingEditor;
    view->AttachEditor(first);
    view->AttachEditor(second);
    EXPECT_THROW(CControlView().AttachEditor(first), CDAEError) << "attached elsewhere first";
    delete first;
    EXPECT_EQ(view->FirstEditor(), second);
    delete view;
    EXPECT_EQ(second->GetControlView(), nullptr);
    second->SetValue(42);
    EXPECT_EQ(second->GetValue(), 42) << "detached, it keeps its own value";
    delete second;
}

}  // namespace
}  // namespace viewtests
