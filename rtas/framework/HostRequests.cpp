#include "rtas/framework/HostRequests.h"

#include "rtas/framework/ResultCodes.h"
#include "rtas/framework/host/ToolboxServices.h"

#include <cstring>

namespace rtas {
namespace {

int32_t Send(HostComponentCallback callback, int16_t request, int32_t size, const int32_t* words, int32_t count)
{
    if (callback == nullptr)
        return kNoHostCallback;
    HostHandle block = NewHandle(size);
    if (block == nullptr)
        return kNoHostMemory;
    HLock(block);
    std::memset(*block, 0, size_t(size));
    std::memcpy(*block, words, size_t(count) * sizeof(int32_t));
    const int16_t result = callback(request, nullptr, block);
    HUnlock(block);
    DisposeHandle(block);
    return result;
}

}  // namespace

int32_t SendHostThreeArgumentRequest(HostComponentCallback callback, int32_t a, int32_t b, int32_t c)
{
    const int32_t words[] = {a, b, c};
    return Send(callback, kHostRequestThreeArguments, 16, words, 3);
}

int32_t SendHostTwoArgumentRequest(HostComponentCallback callback, int32_t a, int32_t b)
{
    const int32_t words[] = {a, b};
    return Send(callback, kHostRequestTwoArguments, 16, words, 2);
}

int32_t SendHostQuery(HostComponentCallback callback, int32_t a, int32_t* result)
{
    // The result's address travels as one word, as pointers do on the plug-in's platform.
    const int32_t words[] = {a, int32_t(intptr_t(result))};
    return Send(callback, kHostQueryWithResult, 8, words, 2);
}

int32_t SendHostDSPGroupRequest(HostComponentCallback callback, int32_t a, int32_t b, int32_t c)
{
    const int32_t words[] = {a, b, c};
    return Send(callback, kHostRequestDSPGroup, 12, words, 3);
}

}  // namespace rtas
