#include "rtas/framework/CDSPProcessType.h"

#include "rtas/framework/ResultCodes.h"

int32_t CDSPProcessType::NewProcess(int32_t* index)
{
    CProcess* process = CreateBareProcess();
    if (process == nullptr)
        return rtas::kMissingObject;
    return AdoptNewProcess(process, index);
}

int32_t CDSPProcessType::NonDelegatingQueryInterface(const DOA::GUID& iid, void** object)
{
    if (DOA::IsEqualGUID(iid, DOA::IID_IProcessType) || DOA::IsEqualGUID(iid, DOA::IID_IProcessType2)) {
        NonDelegatingAddRef();
        *object = static_cast<CProcessType*>(this);
        return DOA::kNoError;
    }
    return DOA::CUnknown::NonDelegatingQueryInterface(iid, object);
}
