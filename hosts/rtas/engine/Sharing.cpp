// Data-sharing servers and objects of the stand-in engine: counted, so a test sees that a plug-in deleted what it
// made. Names, listeners and tokens are in SharingService.cpp.
#include "hosts/rtas/KitControl.h"
#include "hosts/rtas/KitLog.h"
#include "hosts/rtas/engine/EngineState.h"

namespace {

struct SharingObject
{
    int32_t kind;
};

constexpr int32_t kBadObject = -2;

HostWord makeObject(int32_t kind)
{
    auto* object = new SharingObject{kind};
    auto& state = qorkit::engine();
    std::lock_guard<std::mutex> guard(state.mutex);
    state.sharingObjects.insert(reinterpret_cast<HostWord>(object));
    return reinterpret_cast<HostWord>(object);
}

int32_t deleteObject(HostWord object)
{
    auto& state = qorkit::engine();
    std::lock_guard<std::mutex> guard(state.mutex);
    if (state.sharingObjects.erase(object) == 0)
        return kBadObject;
    delete reinterpret_cast<SharingObject*>(object);
    return 0;
}

bool isLive(HostWord object)
{
    auto& state = qorkit::engine();
    std::lock_guard<std::mutex> guard(state.mutex);
    return state.sharingObjects.count(object) != 0;
}

}  // namespace

extern "C" {

QOR_KIT_EXPORT int32_t QOR_HOST_CALL FicIsAlive(void)
{
    qorkit::record("FicIsAlive");
    auto& state = qorkit::engine();
    std::lock_guard<std::mutex> guard(state.mutex);
    return state.alive;
}

QOR_KIT_EXPORT int32_t QOR_HOST_CALL FicSDSNewServer(HostWord* server)
{
    qorkit::record("FicSDSNewServer");
    if (server == nullptr)
        return kBadObject;
    *server = makeObject(0);
    return 0;
}

QOR_KIT_EXPORT int32_t QOR_HOST_CALL FicSDSDeleteServer(HostWord server)
{
    qorkit::record("FicSDSDeleteServer");
    return deleteObject(server);
}

QOR_KIT_EXPORT int32_t QOR_HOST_CALL FicSDSFindStandardType(HostWord server, int32_t standardType, HostWord* type)
{
    qorkit::record("FicSDSFindStandardType");
    if (type == nullptr || !isLive(server))
        return kBadObject;
    *type = standardType;
    return 0;
}

QOR_KIT_EXPORT int32_t QOR_HOST_CALL FicNewObject(HostWord type, HostWord* object)
{
    qorkit::record("FicNewObject");
    if (object == nullptr)
        return kBadObject;
    *object = makeObject(int32_t(type));
    return 0;
}

QOR_KIT_EXPORT int32_t QOR_HOST_CALL FicDeleteObject(HostWord object)
{
    qorkit::record("FicDeleteObject");
    return deleteObject(object);
}

QOR_KIT_EXPORT int32_t QorKitLiveSharingObjects(void)
{
    auto& state = qorkit::engine();
    std::lock_guard<std::mutex> guard(state.mutex);
    return int32_t(state.sharingObjects.size());
}

}  // extern "C"
