// The engine's context lock service, the answer of gestalt 'pisi'.
#pragma once

#include "rtas/framework/host/EngineServices.h"

namespace qorkit {

FicLockService* lockService();

}  // namespace qorkit
