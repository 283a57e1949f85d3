// State that exists once per loaded plug-in module and that the library's classes share: the single group, the
// host's component callback, how the module was opened, the count of instances created, and the plug-in's resource
// file. Touched under the group's context lock (or before the host runs any routine).
#pragma once

#include "rtas/framework/host/PlugInRecords.h"

#include <cstdint>
#include <string>

class CProcessGroupInterface;

namespace rtas {

// The group the routines run on; set by the module's group-creating export, cleared at teardown.
CProcessGroupInterface* GetModuleGroup();
void SetModuleGroup(CProcessGroupInterface* group);

// The host's component callback handed over by routine 14 (null until then).
HostComponentCallback GetHostCallback();
void SetHostCallback(HostComponentCallback callback);

// Set when the host opened the plug-in through its Windows open entry: the module then owns the resource file's
// first use, and types do not preload their page tables.
bool IsOpenedThroughWinPlugInOpen();
void SetOpenedThroughWinPlugInOpen(bool opened);

// Successful instance creations over the module's life (never lowered).
int32_t GetInstancesCreated();
void CountInstanceCreated();

// The host interface level: the dispatcher locks around some routines only from certain levels on.
int32_t GetHostInterfaceLevel();
void SetHostInterfaceLevelValue(int32_t level);

// Back to the state of a freshly loaded module (tests, and a module's teardown).
void ResetModuleState();

}  // namespace rtas
