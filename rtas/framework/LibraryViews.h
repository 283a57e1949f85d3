// The library's own views as the framework sees them: a module-wide switch, and the maker of an instance's root view
// that the views library installs. A plug-in that shows a window of its own switches the views off; then no instance
// builds a root view. Main thread, under the group's context lock.
#pragma once

class CProcess;

namespace rtas::views {
class CPlugInView;
}

namespace rtas {

void SetLibraryViewsOff(bool off);
bool AreLibraryViewsOff();

using RootViewMaker = views::CPlugInView* (*)(CProcess& instance);
using RootViewDeleter = void (*)(views::CPlugInView* root);
// Installed by the views library; null for both uninstalls.
void SetRootViewMaker(RootViewMaker maker, RootViewDeleter deleter);

// The instance's new root view, built and not yet given a port; null while the views are off or none is installed.
// A failure while building comes back as the maker's CDAEError, with nothing left behind.
views::CPlugInView* CreateLibraryRootView(CProcess& instance);
void DeleteLibraryRootView(views::CPlugInView* root);

}  // namespace rtas
