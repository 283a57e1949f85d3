// A window built from dialog resources: descriptions become their views, other items their ordinary views (host
// controls, static text, pictures, icons); the whole tree drawn into a port; broken resources refused; and a view
// pop-up whose dialog of editors changes the control while it is open.
#include "ViewsFixture.h"

namespace viewtests {
namespace {

class Dialogs : public ViewsTest
{
protected:
    std::vector<qorkit::StoredResource> Resources() override
    {
        std::vector<qorkit::StoredResource> r = ViewsTest::Resources();
        r.push_back({FourCC("DLOG"), 128, "", DialogBytes(Rect{0, 0, 100, 200}, 128)});
        r.push_back({FourCC("DITL"), 128, "",
                     ItemListBytes({
                         {Rect{70, 10, 90, 60}, kControlItem | 0, "OK"},
                         {Rect{10, 10, 30, 100}, kStaticTextItem, "!StaticText(('lab1') (\"Ratio\" center))"},
                         {Rect{40, 120, 60, 140}, kPictureItem, std::string("\x00\xC8", 2)},
                         {Rect{35, 10, 55, 110}, kControlItem, "!Slider(('sld1') ('ctl1') ())"},
                         {Rect{0, 0, 1, 1}, kStaticTextItem | 0x80, "!ProcessControl(('ctl1') (\"Gain\" 11 0))"},
                         {Rect{70, 70, 90, 130}, kControlItem | 1, "Link"},
                         {Rect{40, 160, 72, 192}, kIconItem, std::string("\x01\xF4", 2)},
                         {Rect{75, 140, 95, 180}, kControlItem, "!ViewPopup(('vpp1') ('ctl1') (129 'rdo1'))"},
                     })});
        r.push_back({FourCC("ICON"), 500, "", std::vector<uint8_t>(128, 0xFF)});
        r.push_back({FourCC("DLOG"), 129, "", DialogBytes(Rect{0, 0, 40, 80}, 129)});
        r.push_back({FourCC("DITL"), 129, "",
                     ItemListBytes({
                         {Rect{0, 0, 40, 80}, kControlItem, "!RadioGroup(('rdo1') ('NoID') ())"},
                         {Rect{5, 5, 35, 25}, kUserItem | 0x80, ""},
                         {Rect{5, 30, 35, 50}, kUserItem | 0x80, ""},
                         {Rect{5, 55, 35, 75}, kUserItem | 0x80, ""},
                     })});
        // Broken ones: a kind no item has, a list cut short, a dialog record without its item list's ID.
        r.push_back({FourCC("DLOG"), 130, "", DialogBytes(Rect{0, 0, 10, 10}, 130)});
        r.push_back({FourCC("DITL"), 130, "", ItemListBytes({{Rect{0, 0, 5, 5}, 0x7C, ""}})});
        r.push_back({FourCC("DLOG"), 131, "", DialogBytes(Rect{0, 0, 10, 10}, 131)});
        std::vector<uint8_t> cut = ItemListBytes({{Rect{0, 0, 5, 5}, kStaticTextItem, "abcdef"}});
        cut.resize(cut.size() - 3);
        r.push_back({FourCC("DITL"), 131, "", cut});
        std::vector<uint8_t> shortDialog = DialogBytes(Rect{0, 0, 10, 10}, 128);
        shortDialog.resize(18);
        r.push_back({FourCC("DLOG"), 132, "", shortDialog});
        r.push_back({FourCC("DLOG"), 133, "", DialogBytes(Rect{0, 0, 10, 10}, 999)});
        return r;
    }
};

TEST_F(Dialogs, ItemsBecomeTheirViewsAndTheWindowIsDrawn)
{
    CDialogView dialog;
    dialog.SetDialogID(128);
    dialog.FinishCreate();
    EXPECT_TRUE(SameRect(dialog.Frame(), Rect{0, 0, 100, 200}));
    EXPECT_FALSE(dialog.IsEnabled());

    CPlugInView* first = dialog.GetFirstChild();
    auto* ok = dynamic_cast<CButtonView*>(first);
    ASSERT_NE(ok, nullptr) << "a control item without a description is a host button";
    EXPECT_EQ(ok->GetTitle(), "OK");
    auto* label = dynamic_cast<CStaticTextView*>(dialog.FindViewByID(FourCC("lab1")));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->GetText(), "Ratio");
    auto* slider = dynamic_cast<CSliderControlEditor*>(dialog.FindViewByID(FourCC("sld1")));
    ASSERT_NE(slider, nullptr);
    auto* control = dynamic_cast<CProcessControlView*>(dialog.FindViewByID(FourCC("ctl1")));
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(slider->GetControlView(), control) << "connected once the whole tree existed";
    EXPECT_EQ(control->GetStepCount(), 11);

