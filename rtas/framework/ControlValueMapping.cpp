#include "rtas/framework/ControlValueMapping.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace rtas {
namespace {

constexpr double kSpan = 4294967295.0;  // 2^32 - 1: control values from the minimum to the maximum
constexpr double kOffset = 2147483648.0;  // 2^31

int32_t SaturatedControlValue(double v)
{
    if (!(v == v))
        return kControlValueMin;
    if (v >= 2147483647.0)
        return kControlValueMax;
    if (v <= -2147483648.0)
        return kControlValueMin;
    return int32_t(v);
}

double SafeLog(double x) { return x > 0.0 ? std::log(x) : 0.0; }

}  // namespace

double ControlValueToDouble(int32_t value, double minimum, double maximum)
{
    return minimum + (maximum - minimum) * (double(value) + kOffset) / kSpan;
}

int32_t DoubleToControlValue(double x, double minimum, double maximum)
{
    const double low = std::min(minimum, maximum);
    const double high = std::max(minimum, maximum);
    if (maximum == minimum)
        return kControlValueMin;
    x = std::clamp(x, low, high);
    const double t = (x - minimum) / (maximum - minimum);
    return SaturatedControlValue(std::floor(t * kSpan - kOffset + 0.5));
}

int32_t ControlValueToInteger(int32_t value, int32_t minimum, int32_t maximum)
{
    return int32_t(std::floor(double(minimum) + (double(maximum) - minimum) * (double(value) + kOffset) / kSpan + 0.5));
}

int32_t IntegerToControlValue(int32_t i, int32_t minimum, int32_t maximum)
{
    if (maximum == minimum)
        return kControlValueMin;
    i = std::clamp(i, std::min(minimum, maximum), std::max(minimum, maximum));
    return SaturatedControlValue((double(i) - minimum) / (double(maximum) - minimum) * kSpan - kOffset);
}

double ControlValueToDoubleLog(int32_t value, double minimum, double maximum)
{
    const double x = std::exp(ControlValueToDouble(value, SafeLog(minimum), SafeLog(maximum)));
    return std::clamp(x, std::min(minimum, maximum), std::max(minimum, maximum));
}

int32_t DoubleToControlValueLog(double x, double minimum, double maximum)
{
    x = std::clamp(x, std::min(minimum, maximum), std::max(minimum, maximum));
    return DoubleToControlValue(SafeLog(x), SafeLog(minimum), SafeLog(maximum));
}

int32_t DoubleToControlValuePiecewise(double x, const double* breakpoints, const double* weights, int count)
{
    x = std::clamp(x, breakpoints[0], breakpoints[count]);
    double before = 0.0;
    for (int i = 0; i < count; ++i) {
        if (breakpoints[i] <= x && x < breakpoints[i + 1]) {
            const double t = before + weights[i] * (x - breakpoints[i]) / (breakpoints[i + 1] - breakpoints[i]);
            return SaturatedControlValue(t * kSpan - kOffset);
        }
        before += weights[i];
    }
    return kControlValueMax;
}

double ControlValueToDoublePiecewise(int32_t value, const double* breakpoints, const double* weights, int count)
{
    const double t = (double(value) + kOffset) / 4294967296.0;
    double start = 0.0;
    for (int i = 0; i < count; ++i) {
        if (start <= t && t < start + weights[i])
            return breakpoints[i] + (breakpoints[i + 1] - breakpoints[i]) * (t - start) / weights[i];
        start += weights[i];
    }
    return 2147483647.0;
}

double RoundToStep(double x, const double* ranges, const double* steps, int count)
{
    double step = steps[count - 1];
    for (int i = 0; i < count; ++i)
        if (ranges[i] <= x && x < ranges[i + 1]) {
            step = steps[i];
            break;
        }
    return step * std::trunc(x / step + 0.5);
}

std::string FormatFixed(double x, int decimals, bool dropZero)
{
    decimals = std::clamp(decimals, 0, 15);
    char text[400];
    std::snprintf(text, sizeof text, "%.*f", decimals, x);
    std::string result(text);
    // A value that rounds to zero carries no sign.
    if (result[0] == '-' && result.find_first_not_of("-0.") == std::string::npos)
        result.erase(0, 1);
    if (dropZero) {
        const size_t zero = result[0] == '-' ? 1 : 0;
        if (result.compare(zero, 2, "0.") == 0)
            result.erase(zero, 1);
    }
    return result;
}

}  // namespace rtas
