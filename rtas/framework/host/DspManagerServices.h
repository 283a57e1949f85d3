// What the plug-in imports from the host's DSPManager.dll: the manager of the host's DSP resources.
#pragma once

#include "rtas/framework/host/HostCall.h"

extern "C" {

// The host's DSP manager object: a component-framework interface (query-interface, add-reference, release first),
// or null when the host manages no DSPs.
void* QOR_HOST_CALL GetDSPManager(void);

}  // extern "C"
