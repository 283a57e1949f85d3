#include "rtas/framework/CDSPProcessGroup.h"

#include "rtas/framework/CDAEError.h"
#include "rtas/framework/CDSPProcessType.h"
#include "rtas/framework/ErrorHelpers.h"
#include "rtas/framework/HostRequests.h"
#include "rtas/framework/ModuleState.h"
#include "rtas/framework/ResultCodes.h"
#include "rtas/framework/dsp/CDSP.h"
#include "rtas/framework/dsp/DsiQueries.h"
#include "rtas/framework/dsp/DspManagerInterface.h"
#include "rtas/framework/dsp/GetNewCProcessDSP.h"
#include "rtas/framework/host/DspManagerServices.h"
#include "rtas/framework/host/DspSystemServices.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr int32_t kGroupInfoName = 1;
constexpr int32_t kGroupInfoDSPLoad = 4;
constexpr int32_t kGroupInfoNameLength = 16;

void Remove(DSPObjectList* list, const CDSP* object)
{
    if (list != nullptr)
        list->erase(std::remove(list->begin(), list->end(), object), list->end());
}

bool Holds(const DSPObjectList* list, const CDSP* object)
{
    return list != nullptr && std::find(list->begin(), list->end(), object) != list->end();
}

// Hands the DSP back to the standard shell when this object is its client; false when it does not go. A DSP the
// object never loaded code into runs someone else's shell, or the standard list already: nothing to hand back.
bool DetachQuietly(CDSP* object)
{
    if (object->GetDSP() == 0)
        return true;
    HostWord client = 0;
    if (rtas::dsp::GetDSPClientVal(object->GetDSP(), &client, object->IsDSIMode()) != 0 ||
        client != HostWord(reinterpret_cast<uintptr_t>(object)))
        return true;
    try {
        return object->Detach() == 0;
    } catch (...) {
        return false;
    }
}

}  // namespace

CDSPProcessGroup::CDSPProcessGroup() = default;

CDSPProcessGroup::~CDSPProcessGroup()
{
    // The instances let go of their DSP objects while the objects and this group still stand.
    ReleaseTypes();
    DeleteDSPLists();
}

int32_t CDSPProcessGroup::NonDelegatingQueryInterface(const DOA::GUID& iid, void** object)
{
    if (object == nullptr)
        return DOA::E_NOINTERFACE;
    if (DOA::IsEqualGUID(iid, DOA::IID_IProcessGroup)) {
        NonDelegatingAddRef();
        *object = static_cast<IProcessGroup*>(this);
        return DOA::kNoError;
    }
    return DOA::CUnknown::NonDelegatingQueryInterface(iid, object);
}

int32_t CDSPProcessGroup::Initialize()
{
    try {
        CreateDSPLists();
        StartDSPDriver();
        const int32_t result = CProcessGroup::Initialize();
        if (result != 0)
            return result;
        HandDSPListsToTypes();
        return 0;
    } catch (...) {
        DeleteDSPLists();
        throw;
    }
}

int32_t CDSPProcessGroup::DeleteProcess(uint32_t typeNumber, int32_t index)
{
    const int32_t result = CProcessGroup::DeleteProcess(typeNumber, index);
    if (result != 0)
        return result;
    return ReleaseUnusedDSPObjects();
}

int32_t CDSPProcessGroup::HostQuery35(int32_t question, int32_t* answer)
{
    try {
        return CProcessGroup::HostQuery35(question, answer);
    } catch (...) {
        return rtas::kUnexpected;
    }
}

int32_t CDSPProcessGroup::HostQuery136(int32_t kind, int32_t count, int32_t* first, int32_t* second)
{
    try {
        rtas::ClearAnswers(first, second);
        if (kind == 21 && count > 0) {
            if (first != nullptr)
                *first = 1;
            if (second != nullptr)
                *second = 27;
        }
        return 0;
    } catch (...) {
        return rtas::kUnexpected;
    }
}

int32_t CDSPProcessGroup::GetGroupInfo(int32_t kind, unsigned char* answer)
{
    if (kind == kGroupInfoName)
        return GetEffectName(kGroupInfoNameLength, answer);
    if (kind == kGroupInfoDSPLoad) {
        if (answer == nullptr)
            return rtas::kNullAnswer;
        const int32_t load = GetDSPLoadOfAllInstances();
        std::memcpy(answer, &load, sizeof load);
        return 0;
    }
    return -1;
}

// ---- DSP objects ----

template <typename F>
void CDSPProcessGroup::ForEachDSPType(F f)
{
    if (!HasTypeList())
        return;
    for (CProcessType* type : Types())
        if (auto* dspType = dynamic_cast<CDSPProcessType*>(type))
            f(*dspType);
}

void CDSPProcessGroup::CreateDSPLists()
{
    if (!fAllDSPs)
        fAllDSPs = std::make_unique<DSPObjectList>();
    if (!fFreeDSPs)
        fFreeDSPs = std::make_unique<DSPObjectList>();
    if (!fUsedDSPs)
        fUsedDSPs = std::make_unique<DSPObjectList>();
}

