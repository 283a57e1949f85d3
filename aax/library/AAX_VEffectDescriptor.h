// The host's description of one effect: its names, category, factories, page-table resource and components, and the
// host's further operations, which the library only passes through (HostOperationN is the host's operation N; a
// property map among their arguments reaches the host as its host interface).
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "aax/library/AAX_Types.h"
#include "aax/library/AAX_VComponentDescriptor.h"
#include "aax/library/AAX_VPropertyMap.h"

class AAX_IEffectDescriptor
{
public:
    virtual ~AAX_IEffectDescriptor() = default;
    // The thread that registers the plug-in.
    virtual AAX_IComponentDescriptor* NewComponentDescriptor() = 0;
    virtual AAX_Result AddComponent(AAX_IComponentDescriptor* component) = 0;
    virtual AAX_Result AddName(const char* name) = 0;
    virtual AAX_Result AddCategory(uint32_t categoryBits) = 0;
    virtual AAX_Result HostOperation6(void* a) = 0;
    // kind: acf::kProcEffectParameters or acf::kProcEffectGui.
    virtual AAX_Result AddProcPtr(acf::FactoryFunction factory, uint32_t kind) = 0;
    virtual AAX_IPropertyMap* NewPropertyMap() = 0;
    virtual AAX_Result HostOperation8(AAX_IPropertyMap* properties) = 0;
    virtual AAX_Result AddResourceInfo(uint32_t kind, const char* fileName) = 0;
    virtual AAX_Result HostOperation10(void* a, void* b, AAX_IPropertyMap* properties) = 0;
    virtual AAX_Result HostOperation11(void* a, void* b, void* c, void* d) = 0;
};

class AAX_VEffectDescriptor final : public AAX_IEffectDescriptor
{
public:
    explicit AAX_VEffectDescriptor(void* hostUnknown);
    ~AAX_VEffectDescriptor() override;
    AAX_VEffectDescriptor(const AAX_VEffectDescriptor&) = delete;
    AAX_VEffectDescriptor& operator=(const AAX_VEffectDescriptor&) = delete;

    AAX_IComponentDescriptor* NewComponentDescriptor() override;
    AAX_Result AddComponent(AAX_IComponentDescriptor* component) override;
    AAX_Result AddName(const char* name) override;
    AAX_Result AddCategory(uint32_t categoryBits) override;
    AAX_Result HostOperation6(void* a) override;
    AAX_Result AddProcPtr(acf::FactoryFunction factory, uint32_t kind) override;
    AAX_IPropertyMap* NewPropertyMap() override;
    AAX_Result HostOperation8(AAX_IPropertyMap* properties) override;
    AAX_Result AddResourceInfo(uint32_t kind, const char* fileName) override;
    AAX_Result HostOperation10(void* a, void* b, AAX_IPropertyMap* properties) override;
    // On the second interface: -20009 without it.
    AAX_Result HostOperation11(void* a, void* b, void* c, void* d) override;

    void* HostInterface() const { return descriptor_; }

private:
    const acf::EffectDescriptorTable* table() const;

    void* hostUnknown_ = nullptr;
    void* descriptor_ = nullptr;
    void* descriptor2_ = nullptr;
    std::vector<std::unique_ptr<AAX_VComponentDescriptor>> components_;
    std::vector<std::unique_ptr<AAX_VPropertyMap>> propertyMaps_;
};
