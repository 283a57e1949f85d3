// Requests to the host through its component callback: each fills a parameter block of the host's memory with up to
// three words, calls the callback with (request, no record, block) and answers the callback's 16-bit result. -7175
// when there is no callback (nothing is allocated then), -7176 when the host's memory cannot be had.
#pragma once

#include "rtas/framework/host/PlugInRecords.h"

#include <cstdint>

namespace rtas {

constexpr int16_t kHostRequestDSPGroup = 13;
constexpr int16_t kHostQueryWithResult = 15;
constexpr int16_t kHostRequestThreeArguments = 19;
constexpr int16_t kHostRequestTwoArguments = 20;

// 16-byte block: a, b, c, 0.
int32_t SendHostThreeArgumentRequest(HostComponentCallback callback, int32_t a, int32_t b, int32_t c);
// 16-byte block: a, b, 0, 0.
int32_t SendHostTwoArgumentRequest(HostComponentCallback callback, int32_t a, int32_t b);
// 8-byte block: a, the address of *result, which the host fills.
int32_t SendHostQuery(HostComponentCallback callback, int32_t a, int32_t* result);
// 12-byte block: a, b, c.
int32_t SendHostDSPGroupRequest(HostComponentCallback callback, int32_t a, int32_t b, int32_t c);

}  // namespace rtas
