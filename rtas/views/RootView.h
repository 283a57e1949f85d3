// The root view an instance of the library makes for its window: a dialog view built from the plug-in's dialog
// resource 1. Installing hands the maker to the framework.
#pragma once

namespace rtas::views {

void InstallLibraryRootViews();

}  // namespace rtas::views
