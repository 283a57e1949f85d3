#include "rtas/framework/NumberText.h"

#include "rtas/framework/PascalStrings.h"
#include "rtas/framework/host/ToolboxServices.h"

#include <cmath>
#include <limits>

namespace rtas {
namespace {

int32_t SaturatedInteger(double value)
{
    if (!(value == value))
        return 0;
    if (value >= 2147483647.0)
        return std::numeric_limits<int32_t>::max();
    if (value <= -2147483648.0)
        return std::numeric_limits<int32_t>::min();
    return int32_t(value);
}

}  // namespace

void AppendZeroPaddedNumber(int32_t value, unsigned char* destination, int32_t width)
{
    unsigned char digits[256] = {0};
    NumToString(value, digits);
    static const unsigned char zero[] = {1, '0'};
    for (int32_t i = 0; i < width - int32_t(digits[0]); ++i)
        AppendPascalString(255, zero, destination);
    AppendPascalString(255, digits, destination);
}

void AppendFixedDecimals(const double* value, unsigned char* destination, int32_t count)
{
    double magnitude = *value;
    if (magnitude < 0) {
        AppendCString(255, "-", destination);
        magnitude = -magnitude;
    }
    const double whole = std::floor(magnitude);
    AppendZeroPaddedNumber(SaturatedInteger(whole), destination, 0);
    AppendCString(255, ".", destination);
    double fraction = magnitude - whole;
    for (int32_t i = 0; i < count; ++i)
        fraction *= 10.0;
    AppendZeroPaddedNumber(SaturatedInteger(fraction), destination, count);
}

void AppendFixed3(const double* value, unsigned char* destination) { AppendFixedDecimals(value, destination, 3); }

}  // namespace rtas
