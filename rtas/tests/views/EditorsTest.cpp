// Control editors driven by scripted mouse and keys against a test control: slider and dial drags, option-click to
// the default, text entry, radio buttons and a pop-up choice; an editor without a control keeps its own value.
#include "ViewsFixture.h"

namespace viewtests {
namespace {

// A window of the tests: a root with a control ('ctl1') and editors made from descriptions, connected as the
// instance's root would connect them, on the fixture's port.
class Editors : public ViewsTest
{
protected:
    void SetUp() override
    {
        ViewsTest::SetUp();
        root.SetFrame(Rect{0, 0, kHeight, kWidth});
        control = new TestControl(11);
        control->SetFrame(Rect{140, 190, 145, 195});
        root.InsertSubView(control, false);
    }

    void TearDown() override
    {
        root.SetPort(nullptr);
        while (CPlugInView* child = root.GetFirstChild()) {
            root.RemoveSubView(child);
            delete child;
        }
        ViewsTest::TearDown();
    }

    template <typename View>
    View* Add(const std::string& description, Rect frame)
    {
        bool ok = false;
        CPlugInView* view = CreateViewFromDescription(Item(description, frame, kControlItem), &ok);
        EXPECT_TRUE(ok) << description;
        auto* typed = dynamic_cast<View*>(view);
        EXPECT_NE(typed, nullptr) << description;
        root.InsertSubView(view, true);
        view->FinishCreate();
        return typed;
    }

    void Open()
    {
        root.FinishCreate();
        root.Activate();
        root.SetPort(port);
        root.Update(nullptr);
    }

