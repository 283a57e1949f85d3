// The plug-in module's life in its host: attach and detach, the open and close procedures with their count, and the
// teardown. One copy per loaded module.
#pragma once

#include "rtas/framework/host/EngineServices.h"

#include <cstdint>
#include <string>

namespace rtas::entry {

// Loader thread, from the module's entry routine. Keeps the module's handle; with the engine's registration
// procedure, hands it the open and close procedures; without one, opens at once and answers false when that fails.
bool AttachModule(void* instance, SetPlugInOpenAndCloseProcsProc registration);
// Loader thread. Without a registration procedure at attach, gives back the open made there.
void DetachModule();

// Host main thread. The first call opens the plug-in's resource file and creates the group; every further call
// while it is open only counts. A failed open leaves nothing open and no count behind, so the next call opens again.
int32_t QOR_HOST_CALL OpenPlugIn();
// Host main thread. Counts down; the call that gives back the last open tears the group down and closes the
// resource file. Answers 0.
int32_t QOR_HOST_CALL ClosePlugIn();

// How often the plug-in is open (0 when it is not).
int32_t OpenCount();
// The path of the plug-in's resource file: the module's own path with ".rsr" appended (empty before the first
// open).
const std::string& ResourceFilePath();

}  // namespace rtas::entry
