// A property map of the host (numbered 32-bit properties of a component or an effect), behind the library's own
// interface. Built on the host unknown through its component factory.
#pragma once

#include <cstdint>

#include "aax/library/AAX_Types.h"

class AAX_IPropertyMap
{
public:
    virtual ~AAX_IPropertyMap() = default;
    // Any host thread during description. True when the map holds the property.
    virtual bool GetProperty(uint32_t number, int32_t* value) const = 0;
    virtual AAX_Result AddProperty(uint32_t number, int32_t value) = 0;
    // The host's operations 5, 6 and 7, which the library only passes through; 7 answers a yes or no.
    virtual AAX_Result HostOperation5(void* a) = 0;
    virtual AAX_Result HostOperation6(void* a) = 0;
    virtual bool HostOperation7(void* a) = 0;
};

class AAX_VPropertyMap final : public AAX_IPropertyMap
{
public:
    explicit AAX_VPropertyMap(void* hostUnknown);
    ~AAX_VPropertyMap() override;
    AAX_VPropertyMap(const AAX_VPropertyMap&) = delete;
    AAX_VPropertyMap& operator=(const AAX_VPropertyMap&) = delete;

    bool GetProperty(uint32_t number, int32_t* value) const override;
    AAX_Result AddProperty(uint32_t number, int32_t value) override;
    // -20004 without the host's interface; 6 and 7, on its second interface, -20009 and false without that.
    AAX_Result HostOperation5(void* a) override;
    AAX_Result HostOperation6(void* a) override;
    bool HostOperation7(void* a) override;

    // The host interface that stands for this proxy when it is passed to the host.
    void* HostInterface() const { return map_; }

private:
    void* map_ = nullptr;
    void* map2_ = nullptr;
};

// The host interface behind a property-map proxy (null for null or a map of another kind).
void* HostInterfaceOf(const AAX_IPropertyMap* map);