    dialog.SetPort(port);
    dialog.Update(nullptr);
    EXPECT_EQ(At(195, 5), 0x444444u) << "the dialog's background pattern";
    EXPECT_EQ(At(10, 70), 0x000000u) << "the host button's frame";
    EXPECT_EQ(At(70, 74), 0x000000u) << "the check box's box";
    EXPECT_EQ(At(130, 50), 0xFF0000u) << "the picture";
    EXPECT_EQ(At(170, 50), 0x000000u) << "the icon";
    EXPECT_EQ(At(41, 15), 0x000022u) << "the label's first letter, centred";
    EXPECT_EQ(At(30, 15), 0x444444u) << "nothing left of the centred text";
    Rect knob;
    slider->GetKnobRect(&knob);
    EXPECT_EQ(At(knob.left + 5, knob.top + 5), Pixel(PlateColourSet(0)[2]));
    EXPECT_EQ(QorKitLiveControls(), 2 + 1) << "two host controls and the pop-up's menu";

    // A click on the check box goes to the host control.
    dialog.HandleMouseDown(Press(75, 80));
    auto* box = dynamic_cast<CCheckBoxView*>(dialog.FindSubViewAt(Point{80, 75}));
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->GetControlValue(), 1);

    dialog.SetPort(nullptr);
    EXPECT_EQ(QorKitLiveControls(), 1) << "host controls exist only while there is a port";
}

TEST_F(Dialogs, ViewPopupLetsItsDialogsEditorsChangeTheControl)
{
    CDialogView dialog;
    dialog.SetDialogID(128);
    dialog.FinishCreate();
    auto* popup = dynamic_cast<CViewPopupControlEditor*>(dialog.FindViewByID(FourCC("vpp1")));
    ASSERT_NE(popup, nullptr);
    auto* control = dynamic_cast<CControlView*>(dialog.FindViewByID(FourCC("ctl1")));
    ASSERT_NE(control, nullptr);
    auto* radio = dynamic_cast<CRadioGroupControlEditor*>(popup->GetPopupEditor(0));
    ASSERT_NE(radio, nullptr);
    EXPECT_EQ(radio->GetControlView(), nullptr) << "attached only while the pop-up is open";
    dialog.SetPort(port);
    dialog.Update(nullptr);

    // Nothing selected (step 5 has no button): the group's centre (40, 20) lies under the click, so the pop-up's
    // top-left is (120, 65) and its third button's centre (185, 85).
    dialog.HandleMouseDown(Press(160, 85, 0, {Point{85, 185}}));
    EXPECT_EQ(control->GetStep(), 2);
    EXPECT_EQ(popup->Geometry().content.left, 120);
    EXPECT_EQ(popup->Geometry().content.top, 65);
    EXPECT_EQ(radio->GetControlView(), nullptr);
    EXPECT_EQ(popup->GetPopupDialog()->GetPort(), nullptr);
    dialog.SetPort(nullptr);
}

TEST_F(Dialogs, BrokenResourcesAreRefused)
{
    struct Case
    {
        int16_t dialog;
        int32_t code;
    };
    const Case cases[] = {{130, -7400}, {131, -7400}, {132, -7053}, {133, -7053}, {777, -7053}};
    for (const Case& c : cases) {
        CDialogView dialog;
        dialog.SetDialogID(c.dialog);
        try {
            dialog.FinishCreate();
            ADD_FAILURE() << "dialog " << c.dialog << " was built";
        } catch (const CDAEError& e) {
            EXPECT_EQ(e.GetCode(), c.code) << "dialog " << c.dialog;
        }
        EXPECT_EQ(rtas::PlugInResourceFileUses(), 0) << "the resource file is given back on failure";
    }
}

}  // namespace
}  // namespace viewtests
