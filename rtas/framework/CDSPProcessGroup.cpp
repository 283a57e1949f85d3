#include "rtas/framework/CDSPProcessGroup.h"

#include "rtas/framework/ResultCodes.h"

int32_t CDSPProcessGroup::NonDelegatingQueryInterface(const DOA::GUID& iid, void** object)
{
    if (DOA::IsEqualGUID(iid, DOA::IID_IProcessGroup)) {
        NonDelegatingAddRef();
        *object = static_cast<CProcessGroupInterface*>(this);
        return DOA::kNoError;
    }
    return DOA::CUnknown::NonDelegatingQueryInterface(iid, object);
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
    if (kind == 1)
        return GetEffectName(16, answer);
    return -1;
}
