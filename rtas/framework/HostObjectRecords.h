// What the plug-in objects tell the host's object registry about themselves: the kind each registers with, and the
// helpers that put a list into a record and hand a finished record over.
#pragma once

#include "rtas/framework/CObjectList.h"
#include "rtas/framework/HostRecordBuilder.h"

#include <cstdint>

namespace rtas {

constexpr int32_t kHostObjectPlugIn = 3;
constexpr int32_t kHostObjectInput = 4;
constexpr int32_t kHostObjectOutput = 5;
constexpr int32_t kHostObjectWorker = 7;
constexpr int32_t kHostObjectData = 8;

// First word of every description record.
constexpr int32_t kRecordDescription = 1;
// The two one-word notices around a plug-in's publishing.
constexpr int32_t kRecordPublishingStarts = 2;
constexpr int32_t kRecordPublishingEnds = 3;

// A list inside a record: its count, then its object pointers in order.
void AppendObjectList(HostRecordBuilder& builder, const CObjectList& list);
// Builds the record and hands it to the registry for the object; answers the registry's result.
int16_t DescribeToHost(void* object, HostRecordBuilder& builder);

}  // namespace rtas
