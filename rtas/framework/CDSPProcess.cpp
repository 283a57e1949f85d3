#include "rtas/framework/CDSPProcess.h"

#include "rtas/framework/CDAEError.h"
#include "rtas/framework/ErrorHelpers.h"
#include "rtas/framework/CDSPProcessType.h"
#include "rtas/framework/CProcessGroupInterface.h"
#include "rtas/framework/CProcessType.h"
#include "rtas/framework/ModuleState.h"
#include "rtas/framework/ResultCodes.h"
#include "rtas/framework/dsp/CDSP.h"

namespace {

constexpr int32_t kRealTimeKind = 3;
constexpr int32_t kOwnStems = -3;
constexpr int32_t kNoTypeForSpec = -7055;

// Every entry of the host's face answers a code, never an exception.
using rtas::AnswerCode;

}  // namespace

CDSPProcess::CDSPProcess() = default;

CDSPProcess::~CDSPProcess() = default;

int32_t CDSPProcess::NonDelegatingQueryInterface(const DOA::GUID& iid, void** object)
{
    if (object == nullptr)
        return DOA::E_NOINTERFACE;
    if (DOA::IsEqualGUID(iid, DOA::IID_IProcess) || DOA::IsEqualGUID(iid, DOA::IID_IProcess2)) {
        NonDelegatingAddRef();
        if (DOA::IsEqualGUID(iid, DOA::IID_IProcess))
            *object = static_cast<IProcess*>(this);
        else
            *object = static_cast<IProcess2*>(this);
        return DOA::kNoError;
    }
    return CProcess::NonDelegatingQueryInterface(iid, object);
}

// The face's unknown operations go where the instance's own go: the outer object when aggregated.
int32_t CDSPProcess::QueryInterface(const DOA::GUID& iid, void** object)
{
    return DelegatingQueryInterface(iid, object);
}

uint32_t CDSPProcess::AddRef() { return DelegatingAddRef(); }

uint32_t CDSPProcess::Release() { return DelegatingRelease(); }

CDSPProcessType* CDSPProcess::GetDSPProcessType() const
{
    return dynamic_cast<CDSPProcessType*>(GetProcessType());
}

void CDSPProcess::NoteDSPObjectUse(CDSP* object)
{
    if (object == nullptr)
        return;
    CDSPProcessType* type = GetDSPProcessType();
    if (auto* group = type != nullptr ? dynamic_cast<CDSPProcessGroup*>(type->GetGroup()) : nullptr)
        group->UpdateDSPObjectUse(object);
}

int32_t CDSPProcess::AttachDSPObject(CDSP* dsp)
{
    return AnswerCode([&] {
        // The host hands back a pointer it had from the library: only a DSP object that still lives is taken.
        if (dsp != nullptr && CDSP::FindLive(HostWord(reinterpret_cast<uintptr_t>(dsp))) == nullptr)
            return rtas::kMissingObject;
        CDSP* previous = fDSP;
        fDSP = dsp;
        fPrepared = dsp != nullptr;
        if (previous != dsp) {
            NoteDSPObjectUse(previous);
            NoteDSPObjectUse(dsp);
        }
        return 0;
    });
}

int32_t CDSPProcess::SetDSPIndex(int32_t index)
{
    fDSPIndex = index;
    return 0;
}

int32_t CDSPProcess::SetDSPObject(CDSP* dsp, int32_t index)
{
    const int32_t attached = AttachDSPObject(dsp);
    if (attached != 0)
        return attached;
    return SetDSPIndex(index);
}

void CDSPProcess::Uninitialize()
{
    if (fDSP != nullptr) {
        // The manager gets the instance's room back and the group sees the object's use end.
        CDSPProcessType* type = GetDSPProcessType();
        try {
            if (type != nullptr)
                type->ReleaseDSPObject(this);
        } catch (...) {
        }
        SetDSPObject(nullptr, -1);
    }
    fDSP = nullptr;
    fDSPIndex = -1;
    fPrepared = false;
    CProcess::Uninitialize();
}

int32_t CDSPProcess::GetNumInputsOrThrow() const
{
    const int32_t count = GetNumInputs();
    if (count < 0)
        throw CDAEError(int16_t(count));
    return count;
}

int32_t CDSPProcess::GetNumOutputsOrThrow() const
{
    const int32_t count = GetNumOutputs();
    if (count < 0)
        throw CDAEError(int16_t(count));
    return count;
}

void CDSPProcess::FillPlugInSpec(SFicPlugInSpec* spec)
{
    CProcessGroupInterface* group = rtas::GetModuleGroup();
    if (spec == nullptr || group == nullptr)
        throw CDAEError(rtas::kMissingObject);
    SFicTypeIdentity identity{};
    const auto typeNumber = uint32_t(GetFirstIdentifier());
    const int32_t found = group->GetTypeIDs(typeNumber, &spec->manufacturerID, &spec->typeID, &identity);
    if (found != 0)
        throw CDAEError(int16_t(found));
    spec->typeNumber = int32_t(typeNumber);
    const CProcessType* type = GetProcessType();
    if (type == nullptr || type->GetKind() != kRealTimeKind)
        return;
    SFicPlugInSpec copy = *spec;
    copy.inputStem = kOwnStems;
    const int32_t result = group->FindTypeForSpec(&copy);
    if (result == 0)
        *spec = copy;
    else if (result != kNoTypeForSpec)
        throw CDAEError(int16_t(result));
}

int32_t CDSPProcess::DescribeSpec(SFicPlugInSpec* spec)
{
    return AnswerCode([&] {
        FillPlugInSpec(spec);
        return 0;
    });
}

int32_t CDSPProcess::DescribeInputs(int32_t* count)
{
    return AnswerCode([&] {
        if (count == nullptr)
            return rtas::kMissingObject;
        *count = GetNumInputsOrThrow();
        return 0;
    });
}

int32_t CDSPProcess::DescribeOutputs(int32_t* count)
{
    return AnswerCode([&] {
        if (count == nullptr)
            return rtas::kMissingObject;
        *count = GetNumOutputsOrThrow();
        return 0;
    });
}

int32_t CDSPProcess::DescribeLatency(int32_t* samples)
{
    return AnswerCode([&] { return GetDelaySamples(samples); });
}
