// The stand-in engine's state, shared by the files of DAE.dll.
#pragma once

#include "rtas/framework/host/EngineServices.h"

#include <cstdint>
#include <deque>
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

    // The data-sharing service: names (ID -> parent and name), listeners, each task's queue of tokens, every token
    // dispatched (for the tests), the value requests a control surface would act on, tokens taken and not returned.
    struct Name
    {
        int32_t parent;
        std::string name;
    };
    struct Listener
    {
        FicSDSListenerSpec spec;
    };
    struct QueuedToken
    {
        std::vector<uint8_t> bytes;
        HostWord taskValue;
    };
    std::map<int32_t, Name> names;
    int32_t nextNameID = 2;  // 1 is the root
    std::set<Listener*> listeners;
    std::map<HostWord, std::deque<QueuedToken>> queues;
    std::vector<std::vector<uint8_t>> sentTokens;
    std::deque<std::pair<int32_t, int32_t>> valueRequests;
    std::set<uint8_t*> takenTokens;
    // Non-zero: TickCount advances by this much on every call, from a count of its own.
    int32_t tickStep = 0;
    uint32_t manualTicks = 0;
};

EngineState& engine();

// Restores the defaults of a fresh host (the caller holds the mutex).
void resetEngine(EngineState& state);

}  // namespace qorkit
