// The switch that keeps an instance from building the library's views: with the views off (as the product runs) no
// root view is made; with them on, the dialog of resource 1 with its items.
#include "ViewsFixture.h"

#include "rtas/framework/CProcess.h"
#include "rtas/framework/LibraryViews.h"
#include "rtas/views/RootView.h"

namespace viewtests {
namespace {

class RootViews : public ViewsTest
{
protected:
    std::vector<qorkit::StoredResource> Resources() override
    {
        std::vector<qorkit::StoredResource> r = ViewsTest::Resources();
        r.push_back({FourCC("DLOG"), 1, "", Be16s({0, 0, 60, 80, 0, 1, 0, 0, 0, 1})});
        r.push_back({FourCC("DITL"), 1, "",
                     ItemListBytes({{Rect{5, 5, 25, 75}, kStaticTextItem, "!StaticText(('lab1') (\"Hi\"))"}})});
        return r;
    }
    void TearDown() override
    {
        rtas::SetLibraryViewsOff(false);
        rtas::SetRootViewMaker(nullptr, nullptr);
        ViewsTest::TearDown();
    }
};

TEST_F(RootViews, SwitchedOffNoInstanceBuildsAny)
{
    CProcess instance;
    EXPECT_EQ(rtas::CreateLibraryRootView(instance), nullptr) << "nothing installed";

    InstallLibraryRootViews();
    rtas::SetLibraryViewsOff(true);
    EXPECT_EQ(rtas::CreateLibraryRootView(instance), nullptr);
    EXPECT_EQ(rtas::PlugInResourceFileUses(), 0) << "not even the resources were looked at";

    rtas::SetLibraryViewsOff(false);
    CPlugInView* root = rtas::CreateLibraryRootView(instance);
    ASSERT_NE(dynamic_cast<CDialogView*>(root), nullptr);
    EXPECT_TRUE(SameRect(root->Frame(), Rect{0, 0, 60, 80}));
    EXPECT_NE(root->FindViewByID(FourCC("lab1")), nullptr);
    rtas::DeleteLibraryRootView(root);
}

}  // namespace
}  // namespace viewtests
