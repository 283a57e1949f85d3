// The stand-in engine's object registry: what the plug-in's objects told it about themselves, the shared blocks it
// handed their data blocks, and one render call as the engine would make it.
#include "hosts/rtas/KitControl.h"
#include "hosts/rtas/KitLog.h"
#include "hosts/rtas/engine/ObjectRegistry.h"
#include "rtas/framework/host/ObjectRegistry.h"

#include <cstdlib>
#include <cstring>
#include <map>
#include <mutex>
#include <vector>

namespace qorkit {
namespace {

constexpr int32_t kKindPlugIn = 3;
constexpr int32_t kKindWorker = 7;
constexpr int32_t kKindData = 8;
constexpr int32_t kDescription = 1;
// A list longer than this in a record is taken as a broken record: the kit reads no further.
constexpr int32_t kLongestList = 4096;
constexpr int16_t kUnknownObject = -1;

struct HostObject
{
    int32_t kind = 0;
    std::vector<int32_t> record;
    void* shared = nullptr;
    int32_t sharedLength = 0;
};

struct Registry
{
    std::mutex mutex;
    std::map<const void*, HostObject> objects;
    std::vector<std::pair<const void*, int32_t>> log;
};

Registry& registry()
{
    static Registry state;
    return state;
}

// The words of a description record, read as far as its kind lays it out.
std::vector<int32_t> ReadRecord(int32_t kind, const int32_t* words)
{
    std::vector<int32_t> record;
    if (words == nullptr)
        return record;
    size_t at = 0;
    auto take = [&](size_t count) {
        for (size_t i = 0; i < count; ++i)
            record.push_back(words[at++]);
    };
    auto takeList = [&]() {
        const int32_t count = words[at];
        take(1);
        if (count > 0 && count <= kLongestList)
            take(size_t(count));
        return count >= 0 && count <= kLongestList;
    };
    take(1);
    if (record[0] != kDescription)
        return record;
    switch (kind) {
    case 4:
    case 5: take(2); break;
    case kKindData: take(3); break;
    case kKindWorker:
        take(2);
        for (int list = 0; list < 4; ++list)
            if (!takeList())
                return record;
        take(2);
        break;
    case kKindPlugIn:
        take(5);
        for (int list = 0; list < 3; ++list)
            if (!takeList())
                return record;
        break;
    default: break;
    }
    return record;
}

// Data block: {1, kind, length, address of its shared-block pointer}. Its first description gets a shared block.
void HandOverSharedBlock(HostObject& object)
{
    if (object.record.size() < 4 || object.record[2] <= 0 || object.shared != nullptr)
        return;
    object.shared = std::calloc(size_t(object.record[2]), 1);
    object.sharedLength = object.record[2];
    void** where = reinterpret_cast<void**>(HostWord(object.record[3]));
    if (where != nullptr)
        *where = object.shared;
}

int16_t QOR_HOST_CALL RegisterObject(void* object, int32_t kind)
{
    record("RegisterHostObject");
    auto& state = registry();
    std::lock_guard<std::mutex> guard(state.mutex);
    HostObject& entry = state.objects[object];
    entry.kind = kind;
    return 0;
}

int16_t QOR_HOST_CALL UnregisterObject(void* object)
{
    record("UnregisterHostObject");
    auto& state = registry();
    std::lock_guard<std::mutex> guard(state.mutex);
    const auto found = state.objects.find(object);
    if (found == state.objects.end())
        return kUnknownObject;
    std::free(found->second.shared);
    state.objects.erase(found);
    return 0;
}

int16_t QOR_HOST_CALL QueryObject(void* object, const void* words)
{
    record("QueryHostObject");
    auto& state = registry();
    std::lock_guard<std::mutex> guard(state.mutex);
    const auto found = state.objects.find(object);
    if (found == state.objects.end() || words == nullptr)
        return kUnknownObject;
    std::vector<int32_t> record = ReadRecord(found->second.kind, static_cast<const int32_t*>(words));
    state.log.emplace_back(object, record[0]);
    if (record[0] != kDescription)
        return 0;
    found->second.record = std::move(record);
    if (found->second.kind == kKindData)
        HandOverSharedBlock(found->second);
    return 0;
}

FicObjectRegistry gRegistryInterface = {RegisterObject, UnregisterObject, QueryObject};

// The object's latest record, or null when it has none (caller holds the mutex).
const std::vector<int32_t>* LatestRecord(const void* object, int32_t kind)
{
    const auto found = registry().objects.find(object);
    if (found == registry().objects.end() || found->second.kind != kind || found->second.record.empty())
        return nullptr;
    return &found->second.record;
}

}  // namespace

void resetObjectRegistry()
{
    auto& state = registry();
    std::lock_guard<std::mutex> guard(state.mutex);
    for (auto& entry : state.objects)
        std::free(entry.second.shared);
    state.objects.clear();
    state.log.clear();
}

}  // namespace qorkit

using qorkit::registry;

