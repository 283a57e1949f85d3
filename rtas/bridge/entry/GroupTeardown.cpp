#include "rtas/bridge/entry/GroupCreation.h"

#include "rtas/framework/CProcessGroupInterface.h"
#include "rtas/framework/ModuleState.h"

namespace rtas::entry {

void DeleteModuleGroup()
{
    CProcessGroupInterface* group = GetModuleGroup();
    // Cleared first: nothing reached during the deletion may find a group that is half gone.
    SetModuleGroup(nullptr);
    try {
        delete group;
    } catch (...) {
    }
}

}  // namespace rtas::entry
