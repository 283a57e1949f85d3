// The stand-in engine's data-sharing names, listeners and token queues. A dispatched token is recorded, queued for
// every listener of its destination, type and subtype, and, when it asks to set a control's value, kept as a value
// request that the test host acts on as a control surface's host would (routine 99).
#include "hosts/rtas/KitControl.h"
#include "hosts/rtas/KitLog.h"
#include "hosts/rtas/engine/EngineState.h"
#include "rtas/framework/host/SharingToken.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace {

constexpr int32_t kRootName = 1;
constexpr int32_t kBadName = -3;
constexpr int32_t kNameTaken = -4;
constexpr int32_t kNoToken = -5;
constexpr int32_t kBadListener = -6;

bool nameExists(const qorkit::EngineState& state, int32_t id) { return id == kRootName || state.names.count(id) != 0; }

std::string pathOf(const qorkit::EngineState& state, int32_t id)
{
    std::string path;
    for (auto found = state.names.find(id); found != state.names.end(); found = state.names.find(found->second.parent))
        path = path.empty() ? found->second.name : found->second.name + "/" + path;
    return path;
}

}  // namespace

extern "C" {

QOR_KIT_EXPORT int32_t QOR_HOST_CALL FicSDSReserveName(int32_t parent, const char* name, int32_t* nameID)
{
    qorkit::record("FicSDSReserveName");
    auto& state = qorkit::engine();
    std::lock_guard<std::mutex> guard(state.mutex);
    if (name == nullptr || nameID == nullptr)
        return kBadName;
    const int32_t owner = parent == 0 ? kRootName : parent;
    if (!nameExists(state, owner))
        return kBadName;
    for (const auto& entry : state.names)
        if (entry.second.parent == owner && entry.second.name == name)
            return kNameTaken;
    *nameID = state.nextNameID++;
    state.names[*nameID] = {owner, name};
    return 0;
}

QOR_KIT_EXPORT int32_t QOR_HOST_CALL FicSDSFreeName(int32_t nameID)
{
    qorkit::record("FicSDSFreeName");
    auto& state = qorkit::engine();
    std::lock_guard<std::mutex> guard(state.mutex);
    return state.names.erase(nameID) != 0 ? 0 : kBadName;
}

QOR_KIT_EXPORT int32_t QOR_HOST_CALL FicSDSLookupName(const char* path, int32_t* nameID)
{
    qorkit::record("FicSDSLookupName");
    auto& state = qorkit::engine();
    std::lock_guard<std::mutex> guard(state.mutex);
    if (path == nullptr || nameID == nullptr)
        return kBadName;
    if (*path == '\0') {
        *nameID = kRootName;
        return 0;
    }
    for (const auto& entry : state.names)
        if (pathOf(state, entry.first) == path) {
            *nameID = entry.first;
            return 0;
        }
    return kBadName;
}

QOR_KIT_EXPORT int32_t QOR_HOST_CALL FicSDSNewListener(const FicSDSListenerSpec* spec, HostWord* listener)
{
    qorkit::record("FicSDSNewListener");
    auto& state = qorkit::engine();
    std::lock_guard<std::mutex> guard(state.mutex);
    if (spec == nullptr || listener == nullptr || !nameExists(state, spec->nameID) ||
        state.sharingObjects.count(spec->task) == 0)
        return kBadListener;
    auto* made = new qorkit::EngineState::Listener{*spec};
    state.listeners.insert(made);
    *listener = reinterpret_cast<HostWord>(made);
    return 0;
}

QOR_KIT_EXPORT int32_t QOR_HOST_CALL FicSDSDeleteListener(HostWord listener)
{
    qorkit::record("FicSDSDeleteListener");
    auto& state = qorkit::engine();
    std::lock_guard<std::mutex> guard(state.mutex);
    auto* found = reinterpret_cast<qorkit::EngineState::Listener*>(listener);
    if (state.listeners.erase(found) == 0)
        return kBadListener;
    delete found;
    return 0;
}

QOR_KIT_EXPORT int32_t QOR_HOST_CALL FicSDSDispatchToken(const void* token, int32_t size)
{
    qorkit::record("FicSDSDispatchToken");
    if (token == nullptr || size < sharing::kPayload)
        return -2;
    const auto* bytes = static_cast<const uint8_t*>(token);
    std::vector<uint8_t> copy(bytes, bytes + std::min(size, sharing::kCapacity));
    copy.resize(size_t(sharing::kCapacity), 0);
    auto& state = qorkit::engine();
    std::lock_guard<std::mutex> guard(state.mutex);
    state.sentTokens.push_back(copy);
    const int32_t destination = int32_t(sharing::Word(copy.data(), sharing::kDestination));
    const uint32_t type = sharing::Word(copy.data(), sharing::kType);
    const uint32_t subtype = sharing::Word(copy.data(), sharing::kSubtype);
    if (type == sharing::kSetValue && subtype == sharing::kControlValue && size >= sharing::kPayload + 4)
        state.valueRequests.emplace_back(destination, int32_t(sharing::Word(copy.data(), sharing::kPayload)));
    for (const qorkit::EngineState::Listener* listener : state.listeners)
        if (listener->spec.nameID == destination && listener->spec.type == type && listener->spec.subtype == subtype)
            state.queues[listener->spec.task].push_back({copy, listener->spec.taskValue});
    return 0;
}

QOR_KIT_EXPORT int32_t QOR_HOST_CALL FicSDSGetNextToken(HostWord task, void** token, HostWord* taskValue)
{
    auto& state = qorkit::engine();
    std::lock_guard<std::mutex> guard(state.mutex);
    auto queue = state.queues.find(task);
    if (token == nullptr || taskValue == nullptr || queue == state.queues.end() || queue->second.empty())
        return kNoToken;
    auto* taken = new uint8_t[sharing::kCapacity];
    std::memcpy(taken, queue->second.front().bytes.data(), size_t(sharing::kCapacity));
    *taskValue = queue->second.front().taskValue;
    queue->second.pop_front();
    state.takenTokens.insert(taken);
    *token = taken;
    return 0;
}

QOR_KIT_EXPORT int32_t QOR_HOST_CALL FicSDSReturnToken(void* token)
{
    auto& state = qorkit::engine();
    std::lock_guard<std::mutex> guard(state.mutex);
    auto* taken = static_cast<uint8_t*>(token);
    if (state.takenTokens.erase(taken) == 0)
        return kNoToken;
    delete[] taken;
    return 0;
}

QOR_KIT_EXPORT void QOR_HOST_CALL FicPersonalityIdle(void) { qorkit::record("FicPersonalityIdle"); }

// ---- The kit's controls ----

QOR_KIT_EXPORT int32_t QorKitLiveSharingNames(void)
{
    auto& state = qorkit::engine();
    std::lock_guard<std::mutex> guard(state.mutex);
    return int32_t(state.names.size());
}

QOR_KIT_EXPORT int32_t QorKitSharingNamePath(int32_t nameID, char* buffer, int32_t capacity)
{
    auto& state = qorkit::engine();
    std::lock_guard<std::mutex> guard(state.mutex);
    if (state.names.count(nameID) == 0)
        return -1;
    const std::string path = pathOf(state, nameID);
    if (buffer != nullptr && capacity > 0) {
        const size_t length = std::min(path.size(), size_t(capacity - 1));
        std::memcpy(buffer, path.data(), length);
        buffer[length] = '\0';
    }
    return int32_t(path.size());
}

QOR_KIT_EXPORT int32_t QorKitLiveListeners(void)
{
    auto& state = qorkit::engine();
    std::lock_guard<std::mutex> guard(state.mutex);
    return int32_t(state.listeners.size());
}

QOR_KIT_EXPORT int32_t QorKitQueuedTokens(void)
{
    auto& state = qorkit::engine();
    std::lock_guard<std::mutex> guard(state.mutex);
    size_t queued = 0;
    for (const auto& queue : state.queues)
        queued += queue.second.size();
    return int32_t(queued);
}

QOR_KIT_EXPORT int32_t QorKitTakenTokens(void)
{
    auto& state = qorkit::engine();
    std::lock_guard<std::mutex> guard(state.mutex);
    return int32_t(state.takenTokens.size());
}

QOR_KIT_EXPORT int32_t QorKitSentTokenCount(void)
{
    auto& state = qorkit::engine();
    std::lock_guard<std::mutex> guard(state.mutex);
    return int32_t(state.sentTokens.size());
}

QOR_KIT_EXPORT int32_t QorKitSentToken(int32_t position, uint8_t* token)
{
    auto& state = qorkit::engine();
    std::lock_guard<std::mutex> guard(state.mutex);
    if (position < 0 || position >= int32_t(state.sentTokens.size()) || token == nullptr)
        return -1;
    std::memcpy(token, state.sentTokens[size_t(position)].data(), size_t(sharing::kCapacity));
    return 0;
}

QOR_KIT_EXPORT int32_t QorKitTakeValueRequest(int32_t* nameID, int32_t* value)
{
    auto& state = qorkit::engine();
    std::lock_guard<std::mutex> guard(state.mutex);
    if (state.valueRequests.empty() || nameID == nullptr || value == nullptr)
        return 0;
    *nameID = state.valueRequests.front().first;
    *value = state.valueRequests.front().second;
    state.valueRequests.pop_front();
    return 1;
}

QOR_KIT_EXPORT void QorKitSetTickStep(int32_t step)
{
    auto& state = qorkit::engine();
    std::lock_guard<std::mutex> guard(state.mutex);
    state.tickStep = step;
}

QOR_KIT_EXPORT int32_t QorKitManualTick(uint32_t* tick)
{
    auto& state = qorkit::engine();
    std::lock_guard<std::mutex> guard(state.mutex);
    if (state.tickStep <= 0 || tick == nullptr)
        return 0;
    state.manualTicks += uint32_t(state.tickStep);
    *tick = state.manualTicks;
    return 1;
}

}  // extern "C"
