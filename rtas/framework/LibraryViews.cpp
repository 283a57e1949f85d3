#include "rtas/framework/LibraryViews.h"

namespace rtas {
namespace {

bool gViewsOff = false;
RootViewMaker gMaker = nullptr;
RootViewDeleter gDeleter = nullptr;
const RootViewServices* gServices = nullptr;

}  // namespace

void SetLibraryViewsOff(bool off) { gViewsOff = off; }
bool AreLibraryViewsOff() { return gViewsOff; }

void SetRootViewMaker(RootViewMaker maker, RootViewDeleter deleter)
{
    gMaker = maker;
    gDeleter = deleter;
}

views::CPlugInView* CreateLibraryRootView(CProcess& instance)
{
    if (gViewsOff || gMaker == nullptr)
        return nullptr;
    return gMaker(instance);
}

void DeleteLibraryRootView(views::CPlugInView* root)
{
    if (root != nullptr && gDeleter != nullptr)
        gDeleter(root);
}

void SetRootViewServices(const RootViewServices* services) { gServices = services; }
const RootViewServices* GetRootViewServices() { return gServices; }

}  // namespace rtas
