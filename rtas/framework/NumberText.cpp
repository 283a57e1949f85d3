#include "rtas/framework/NumberText.h"

#include "rtas/framework/PascalStrings.h"
#include "rtas/framework/host/ToolboxServices.h"

#include <algorithm>
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

void AppendTwoDecimals(double value, unsigned char* destination)
{
    if (value < 0)
        AppendCString(255, "-", destination);
    const double biased = std::fabs(value) + 0.005;
    const double whole = std::floor(biased);
    AppendZeroPaddedNumber(SaturatedInteger(whole), destination, 0);
    AppendCString(255, ".", destination);
    AppendZeroPaddedNumber(SaturatedInteger(std::floor((biased - whole) * 100.0)), destination, 2);
}

void AppendDecimals(double value, unsigned char* destination, int32_t count, bool dropZeroInteger)
{
    // Nine digits are all a 32-bit fraction holds.
    const int32_t digits = std::clamp<int32_t>(count, 0, 9);
    const double scale = std::pow(10.0, digits);
    const double biased = std::fabs(value) + 0.05 / scale;
    int32_t whole = SaturatedInteger(std::floor(biased));
    int32_t fraction = SaturatedInteger(std::floor((biased - std::floor(biased)) * scale + 0.5));
    if (fraction >= int32_t(scale)) {
        fraction -= int32_t(scale);
        if (whole < std::numeric_limits<int32_t>::max())
            ++whole;
    }
    if (value < 0 && (whole != 0 || fraction != 0))
        AppendCString(255, "-", destination);
    if (whole != 0 || !dropZeroInteger || digits == 0)
        AppendZeroPaddedNumber(whole, destination, 0);
    if (digits == 0)
        return;
    AppendCString(255, ".", destination);
    AppendZeroPaddedNumber(fraction, destination, digits);
}

}  // namespace rtas