extern "C" {

QOR_KIT_EXPORT int16_t QOR_HOST_CALL QorKitComponentCallback(int16_t request, ComponentRecord* record, char**)
{
    if (request != kHostRequestObjectRegistry || record == nullptr)
        return -1;
    record->words[0] = int32_t(reinterpret_cast<HostWord>(&qorkit::gRegistryInterface));
    return 0;
}

QOR_KIT_EXPORT int32_t QorKitLiveHostObjects(void)
{
    std::lock_guard<std::mutex> guard(registry().mutex);
    return int32_t(registry().objects.size());
}

QOR_KIT_EXPORT int32_t QorKitHostObjectKind(const void* object)
{
    std::lock_guard<std::mutex> guard(registry().mutex);
    const auto found = registry().objects.find(object);
    return found == registry().objects.end() ? -1 : found->second.kind;
}

QOR_KIT_EXPORT int32_t QorKitHostObjectRecord(const void* object, int32_t* words, int32_t capacity)
{
    std::lock_guard<std::mutex> guard(registry().mutex);
    const auto found = registry().objects.find(object);
    if (found == registry().objects.end())
        return 0;
    const std::vector<int32_t>& record = found->second.record;
    for (int32_t i = 0; words != nullptr && i < capacity && i < int32_t(record.size()); ++i)
        words[i] = record[size_t(i)];
    return int32_t(record.size());
}

QOR_KIT_EXPORT int32_t QorKitHostQueryLog(const void** objects, int32_t* firstWords, int32_t capacity)
{
    std::lock_guard<std::mutex> guard(registry().mutex);
    const auto& log = registry().log;
    for (int32_t i = 0; i < capacity && i < int32_t(log.size()); ++i) {
        if (objects != nullptr)
            objects[i] = log[size_t(i)].first;
        if (firstWords != nullptr)
            firstWords[i] = log[size_t(i)].second;
    }
    return int32_t(log.size());
}

QOR_KIT_EXPORT void* QorKitFindPlugIn(uint32_t typeID, int32_t instanceIndex)
{
    std::lock_guard<std::mutex> guard(registry().mutex);
    // {1, manufacturer, product, type, group word, instance index, ...}
    for (const auto& entry : registry().objects) {
        const std::vector<int32_t>& record = entry.second.record;
        if (entry.second.kind == qorkit::kKindPlugIn && record.size() >= 6 && uint32_t(record[3]) == typeID &&
            record[5] == instanceIndex)
            return const_cast<void*>(entry.first);
    }
    return nullptr;
}

QOR_KIT_EXPORT int32_t QorKitRenderOnce(void* plugIn, float** slots, int32_t slotCount, float* contextBuffer,
                                        int32_t contextValue, int32_t quantum, int32_t* answer)
{
    using Callback = int32_t(QOR_HOST_CALL*)(HostWord*, void*);
    Callback callback = nullptr;
    void* shared = nullptr;
    int32_t ports = 0;
    {
        std::lock_guard<std::mutex> guard(registry().mutex);
        // Plug-in: {1, identity x5, inputs, outputs, workers}; the first worker counts.
        const std::vector<int32_t>* plugInRecord = qorkit::LatestRecord(plugIn, qorkit::kKindPlugIn);
        if (plugInRecord == nullptr)
            return -1;
        size_t at = 6;
        for (int list = 0; list < 2 && at < plugInRecord->size(); ++list)
            at += 1 + size_t((*plugInRecord)[at]);
        if (at + 1 >= plugInRecord->size() || (*plugInRecord)[at] < 1)
            return -1;
        const void* worker = reinterpret_cast<const void*>(HostWord((*plugInRecord)[at + 1]));
        // Worker: {1, callback, 4, data list, input list, output list, fourth list, name, flags}.
        const std::vector<int32_t>* workerRecord = qorkit::LatestRecord(worker, qorkit::kKindWorker);
        if (workerRecord == nullptr || workerRecord->size() < 4 || (*workerRecord)[3] < 1)
            return -1;
        callback = reinterpret_cast<Callback>(HostWord((*workerRecord)[1]));
        const void* data = reinterpret_cast<const void*>(HostWord((*workerRecord)[4]));
        size_t list = 3 + 1 + size_t((*workerRecord)[3]);
        for (int i = 0; i < 2 && list < workerRecord->size(); ++i) {
            ports += (*workerRecord)[list];
            list += 1 + size_t((*workerRecord)[list]);
        }
        const auto found = registry().objects.find(data);
        if (found == registry().objects.end())
            return -1;
        shared = found->second.shared;
    }
    if (callback == nullptr || shared == nullptr || slots == nullptr || slotCount != ports)
        return -1;

    std::vector<HostWord> block(3 + size_t(slotCount), 0);
    block[2] = reinterpret_cast<HostWord>(shared);
    for (int32_t i = 0; i < slotCount; ++i)
        block[3 + size_t(i)] = reinterpret_cast<HostWord>(&slots[i]);
    // The render context as far as the plug-in reads it: buffer at 12, value at 84, quantum at 88.
    int32_t context[23] = {0};
    std::memcpy(&context[3], &contextBuffer, sizeof contextBuffer);
    context[21] = contextValue;
    context[22] = quantum;
    const int32_t result = callback(block.data(), context);
    if (answer != nullptr)
        *answer = result;
    return 0;
}

}  // extern "C"
