#include "aax/library/AAX_VPropertyMap.h"

#include "aax/library/HostInterface.h"

AAX_VPropertyMap::AAX_VPropertyMap(void* hostUnknown)
{
    hostref::create(hostUnknown, acf::kClsPropertyMap, acf::kIidPropertyMap, &map_);
    if (map_ != nullptr)
        hostref::query(map_, acf::kIidPropertyMap2, &map2_);
}

AAX_VPropertyMap::~AAX_VPropertyMap()
{
    hostref::release(map2_);
    hostref::release(map_);
}

bool AAX_VPropertyMap::GetProperty(uint32_t number, int32_t* value) const
{
    if (map_ == nullptr)
        return false;
    return acf::tableOf<acf::PropertyMapTable>(map_).getProperty(map_, number, value) != 0;
}

AAX_Result AAX_VPropertyMap::AddProperty(uint32_t number, int32_t value)
{
    if (map_ == nullptr)
        return AAX_ERROR_NULL_OBJECT;
    return acf::tableOf<acf::PropertyMapTable>(map_).addProperty(map_, number, value);
}

QOR_HOST_PASS_THROUGH(AAX_VPropertyMap, PropertyMapTable, 5, map_, AAX_ERROR_NULL_OBJECT)

QOR_HOST_PASS_THROUGH(AAX_VPropertyMap, PropertyMapTable, 6, map2_, AAX_ERROR_UNIMPLEMENTED)

bool AAX_VPropertyMap::HostOperation7(void* a)
{
    return hostref::pass(map2_, &acf::PropertyMapTable::operation7, 0, a) != 0;
}

void* HostInterfaceOf(const AAX_IPropertyMap* map)
{
    const auto* proxy = dynamic_cast<const AAX_VPropertyMap*>(map);
    return proxy != nullptr ? proxy->HostInterface() : nullptr;
}