void CDSPProcessGroup::DeleteDSPLists()
{
    // Types that still point at the lists must not keep pointers into freed memory.
    ForEachDSPType([](CDSPProcessType& type) { type.SetDSPLists(nullptr, nullptr, nullptr); });
    if (fAllDSPs)
        for (CDSP* object : *fAllDSPs) {
            DetachQuietly(object);
            delete object;
        }
    fAllDSPs.reset();
    fFreeDSPs.reset();
    fUsedDSPs.reset();
}

int32_t CDSPProcessGroup::StartDSPDriver()
{
    fDriverResult = int32_t(InitSADriver());
    return fDriverResult;
}

void CDSPProcessGroup::HandDSPListsToTypes()
{
    void* manager = rtas::dsp::GetDSPManagerInterface();
    ForEachDSPType([&](CDSPProcessType& type) {
        type.SetDSPLists(fAllDSPs.get(), fFreeDSPs.get(), fUsedDSPs.get());
        type.SetDSPManager(manager);
    });
}

void CDSPProcessGroup::GetDSPLists(DSPObjectList** all, DSPObjectList** free, DSPObjectList** used)
{
    if (all != nullptr)
        *all = fAllDSPs.get();
    if (free != nullptr)
        *free = fFreeDSPs.get();
    if (used != nullptr)
        *used = fUsedDSPs.get();
}

CDSP* CDSPProcessGroup::FindDSPObject(HostWord dsp) const
{
    if (!fAllDSPs || dsp == 0)
        return nullptr;
    for (CDSP* object : *fAllDSPs)
        if (object->GetDSP() == dsp)
            return object;
    return nullptr;
}

CDSP* CDSPProcessGroup::AttachDSP(HostWord dsp)
{
    if (dsp == 0)
        throw CDAEError(rtas::kMissingObject);
    CreateDSPLists();
    if (CDSP* found = FindDSPObject(dsp))
        return found;
    std::unique_ptr<CDSP> object(GetNewCProcessDSP(dsp));
    rtas::ThrowIfError(object->Attach(dsp));
    // Room in all three lists first, so that no list can fail to take the object once it is in another.
    fAllDSPs->reserve(fAllDSPs->size() + 1);
    fFreeDSPs->reserve(fFreeDSPs->size() + 1);
    fUsedDSPs->reserve(fUsedDSPs->size() + 1);
    fAllDSPs->push_back(object.get());
    fFreeDSPs->push_back(object.get());
    return object.release();
}

bool CDSPProcessGroup::IsDSPObjectInUse(const CDSP* object)
{
    bool used = false;
    ForEachDSPType([&](CDSPProcessType& type) { used = used || type.UsesDSPObject(object); });
    return used;
}

void CDSPProcessGroup::UpdateDSPObjectUse(CDSP* object)
{
    if (object == nullptr || !Holds(fAllDSPs.get(), object))
        return;
    const bool used = IsDSPObjectInUse(object);
    DSPObjectList* to = used ? fUsedDSPs.get() : fFreeDSPs.get();
    Remove(used ? fFreeDSPs.get() : fUsedDSPs.get(), object);
    if (!Holds(to, object))
        to->push_back(object);
}

int32_t CDSPProcessGroup::ReleaseUnusedDSPObjects()
{
    if (!fAllDSPs)
        return 0;
    for (size_t i = 0; i < fAllDSPs->size();) {
        CDSP* object = (*fAllDSPs)[i];
        if (IsDSPObjectInUse(object)) {
            ++i;
            continue;
        }
        if (!DetachQuietly(object))
            return rtas::kDSPObjectFailure;
        fAllDSPs->erase(fAllDSPs->begin() + std::ptrdiff_t(i));
        Remove(fFreeDSPs.get(), object);
        Remove(fUsedDSPs.get(), object);
        delete object;
    }
    return 0;
}

int32_t CDSPProcessGroup::GetDSPLoadOfAllInstances()
{
    int32_t load = 0;
    ForEachDSPType([&](CDSPProcessType& type) { load += type.SumDSPLoad(); });
    return load;
}

int32_t CDSPProcessGroup::GetManagerDSPCount(int32_t* count)
{
    if (count == nullptr)
        return rtas::kNullAnswer;
    *count = 0;
    void* manager = rtas::dsp::GetDSPManagerInterface();
    if (manager == nullptr)
        return 0;
    return DspManagerTableOf(manager).countDSPs(manager, count);
}

int32_t CDSPProcessGroup::GetManagerFreeCapacity(HostWord dsp, int32_t* percent)
{
    if (percent == nullptr)
        return rtas::kNullAnswer;
    *percent = 0;
    void* manager = rtas::dsp::GetDSPManagerInterface();
    if (manager == nullptr)
        return 0;
    return DspManagerTableOf(manager).getFreeCapacity(manager, dsp, percent);
}

int32_t CDSPProcessGroup::SendDSPGroupRequest(int32_t a, int32_t b, int32_t c)
{
    return rtas::SendHostDSPGroupRequest(rtas::GetHostCallback(), a, b, c);
}
