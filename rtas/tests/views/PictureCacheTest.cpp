// The picture cache: views showing the same picture share one cached picture, the last user lets it go, and the
// module's manager goes with its last picture; what a picture view draws in each state.
#include "ViewsFixture.h"

namespace viewtests {
namespace {

using PictureCache = ViewsTest;

TEST_F(PictureCache, ViewsShareOnePictureUntilTheLastGoes)
{
    auto* a = new CPictureView;
    auto* b = new CPictureView;
    a->SetPicture(CPictureView::kNormal, 200);
    b->SetPicture(CPictureView::kNormal, 200);
    ASSERT_NE(PictureManagerIfAny(), nullptr);
    EXPECT_EQ(PictureManagerIfAny()->GetCount(), 1);
    EXPECT_EQ(a->GetCurrentPicture(), b->GetCurrentPicture());
    EXPECT_EQ(a->GetCurrentPicture()->GetUseCount(), 2);
    b->SetPicture(CPictureView::kClicked, 201);
    EXPECT_EQ(PictureManagerIfAny()->GetCount(), 2);

    delete a;
    EXPECT_EQ(PictureManagerIfAny()->GetCount(), 2);
    EXPECT_EQ(b->GetPictureID(CPictureView::kNormal), 200);
    b->SetPicture(CPictureView::kClicked, -1);
    EXPECT_EQ(PictureManagerIfAny()->GetCount(), 1);
    delete b;
    EXPECT_EQ(PictureManagerIfAny(), nullptr) << "the manager goes with its last picture";

    // A new view after that makes a new manager rather than using the deleted one.
    CPictureView c;
    c.SetPicture(CPictureView::kNormal, 201);
    EXPECT_EQ(PictureManagerIfAny()->GetCount(), 1);
}

TEST_F(PictureCache, AnotherPictureForAStateLeavesTheSharedOneAlone)
{
    CPictureView a, b;
    a.SetPicture(CPictureView::kNormal, 200);
    b.SetPicture(CPictureView::kNormal, 200);
    b.SetPicture(CPictureView::kNormal, 201);
    EXPECT_EQ(a.GetPictureID(CPictureView::kNormal), 200);
    EXPECT_EQ(b.GetPictureID(CPictureView::kNormal), 201);
    EXPECT_EQ(PictureManagerIfAny()->GetCount(), 2);
}

TEST_F(PictureCache, ManagerCountsAndIgnoresForeignPictures)
{
    CCachedPictureManager manager;
    EXPECT_EQ(manager.GetCount(), 0);
    CCachedPicture* first = manager.Acquire(5);
    EXPECT_EQ(manager.Acquire(5), first);
    EXPECT_EQ(first->GetUseCount(), 2);
    CCachedPicture foreign;
    manager.Release(&foreign);
    manager.Release(nullptr);
    EXPECT_EQ(manager.GetCount(), 1);
    manager.Release(first);
    manager.Release(first);
    EXPECT_EQ(manager.GetCount(), 0);
    first = manager.Acquire(6);
    first->Load(6);  // no such picture resource
    EXPECT_FALSE(first->HasPicture());
    EXPECT_EQ(first->GetResourceID(), -1);
}

TEST_F(PictureCache, PictureViewDrawsThePictureOfItsState)
{
    CPictureView view;
    view.SetFrame(Rect{10, 10, 30, 30});
    view.SetEnabled(true);
    view.SetPicture(CPictureView::kNormal, 200);
    EXPECT_THROW(view.SetPicture(3, 200), CDAEError);
    EXPECT_THROW(view.SetPicture(-1, 200), CDAEError);
    view.SetPort(port);
    view.Update(nullptr);
    EXPECT_EQ(At(20, 20), 0xFF0000u);
    view.SetHighlighted(true);
    EXPECT_EQ(At(20, 20), 0xFF0000u) << "no clicked picture: the normal one while highlighted";
    view.SetPicture(CPictureView::kClicked, 201);
    view.Update(nullptr);
    EXPECT_EQ(At(20, 20), 0x0000FFu);
    view.SetHighlighted(false);
    view.SetPicture(CPictureView::kDisabled, 201);
    view.SetPicture(CPictureView::kNormal, 200);
    view.SetEnabled(false);
    EXPECT_EQ(At(20, 20), 0x0000FFu) << "disabled";
    view.SetPort(nullptr);
}

}  // namespace
}  // namespace viewtests
