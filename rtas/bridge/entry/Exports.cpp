// The plug-in file's own exports (the routine descriptor comes with the library).
#include "rtas/bridge/entry/GroupCreation.h"
#include "rtas/bridge/entry/ModuleEntry.h"
#include "rtas/framework/ModuleState.h"
#include "rtas/framework/host/PlugInEntries.h"

extern "C" int32_t QOR_ROUTINE_CALL NewPlugIn(void)
{
    return rtas::entry::CreateModuleGroup();
}

extern "C" int32_t QOR_ROUTINE_CALL WinPlugInOpen(int32_t version)
{
    rtas::SetOpenedThroughWinPlugInOpen(false);
    if (version != kWinPlugInOpenVersion)
        return -1;
    rtas::SetOpenedThroughWinPlugInOpen(true);
    return rtas::entry::OpenPlugIn();
}

extern "C" int32_t QOR_ROUTINE_CALL WinPlugInClose(void)
{
    return rtas::entry::ClosePlugIn();
}
