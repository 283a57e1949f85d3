// How a test steers the stand-in host kit and reads what it recorded. These are the kit's own exports (plain C
// names), beside the host services a plug-in imports. Any thread unless said; the kit serialises its own state.
#pragma once

#include "hosts/rtas/KitExport.h"
#include "rtas/framework/host/EngineServices.h"
#include "rtas/framework/host/HostCall.h"

#include <cstdint>

extern "C" {

// ---- DAE.dll ----

// Back to a fresh host: quantum 32 offered through 'vqta', a lock service of version 2, data sharing offered, the
// engine alive, no registered open and close procedures, an empty call log.
QOR_KIT_EXPORT void QorKitReset(void);

// Appends one call to the log, and reads the log back.
QOR_KIT_EXPORT void QorKitRecord(const char* call);
QOR_KIT_EXPORT int32_t QorKitCallCount(const char* call);
// The calls in order, one per line; answers the full length (the text is cut to capacity - 1 and terminated).
QOR_KIT_EXPORT int32_t QorKitCallLog(char* buffer, int32_t capacity);

// What _FicGetMaximumRTASQuantum@0 answers (32 by default).
QOR_KIT_EXPORT void QorKitSetMaximumQuantum(int32_t samples);
// Gestalt answers: a selector set here is answered with the word given; a removed one fails.
QOR_KIT_EXPORT void QorKitSetGestalt(uint32_t selector, HostWord answer);
QOR_KIT_EXPORT void QorKitRemoveGestalt(uint32_t selector);
// The lock service's version; a negative version removes the service (gestalt 'pisi' then fails).
QOR_KIT_EXPORT void QorKitSetLockServiceVersion(int32_t version);
// Locks made and not deleted; how deep the calling thread is inside any lock of the service; the name of the last
// named lock made ("" when none).
QOR_KIT_EXPORT int32_t QorKitLiveLocks(void);
QOR_KIT_EXPORT int32_t QorKitLockDepth(void);
QOR_KIT_EXPORT const char* QorKitLastLockName(void);
// FicIsAlive's answer.
QOR_KIT_EXPORT void QorKitSetAlive(int32_t alive);
// Sharing servers and objects made and not deleted.
QOR_KIT_EXPORT int32_t QorKitLiveSharingObjects(void);
// The procedures a plug-in handed to SetPlugInOpenAndCloseProcs (null until then).
QOR_KIT_EXPORT PlugInOpenProc QorKitOpenProc(void);
QOR_KIT_EXPORT PlugInCloseProc QorKitCloseProc(void);

// Data sharing: names reserved and not freed; the path of a name ("" joined by "/"; answers its full length, -1 for
// no such name); listeners made and not deleted; tokens queued for tasks; tokens taken and not handed back.
QOR_KIT_EXPORT int32_t QorKitLiveSharingNames(void);
QOR_KIT_EXPORT int32_t QorKitSharingNamePath(int32_t nameID, char* buffer, int32_t capacity);
QOR_KIT_EXPORT int32_t QorKitLiveListeners(void);
QOR_KIT_EXPORT int32_t QorKitQueuedTokens(void);
QOR_KIT_EXPORT int32_t QorKitTakenTokens(void);
// Every token dispatched since the reset, in order: their count, and one of them (64 bytes into token; 0, or -1 for a
// position out of range).
QOR_KIT_EXPORT int32_t QorKitSentTokenCount(void);
QOR_KIT_EXPORT int32_t QorKitSentToken(int32_t position, uint8_t* token);
// The oldest request to set a control's value ('SETV'/'CAVL' to the control's name) not yet taken: 1 with the name
// and the value, 0 when none. A host acts on it by setting the control (routine 99).
QOR_KIT_EXPORT int32_t QorKitTakeValueRequest(int32_t* nameID, int32_t* value);
// Non-zero: TickCount advances by step on every call instead of following the clock (0 goes back to the clock).
QOR_KIT_EXPORT void QorKitSetTickStep(int32_t step);
// The next manual tick: 1 and the tick while a step is set, else 0 (DigiExt's TickCount asks).
QOR_KIT_EXPORT int32_t QorKitManualTick(uint32_t* tick);

// ---- DigiExt.dll ----

// Memory handles made and not disposed of.
QOR_KIT_EXPORT int32_t QorKitLiveHandles(void);
// Non-zero: every NewHandle fails (MemError -108) until set back to 0.
QOR_KIT_EXPORT void QorKitSetNewHandleFails(int32_t fails);
// Resource files open.
QOR_KIT_EXPORT int32_t QorKitOpenResourceFiles(void);

}  // extern "C"

// ---- The engine's object registry and render (DAE.dll) ----

#include "rtas/framework/host/PlugInRecords.h"

extern "C" {

// A component callback for the plug-in's routine 14: request 18 answers the kit's object registry (its address in
// the record's first word); every other request fails with -1. The registry keeps each registered object's kind and
// latest description record, gives every data block a shared block of its length on its first description, and
// logs every record handed to it.
QOR_KIT_EXPORT int16_t QOR_HOST_CALL QorKitComponentCallback(int16_t request, ComponentRecord* record, char** block);
// Objects registered and not yet unregistered.
QOR_KIT_EXPORT int32_t QorKitLiveHostObjects(void);
// The kind an object registered with; -1 when it is not registered.
QOR_KIT_EXPORT int32_t QorKitHostObjectKind(const void* object);
// The object's latest description record (first word 1): copies at most capacity words and answers the record's
// length in words, 0 when the object has described itself with none.
QOR_KIT_EXPORT int32_t QorKitHostObjectRecord(const void* object, int32_t* words, int32_t capacity);
// The records handed over since the last reset, in order: the object of each and its first word (1 description, 2
// and 3 the publishing notices). Copies at most capacity entries and answers the full count.
QOR_KIT_EXPORT int32_t QorKitHostQueryLog(const void** objects, int32_t* firstWords, int32_t capacity);
// The plug-in object (kind 3) whose latest record carries this type ID and instance index; null when none does.
QOR_KIT_EXPORT void* QorKitFindPlugIn(uint32_t typeID, int32_t instanceIndex);
// Calls the plug-in's first worker's render callback once, as the engine does: the worker block holds the data
// block's shared block in word 2 and, from word 3, the addresses of slots[0 .. slotCount-1] (one per input port,
// the key input's among them, then one per output, as the worker's lists count them); the render context holds
// contextBuffer at byte 12, contextValue at byte 84 and quantum at byte 88. Writes the callback's answer and
// answers 0; -1 when the plug-in, its worker or its shared block is missing or slotCount differs from the ports.
QOR_KIT_EXPORT int32_t QorKitRenderOnce(void* plugIn, float** slots, int32_t slotCount, float* contextBuffer,
                                        int32_t contextValue, int32_t quantum, int32_t* answer);

}  // extern "C"
