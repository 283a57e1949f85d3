// The host's description of one channel configuration (a component): its render-context fields, its properties and
// its render callback.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "aax/library/AAX_Types.h"
#include "aax/library/AAX_VPropertyMap.h"
#include "hosts/aax/AcfTables.h"

class AAX_IComponentDescriptor
{
public:
    virtual ~AAX_IComponentDescriptor() = default;
    // The thread that registers the plug-in.
    virtual AAX_Result AddAudioIn(AAX_CFieldIndex field) = 0;
    virtual AAX_Result AddAudioOut(AAX_CFieldIndex field) = 0;
    virtual AAX_Result AddAudioBufferLength(AAX_CFieldIndex field) = 0;
    virtual AAX_Result AddDataInPort(AAX_CFieldIndex field, uint32_t packetSize, int32_t bufferingKind) = 0;
    virtual AAX_Result AddPrivateData(AAX_CFieldIndex field, int32_t size, int32_t options) = 0;
    virtual AAX_IPropertyMap* NewPropertyMap() = 0;
    virtual AAX_IPropertyMap* DuplicatePropertyMap(const AAX_IPropertyMap* map) = 0;
    virtual AAX_Result AddProcessProc(acf::RenderCallback callback, AAX_IPropertyMap* properties) = 0;
};

class AAX_VComponentDescriptor final : public AAX_IComponentDescriptor
{
public:
    explicit AAX_VComponentDescriptor(void* hostUnknown);
    ~AAX_VComponentDescriptor() override;
    AAX_VComponentDescriptor(const AAX_VComponentDescriptor&) = delete;
    AAX_VComponentDescriptor& operator=(const AAX_VComponentDescriptor&) = delete;

    AAX_Result AddAudioIn(AAX_CFieldIndex field) override;
    AAX_Result AddAudioOut(AAX_CFieldIndex field) override;
    AAX_Result AddAudioBufferLength(AAX_CFieldIndex field) override;
    AAX_Result AddDataInPort(AAX_CFieldIndex field, uint32_t packetSize, int32_t bufferingKind) override;
    AAX_Result AddPrivateData(AAX_CFieldIndex field, int32_t size, int32_t options) override;
    AAX_IPropertyMap* NewPropertyMap() override;
    // A new map holding every property numbered 10..351 that the given map holds.
    AAX_IPropertyMap* DuplicatePropertyMap(const AAX_IPropertyMap* map) override;
    AAX_Result AddProcessProc(acf::RenderCallback callback, AAX_IPropertyMap* properties) override;

    void* HostInterface() const { return descriptor_; }

private:
    const acf::ComponentDescriptorTable* table() const;

    void* hostUnknown_ = nullptr;
    void* descriptor_ = nullptr;
    void* descriptor2_ = nullptr;
    std::vector<std::unique_ptr<AAX_VPropertyMap>> propertyMaps_;
};
