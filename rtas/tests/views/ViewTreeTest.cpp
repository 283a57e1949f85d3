// The view tree: where inserted views land, which view a click reaches, ID look-ups, showing and hiding, key focus
// moves, the drawing-state stack, and drawing the root's background and plates into a port.
#include "ViewsFixture.h"

namespace viewtests {
namespace {

CPlugInView* Framed(CPlugInView* view, Rect r, uint32_t id = kNoViewID)
{
    view->SetFrame(r);
    view->SetViewID(id);
    view->SetEnabled(true);
    return view;
}

// A view that wants the focus and records editing.
class FocusView : public CCustomView
{
public:
    bool WantsFocus() override { return true; }
    void BeginEditing() override { ++begins; }
    void EndEditing(bool accept) override { ends += accept ? "A" : "D"; }
    bool TrackMouse(const EventRecord& event, bool quick) override
    {
        tracked = !quick;
        return CCustomView::TrackMouse(event, quick);
    }
    int begins = 0;
    std::string ends;
    bool tracked = false;
};

using ViewTree = ViewsTest;

TEST_F(ViewTree, NestedInsertionLandsInTheInnermostEnclosingViewAndOverlapsAppend)
{
    CPlugInView root;
    root.SetFrame(Rect{0, 0, 100, 100});
    auto* outer = Framed(new CPlugInView, Rect{10, 10, 60, 60}, FourCC("outr"));
    root.InsertSubView(outer, true);
    auto* inner = Framed(new CPlugInView, Rect{10, 10, 60, 60}, FourCC("innr"));  // edges coincide
    root.InsertSubView(inner, true);
    auto* overlapping = Framed(new CPlugInView, Rect{50, 50, 70, 70}, FourCC("ovlp"));
    root.InsertSubView(overlapping, true);
    root.InsertSubView(nullptr, true);

    EXPECT_EQ(inner->GetParent(), outer);
    EXPECT_EQ(overlapping->GetParent(), &root);
    EXPECT_EQ(root.GetFirstChild(), outer);
    EXPECT_EQ(outer->GetNextSibling(), overlapping);
    EXPECT_EQ(overlapping->GetNextSibling(), nullptr);
    EXPECT_EQ(root.FindViewByID(FourCC("innr")), inner);
    EXPECT_EQ(root.FindViewByID(kNoViewID), nullptr) << "'NONE' finds nothing, though views carry it";
    EXPECT_EQ(root.FindViewByID(FourCC("none")), nullptr);

    // A click in the overlap of two siblings goes to the one inserted first.
    EXPECT_EQ(root.FindSubViewAt(Point{55, 55}), inner);
    EXPECT_EQ(root.FindSubViewAt(Point{65, 65}), overlapping);
    EXPECT_EQ(root.FindSubViewAt(Point{100, 5}), nullptr);
}

TEST_F(ViewTree, HideAndShowMoveOnlyOnce)
{
    CPlugInView view;
    view.SetFrame(Rect{5, 20, 15, 40});
    view.Hide();
    view.Hide();
    EXPECT_EQ(view.Frame().left, 20 + 16384);
    view.Show();
    view.Show();
    EXPECT_EQ(view.Frame().left, 20);
}

TEST_F(ViewTree, TabWrapsAmongSiblingsAndEscapeEnterEndEditing)
{
    CPlugInView root;
    root.SetFrame(Rect{0, 0, 100, 100});
    FocusView* fields[3];
    for (int i = 0; i < 3; ++i) {
        fields[i] = new FocusView;
        Framed(fields[i], Rect{int16_t(10 + 20 * i), 10, int16_t(20 + 20 * i), 90});
        root.InsertSubView(fields[i], false);
    }
    root.InsertSubView(Framed(new CPlugInView, Rect{80, 10, 90, 90}), false);  // takes no focus
    bool handled = false;
    root.HandleKey(Key(9), &handled);
    EXPECT_FALSE(handled) << "no focus, nothing handles keys";

    root.SetFocus(fields[2]);
    root.HandleKey(Key(9), &handled);
    EXPECT_TRUE(handled);
    EXPECT_EQ(root.GetFocus(), fields[0]) << "Tab on the last wraps to the first";
    EXPECT_EQ(fields[2]->ends, "A");
    root.HandleKey(Key(9, 0x0200), &handled);
    EXPECT_EQ(root.GetFocus(), fields[2]) << "Shift-Tab on the first wraps to the last";

    root.HandleKey(Key(3), &handled);
    EXPECT_EQ(root.GetFocus(), fields[2]) << "Enter accepts and keeps editing the same view";
    EXPECT_EQ(fields[2]->ends, "AA");
    EXPECT_EQ(fields[2]->begins, 2);
    root.HandleKey(Key(27), &handled);
    EXPECT_EQ(fields[2]->ends, "AAD") << "Escape ends without accepting";
    EXPECT_EQ(root.GetFocus(), nullptr);
}

TEST_F(ViewTree, ClickEndsOtherEditingAndTheLibrarysOwnPressIsNotTracked)
{
    CPlugInView root;
    root.SetFrame(Rect{0, 0, 100, 100});
    root.Activate();
    auto* a = new FocusView;
    auto* b = new FocusView;
    root.InsertSubView(Framed(a, Rect{0, 0, 50, 100}), false);
    root.InsertSubView(Framed(b, Rect{50, 0, 100, 100}), false);
    root.SetFocus(a);

    root.HandleMouseDown(Press(10, 60));
    EXPECT_EQ(a->ends, "D") << "a click elsewhere ends editing without accepting";
    EXPECT_EQ(root.GetFocus(), b);
    EXPECT_TRUE(b->tracked);

    QorKitClearMouse();
    QorKitPushMouse(10, 10, 1);
    EventRecord made{1, 0x12345678, 0, Point{10, 10}, 0};
    root.HandleMouseDown(made);
    EXPECT_FALSE(a->tracked);
    EXPECT_EQ(QorKitMousePositionsLeft(), 1) << "the made-up press read no mouse";
    QorKitClearMouse();
}

TEST_F(ViewTree, RemovingTheFocusedViewClearsTheFocusKeptAbove)
{
    CPlugInView root;
    root.SetFrame(Rect{0, 0, 100, 100});
    auto* group = Framed(new CPlugInView, Rect{0, 0, 100, 100});
    root.InsertSubView(group, false);
    auto* field = new FocusView;
    group->InsertSubView(Framed(field, Rect{0, 0, 10, 10}), false);
    root.SetFocus(field);
    root.RemoveSubView(group);
    EXPECT_EQ(root.GetFocus(), nullptr);
    delete group;
    bool handled = true;
    root.HandleKey(Key('x'), &handled);  // must not reach the deleted view
    EXPECT_FALSE(handled);
}

TEST_F(ViewTree, AFifthNestedDrawingStateFailsAndUnderflowFails)
{
    CPlugInView view;
    view.SetFrame(Rect{0, 0, 10, 10});
    view.SetPort(port);
    for (int i = 0; i < 4; ++i)
        view.BeginDrawing(nullptr);
    try {
        view.BeginDrawing(nullptr);
        FAIL() << "a fifth state was pushed";
    } catch (const CDAEError& e) {
        EXPECT_EQ(e.GetCode(), -7400);
    }
    for (int i = 0; i < 4; ++i)
        view.EndDrawing();
    EXPECT_THROW(view.EndDrawing(), CDAEError);
    EXPECT_EQ(GetGrafPort(), nullptr) << "the port current before drawing is current again";
}

TEST_F(ViewTree, RootBackgroundAndPlatesAreDrawnClippedToTheVisiblePart)
{
    CPlugInView root;
    root.SetFrame(Rect{0, 0, 100, 150});
    root.SetBackColor(RGBColour{0x1111, 0x2222, 0x3333});
    auto* plate = new CCustomView;
    plate->SetFrame(Rect{20, 20, 60, 80});
    plate->SetPlate(true, 2, 0);
    root.InsertSubView(plate, true);
    auto* limited = new CCustomView;
    limited->SetFrame(Rect{70, 100, 90, 140});
    limited->SetLimitRect(Rect{70, 100, 90, 120});
    limited->SetPlate(true, 5, 0);
    root.InsertSubView(limited, true);
    root.SetPort(port);
    root.Update(nullptr);

    const RGBColour* red = PlateColourSet(2);
    EXPECT_EQ(At(5, 5), 0x112233u);
    EXPECT_EQ(At(20, 20), Pixel(red[0])) << "outer light edge at the top-left corner";
    EXPECT_EQ(At(40, 40), Pixel(red[2])) << "the plate's face";
    EXPECT_EQ(At(79, 59), Pixel(red[5])) << "outer dark edge at the bottom-right";
    EXPECT_EQ(At(110, 80), Pixel(PlateColourSet(5)[2]));
    EXPECT_EQ(At(160, 50), 0xFFFFFFu) << "nothing outside the root";

    // Highlighted, a plate takes the highlighted set; with a control highlight, its colour's set.
    plate->SetHighlighted(true);
    EXPECT_EQ(At(40, 40), Pixel(PlateColourSet(1)[2]));
    plate->SetHighlighted(false);
    EXPECT_EQ(At(40, 40), Pixel(red[2]));

    // A view's own update draws only inside its limit rect.
    root.Update(nullptr);
    limited->SetPlate(true, 3, 0);
    EXPECT_EQ(At(110, 80), Pixel(PlateColourSet(3)[2]));
    EXPECT_EQ(At(130, 80), Pixel(PlateColourSet(5)[2])) << "nothing redrawn outside the limit rect";
    root.SetPort(nullptr);
}

TEST_F(ViewTree, PlateColourIndexOutsideTheTableDrawsNeutral)
{
    CCustomView view;
    view.SetFrame(Rect{0, 0, 40, 40});
    view.SetPlate(true, 99, 0);
    view.SetPort(port);
    view.Update(nullptr);
    EXPECT_EQ(At(20, 20), Pixel(PlateColourSet(0)[2]));
    view.SetPlate(true, -3, 0);
    EXPECT_EQ(At(20, 20), Pixel(PlateColourSet(0)[2]));
}

TEST_F(ViewTree, GripRidgesAndInversePlateEdges)
{
    CCustomView view;
    view.SetFrame(Rect{0, 0, 30, 30});
    view.SetPlate(true, 0, 1);
    view.SetPort(port);
    view.Update(nullptr);
    const RGBColour* set = PlateColourSet(0);
    // Kind 0 from the grip's corner (3, 3): move (1, 1), a line of w - 2 = 22 in colour 0.
    EXPECT_EQ(At(4, 4), Pixel(set[0]));
    EXPECT_EQ(At(20, 4), Pixel(set[0]));
    EXPECT_EQ(At(10, 3), Pixel(set[3])) << "kind 1 draws the dark ridge above it";
    EXPECT_EQ(At(10, 7), Pixel(set[0])) << "the next ridge, 3 pixels down";
    view.SetPort(nullptr);

    CCustomView pressed;
    pressed.SetFrame(Rect{0, 40, 30, 70});
    DescriptionParser parser(Item("!Background(('prs1' inversePlate))"));
    ASSERT_TRUE(parser.Parse());
    pressed.ReadDescription(parser);
    EXPECT_TRUE(pressed.HasInversePlate());
    pressed.SetPort(port);
    pressed.Update(nullptr);
    EXPECT_EQ(At(40, 10), Pixel(set[5])) << "an inverse plate's left edge is dark";
    EXPECT_EQ(At(69, 10), Pixel(set[0]));
    pressed.SetPort(nullptr);
}

TEST_F(ViewTree, ACoveringPortHoldsBackDrawingUntilItIsGone)
{
    CCustomView view;
    view.SetFrame(Rect{0, 0, 40, 40});
    view.SetPlate(true, 3, 0);
    view.SetPort(port);
    OpaqueGrafPtr menu = QorKitNewDrawingPort(640, 480);
    const Rect cover{0, 0, 40, 20};
    SetCoveringPort(menu, &cover);
    view.Update(nullptr);
    const RGBColour* green = PlateColourSet(3);
    EXPECT_EQ(At(10, 30), 0xFFFFFFu) << "held back under the cover";
    EXPECT_EQ(At(30, 30), Pixel(green[2]));
    EXPECT_EQ(LayerState().pendingCount, 1);
    SetCoveringPort(nullptr, nullptr);
    EXPECT_EQ(At(10, 30), Pixel(green[2])) << "repainted when the cover went";
    EXPECT_EQ(LayerState().pendingCount, 0);
    view.SetPort(nullptr);
    QorKitDisposeDrawingPort(menu);
}

TEST_F(ViewTree, AViewGoneWhileHeldBackIsNotRepainted)
{
    auto* view = new CCustomView;
    view->SetFrame(Rect{0, 0, 40, 40});
    view->SetPort(port);
    OpaqueGrafPtr menu = QorKitNewDrawingPort(640, 480);
    const Rect cover{0, 0, 40, 40};
    SetCoveringPort(menu, &cover);
    view->Update(nullptr);
    ASSERT_EQ(LayerState().pendingCount, 1);
    delete view;
    EXPECT_EQ(LayerState().pendingCount, 0);
    SetCoveringPort(nullptr, nullptr);  // must not reach the deleted view
    QorKitDisposeDrawingPort(menu);
}

TEST_F(ViewTree, DraggingKeepsTheViewInsideItsParent)
{
    CPlugInView root;
    root.SetFrame(Rect{0, 0, 100, 100});
    auto* chip = new CCustomView;
    chip->SetFrame(Rect{10, 10, 30, 30});
    chip->SetEnabled(true);
    chip->SetDraggable(true);
    root.InsertSubView(chip, false);
    root.SetPort(port);
    root.HandleMouseDown(Press(15, 15, 0, {Point{25, 25}, Point{500, 500}}));
    EXPECT_EQ(chip->Frame().left, 79) << "bounds are the parent inset by 1";
    EXPECT_EQ(chip->Frame().bottom, 99);
    EXPECT_FALSE(chip->IsDragging());
    root.SetPort(nullptr);
}

}  // namespace
}  // namespace viewtests
