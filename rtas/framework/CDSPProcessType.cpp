#include "rtas/framework/CDSPProcessType.h"

#include "rtas/framework/CDAEError.h"
#include "rtas/framework/CDSPProcess.h"
#include "rtas/framework/ErrorHelpers.h"
#include "rtas/framework/HostRequests.h"
#include "rtas/framework/ModuleState.h"
#include "rtas/framework/ResultCodes.h"
#include "rtas/framework/dsp/CDSP.h"
#include "rtas/framework/dsp/DspManagerInterface.h"
#include "rtas/framework/host/DspManagerServices.h"

#include <algorithm>
#include <memory>

namespace {

constexpr int32_t kNoDSPManager = -7027;
constexpr int32_t kManagerCannotAllocate = -7077;
constexpr int32_t kManagerMissingForInstance = -7080;

// Every entry of the host's face answers a code, never an exception.
using rtas::AnswerCode;

HostWord InstanceKey(const CDSPProcess* process)
{
    return HostWord(reinterpret_cast<uintptr_t>(process));
}

}  // namespace

int32_t CDSPProcessType::NewProcess(int32_t* index)
{
    CProcess* process = CreateBareProcess();
    if (process == nullptr)
        return rtas::kMissingObject;
    return AdoptNewProcess(process, index);
}

int32_t CDSPProcessType::NonDelegatingQueryInterface(const DOA::GUID& iid, void** object)
{
    if (object == nullptr)
        return DOA::E_NOINTERFACE;
    if (DOA::IsEqualGUID(iid, DOA::IID_IProcessType) || DOA::IsEqualGUID(iid, DOA::IID_IProcessType2)) {
        NonDelegatingAddRef();
        if (DOA::IsEqualGUID(iid, DOA::IID_IProcessType))
            *object = static_cast<IProcessType*>(this);
        else
            *object = static_cast<IProcessType2*>(this);
        return DOA::kNoError;
    }
    return DOA::CUnknown::NonDelegatingQueryInterface(iid, object);
}

// The face's unknown operations go where the type's own go: the outer object when aggregated.
int32_t CDSPProcessType::QueryInterface(const DOA::GUID& iid, void** object)
{
    return DelegatingQueryInterface(iid, object);
}

uint32_t CDSPProcessType::AddRef() { return DelegatingAddRef(); }

uint32_t CDSPProcessType::Release() { return DelegatingRelease(); }

// ---- The host's face ----

CDSPProcess& CDSPProcessType::InstanceOf(IProcess2* face)
{
    if (face != nullptr)
        for (CProcess* process : Processes())
            if (auto* dspProcess = dynamic_cast<CDSPProcess*>(process))
                if (static_cast<IProcess2*>(dspProcess) == face)
                    return *dspProcess;
    throw CDAEError(rtas::kNoSuchInstance);
}

int32_t CDSPProcessType::AcquireDSPObjectFor(IProcess2* instance)
{
    return AnswerCode([&] { return AcquireDSPObject(&InstanceOf(instance)); });
}

int32_t CDSPProcessType::ReleaseDSPObjectFor(IProcess2* instance)
{
    return AnswerCode([&] { return ReleaseDSPObject(&InstanceOf(instance)); });
}

int32_t CDSPProcessType::GetTypeIDOf(uint32_t* id)
{
    if (id == nullptr)
        return rtas::kNullAnswer;
    return AnswerCode([&] {
        *id = GetTypeID();
        return 0;
    });
}

int32_t CDSPProcessType::SetDSPManagerOf(void* manager)
{
    SetDSPManager(manager);
    return 0;
}

int32_t CDSPProcessType::GetDSPManagerOf(void** manager)
{
    if (manager == nullptr)
        return rtas::kNullAnswer;
    return AnswerCode([&] {
        *manager = GetDSPManager();
        return 0;
    });
}

int32_t CDSPProcessType::SetDSPListsOf(DSPObjectList* all, DSPObjectList* free, DSPObjectList* used)
{
    SetDSPLists(all, free, used);
    return 0;
}

int32_t CDSPProcessType::GetDSPListsOf(DSPObjectList** all, DSPObjectList** free, DSPObjectList** used)
{
    GetDSPLists(all, free, used);
    return 0;
}

int32_t CDSPProcessType::DoesLoadFitOn(CDSP* object, int32_t load, bool* fits)
{
    return AnswerCode([&] { return DoesLoadFit(object, load, fits); });
}

int32_t CDSPProcessType::DoesInstanceFitOn(IProcess2* instance, CDSP* object, bool* fits)
{
    return AnswerCode([&] { return DoesInstanceFit(&InstanceOf(instance), object, fits); });
}

int32_t CDSPProcessType::CreateBareInstance(IProcess2** instance)
{
    if (instance == nullptr)
        return rtas::kNullAnswer;
    *instance = nullptr;
    return AnswerCode([&] {
        std::unique_ptr<CProcess> process(CreateBareProcess());
        auto* dspProcess = dynamic_cast<CDSPProcess*>(process.get());
        if (dspProcess == nullptr)
            return rtas::kMissingObject;
        process.release();
        *instance = dspProcess;
        return 0;
    });
}

// ---- DSP placement ----

void* CDSPProcessType::GetDSPManager()
{
    return fManager != nullptr ? fManager : rtas::dsp::GetDSPManagerInterface();
}

