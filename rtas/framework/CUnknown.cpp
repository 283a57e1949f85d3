#include "rtas/framework/CUnknown.h"

#include <cstring>

namespace DOA {
namespace {

int32_t gLiveObjects = 0;

}  // namespace

bool IsEqualGUID(const GUID& a, const GUID& b)
{
    return a.data1 == b.data1 && a.data2 == b.data2 && a.data3 == b.data3 &&
           std::memcmp(a.data4, b.data4, sizeof a.data4) == 0;
}

CUnknown::CUnknown() { ++gLiveObjects; }

CUnknown::CUnknown(IUnknown* outer) : fOuter(outer) { ++gLiveObjects; }

CUnknown::~CUnknown() { --gLiveObjects; }

int32_t CUnknown::NonDelegatingQueryInterface(const GUID& iid, void** object)
{
    if (IsEqualGUID(iid, IID_IUnknown)) {
        NonDelegatingAddRef();
        *object = static_cast<INondelegatingUnknown*>(this);
        return kNoError;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

uint32_t CUnknown::NonDelegatingAddRef() { return uint32_t(++fReferences); }

uint32_t CUnknown::NonDelegatingRelease()
{
    if (--fReferences == 0) {
        delete this;
        return 0;
    }
    return uint32_t(fReferences);
}

int32_t CUnknown::GetLiveObjectCount() { return gLiveObjects; }

int32_t CUnknown::DelegatingQueryInterface(const GUID& iid, void** object)
{
    if (fOuter != nullptr)
        return fOuter->QueryInterface(iid, object);
    return NonDelegatingQueryInterface(iid, object);
}

uint32_t CUnknown::DelegatingAddRef()
{
    if (fOuter != nullptr)
        return fOuter->AddRef();
    return NonDelegatingAddRef();
}

uint32_t CUnknown::DelegatingRelease()
{
    if (fOuter != nullptr)
        return fOuter->Release();
    return NonDelegatingRelease();
}

}  // namespace DOA
