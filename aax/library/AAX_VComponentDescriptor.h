// The host's description of one channel configuration (a component): its render-context fields, its properties and
// its render callback, and the host's further operations, which the library only passes through (HostOperationN is
// the host's operation N; a property map among their arguments reaches the host as its host interface).
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
    virtual AAX_Result HostOperation3(void* a) = 0;
    virtual AAX_Result AddAudioIn(AAX_CFieldIndex field) = 0;
    virtual AAX_Result AddAudioOut(AAX_CFieldIndex field) = 0;
    virtual AAX_Result AddAudioBufferLength(AAX_CFieldIndex field) = 0;
    virtual AAX_Result HostOperation8(void* a) = 0;
    virtual AAX_Result HostOperation9(void* a) = 0;
    virtual AAX_Result HostOperation10(void* a) = 0;
    virtual AAX_Result AddDataInPort(AAX_CFieldIndex field, uint32_t packetSize, int32_t bufferingKind) = 0;
    virtual AAX_Result HostOperation12(void* a) = 0;
    virtual AAX_Result AddPrivateData(AAX_CFieldIndex field, int32_t size, int32_t options) = 0;
    virtual AAX_Result HostOperation19(void* a) = 0;
    virtual AAX_Result HostOperation14(void* a) = 0;
    virtual AAX_Result HostOperation18(void* a) = 0;
    virtual AAX_Result HostOperation15(void* a, void* b, void* c, void* d) = 0;
    virtual AAX_Result HostOperation4(void* a) = 0;
    virtual AAX_IPropertyMap* NewPropertyMap() = 0;
    virtual AAX_IPropertyMap* DuplicatePropertyMap(const AAX_IPropertyMap* map) = 0;
    virtual AAX_Result AddProcessProc(acf::RenderCallback callback, AAX_IPropertyMap* properties) = 0;
    virtual AAX_Result HostOperation17(void* a, void* b, AAX_IPropertyMap* properties, void* d, void* e, void* f) = 0;
};

class AAX_VComponentDescriptor final : public AAX_IComponentDescriptor
{
public:
    explicit AAX_VComponentDescriptor(void* hostUnknown);
    ~AAX_VComponentDescriptor() override;
    AAX_VComponentDescriptor(const AAX_VComponentDescriptor&) = delete;
    AAX_VComponentDescriptor& operator=(const AAX_VComponentDescriptor&) = delete;

    AAX_Result HostOperation3(void* a) override;
    AAX_Result AddAudioIn(AAX_CFieldIndex field) override;
    AAX_Result AddAudioOut(AAX_CFieldIndex field) override;
    AAX_Result AddAudioBufferLength(AAX_CFieldIndex field) override;
    AAX_Result HostOperation8(void* a) override;
    AAX_Result HostOperation9(void* a) override;
    AAX_Result HostOperation10(void* a) override;
    AAX_Result AddDataInPort(AAX_CFieldIndex field, uint32_t packetSize, int32_t bufferingKind) override;
    AAX_Result HostOperation12(void* a) override;
    AAX_Result AddPrivateData(AAX_CFieldIndex field, int32_t size, int32_t options) override;
    // On the second interface: -20009 without it.
    AAX_Result HostOperation19(void* a) override;
    AAX_Result HostOperation14(void* a) override;
    AAX_Result HostOperation18(void* a) override;
    AAX_Result HostOperation15(void* a, void* b, void* c, void* d) override;
    AAX_Result HostOperation4(void* a) override;
    AAX_IPropertyMap* NewPropertyMap() override;
    // A new map holding every property numbered 10..351 that the given map holds.
    AAX_IPropertyMap* DuplicatePropertyMap(const AAX_IPropertyMap* map) override;
    AAX_Result AddProcessProc(acf::RenderCallback callback, AAX_IPropertyMap* properties) override;
    AAX_Result HostOperation17(void* a, void* b, AAX_IPropertyMap* properties, void* d, void* e, void* f) override;

    void* HostInterface() const { return descriptor_; }

private:
    const acf::ComponentDescriptorTable* table() const;

    void* hostUnknown_ = nullptr;
    void* descriptor_ = nullptr;
    void* descriptor2_ = nullptr;
    std::vector<std::unique_ptr<AAX_VPropertyMap>> propertyMaps_;
};
