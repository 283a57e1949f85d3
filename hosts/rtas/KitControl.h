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

// ---- DigiExt.dll ----

// Memory handles made and not disposed of.
QOR_KIT_EXPORT int32_t QorKitLiveHandles(void);
// Non-zero: every NewHandle fails (MemError -108) until set back to 0.
QOR_KIT_EXPORT void QorKitSetNewHandleFails(int32_t fails);
// Resource files open.
QOR_KIT_EXPORT int32_t QorKitOpenResourceFiles(void);

}  // extern "C"
