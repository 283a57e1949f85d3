// The plug-in file's exports besides _PI_GetRoutineDescriptor: the group-creating export and the open and close
// entries a Windows host calls. Plain C names, caller-cleans convention, like the routine descriptor.
#pragma once

#include "rtas/framework/host/PlugInRoutines.h"

#include <cstdint>

// The only host interface version WinPlugInOpen accepts.
constexpr int32_t kWinPlugInOpenVersion = 73;

extern "C" {
// Creates the plug-in's one group and its types; 0, or a result code. Host main thread.
int32_t QOR_ROUTINE_CALL NewPlugIn(void);
// Opens the plug-in (as the engine's open procedure does) for a host of interface version 73; -1 for any other.
// Host main thread.
int32_t QOR_ROUTINE_CALL WinPlugInOpen(int32_t version);
// Gives back one open; the last tears the plug-in down. Answers 0. Host main thread.
int32_t QOR_ROUTINE_CALL WinPlugInClose(void);
}

using NewPlugInEntry = int32_t(QOR_ROUTINE_CALL*)(void);
using WinPlugInOpenEntry = int32_t(QOR_ROUTINE_CALL*)(int32_t version);
using WinPlugInCloseEntry = int32_t(QOR_ROUTINE_CALL*)(void);
using GetRoutineDescriptorEntry = int32_t(QOR_ROUTINE_CALL*)(uint32_t selector, PlugInRoutinePointer* routine);

constexpr const char* kNewPlugInName = "NewPlugIn";
constexpr const char* kWinPlugInOpenName = "WinPlugInOpen";
constexpr const char* kWinPlugInCloseName = "WinPlugInClose";
constexpr const char* kGetRoutineDescriptorName = "_PI_GetRoutineDescriptor";