    CCustomView root;
    TestControl* control = nullptr;
};

TEST_F(Editors, SliderKnobFollowsTheValueAtBothEndsAndReversed)
{
    auto* up = Add<CSliderControlEditor>("!Slider(('sld1') ('ctl1') ())", Rect{10, 10, 110, 30});
    auto* across = Add<CSliderControlEditor>("!Slider(('sld2') ('NONE') ())", Rect{120, 10, 140, 110});
    auto* reversed = Add<CSliderControlEditor>("!Slider(('sld3') ('NoId') (reverse))", Rect{10, 40, 110, 60});
    Open();
    ASSERT_TRUE(up->IsVertical());
    ASSERT_FALSE(across->IsVertical());
    struct Case
    {
        CSliderControlEditor* slider;
        int32_t value;
        Rect knob;
    };
    const Case cases[] = {
        // Vertical: knob 15 high (0.75 x 20), travel 85; the minimum at the bottom, the maximum at the top.
        {up, INT32_MIN, Rect{95, 10, 110, 30}},
        {up, INT32_MAX, Rect{10, 10, 25, 30}},
        // Horizontal: knob 15 wide, travel 85; the minimum at the left, the maximum at the right.
        {across, INT32_MIN, Rect{120, 10, 140, 25}},
        {across, INT32_MAX, Rect{120, 95, 140, 110}},
        // Reverse swaps the ends.
        {reversed, INT32_MIN, Rect{10, 40, 25, 60}},
        {reversed, INT32_MAX, Rect{95, 40, 110, 60}},
    };
    for (const Case& c : cases) {
        c.slider->SetValue(c.value);
        Rect knob;
        c.slider->GetKnobRect(&knob);
        EXPECT_TRUE(SameRect(knob, c.knob)) << c.slider->GetViewID() << " " << c.value << ": " << knob.top << ","
                                            << knob.left << "," << knob.bottom << "," << knob.right;
        EXPECT_TRUE(SameRect(c.slider->GetKnob()->Frame(), c.knob)) << "the knob view moved along";
    }
    // The knob is drawn as a plate where it stands now.
    EXPECT_EQ(At(20, 15), Pixel(PlateColourSet(0)[2])) << "the face, between grip ridges";
    EXPECT_EQ(At(20, 14), Pixel(PlateColourSet(0)[0])) << "a light grip ridge across a vertical slider's knob";
}

TEST_F(Editors, SliderDragMovesTheValueByTheMouseAndSixTimesFinerWithCommand)
{
    auto* slider = Add<CSliderControlEditor>("!Slider(('sld1') ('sctl') ())", Rect{10, 10, 110, 30});
    auto* own = new CControlView;  // a continuous control
    own->SetViewID(FourCC("sctl"));
    own->SetFrame(Rect{145, 0, 146, 1});
    root.InsertSubView(own, false);
    Open();
    ASSERT_EQ(slider->GetControlView(), own);
    own->SetValue(INT32_MIN);
    own->UpdateEditors();

    // Press on the knob (bottom) and pull it 85 pixels up: the whole travel.
    root.HandleMouseDown(Press(20, 100, 0, {Point{60, 20}, Point{15, 20}}));
    EXPECT_EQ(own->GetValue(), INT32_MAX);
    Rect knob;
    slider->GetKnobRect(&knob);
    EXPECT_EQ(knob.top, 10);

    own->SetValue(INT32_MIN);
    own->UpdateEditors();
    QorKitClearMouse();
    root.HandleMouseDown(Press(20, 100, 0x0100, {Point{15, 20}}));
    EXPECT_EQ(ControlValueToInteger(own->GetValue(), 0, 85 * 6), 85) << "the same pull moves a sixth as far";

    // A press beside the knob only highlights; the value stays.
    const int32_t before = own->GetValue();
    QorKitClearMouse();
    root.HandleMouseDown(Press(20, 12, 0, {Point{12, 20}}));
    EXPECT_EQ(own->GetValue(), before);
    EXPECT_FALSE(slider->GetKnob()->IsHighlighted());
}

TEST_F(Editors, OptionClickSetsTheDefaultValue)
{
    auto* dial = Add<CDialControlEditor>("!Dial(('dia1') ('ctl1') ())", Rect{10, 10, 70, 70});
    Open();
    control->SetDefaultValue(control->StepToValue(7));
    control->SetStep(2);
    root.HandleMouseDown(Press(40, 40, 0x0800, {Point{5, 5}}));
    EXPECT_EQ(control->GetStep(), 7);
    EXPECT_EQ(dial->GetValue(), control->StepToValue(7));
}

TEST_F(Editors, DialAnglesMapToValues)
{
    auto* dial = Add<CDialControlEditor>("!Dial(('dia1') ('NoID') ())", Rect{10, 10, 70, 70});
    auto* cyclical = Add<CDialControlEditor>("!Dial(('dia2') ('NoID') (cyclical reverse))", Rect{80, 10, 140, 70});
    Open();
    ASSERT_TRUE(cyclical->IsCyclical());
    ASSERT_TRUE(cyclical->IsReverse());
    // Centre (40, 40). Straight below: 180 degrees, beyond the 0.8 turn, so the extreme value.
    EXPECT_EQ(dial->ValueForPoint(Point{69, 40}, 0), 0x7FFFFFFE);
    // Straight up: 0.
    EXPECT_EQ(dial->ValueForPoint(Point{11, 40}, 0x7FFF0000), 0);
    // A quarter turn right, not cyclical: 90 x 10 / 8 = 112.5 degrees.
    EXPECT_EQ(dial->ValueForPoint(Point{40, 69}, 0), int32_t((uint32_t(20480) << 16) | 40960u));
    // Cyclical and reversed: a quarter turn right is -90 degrees.
    EXPECT_EQ(cyclical->ValueForPoint(Point{110, 69}, 0), int32_t(uint32_t(-16384) << 16));
    // The same high half leaves the value as it is.
    EXPECT_EQ(dial->ValueForPoint(Point{11, 40}, 0x0000ABCD), 0x0000ABCD);

    // The pointer of value 0 points straight up; the whole face is drawn.
    dial->SetValue(0);
    Point outer;
    dial->GetValuePoint(&outer);
    EXPECT_EQ(outer.h, 40);
    EXPECT_EQ(outer.v, 18);
    RGBColour fore;
    dial->GetForeColor(&fore);
    EXPECT_EQ(At(40, 24), Pixel(fore)) << "the pointer line";
    EXPECT_EQ(At(50, 40), 0xAAAAAAu) << "the face";

    // A drag to the left sets a negative value; an editor without a control keeps it.
    root.HandleMouseDown(Press(40, 20, 0, {Point{40, 12}}));
    EXPECT_LT(dial->GetValue(), 0);
    EXPECT_EQ(dial->GetControlView(), nullptr);
}

TEST_F(Editors, TextFieldTakesTypedValuesAndRevertsWhatTheControlCannotParse)
{
    auto* field = Add<CTextControlEditor>("!TextEditor(('txe1') ('ctl1'))", Rect{10, 10, 30, 80});
    auto* text = new CStaticTextView;
    text->SetViewID(FourCC("text"));
    text->SetFrame(Rect{10, 10, 30, 80});
    field->InsertSubView(text, true);
    field->SetEnabled(true);
    Open();
    control->SetStep(3);
    control->UpdateEditors();
    ASSERT_EQ(text->GetText(), "3");

    bool handled = false;
    root.HandleMouseDown(Press(20, 20));
    ASSERT_EQ(root.GetFocus(), field);
    ASSERT_TRUE(field->IsEditing());
    root.HandleKey(Key('7'), &handled);
    EXPECT_TRUE(handled);
    root.HandleKey(Key('x'), &handled);
    EXPECT_FALSE(handled) << "a character the control does not take";
    root.HandleKey(Key(13), &handled);
    EXPECT_EQ(control->GetStep(), 7);
    EXPECT_EQ(text->GetText(), "7");
    EXPECT_FALSE(field->IsEditing());

    // 99 is no step of this control: Return shows the control's text again.
    QorKitClearMouse();
    root.HandleMouseDown(Press(20, 20));
    root.HandleKey(Key('9'), &handled);
    root.HandleKey(Key('9'), &handled);
    root.HandleKey(Key(13), &handled);
    EXPECT_EQ(control->GetStep(), 7);
    EXPECT_EQ(text->GetText(), "7");

    // Escape discards what was typed.
    QorKitClearMouse();
    root.HandleMouseDown(Press(20, 20));
    root.HandleKey(Key('2'), &handled);
    root.HandleKey(Key(27), &handled);
    EXPECT_EQ(control->GetStep(), 7);

    // Arrows step the control; down at step 0 does nothing but is handled.
    QorKitClearMouse();
    root.HandleMouseDown(Press(20, 20));
    root.HandleKey(Key(30), &handled);
    EXPECT_EQ(control->GetStep(), 8);
    control->SetStep(0);
    root.HandleKey(Key(31), &handled);
    EXPECT_TRUE(handled);
    EXPECT_EQ(control->GetStep(), 0);
    control->SetStep(10);
    root.HandleKey(Key(30), &handled);
    EXPECT_EQ(control->GetStep(), 10) << "stops at the last step";
    root.HandleKey(Key(13), &handled);
}

TEST_F(Editors, RadioGroupSelectsTheButtonOfTheStepAndFramesTheHighlight)
{
    auto* group = Add<CRadioGroupControlEditor>("!RadioGroup(('rdo1') ('ctl3') (\"EnableHighlight\"))",
                                                Rect{10, 10, 40, 100});
    auto* three = new TestControl(3);
    three->SetViewID(FourCC("ctl3"));
    three->SetFrame(Rect{145, 0, 146, 1});
    root.InsertSubView(three, false);
    CCustomView* buttons[4];
    for (int i = 0; i < 4; ++i) {
        buttons[i] = new CCustomView;
        buttons[i]->SetFrame(Rect{12, int16_t(12 + 20 * i), 38, int16_t(30 + 20 * i)});
        buttons[i]->SetPlate(true, 0, 0);
        group->InsertSubView(buttons[i], true);
    }
    group->SetEnabled(true);
    Open();
    ASSERT_TRUE(group->HighlightFrameEnabled());
    EXPECT_EQ(group->GetSelected(), buttons[0]);
    EXPECT_TRUE(buttons[0]->IsHighlighted());

    root.HandleMouseDown(Press(55, 20));
    EXPECT_EQ(three->GetStep(), 2);
    EXPECT_EQ(group->GetSelected(), buttons[2]);
    EXPECT_FALSE(buttons[0]->IsHighlighted());
    EXPECT_EQ(At(60, 20), Pixel(PlateColourSet(1)[2])) << "the selected button is drawn highlighted";

    QorKitClearMouse();
    root.HandleMouseDown(Press(75, 20));
    EXPECT_EQ(three->GetStep(), 2) << "a fourth button is beyond the control's steps";

    three->SetControlHighlightOn(true);
    three->SetControlHighlight(0, 0, "");
    EXPECT_EQ(At(10, 25), 0xFF0000u) << "framed in red";
}

TEST_F(Editors, PopupChoiceSetsTheStep)
{
    auto* popup = Add<CTextPopupControlEditor>("!TextPopup(('pop1') ('ctl4'))", Rect{40, 40, 56, 100});
    auto* four = new TestControl(4);
    four->SetViewID(FourCC("ctl4"));
    four->SetFrame(Rect{145, 0, 146, 1});
    root.InsertSubView(four, false);
    popup->SetEnabled(true);
    Open();
    four->SetStep(0);
    four->UpdateEditors();
    // Items are 13 high (ascent 7 + descent 2 + 4); with step 0 current the menu's top is 50 - 8 = 42 and its
    // left 60, so item 3 (step 2) spans 68 to 81.
    root.HandleMouseDown(Press(50, 50, 0, {Point{75, 70}}));
    EXPECT_EQ(four->GetStep(), 2);
    const OpaqueGrafPtr menu = QorKitLastMenuPort();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(QorKitPixel(menu, 61, 70), 0x000000) << "the chosen item is hilited";
    EXPECT_EQ(QorKitPixel(menu, 61, 44), 0xF5F7FB) << "the others on the menu's light background";
    EXPECT_EQ(popup->Geometry().content.left, 60);
    EXPECT_EQ(popup->Geometry().content.top, 42);
    EXPECT_EQ(LayerState().pendingCount, 0) << "what the menu covered was repainted";

    // Released outside the items: nothing chosen.
    QorKitClearMouse();
    root.HandleMouseDown(Press(50, 50, 0, {Point{10, 300}}));
    EXPECT_EQ(four->GetStep(), 2);

    // A press on no screen fails.
    QorKitClearMouse();
    QorKitSetScreen(200, 200, 300, 300);
    QorKitPushMouse(50, 50, 1);
    EXPECT_THROW(popup->TrackMouse(EventRecord{1, 0, 0, Point{50, 50}, 0}, false), CDAEError);
}

TEST_F(Editors, AnEditorWithoutControlKeepsItsOwnValueAndAMissingOneIsMade)
{
    auto* free = Add<CDialControlEditor>("!Dial(('dia1') ('NoID') ())", Rect{10, 10, 70, 70});
    auto* orphan = Add<CSliderControlEditor>("!Slider(('sld1') ('miss') ())", Rect{80, 10, 140, 30});
    Open();
    EXPECT_EQ(free->GetControlView(), nullptr);
    free->SetValue(1234);
    EXPECT_EQ(free->GetValue(), 1234);
    EXPECT_EQ(free->GetStepCount(), 1);
    auto* made = dynamic_cast<CProcessControlView*>(root.FindViewByID(FourCC("miss")));
    ASSERT_NE(made, nullptr) << "a control view is made for an ID nobody holds";
    EXPECT_EQ(orphan->GetControlView(), made);
}

}  // namespace
}  // namespace viewtests
