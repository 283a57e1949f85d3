// The stand-in DSPManager.dll. By default a host that manages no DSPs; a test can offer a manager, a component
// object whose query for the plug-in's manager interface answers itself. The kit counts the references held on it
// so a test sees whether the plug-in keeps one. The manager hands out room on the DSPs a test gives it (each with a
// capacity in percent), first DSP with room first, and keeps which instance holds how much where.
#include "hosts/rtas/KitDspControl.h"
#include "hosts/rtas/KitExport.h"
#include "hosts/rtas/KitLog.h"
#include "rtas/framework/host/DspManagerServices.h"

#include <cstring>
#include <map>
#include <set>
#include <vector>

namespace {

// {27B87CA0-2294-11D2-817A-0160089A8916} in memory order.
constexpr unsigned char kManagerInterface[16] = {0xA0, 0x7C, 0xB8, 0x27, 0x94, 0x22, 0xD2, 0x11,
                                                 0x81, 0x7A, 0x01, 0x60, 0x08, 0x9A, 0x89, 0x16};
constexpr int32_t kNoInterface = int32_t(0x80004002u);
constexpr int32_t kNoRoom = -1;
constexpr int32_t kUnknown = -2;

struct Manager
{
    const DspManagerTable* table;
};

struct ManagedDsp
{
    HostWord dsp = 0;
    int32_t freePercent = 0;
};

struct Reservation
{
    HostWord dsp = 0;
    int32_t load = 0;
};

struct State
{
    bool offered = false;
    bool answersInterface = true;
    int32_t references = 0;
    std::vector<ManagedDsp> dsps;
    std::set<HostWord> registered;
    std::map<HostWord, Reservation> reservations;
};

State& state()
{
    static State instance;
    return instance;
}

ManagedDsp* findManaged(HostWord dsp)
{
    for (ManagedDsp& managed : state().dsps)
        if (managed.dsp == dsp)
            return &managed;
    return nullptr;
}

uint32_t QOR_HOST_CALL addRef(void*)
{
    return uint32_t(++state().references);
}

uint32_t QOR_HOST_CALL release(void*)
{
    return uint32_t(--state().references);
}

int32_t QOR_HOST_CALL queryInterface(void* self, const void* iid, void** object)
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

int32_t QOR_HOST_CALL registerInstance(void*, HostWord instance)
{
    qorkit::record("DspManager registerInstance");
    return state().registered.insert(instance).second ? 0 : kUnknown;
}

int32_t QOR_HOST_CALL unregisterInstance(void*, HostWord instance)
{
    qorkit::record("DspManager unregisterInstance");
    return state().registered.erase(instance) != 0 ? 0 : kUnknown;
}

int32_t QOR_HOST_CALL freeDSP(void*, HostWord instance)
{
    qorkit::record("DspManager freeDSP");
    auto found = state().reservations.find(instance);
    if (found == state().reservations.end())
        return 0;
    if (ManagedDsp* managed = findManaged(found->second.dsp))
        managed->freePercent += found->second.load;
    state().reservations.erase(found);
    return 0;
}

int32_t QOR_HOST_CALL allocateDSP(void* self, HostWord instance, int32_t load, HostWord* dsp)
{
    qorkit::record("DspManager allocateDSP");
    if (dsp == nullptr || load < 0)
        return kUnknown;
    *dsp = 0;
    // A second reservation for the same instance replaces the first.
    freeDSP(self, instance);
    for (ManagedDsp& managed : state().dsps)
        if (managed.freePercent >= load) {
            managed.freePercent -= load;
            state().reservations[instance] = {managed.dsp, load};
            *dsp = managed.dsp;
            return 0;
        }
    return kNoRoom;
}

int32_t QOR_HOST_CALL getFreeCapacity(void*, HostWord dsp, int32_t* percent)
{
    qorkit::record("DspManager getFreeCapacity");
    const ManagedDsp* managed = findManaged(dsp);
    if (managed == nullptr || percent == nullptr)
        return kUnknown;
    *percent = managed->freePercent;
    return 0;
}

int32_t QOR_HOST_CALL countDSPs(void*, int32_t* count)
{
    qorkit::record("DspManager countDSPs");
    if (count == nullptr)
        return kUnknown;
    *count = int32_t(state().dsps.size());
    return 0;
}

const DspManagerTable kTable = {queryInterface,  addRef,  release,         registerInstance, unregisterInstance,
                                allocateDSP,     freeDSP, getFreeCapacity, countDSPs};
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
    if (!state().offered) {
        state().dsps.clear();
        state().registered.clear();
        state().reservations.clear();
    }
}

QOR_KIT_EXPORT int32_t QorKitDspManagerReferences(void)
{
    return state().references;
}

QOR_KIT_EXPORT void QorKitDspManagerAddDsp(HostWord dsp, int32_t capacityPercent)
{
    state().dsps.push_back({dsp, capacityPercent});
}

QOR_KIT_EXPORT int32_t QorKitDspManagerFreeCapacity(HostWord dsp)
{
    const ManagedDsp* managed = findManaged(dsp);
    return managed != nullptr ? managed->freePercent : -1;
}

QOR_KIT_EXPORT int32_t QorKitDspManagerRegistered(void)
{
    return int32_t(state().registered.size());
}

QOR_KIT_EXPORT int32_t QorKitDspManagerReservations(void)
{
    return int32_t(state().reservations.size());
}

}  // extern "C"
