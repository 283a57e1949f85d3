// Creation of the module's one group: what NewPlugIn does, and what the open procedure runs.
#pragma once

#include <cstdint>

namespace rtas::entry {

// Host main thread. Creates and initialises the group and stores it as the module's group; 0, -7003 when there is
// no memory for it, a library error's own code, or -7401; a group that fails to initialise is deleted again. A group
// that exists already is kept (answer 0): a second group would orphan the first and every instance on it.
int32_t CreateModuleGroup();
// Host main thread. Deletes the module's group (its types and instances with it) and clears the group pointer;
// anything thrown on the way is swallowed.
void DeleteModuleGroup();

}  // namespace rtas::entry
