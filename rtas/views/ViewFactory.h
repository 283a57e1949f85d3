// Makes a view from a dialog item whose text is a view description. GUI thread, under the group's context lock.
#pragma once

#include "rtas/views/ItemRecord.h"

namespace rtas::views {

class CPlugInView;

// The view the item's description names, enabled by the item's kind byte, framed by its rectangle, with the
// description read; ok = false and null when the text is no description or the view cannot read it (the half-made
// view is deleted). Never throws.
CPlugInView* CreateViewFromDescription(const ItemRecord& item, bool* ok);

// Enters the library's view types in the registry (done once, at module load).
void RegisterLibraryViewTypes();

}  // namespace rtas::views
