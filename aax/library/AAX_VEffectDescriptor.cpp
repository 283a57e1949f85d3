#include "aax/library/AAX_VEffectDescriptor.h"

#include "aax/library/HostInterface.h"

AAX_VEffectDescriptor::AAX_VEffectDescriptor(void* hostUnknown) : hostUnknown_(hostUnknown)
{
    hostref::addReference(hostUnknown_);
    try
    {
        hostref::create(hostUnknown, acf::kClsEffectDescriptor, acf::kIidEffectDescriptor, &descriptor_);
    }
    catch (...)
    {
        hostref::release(hostUnknown_);
        throw;
    }
    if (descriptor_ != nullptr)
        hostref::query(descriptor_, acf::kIidEffectDescriptor2, &descriptor2_);
}

AAX_VEffectDescriptor::~AAX_VEffectDescriptor()
{
    components_.clear();
    propertyMaps_.clear();
    hostref::release(descriptor2_);
    hostref::release(descriptor_);
    hostref::release(hostUnknown_);
}

const acf::EffectDescriptorTable* AAX_VEffectDescriptor::table() const
{
    return descriptor_ != nullptr ? &acf::tableOf<acf::EffectDescriptorTable>(descriptor_) : nullptr;
}

AAX_IComponentDescriptor* AAX_VEffectDescriptor::NewComponentDescriptor()
{
    components_.push_back(std::make_unique<AAX_VComponentDescriptor>(hostUnknown_));
    return components_.back().get();
}

AAX_Result AAX_VEffectDescriptor::AddComponent(AAX_IComponentDescriptor* component)
{
    const auto* proxy = dynamic_cast<const AAX_VComponentDescriptor*>(component);
    // A null component would reach the host as a null interface.
    if (table() == nullptr || proxy == nullptr)
        return AAX_ERROR_NULL_OBJECT;
    return table()->addComponent(descriptor_, proxy->HostInterface());
}

AAX_Result AAX_VEffectDescriptor::AddName(const char* name)
{
    return table() ? table()->addName(descriptor_, name) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VEffectDescriptor::AddCategory(uint32_t categoryBits)
{
    return table() ? table()->addCategory(descriptor_, categoryBits) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VEffectDescriptor::AddProcPtr(acf::FactoryFunction factory, uint32_t kind)
{
    return table() ? table()->addProcPtr(descriptor_, reinterpret_cast<void*>(factory), kind) : AAX_ERROR_NULL_OBJECT;
}

AAX_IPropertyMap* AAX_VEffectDescriptor::NewPropertyMap()
{
    propertyMaps_.push_back(std::make_unique<AAX_VPropertyMap>(hostUnknown_));
    return propertyMaps_.back().get();
}

AAX_Result AAX_VEffectDescriptor::AddResourceInfo(uint32_t kind, const char* fileName)
{
    return table() ? table()->addResourceInfo(descriptor_, kind, fileName) : AAX_ERROR_NULL_OBJECT;
}

QOR_HOST_PASS_THROUGH(AAX_VEffectDescriptor, EffectDescriptorTable, 6, descriptor_, AAX_ERROR_NULL_OBJECT)

AAX_Result AAX_VEffectDescriptor::HostOperation8(AAX_IPropertyMap* properties)
{
    return hostref::pass(descriptor_, &acf::EffectDescriptorTable::setProperties, AAX_ERROR_NULL_OBJECT,
                         HostInterfaceOf(properties));
}

AAX_Result AAX_VEffectDescriptor::HostOperation10(void* a, void* b, AAX_IPropertyMap* properties)
{
    return hostref::pass(descriptor_, &acf::EffectDescriptorTable::operation10, AAX_ERROR_NULL_OBJECT, a, b,
                         HostInterfaceOf(properties));
}

AAX_Result AAX_VEffectDescriptor::HostOperation11(void* a, void* b, void* c, void* d)
{
    return hostref::pass(descriptor2_, &acf::EffectDescriptorTable::operation11, AAX_ERROR_UNIMPLEMENTED, a, b, c, d);
}