void CDSPProcessType::SetDSPLists(DSPObjectList* all, DSPObjectList* free, DSPObjectList* used)
{
    fAllDSPs = all;
    fFreeDSPs = free;
    fUsedDSPs = used;
}

void CDSPProcessType::GetDSPLists(DSPObjectList** all, DSPObjectList** free, DSPObjectList** used) const
{
    if (all != nullptr)
        *all = fAllDSPs;
    if (free != nullptr)
        *free = fFreeDSPs;
    if (used != nullptr)
        *used = fUsedDSPs;
}

CDSPProcessGroup* CDSPProcessType::DSPGroup() const
{
    // Null while the group is being torn down past its DSP part: nothing is left to tell then.
    return dynamic_cast<CDSPProcessGroup*>(GetGroup());
}

int32_t CDSPProcessType::QueryHostValue(const int32_t* argument)
{
    if (argument == nullptr)
        throw CDAEError(rtas::kMissingObject);
    int32_t value = 0;
    rtas::ThrowCodeIfNonZero(rtas::SendHostQuery(rtas::GetHostCallback(), *argument, &value));
    return value;
}

int32_t CDSPProcessType::RegisterInstance(CDSPProcess* process)
{
    void* manager = GetDSPManager();
    if (manager == nullptr)
        return rtas::IsOpenedThroughWinPlugInOpen() ? 0 : kManagerMissingForInstance;
    return DspManagerTableOf(manager).registerInstance(manager, InstanceKey(process));
}

void CDSPProcessType::UnregisterInstance(CDSPProcess* process)
{
    void* manager = GetDSPManager();
    if (manager == nullptr)
        throw CDAEError(kManagerMissingForInstance);
    rtas::ThrowIfError(DspManagerTableOf(manager).unregisterInstance(manager, InstanceKey(process)));
}

int32_t CDSPProcessType::AcquireDSPObject(CDSPProcess* process)
{
    if (process == nullptr)
        return rtas::kMissingObject;
    // The manager hears of the instance before it is asked for room for it; without a manager only a plug-in
    // opened through WinPlugInOpen gets past this (and then finds no manager to place it).
    const int32_t registered = RegisterInstance(process);
    if (registered != 0)
        return registered;
    void* manager = GetDSPManager();
    if (manager == nullptr)
        return kNoDSPManager;
    const DspManagerTable& table = DspManagerTableOf(manager);
    // An instance that ends up on no DSP is forgotten again, so a later acquire can register it anew.
    auto forget = [&] { table.unregisterInstance(manager, InstanceKey(process)); };
    CDSPProcessGroup* group = DSPGroup();
    if (group == nullptr) {
        forget();
        return rtas::kMissingObject;
    }
    HostWord dsp = 0;
    if (table.allocateDSP(manager, InstanceKey(process), process->GetDSPLoad(), &dsp) != 0 || dsp == 0) {
        forget();
        return kManagerCannotAllocate;
    }
    CDSP* object = nullptr;
    try {
        object = group->AttachDSP(dsp);
    } catch (...) {
        // The room goes back: no instance will run there.
        table.freeDSP(manager, InstanceKey(process));
        forget();
        throw;
    }
    DSPObjectList* all = nullptr;
    group->GetDSPLists(&all, nullptr, nullptr);
    const auto position = std::find(all->begin(), all->end(), object) - all->begin();
    process->SetDSPObject(object, int32_t(position));
    return 0;
}

int32_t CDSPProcessType::ReleaseDSPObject(CDSPProcess* process)
{
    if (process == nullptr || process->GetDSPObject() == nullptr)
        return 0;
    int32_t result = 0;
    if (void* manager = GetDSPManager())
        result = DspManagerTableOf(manager).freeDSP(manager, InstanceKey(process));
    // Detached first: a manager that cannot forget the instance leaves no object behind on it.
    process->SetDSPObject(nullptr, -1);
    UnregisterInstance(process);
    return result;
}

int32_t CDSPProcessType::DoesLoadFit(const CDSP* object, int32_t load, bool* fits)
{
    if (fits != nullptr)
        *fits = false;
    if (object == nullptr || fits == nullptr)
        return rtas::kMissingObject;
    void* manager = GetDSPManager();
    if (manager == nullptr)
        return kNoDSPManager;
    int32_t free = 0;
    const int32_t result = DspManagerTableOf(manager).getFreeCapacity(manager, object->GetDSP(), &free);
    if (result != 0)
        return result;
    *fits = free >= load;
    return 0;
}

int32_t CDSPProcessType::DoesInstanceFit(CDSPProcess* process, const CDSP* object, bool* fits)
{
    if (process == nullptr) {
        if (fits != nullptr)
            *fits = false;
        return rtas::kMissingObject;
    }
    return DoesLoadFit(object, process->GetDSPLoad(), fits);
}

int32_t CDSPProcessType::SumDSPLoad()
{
    int32_t load = 0;
    for (CProcess* process : Processes())
        if (auto* dspProcess = dynamic_cast<CDSPProcess*>(process))
            load += dspProcess->GetDSPLoad();
    return load;
}

bool CDSPProcessType::UsesDSPObject(const CDSP* object)
{
    for (CProcess* process : Processes())
        if (auto* dspProcess = dynamic_cast<CDSPProcess*>(process))
            if (dspProcess->GetDSPObject() == object)
                return true;
    return false;
}
