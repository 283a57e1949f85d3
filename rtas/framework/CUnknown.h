// Reference-counted objects in the component-object style through which the host holds groups, types and
// instances. CUnknown implements the count and the interface query, and can be aggregated: queries made through an
// outer object are its own.
#pragma once

#include "rtas/framework/host/PlugInRoutines.h"

#include <cstdint>

namespace DOA {

using GUID = HostGUID;

constexpr int32_t kNoError = 0;
constexpr int32_t E_NOINTERFACE = int32_t(0x80004002u);

bool IsEqualGUID(const GUID& a, const GUID& b);

// {00000000-0000-0000-C000-000000000046}
constexpr GUID IID_IUnknown = {0x00000000, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

class IUnknown
{
public:
    virtual int32_t QueryInterface(const GUID& iid, void** object) = 0;
    virtual uint32_t AddRef() = 0;
    virtual uint32_t Release() = 0;

protected:
    ~IUnknown() = default;
};

class INondelegatingUnknown
{
public:
    virtual int32_t NonDelegatingQueryInterface(const GUID& iid, void** object) = 0;
    virtual uint32_t NonDelegatingAddRef() = 0;
    virtual uint32_t NonDelegatingRelease() = 0;
    virtual ~INondelegatingUnknown() = default;
};

class CUnknown : public INondelegatingUnknown
{
public:
    CUnknown();
    // outer: the aggregating object, or null to stand alone.
    explicit CUnknown(IUnknown* outer);
    ~CUnknown() override;

    int32_t NonDelegatingQueryInterface(const GUID& iid, void** object) override;
    uint32_t NonDelegatingAddRef() override;
    uint32_t NonDelegatingRelease() override;

    // What an interface face of the object answers for its unknown operations: the outer object's when aggregated,
    // the object's own otherwise.
    int32_t DelegatingQueryInterface(const GUID& iid, void** object);
    uint32_t DelegatingAddRef();
    uint32_t DelegatingRelease();

    // The object that answers queries for this one: the outer object, or null when standing alone.
    IUnknown* GetOuterUnknown() const { return fOuter; }
    int32_t GetReferenceCount() const { return fReferences; }

    // Live CUnknown objects in this module.
    static int32_t GetLiveObjectCount();

private:
    int32_t fReferences = 1;
    IUnknown* fOuter = nullptr;
};

}  // namespace DOA
