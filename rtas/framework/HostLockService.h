// The host's lock service (gestalt 'pisi'), looked up once and kept for the module's life. The group's context lock
// is built on it.
#pragma once

#include "rtas/framework/host/EngineServices.h"

namespace rtas {

// The cached service, or null when the host offers none; a failed look-up is tried again on the next call.
FicLockService* GetHostLockService();
// Forgets the cached service (a fresh host in the tests).
void ForgetHostLockService();

}  // namespace rtas
