// The host's collection that ACFRegisterPlugin fills: the effects of the plug-in file, the manufacturer, the package
// names and version. One per registration call; it owns the descriptors and property maps it makes.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "aax/library/AAX_Types.h"
#include "aax/library/AAX_VEffectDescriptor.h"
#include "aax/library/AAX_VPropertyMap.h"

class AAX_ICollection
{
public:
    virtual ~AAX_ICollection() = default;
    // The thread that registers the plug-in.
    virtual AAX_IEffectDescriptor* NewEffectDescriptor() = 0;
    virtual AAX_Result AddEffect(const char* bundleIdentifier, AAX_IEffectDescriptor* descriptor) = 0;
    virtual AAX_Result SetManufacturerName(const char* name) = 0;
    virtual AAX_Result AddPackageName(const char* name) = 0;
    virtual AAX_Result SetPackageVersion(uint32_t version) = 0;
    virtual AAX_IPropertyMap* NewPropertyMap() = 0;
    // The host's operation 11, which the library only passes through (the map reaches it as its host interface).
    virtual AAX_Result HostOperation11(AAX_IPropertyMap* properties) = 0;
};

class AAX_VCollection final : public AAX_ICollection
{
public:
    // hostUnknown may be null: every interface then stays null.
    explicit AAX_VCollection(void* hostUnknown);
    ~AAX_VCollection() override;
    AAX_VCollection(const AAX_VCollection&) = delete;
    AAX_VCollection& operator=(const AAX_VCollection&) = delete;

    AAX_IEffectDescriptor* NewEffectDescriptor() override;
    AAX_Result AddEffect(const char* bundleIdentifier, AAX_IEffectDescriptor* descriptor) override;
    AAX_Result SetManufacturerName(const char* name) override;
    AAX_Result AddPackageName(const char* name) override;
    AAX_Result SetPackageVersion(uint32_t version) override;
    AAX_IPropertyMap* NewPropertyMap() override;
    AAX_Result HostOperation11(AAX_IPropertyMap* properties) override;

    void* HostInterface() const { return collection_; }
    // The host collection's plug-in definition interface, as a new reference into *out; -20004 without one.
    AAX_Result GetPluginDefinition(void** out) const;

private:
    const acf::CollectionTable* table() const;

    void* hostUnknown_ = nullptr;
    void* collection_ = nullptr;
    std::vector<std::unique_ptr<AAX_VEffectDescriptor>> effects_;
    std::vector<std::unique_ptr<AAX_VPropertyMap>> propertyMaps_;
};
