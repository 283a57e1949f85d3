// What the plug-in imports from the host's DSPManager.dll: the manager of the host's DSP resources.
#pragma once

#include "rtas/framework/host/HostCall.h"

#include <cstdint>

extern "C" {

// The host's DSP manager object: a component-framework interface (query-interface, add-reference, release first),
// or null when the host manages no DSPs.
void* QOR_HOST_CALL GetDSPManager(void);

}  // extern "C"

// The manager interface {27B87CA0-2294-11D2-817A-0160089A8916} as both sides lay out its table: the three unknown
// operations, then the manager's own. Every operation answers 0 or a negative failure; instances are named by the
// address of their object, DSPs by their DSI record, loads in percent of one DSP.
struct DspManagerTable
{
    int32_t(QOR_HOST_CALL* queryInterface)(void* self, const void* iid, void** object);
    uint32_t(QOR_HOST_CALL* addRef)(void* self);
    uint32_t(QOR_HOST_CALL* release)(void* self);
    int32_t(QOR_HOST_CALL* registerInstance)(void* self, HostWord instance);
    int32_t(QOR_HOST_CALL* unregisterInstance)(void* self, HostWord instance);
    // A DSP with room for the load, reserved for the instance.
    int32_t(QOR_HOST_CALL* allocateDSP)(void* self, HostWord instance, int32_t load, HostWord* dsp);
    // Gives back what the instance reserved (nothing reserved: 0).
    int32_t(QOR_HOST_CALL* freeDSP)(void* self, HostWord instance);
    int32_t(QOR_HOST_CALL* getFreeCapacity)(void* self, HostWord dsp, int32_t* percent);
    int32_t(QOR_HOST_CALL* countDSPs)(void* self, int32_t* count);
};

// The table of a manager interface object (its first word points at it).
inline const DspManagerTable& DspManagerTableOf(void* manager)
{
    return **static_cast<const DspManagerTable* const*>(manager);
}
