#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gui/CFrame.h"
#include "gui/Geometry.h"
#include "gui/controls/CAnimKnob.h"
#include "gui/controls/CHorizontalSwitch.h"
#include "gui/controls/CKickButton.h"
#include "gui/controls/COptionMenu.h"
#include "gui/controls/CParamDisplay.h"
#include "gui/controls/CRockerSwitch.h"
#include "gui/controls/CSplashScreen.h"
#include "gui/controls/CTextEdit.h"
#include "tests/gui/GuiTestSupport.h"

namespace
{

struct CountedView : CView
{
    explicit CountedView(int* destroyed) : CView(CRect(0, 0, 10, 10)), destroyed_(destroyed) {}
    ~CountedView() override { ++*destroyed_; }
    int* destroyed_;
};

TEST(GuiObjectModel, ForgetDeletesAtZeroAndFrameOwnsAddedViews)
{
    int destroyed = 0;
    auto* view = new CountedView(&destroyed);
    view->remember();
    EXPECT_EQ(view->getNbReference(), 2);
    view->forget();
    EXPECT_EQ(destroyed, 0);

    // The frame takes over the creator's reference; removing without forget hands it back.
    auto* frame = new CFrame(CRect(0, 0, 50, 50), nullptr);
    frame->addView(view);
    EXPECT_FALSE(frame->addView(view)) << "a view is added once";
    EXPECT_TRUE(frame->removeView(view, false));
    EXPECT_EQ(destroyed, 0);
    EXPECT_EQ(view->getFrame(), nullptr);
    frame->addView(view);
    frame->forget();
    EXPECT_EQ(destroyed, 1) << "destroying the frame forgets its children";
}

TEST(GuiObjectModel, BitmapsAreSharedByReference)
{
    CBitmap* bitmap = guitest::bitmapOf(guitest::solidImage(4, 6, kRedCColor), "shared");
    ASSERT_TRUE(bitmap->isLoaded());
    EXPECT_EQ(bitmap->getWidth(), 4);
    EXPECT_EQ(bitmap->getHeight(), 6);
    auto* knob = new CAnimKnob(CRect(0, 0, 4, 2), nullptr, 1, 3, 2, bitmap);
    bitmap->forget(); // the knob keeps its own
    EXPECT_EQ(bitmap->getNbReference(), 1);
    auto* copy = static_cast<CAnimKnob*>(knob->newCopy());
    EXPECT_EQ(bitmap->getNbReference(), 2);
    EXPECT_EQ(copy->getBackground(), bitmap);
    EXPECT_EQ(copy->getNbReference(), 1);
    EXPECT_EQ(copy->getFrame(), nullptr);
    knob->forget();
    EXPECT_EQ(bitmap->getNbReference(), 1);
    copy->forget();

    const uint8_t notPng[] = {1, 2, 3, 4, 5, 6, 7, 8, 9};
    CBitmap broken(notPng, sizeof(notPng));
    EXPECT_FALSE(broken.isLoaded());
    EXPECT_EQ(broken.getWidth(), 0);
    CBitmap empty(400, 350);
    EXPECT_TRUE(empty.isLoaded());
    EXPECT_EQ(empty.getWidth(), 400);
    EXPECT_EQ(empty.getHeight(), 350);
}

TEST(GuiObjectModel, TypeQueryWalksTheClassChain)
{
    auto* knob = new CAnimKnob(CRect(), nullptr, 0, 1, 1, nullptr);
    auto* edit = new CTextEdit(CRect(), nullptr, 0);
    auto* menu = new COptionMenu(CRect(), nullptr, 0);
    auto* frame = new CFrame(CRect(), nullptr);
    struct Case
    {
        CBaseObject* object;
        std::vector<std::string> yes;
        std::vector<std::string> no;
    };
    const Case cases[] = {
        {knob, {"CAnimKnob", "CControl", "CView", "CBaseObject"}, {"CFrame", "CTextEdit", "CKnob"}},
        {edit, {"CTextEdit", "CParamDisplay", "CControl", "CView", "CBaseObject"}, {"COptionMenu"}},
        {menu, {"COptionMenu", "CParamDisplay", "CControl", "CView"}, {"CTextEdit"}},
        {frame, {"CFrame", "CView", "CBaseObject"}, {"CControl"}},
    };
    for (const Case& c : cases)
    {
        for (const std::string& name : c.yes)
            EXPECT_TRUE(c.object->isTypeOf(name.c_str())) << name;
        for (const std::string& name : c.no)
            EXPECT_FALSE(c.object->isTypeOf(name.c_str())) << name;
    }
    for (const Case& c : cases)
        c.object->forget();
}

TEST(GuiGeometry, EdgesOverlapAndClipping)
{
    const CRect r(10, 20, 30, 260.5);
    EXPECT_TRUE(r.pointInside(CPoint(10, 20)));
    EXPECT_FALSE(r.pointInside(CPoint(30, 25))) << "right edge is outside";
    EXPECT_TRUE(r.pointInside(CPoint(29.9, 260.4)));
    EXPECT_FALSE(r.pointInside(CPoint(15, 260.5)));
    EXPECT_TRUE(r.rectOverlap(CRect(29, 0, 40, 21)));
    EXPECT_FALSE(r.rectOverlap(CRect(30, 0, 40, 300))) << "touching edges share no area";
    EXPECT_EQ(CRect(r).bound(CRect(0, 0, 15, 100)), CRect(10, 20, 15, 100));
    EXPECT_TRUE(CRect(r).bound(CRect(50, 50, 60, 60)).isEmpty());
    EXPECT_EQ(CRect(1, 2, 3, 4).moveTo(10, 10), CRect(10, 10, 12, 12));
    EXPECT_EQ(CRect(5, 5, 1, 1).normalize(), CRect(1, 1, 5, 5));
    EXPECT_DOUBLE_EQ(r.getHeight(), 240.5);
}

} // namespace
