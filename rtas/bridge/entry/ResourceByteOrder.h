// Brings the fields the host reads from the plug-in's component records ('thng', 'cfrg') into the processor's byte
// order as the host's toolbox reads them from the big-endian resource file. Other resources stay as stored.
#pragma once

#include "rtas/framework/host/ToolboxServices.h"

namespace rtas::entry {

// Any host thread that reads resources (the toolbox calls it once per resource read). Answers 1 for 'thng' and
// 'cfrg', 0 for every other type. Only fields that lie whole inside the resource's size bytes are touched.
int32_t QOR_HOST_CALL SwapResourceByteOrder(uint32_t type, void* data, int32_t size);

}  // namespace rtas::entry
