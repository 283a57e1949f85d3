// The DSI functions the plug-in fetches by name from the host's DSI.dll at every group set-up, and one forwarder
// per name. A forwarder calls the bound function with its arguments unchanged and answers -1 while the name is
// unbound, so a host whose DSI lacks an entry gets "no such object" rather than a call through null.
// Argument conventions (the host's): getters take the record and a pointer to the answer word; setters the record
// and the value; the port functions the DSP, then their words, then a time-out. Main thread (the group's set-up
// and the DSP objects' callers, under the group's context lock).
#pragma once

#include "rtas/framework/host/HostCall.h"

// name, number of 32-bit arguments. The order is the binding order.
#define QOR_DSI_NAMED_ENTRIES(X)          \
    X(IsDSP321, 2)                        \
    X(GetDSPCardIndex, 2)                 \
    X(IsPresto, 2)                        \
    X(IsTDM2, 2)                          \
    X(GetCardTypeFromDSP, 2)              \
    X(DSPToDriverType, 2)                 \
    X(GetNextDSP, 2)                      \
    X(GetDSPClient, 2)                    \
    X(GetDSPClientVal, 2)                 \
    X(SetDSPClientVal, 2)                 \
    X(GetDSPShell, 2)                     \
    X(GetDSPInfoRecord, 2)                \
    X(GetDSPCoreType, 2)                  \
    X(GetNextCard, 2)                     \
    X(GetCardClient, 2)                   \
    X(SetCardClient, 2)                   \
    X(GetCardClientVal, 2)                \
    X(SetCardClientVal, 2)                \
    X(GetCardType, 2)                     \
    X(GetFirstDSPOnCard, 2)               \
    X(GetNumDSPsOnCard, 2)                \
    X(IsCardTDM2, 2)                      \
    X(DoHostCommand, 3)                   \
    X(DoHostCommandOnEmptyHostPort, 3)    \
    X(DoHostCommandWithDataList, 7)       \
    X(WaitHostBit, 4)                     \
    X(SendLo24of32, 3)                    \
    X(GetLo24ofS32, 3)                    \
    X(SendLo24of32Check, 4)               \
    X(GetLo24ofS32Check, 4)               \
    X(SetHostBit, 3)                      \
    X(GetHostBit, 3)                      \
    X(CreateShell, 1)                     \
    X(DestroyShell, 1)                    \
    X(GetShellClient, 2)                  \
    X(GetShellClientVal, 2)               \
    X(SetShellID, 2)                      \
    X(GetShellID, 2)                      \
    X(SetShellIsStandard, 2)              \
    X(SetShellMaxLocation, 2)             \
    X(SetShellDSPCode, 2)                 \
    X(ShellDSPCodeIsNULL, 2)              \
    X(SetShellHostCodeHandler, 2)

namespace rtas::dsi {

// Looks a decorated name up; null when absent.
using EntryLookup = void* (*)(const char* name, void* context);

// Loads DSI.dll by name and binds every named entry. 0; -7053 when the library is absent or the last name is
// missing. When bound, a host gestalt 18 that does not answer true puts every DSP object in DSI mode.
int32_t LoadDSIEntryPoints();
// The same with a library name and a look-up of the caller's (tests: a host whose DSI lacks some names).
int32_t LoadDSIEntryPointsFrom(const char* libraryName);
int32_t BindDSIEntryPoints(EntryLookup lookup, void* context);
// Forgets every bound entry, frees the library and leaves DSI mode (module teardown).
void UnloadDSIEntryPoints();

// True while the named entry at that binding position is bound (out of range: false).
bool IsEntryBound(int index);
// The global choice the DSP objects take at attach: true when every access goes through DSI.dll.
bool IsDSIMode();
void SetDSIMode(bool on);

#define QOR_DSI_PARAMS_1 HostWord
#define QOR_DSI_PARAMS_2 HostWord, HostWord
#define QOR_DSI_PARAMS_3 HostWord, HostWord, HostWord
#define QOR_DSI_PARAMS_4 HostWord, HostWord, HostWord, HostWord
#define QOR_DSI_PARAMS_7 HostWord, HostWord, HostWord, HostWord, HostWord, HostWord, HostWord
#define QOR_DSI_DECLARE(name, arity) HostWord name(QOR_DSI_PARAMS_##arity);
QOR_DSI_NAMED_ENTRIES(QOR_DSI_DECLARE)
#undef QOR_DSI_DECLARE

}  // namespace rtas::dsi
