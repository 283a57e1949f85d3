// The stand-in DAE.dll: gestalt answers, the real-time quantum, the registration of the plug-in's open and close
// procedures, and the engine's controls for tests. Every host service records its call.
#include "hosts/rtas/KitControl.h"
#include "hosts/rtas/KitLog.h"
#include "hosts/rtas/engine/EngineState.h"
#include "hosts/rtas/engine/LockService.h"
#include "hosts/rtas/engine/ObjectRegistry.h"

namespace qorkit {

EngineState& engine()
{
    static EngineState state;
    return state;
}

void resetEngine(EngineState& state)
{
    state.calls.clear();
    state.gestalts.clear();
    state.gestalts[kGestaltRealTimeQuantum] = 1;
    state.gestalts[kGestaltDataSharing] = 1;
    state.maximumQuantum = 32;
    state.lockServiceVersion = 2;
    state.alive = 1;
    state.openProc = nullptr;
    state.closeProc = nullptr;
    state.names.clear();
    for (EngineState::Listener* listener : state.listeners)
        delete listener;
    state.listeners.clear();
    state.queues.clear();
    state.sentTokens.clear();
    state.valueRequests.clear();
    state.tickStep = 0;
    state.manualTicks = 0;
}

namespace {

// A fresh host from the first call on.
struct InitialState
{
    InitialState() { resetEngine(engine()); }
} initialState;

}  // namespace
}  // namespace qorkit

using qorkit::engine;

extern "C" {

QOR_KIT_EXPORT int32_t QOR_HOST_CALL FicGestalt(uint32_t selector, HostWord* answer)
{
    qorkit::record("FicGestalt");
    auto& state = engine();
    std::lock_guard<std::mutex> guard(state.mutex);
    if (selector == kGestaltLockService) {
        if (state.lockServiceVersion < 0)
            return -1;
        if (answer != nullptr)
            *answer = reinterpret_cast<HostWord>(qorkit::lockService());
        return 0;
    }
    const auto found = state.gestalts.find(selector);
    if (found == state.gestalts.end())
        return -1;
    if (answer != nullptr)
        *answer = found->second;
    return 0;
}

QOR_KIT_EXPORT int32_t QOR_HOST_CALL FicGetMaximumRTASQuantum(void)
{
    qorkit::record("FicGetMaximumRTASQuantum");
    auto& state = engine();
    std::lock_guard<std::mutex> guard(state.mutex);
    return state.maximumQuantum;
}

QOR_KIT_EXPORT void* QOR_HOST_CALL FicGetDAEIACFUnknown(HostWord)
{
    qorkit::record("FicGetDAEIACFUnknown");
    return nullptr;
}

QOR_KIT_EXPORT void QOR_HOST_CALL SetPlugInOpenAndCloseProcs(PlugInOpenProc open, PlugInCloseProc close)
{
    qorkit::record("SetPlugInOpenAndCloseProcs");
    auto& state = engine();
    std::lock_guard<std::mutex> guard(state.mutex);
    state.openProc = open;
    state.closeProc = close;
}

QOR_KIT_EXPORT void QorKitReset(void)
{
    auto& state = engine();
    std::lock_guard<std::mutex> guard(state.mutex);
    qorkit::resetEngine(state);
    qorkit::resetObjectRegistry();
}

QOR_KIT_EXPORT void QorKitSetMaximumQuantum(int32_t samples)
{
    auto& state = engine();
    std::lock_guard<std::mutex> guard(state.mutex);
    state.maximumQuantum = samples;
}

QOR_KIT_EXPORT void QorKitSetGestalt(uint32_t selector, HostWord answer)
{
    auto& state = engine();
    std::lock_guard<std::mutex> guard(state.mutex);
    state.gestalts[selector] = answer;
}

QOR_KIT_EXPORT void QorKitRemoveGestalt(uint32_t selector)
{
    auto& state = engine();
    std::lock_guard<std::mutex> guard(state.mutex);
    state.gestalts.erase(selector);
}

QOR_KIT_EXPORT void QorKitSetLockServiceVersion(int32_t version)
{
    auto& state = engine();
    std::lock_guard<std::mutex> guard(state.mutex);
    state.lockServiceVersion = version;
}

QOR_KIT_EXPORT void QorKitSetAlive(int32_t alive)
{
    auto& state = engine();
    std::lock_guard<std::mutex> guard(state.mutex);
    state.alive = alive;
}

QOR_KIT_EXPORT PlugInOpenProc QorKitOpenProc(void)
{
    auto& state = engine();
    std::lock_guard<std::mutex> guard(state.mutex);
    return state.openProc;
}

QOR_KIT_EXPORT PlugInCloseProc QorKitCloseProc(void)
{
    auto& state = engine();
    std::lock_guard<std::mutex> guard(state.mutex);
    return state.closeProc;
}

}  // extern "C"
