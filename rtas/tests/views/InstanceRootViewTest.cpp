// An effect instance with the library's views on: its root view built from the dialog it names, the host's view
// routines passed to that view, and the control views bound to the instance's controls while there is a port.
#include "ViewsFixture.h"

#include "rtas/framework/CEffectProcess.h"
#include "rtas/framework/LibraryViews.h"
#include "rtas/views/RootView.h"

namespace viewtests {
namespace {

class ViewedInstance : public CEffectProcess
{
public:
    ViewedInstance()
    {
        AddControl(new CPluginControl_Continuous(FourCC("ctl1"), "Gain", 0, 1, 0.25, true));
        SetDialogResourceID(140);
    }
};

class InstanceRootView : public ViewsTest
{
protected:
    void SetUp() override
    {
        ViewsTest::SetUp();
        InstallLibraryRootViews();
        rtas::SetLibraryViewsOff(false);
    }
    void TearDown() override
    {
        rtas::SetRootViewMaker(nullptr, nullptr);
        rtas::SetRootViewServices(nullptr);
        ViewsTest::TearDown();
    }
    std::vector<qorkit::StoredResource> Resources() override
    {
        std::vector<qorkit::StoredResource> r = ViewsTest::Resources();
        r.push_back({FourCC("DLOG"), 140, "", DialogBytes(Rect{0, 0, 100, 200}, 140)});
        r.push_back({FourCC("DITL"), 140, "",
                     ItemListBytes({
                         {Rect{35, 10, 55, 110}, kControlItem, "!Slider(('sld1') ('ctl1') ())"},
                         {Rect{0, 0, 1, 1}, kStaticTextItem | 0x80, "!ProcessControl(('ctl1') (\"Gain\" 11 0))"},
                     })});
        return r;
    }
};

TEST_F(InstanceRootView, TheHostsViewRoutinesReachTheRootViewAndItsControlViews)
{
    ViewedInstance instance;
    ASSERT_EQ(instance.Initialize(), 0);
    ASSERT_NE(instance.GetRootView(), nullptr);
    Rect frame{};
    instance.GetViewRect(&frame);
    EXPECT_TRUE(SameRect(frame, Rect{0, 0, 100, 200}));

    auto* control = dynamic_cast<CProcessControlView*>(instance.GetRootView()->FindViewByID(FourCC("ctl1")));
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(control->GetIndex(), 0) << "not bound before there is a port";
    instance.UpdateControlValue(1, rtas::DoubleToControlValue(0.75, 0, 1));
    instance.SetViewPort(port);
    EXPECT_EQ(control->GetIndex(), 1);
    EXPECT_EQ(control->GetValue(), rtas::DoubleToControlValue(0.75, 0, 1)) << "the view reads the bound control";

    instance.UpdateRect(nullptr);
    EXPECT_EQ(At(195, 5), 0x444444u) << "the dialog's background pattern";
    QorKitClearInvalidations();
    instance.RedrawControl(1);
    EXPECT_GT(QorKitInvalidations(), 0);

    uint8_t on = 9;
    int32_t colour = 9;
    instance.GetControlHighlight(1, &on, &colour);
    EXPECT_EQ(on, 0);
    instance.SetControlHighlightColour(1, 1, 3);
    instance.GetControlHighlight(1, &on, &colour);
    EXPECT_EQ(on, 1);
    EXPECT_EQ(colour, 3);

    int32_t focused = -1;
    instance.GetFocusedControl(reinterpret_cast<HostWord>(control), &focused);
    EXPECT_EQ(focused, 1);
    uint32_t id = 0;
    EXPECT_EQ(instance.GetControlID(1, &id), 0);
    EXPECT_EQ(id, FourCC("ctl1"));
    EXPECT_EQ(instance.GetControlID(5, &id), -7300);
    EXPECT_EQ(id, FourCC("NONE"));

    // A press on the slider is taken by the tree.
    const EventRecord press = Press(60, 45);
    uint8_t taken = 0;
    instance.HandleEventWithReply(&press, &taken);
    EXPECT_EQ(taken, 1);

    // The host places the window's contents: vertical in the high half of the word.
    instance.Routine48((20 << 16) | 30);
    Rect moved{};
    instance.GetViewRect(&moved);
    EXPECT_EQ(moved.top, 20);
    EXPECT_EQ(moved.left, 30);

    instance.SetViewPort(nullptr);
    EXPECT_EQ(control->GetIndex(), 0) << "unbound with the port gone";
    instance.Uninitialize();
    EXPECT_EQ(instance.GetRootView(), nullptr);
}

TEST_F(InstanceRootView, WithTheViewsOffNoRootViewIsBuiltAndTheRoutinesAnswerPlainly)
{
    rtas::SetLibraryViewsOff(true);
    ViewedInstance instance;
    ASSERT_EQ(instance.Initialize(), 0);
    EXPECT_EQ(instance.GetRootView(), nullptr);
    Rect frame{1, 2, 3, 4};
    instance.GetViewRect(&frame);
    EXPECT_TRUE(SameRect(frame, Rect{1, 2, 3, 4})) << "left as it was";
    uint8_t taken = 7;
    const EventRecord key = Key('a');
    instance.HandleEventWithReply(&key, &taken);
    EXPECT_EQ(taken, 0);
    int32_t focused = -1;
    instance.GetFocusedControl(0, &focused);
    EXPECT_EQ(focused, 0);
    instance.SetViewPort(port);
    instance.Uninitialize();
    rtas::SetLibraryViewsOff(false);
}

}  // namespace
}  // namespace viewtests
