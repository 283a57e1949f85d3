#include "aax/library/AAX_VComponentDescriptor.h"

#include "aax/library/HostInterface.h"

AAX_VComponentDescriptor::AAX_VComponentDescriptor(void* hostUnknown) : hostUnknown_(hostUnknown)
{
    hostref::addReference(hostUnknown_);
    try
    {
        hostref::create(hostUnknown, acf::kClsComponentDescriptor, acf::kIidComponentDescriptor, &descriptor_);
    }
    catch (...)
    {
        hostref::release(hostUnknown_);
        throw;
    }
    if (descriptor_ != nullptr)
        hostref::query(descriptor_, acf::kIidComponentDescriptor2, &descriptor2_);
}

AAX_VComponentDescriptor::~AAX_VComponentDescriptor()
{
    propertyMaps_.clear();
    hostref::release(descriptor2_);
    hostref::release(descriptor_);
    hostref::release(hostUnknown_);
}

const acf::ComponentDescriptorTable* AAX_VComponentDescriptor::table() const
{
    return descriptor_ != nullptr ? &acf::tableOf<acf::ComponentDescriptorTable>(descriptor_) : nullptr;
}

AAX_Result AAX_VComponentDescriptor::AddAudioIn(AAX_CFieldIndex field)
{
    return table() ? table()->addAudioIn(descriptor_, field) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VComponentDescriptor::AddAudioOut(AAX_CFieldIndex field)
{
    return table() ? table()->addAudioOut(descriptor_, field) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VComponentDescriptor::AddAudioBufferLength(AAX_CFieldIndex field)
{
    return table() ? table()->addAudioBufferLength(descriptor_, field) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VComponentDescriptor::AddDataInPort(AAX_CFieldIndex field, uint32_t packetSize, int32_t bufferingKind)
{
    return table() ? table()->addDataInPort(descriptor_, field, packetSize, bufferingKind) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VComponentDescriptor::AddPrivateData(AAX_CFieldIndex field, int32_t size, int32_t options)
{
    return table() ? table()->addPrivateData(descriptor_, field, size, options) : AAX_ERROR_NULL_OBJECT;
}

AAX_IPropertyMap* AAX_VComponentDescriptor::NewPropertyMap()
{
    propertyMaps_.push_back(std::make_unique<AAX_VPropertyMap>(hostUnknown_));
    return propertyMaps_.back().get();
}

AAX_IPropertyMap* AAX_VComponentDescriptor::DuplicatePropertyMap(const AAX_IPropertyMap* map)
{
    AAX_IPropertyMap* copy = NewPropertyMap();
    if (map == nullptr)
        return copy;
    for (uint32_t number = acf::kPropertyFirst; number <= acf::kPropertyLast; ++number)
    {
        int32_t value = 0;
        if (map->GetProperty(number, &value))
            copy->AddProperty(number, value);
    }
    return copy;
}

AAX_Result AAX_VComponentDescriptor::AddProcessProc(acf::RenderCallback callback, AAX_IPropertyMap* properties)
{
    if (table() == nullptr)
        return AAX_ERROR_NULL_OBJECT;
    return table()->addProcessProc(descriptor_, reinterpret_cast<void*>(callback), HostInterfaceOf(properties));
}

QOR_HOST_PASS_THROUGH(AAX_VComponentDescriptor, ComponentDescriptorTable, 3, descriptor_, AAX_ERROR_NULL_OBJECT)
QOR_HOST_PASS_THROUGH(AAX_VComponentDescriptor, ComponentDescriptorTable, 4, descriptor_, AAX_ERROR_NULL_OBJECT)
QOR_HOST_PASS_THROUGH(AAX_VComponentDescriptor, ComponentDescriptorTable, 8, descriptor_, AAX_ERROR_NULL_OBJECT)
QOR_HOST_PASS_THROUGH(AAX_VComponentDescriptor, ComponentDescriptorTable, 9, descriptor_, AAX_ERROR_NULL_OBJECT)
QOR_HOST_PASS_THROUGH(AAX_VComponentDescriptor, ComponentDescriptorTable, 10, descriptor_, AAX_ERROR_NULL_OBJECT)
QOR_HOST_PASS_THROUGH(AAX_VComponentDescriptor, ComponentDescriptorTable, 12, descriptor_, AAX_ERROR_NULL_OBJECT)
QOR_HOST_PASS_THROUGH(AAX_VComponentDescriptor, ComponentDescriptorTable, 14, descriptor_, AAX_ERROR_NULL_OBJECT)
QOR_HOST_PASS_THROUGH(AAX_VComponentDescriptor, ComponentDescriptorTable, 18, descriptor_, AAX_ERROR_NULL_OBJECT)
QOR_HOST_PASS_THROUGH(AAX_VComponentDescriptor, ComponentDescriptorTable, 19, descriptor2_, AAX_ERROR_UNIMPLEMENTED)

AAX_Result AAX_VComponentDescriptor::HostOperation15(void* a, void* b, void* c, void* d)
{
    return hostref::pass(descriptor_, &acf::ComponentDescriptorTable::operation15, AAX_ERROR_NULL_OBJECT, a, b, c, d);
}

AAX_Result AAX_VComponentDescriptor::HostOperation17(void* a, void* b, AAX_IPropertyMap* properties, void* d, void* e,
                                                     void* f)
{
    return hostref::pass(descriptor_, &acf::ComponentDescriptorTable::operation17, AAX_ERROR_NULL_OBJECT, a, b,
                         HostInterfaceOf(properties), d, e, f);
}
