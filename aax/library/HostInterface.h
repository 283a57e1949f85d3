// Owned references to the host's interfaces, as the host proxies keep them: how one is obtained (queried directly,
// or made by the host's component factory) and released.
#pragma once

#include "hosts/aax/AcfTables.h"

namespace hostref {

// Queries object for iid into *out (null object or failure: *out stays null). The host's result.
acf::Result query(void* object, const acf::Uid& iid, void** out);
// Makes an object of the class through the component factory of hostUnknown into *out. A failed factory query
// leaves *out null; a factory query answered with success but no factory throws acf::kNullFactory (an int32).
void create(void* hostUnknown, const acf::Uid& classId, const acf::Uid& iid, void** out);
void addReference(void* object);
// Releases and nulls the reference (nothing for null).
void release(void*& object);

// Operation `operation` of object's table called with words, unchanged, and its result unchanged; `missing` when
// object is null. What every proxy's pass-through operations do.
template <typename Table, typename Operation, typename... Words>
acf::Result pass(void* object, Operation Table::*operation, acf::Result missing, Words... words)
{
    if (object == nullptr)
        return missing;
    return (acf::tableOf<Table>(object).*operation)(object, words...);
}

}  // namespace hostref

// Defines Class::HostOperation<n>(void* a), a one-word pass-through: operation n of the table Table of object, or
// missing without object.
#define QOR_HOST_PASS_THROUGH(Class, Table, n, object, missing)                                               \
    AAX_Result Class::HostOperation##n(void* a)                                                               \
    {                                                                                                         \
        return hostref::pass(object, &acf::Table::operation##n, missing, a);                                  \
    }
