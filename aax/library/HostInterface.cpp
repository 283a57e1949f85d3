#include "aax/library/HostInterface.h"

namespace hostref {

acf::Result query(void* object, const acf::Uid& iid, void** out)
{
    *out = nullptr;
    if (object == nullptr)
        return AAX_ERROR_NULL_OBJECT;
    return acf::tableOf<acf::UnknownTable>(object).query(object, &iid, out);
}

void create(void* hostUnknown, const acf::Uid& classId, const acf::Uid& iid, void** out)
{
    *out = nullptr;
    void* factory = nullptr;
    if (query(hostUnknown, acf::kIidComponentFactory, &factory) != AAX_SUCCESS)
        return;
    if (factory == nullptr)
        throw acf::kNullFactory;
    acf::tableOf<acf::ComponentFactoryTable>(factory).createInstance(factory, &classId, nullptr, &iid, out);
    release(factory);
}

void addReference(void* object)
{
    if (object != nullptr)
        acf::tableOf<acf::UnknownTable>(object).addReference(object);
}

void release(void*& object)
{
    if (object != nullptr)
        acf::tableOf<acf::UnknownTable>(object).release(object);
    object = nullptr;
}

}  // namespace hostref
