#include "rtas/framework/HostObjectRecords.h"

#include "rtas/framework/HostObjectRegistry.h"

namespace rtas {

void AppendObjectList(HostRecordBuilder& builder, const CObjectList& list)
{
    builder.AppendWord(list.Count());
    list.ForEach([&builder](void* object) { builder.AppendPointer(object); });
}

int16_t DescribeToHost(void* object, HostRecordBuilder& builder)
{
    const HostRecordBlock block = builder.Build();
    return QueryHostObject(object, block.words);
}

}  // namespace rtas
