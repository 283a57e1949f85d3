// What the plug-in imports from the host's engine library DAE.dll. The functions declared extern "C" below are
// linked at load time (import library made from DAE.def); the ones behind the ...Proc types are fetched by name at
// run time, under the decorated names given beside them.
#pragma once

#include "rtas/framework/host/HostCall.h"

extern "C" {

// ---- Gestalt: the engine's answers to questions by selector ----

// Answers 0 and writes the answer word for a selector the engine knows; a non-zero result (and the word untouched)
// for one it does not. Any thread.
int32_t QOR_HOST_CALL FicGestalt(uint32_t selector, HostWord* answer);

// Selectors the plug-in asks.
constexpr uint32_t kGestaltLockService = HostFourCC("pisi");     // answer: the lock service (FicLockService*)
constexpr uint32_t kGestaltDataSharing = HostFourCC("hsds");     // answer: non-zero when data sharing is offered
constexpr uint32_t kGestaltRealTimeQuantum = HostFourCC("vqta");  // answer: non-zero when the quantum entry exists
constexpr uint32_t kGestaltHostRequest17 = HostFourCC("whsf");    // answer: non-zero when request 17 is understood

// ---- The host's context lock service (the answer of gestalt 'pisi') ----

// A table of entries rather than a C++ class, so that its layout does not depend on either side's compiler. A lock
// is an opaque word; 0 is no lock.
struct FicLockService
{
    // 0 or less: unusable; 1: unnamed locks only; 2 or more: named locks too.
    int32_t(QOR_HOST_CALL* version)(void);
    HostWord(QOR_HOST_CALL* newLock)(void);
    HostWord(QOR_HOST_CALL* newNamedLock)(const char* name);
    void(QOR_HOST_CALL* enter)(HostWord lock);
    // Non-zero when the lock was entered.
    int32_t(QOR_HOST_CALL* tryEnter)(HostWord lock);
    void(QOR_HOST_CALL* leave)(HostWord lock);
    void(QOR_HOST_CALL* deleteLock)(HostWord lock);
};

// ---- Objects and data sharing ----

// Non-zero while the engine runs (a plug-in must not make sharing objects in an engine that is shutting down).
int32_t QOR_HOST_CALL FicIsAlive(void);
// A new data-sharing server object; 0 and the object in *server, or an error code.
int32_t QOR_HOST_CALL FicSDSNewServer(HostWord* server);
int32_t QOR_HOST_CALL FicSDSDeleteServer(HostWord server);
// The server's standard object type number standardType (57 is the task type instances share tokens through).
int32_t QOR_HOST_CALL FicSDSFindStandardType(HostWord server, int32_t standardType, HostWord* type);
// A new object of a type found on a server.
int32_t QOR_HOST_CALL FicNewObject(HostWord type, HostWord* object);
int32_t QOR_HOST_CALL FicDeleteObject(HostWord object);
// Sends a sharing token (a host record of size bytes) to its destination.
int32_t QOR_HOST_CALL FicSDSDispatchToken(const void* token, int32_t size);

// ---- Names, listeners and tokens of the data-sharing service ----
//
// Instances publish a name for themselves and one per control; control surfaces and other instances send tokens to
// those names, and a listener delivers the tokens of one name, type and subtype to a task object's queue, from which
// the plug-in takes them when it idles. Main thread.

// Reserves name under the name parent (0: the root); 0 and the new name's ID in *nameID, or an error code (a name
// taken twice under one parent is refused).
int32_t QOR_HOST_CALL FicSDSReserveName(int32_t parent, const char* name, int32_t* nameID);
int32_t QOR_HOST_CALL FicSDSFreeName(int32_t nameID);
// The ID of a reserved name given by its path from the root ("" is the root itself).
int32_t QOR_HOST_CALL FicSDSLookupName(const char* path, int32_t* nameID);

struct FicSDSListenerSpec
{
    int32_t nameID;
    int32_t goal;
    int32_t critical;
    int32_t latest;
    HostWord taskValue;  // handed back with every token the listener delivers
    HostWord task;       // the task object whose queue gets the tokens
    uint32_t protocol;
    uint32_t manufacturer;
    uint32_t type;
    uint32_t subtype;
};
int32_t QOR_HOST_CALL FicSDSNewListener(const FicSDSListenerSpec* spec, HostWord* listener);
int32_t QOR_HOST_CALL FicSDSDeleteListener(HostWord listener);
// The next token queued for task: 0 with the token and its listener's task value, or non-zero when none is left.
// Every token taken is handed back with FicSDSReturnToken.
int32_t QOR_HOST_CALL FicSDSGetNextToken(HostWord task, void** token, HostWord* taskValue);
int32_t QOR_HOST_CALL FicSDSReturnToken(void* token);
// The host's own idle work for the plug-in's personality, after the plug-in has handled its tokens.
void QOR_HOST_CALL FicPersonalityIdle(void);

}  // extern "C"

// ---- Entries fetched by name ----

// "SetPlugInOpenAndCloseProcs", looked up in the already loaded "DAE.DLL" when the plug-in module attaches: the
// engine calls the open procedure before it uses the plug-in and the close procedure when it is done.
using PlugInOpenProc = int32_t(QOR_HOST_CALL*)(void);
using PlugInCloseProc = int32_t(QOR_HOST_CALL*)(void);
using SetPlugInOpenAndCloseProcsProc = void(QOR_HOST_CALL*)(PlugInOpenProc open, PlugInCloseProc close);
constexpr const char* kSetPlugInOpenAndCloseProcsName = "SetPlugInOpenAndCloseProcs";

// "_FicGetMaximumRTASQuantum@0": the largest block, in samples, that the engine hands a real-time plug-in.
using FicGetMaximumRTASQuantumProc = int32_t(QOR_HOST_CALL*)(void);
constexpr const char* kFicGetMaximumRTASQuantumName = "_FicGetMaximumRTASQuantum@0";

// "_FicGetDAEIACFUnknown@4": the engine's component-framework object for a plug-in component (null when none).
using FicGetDAEIACFUnknownProc = void*(QOR_HOST_CALL*)(HostWord component);
constexpr const char* kFicGetDAEIACFUnknownName = "_FicGetDAEIACFUnknown@4";

// The engine library's file name as the plug-in loads or finds it.
constexpr const char* kEngineLibraryName = "DAE.DLL";
