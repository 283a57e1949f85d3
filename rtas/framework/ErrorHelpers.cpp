#include "rtas/framework/ErrorHelpers.h"

#include "rtas/framework/ResultCodes.h"

namespace rtas {

uint8_t ThrowIfFalse(uint8_t flag)
{
    if (flag == 0)
        throw CDAEError(kConditionFailed);
    return flag;
}

void ThrowIfNull(const void* pointer)
{
    if (pointer == nullptr)
        throw CDAEError(kMissingObject);
}

void ThrowIfNull(int32_t flag)
{
    if (flag == 0)
        throw CDAEError(kMissingObject);
}

int16_t ThrowIfError(int32_t result)
{
    const auto code = int16_t(uint16_t(uint32_t(result) & 0xFFFFu));
    if (code != 0)
        throw CDAEError(code);
    return code;
}

int16_t ThrowIfDSIError(int16_t result)
{
    if (result == 0)
        return 0;
    if (result >= kDSIOwnCodeLimit)
        throw CDAEError(result);
    throw CDAEError(int32_t(result) + kDSIErrorBase);
}

void ThrowCodeIfNonZero(int32_t code)
{
    if (code != 0)
        throw CDAEError(code);
}

}  // namespace rtas
