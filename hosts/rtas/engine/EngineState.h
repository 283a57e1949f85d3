// The stand-in engine's state, shared by the files of DAE.dll.
#pragma once

#include "rtas/framework/host/EngineServices.h"

#include <cstdint>
#include <map>
#include <mutex>
#include <set>
#include <string>
#include <vector>

namespace qorkit {

struct EngineState
{
    std::mutex mutex;
    std::vector<std::string> calls;
    std::map<uint32_t, HostWord> gestalts;
    int32_t maximumQuantum = 32;
    int32_t lockServiceVersion = 2;
    int32_t alive = 1;
    std::set<HostWord> sharingObjects;
    PlugInOpenProc openProc = nullptr;
    PlugInCloseProc closeProc = nullptr;
};

EngineState& engine();

// Restores the defaults of a fresh host (the caller holds the mutex).
void resetEngine(EngineState& state);

}  // namespace qorkit
