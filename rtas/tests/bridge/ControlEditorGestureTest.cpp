// The library's control views and editors over a wrapper instance's control: a text typed into a bound view is read
// and judged by the control itself, and a click on a bound editor is one gesture the host sees, from the touch to
// the release.
#include "rtas/tests/bridge/InstanceFixture.h"

#include "rtas/framework/host/SharingToken.h"
#include "rtas/views/CControlEditor.h"
#include "rtas/views/CProcessControlView.h"

namespace {

using namespace instancetest;
using rtas::views::CControlEditor;
using rtas::views::CProcessControlView;

// The touch tokens ('SETV'/'CTCH') the instance sent since position from: their states, in order.
std::vector<int32_t> TouchStates(int32_t from)
{
    std::vector<int32_t> states;
    for (int32_t i = from; i < QorKitSentTokenCount(); ++i) {
        uint8_t token[sharing::kCapacity] = {};
        QorKitSentToken(i, token);
        if (sharing::Word(token, sharing::kType) == sharing::kSetValue &&
            sharing::Word(token, sharing::kSubtype) == sharing::kTouch) {
            int32_t state = 0;
            std::memcpy(&state, token + 40, 4);
            states.push_back(state);
        }
    }
    return states;
}

TEST_F(WrapperInstance, ABoundControlViewReadsTextsThroughItsControl)
{
    CWrapperProcess& process = Make(kKvss);
    CProcessControlView view;
    view.AttachToControl(&process, 10, false);
    const CPluginControl* control = process.GetControl(10);
    for (char c : {'5', '.', '-', 'x', ' '}) {
        bool valid = !control->IsValidCharacter(uint8_t(c));
        view.IsValidTextChar(c, &valid);
        EXPECT_EQ(valid, control->IsValidCharacter(uint8_t(c))) << c;
    }
    bool digit = false;
    view.IsValidTextChar('5', &digit);
    EXPECT_TRUE(digit) << "a text field on the control takes digits";
    int32_t value = 0;
    EXPECT_EQ(view.ValueFromText(&value, "0.5"), 0);
    EXPECT_EQ(value, control->GetValueFromText("0.5"));
    view.AttachToControl(nullptr, 0, false);
    EXPECT_EQ(view.ValueFromText(&value, "0.5"), 0) << "unbound, the view's own answers";
    view.IsValidTextChar('5', &digit);
    EXPECT_FALSE(digit);
}

TEST_F(WrapperInstance, AClickOnABoundEditorIsOneGestureFromTouchToRelease)
{
    CWrapperProcess& process = Make(kKvss);
    CProcessControlView view;
    view.AttachToControl(&process, 10, false);
    CControlEditor editor;
    view.AttachEditor(&editor);
    const EventRecord press{1, 0, 0, Point{0, 0}, 0};
    const int32_t before = QorKitSentTokenCount();
    editor.Click(press);
    EXPECT_EQ(TouchStates(before), (std::vector<int32_t>{1, 0}));

    // Anything but a press is no gesture, and an editor of an unbound view tells nobody.
    const int32_t second = QorKitSentTokenCount();
    editor.Click(EventRecord{2, 0, 0, Point{0, 0}, 0});
    view.AttachToControl(nullptr, 0, false);
    editor.Click(press);
    EXPECT_TRUE(TouchStates(second).empty());
    view.DetachEditor(&editor);
}

}  // namespace
