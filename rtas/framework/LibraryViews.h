// The library's own views as the framework sees them: a module-wide switch, and the maker of an instance's root view
// that the views library installs. A plug-in that shows a window of its own switches the views off; then no instance
// builds a root view. Main thread, under the group's context lock.
#pragma once

#include "rtas/framework/host/PlugInRecords.h"

#include <cstdint>

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

// What an instance asks of its root view, installed by the views library beside the maker. Control views are found
// by their control's four-character ID.
struct RootViewServices
{
    void (*update)(views::CPlugInView* root, const Rect* rect);
    // Hands the event to the tree; taken says whether a view took it.
    void (*handleEvent)(views::CPlugInView* root, const EventRecord* event, bool* taken);
    void (*getRect)(views::CPlugInView* root, Rect* rect);
    void (*setPort)(views::CPlugInView* root, OpaqueGrafPtr port);
    // The host's idle, and its request to place the window's contents at a point.
    void (*idle)(views::CPlugInView* root);
    void (*moveTo)(views::CPlugInView* root, int16_t h, int16_t v);
    void (*activate)(views::CPlugInView* root);
    void (*deactivate)(views::CPlugInView* root);
    // Binds the control view of an ID to (instance, control), or unbinds it (null instance), and refreshes it;
    // false when the tree has no control view of that ID.
    bool (*bindControlView)(views::CPlugInView* root, uint32_t controlID, CProcess* instance, int32_t control);
    bool (*hasControlView)(views::CPlugInView* root, uint32_t controlID);
    void (*redrawControlView)(views::CPlugInView* root, uint32_t controlID);
    void (*setHighlight)(views::CPlugInView* root, uint32_t controlID, bool on, int16_t colour, int16_t state);
    // False without a control view of that ID.
    bool (*getHighlight)(views::CPlugInView* root, uint32_t controlID, bool* on, int32_t* colour);
    // The control number of the first control view at or above the view the host names; 0 when none.
    int32_t (*focusedControl)(views::CPlugInView* root, HostWord view);
};
// Installed by the views library (null uninstalls); null while none is installed.
void SetRootViewServices(const RootViewServices* services);
const RootViewServices* GetRootViewServices();

}  // namespace rtas
