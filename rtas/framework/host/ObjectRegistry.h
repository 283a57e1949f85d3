// The host's object registry, through which the plug-in's objects (ports, workers, data blocks, plug-ins) describe
// themselves to the engine. The plug-in asks its component callback for it with request 18; the host writes the
// registry's address into the first word of the request record and answers 0.
#pragma once

#include "rtas/framework/host/HostCall.h"

#include <cstdint>

extern "C" {

constexpr int16_t kHostRequestObjectRegistry = 18;

struct FicObjectRegistry
{
    int16_t(QOR_HOST_CALL* registerObject)(void* object, int32_t flag);
    int16_t(QOR_HOST_CALL* unregisterObject)(void* object);
    // record: the object's description, a block of 32-bit words.
    int16_t(QOR_HOST_CALL* queryObject)(void* object, const void* record);
};

}  // extern "C"
