#include "rtas/framework/FixedPoint.h"

#include "rtas/framework/host/ToolboxServices.h"

#include <cmath>

namespace rtas {

double FixedToDouble(int32_t value)
{
    return Fix2X(value);
}

int32_t DoubleToFixed(double value)
{
    return X2Fix(value);
}

int32_t FixedToInteger(int32_t value)
{
    // |x| stays below 32768, so the rounded value always fits.
    return int32_t(std::floor(FixedToDouble(value) + 0.5));
}

}  // namespace rtas
