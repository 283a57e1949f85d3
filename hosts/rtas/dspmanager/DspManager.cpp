// The stand-in DSPManager.dll. By default a host that manages no DSPs; a test can offer a manager, a component
// object whose query for the plug-in's manager interface answers itself. The kit counts the references held on it
// so a test sees whether the plug-in keeps one.
#include "hosts/rtas/KitDspControl.h"
#include "hosts/rtas/KitExport.h"
#include "hosts/rtas/KitLog.h"
#include "rtas/framework/host/DspManagerServices.h"

#include <cstring>

namespace {

// {27B87CA0-2294-11D2-817A-0160089A8916} in memory order.
constexpr unsigned char kManagerInterface[16] = {0xA0, 0x7C, 0xB8, 0x27, 0x94, 0x22, 0xD2, 0x11,
                                                 0x81, 0x7A, 0x01, 0x60, 0x08, 0x9A, 0x89, 0x16};
constexpr int32_t kNoInterface = int32_t(0x80004002u);

struct Manager;

struct ManagerTable
{
    int32_t(QOR_HOST_CALL* queryInterface)(Manager*, const void*, void**);
    uint32_t(QOR_HOST_CALL* addRef)(Manager*);
    uint32_t(QOR_HOST_CALL* release)(Manager*);
};

struct Manager
{
    const ManagerTable* table;
};

struct State
{
    bool offered = false;
    bool answersInterface = true;
    int32_t references = 0;
};

State& state()
{
    static State instance;
    return instance;
}

uint32_t QOR_HOST_CALL addRef(Manager*)
{
    return uint32_t(++state().references);
}

uint32_t QOR_HOST_CALL release(Manager*)
{
    return uint32_t(--state().references);
}

int32_t QOR_HOST_CALL queryInterface(Manager* self, const void* iid, void** object)
{
    if (object == nullptr)
        return kNoInterface;
    *object = nullptr;
    if (!state().answersInterface || iid == nullptr || std::memcmp(iid, kManagerInterface, 16) != 0)
        return kNoInterface;
    addRef(self);
    *object = self;
    return 0;
}

const ManagerTable kTable = {queryInterface, addRef, release};
Manager gManager = {&kTable};

}  // namespace

extern "C" {

QOR_KIT_EXPORT void* QOR_HOST_CALL GetDSPManager(void)
{
    qorkit::record("GetDSPManager");
    if (!state().offered)
        return nullptr;
    addRef(&gManager);
    return &gManager;
}

QOR_KIT_EXPORT void QorKitDspManagerOffer(int32_t offered, int32_t answersInterface)
{
    state().offered = offered != 0;
    state().answersInterface = answersInterface != 0;
}

QOR_KIT_EXPORT int32_t QorKitDspManagerReferences(void)
{
    return state().references;
}

}  // extern "C"
