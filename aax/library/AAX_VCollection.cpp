#include "aax/library/AAX_VCollection.h"

#include "aax/library/HostInterface.h"

AAX_VCollection::AAX_VCollection(void* hostUnknown) : hostUnknown_(hostUnknown)
{
    hostref::addReference(hostUnknown_);
    try
    {
        hostref::create(hostUnknown, acf::kClsCollection, acf::kIidCollection, &collection_);
    }
    catch (...)
    {
        hostref::release(hostUnknown_);
        throw;
    }
}

AAX_VCollection::~AAX_VCollection()
{
    effects_.clear();
    propertyMaps_.clear();
    hostref::release(collection_);
    hostref::release(hostUnknown_);
}

const acf::CollectionTable* AAX_VCollection::table() const
{
    return collection_ != nullptr ? &acf::tableOf<acf::CollectionTable>(collection_) : nullptr;
}

AAX_IEffectDescriptor* AAX_VCollection::NewEffectDescriptor()
{
    effects_.push_back(std::make_unique<AAX_VEffectDescriptor>(hostUnknown_));
    return effects_.back().get();
}

AAX_Result AAX_VCollection::AddEffect(const char* bundleIdentifier, AAX_IEffectDescriptor* descriptor)
{
    const auto* proxy = dynamic_cast<const AAX_VEffectDescriptor*>(descriptor);
    if (table() == nullptr || proxy == nullptr)
        return AAX_ERROR_NULL_OBJECT;
    return table()->addEffect(collection_, bundleIdentifier, proxy->HostInterface());
}

AAX_Result AAX_VCollection::SetManufacturerName(const char* name)
{
    return table() ? table()->setManufacturerName(collection_, name) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VCollection::AddPackageName(const char* name)
{
    return table() ? table()->addPackageName(collection_, name) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VCollection::SetPackageVersion(uint32_t version)
{
    return table() ? table()->setPackageVersion(collection_, version) : AAX_ERROR_NULL_OBJECT;
}

AAX_IPropertyMap* AAX_VCollection::NewPropertyMap()
{
    propertyMaps_.push_back(std::make_unique<AAX_VPropertyMap>(hostUnknown_));
    return propertyMaps_.back().get();
}

AAX_Result AAX_VCollection::GetPluginDefinition(void** out) const
{
    if (hostref::query(collection_, acf::kIidPluginDefinition, out) != AAX_SUCCESS || *out == nullptr)
        return AAX_ERROR_NULL_OBJECT;
    return AAX_SUCCESS;
}

AAX_Result AAX_VCollection::HostOperation11(AAX_IPropertyMap* properties)
{
    return hostref::pass(collection_, &acf::CollectionTable::setProperties, AAX_ERROR_NULL_OBJECT,
                         HostInterfaceOf(properties));
}
