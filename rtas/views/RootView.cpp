#include "rtas/views/RootView.h"

#include "rtas/framework/LibraryViews.h"
#include "rtas/views/CDialogView.h"

#include <memory>

namespace rtas::views {
namespace {

CPlugInView* MakeRoot(CProcess&)
{
    auto root = std::make_unique<CDialogView>();
    root->FinishCreate();
    return root.release();
}

void DeleteRoot(CPlugInView* root)
{
    delete root;
}

}  // namespace

void InstallLibraryRootViews()
{
    SetRootViewMaker(&MakeRoot, &DeleteRoot);
}

}  // namespace rtas::views
