// The toolbox's relocatable memory blocks, shared by the memory services and the resource files.
#pragma once

#include "rtas/framework/host/ToolboxServices.h"

namespace qorkit {

// A new block of size bytes (zeroed) and its handle, or null; sets the memory error.
HostHandle newBlock(int32_t size);
// Frees a block made by newBlock; false for a handle the toolbox does not know.
bool disposeBlock(HostHandle handle);
bool isBlock(HostHandle handle);
int32_t blockSize(HostHandle handle);

}  // namespace qorkit
