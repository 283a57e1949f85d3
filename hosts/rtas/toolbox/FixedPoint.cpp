// The toolbox's 16.16 fixed-point numbers in the stand-in DigiExt.dll: to a double and back, rounded to the nearest
// fixed-point step and kept inside the 32-bit range.
#include "hosts/rtas/KitExport.h"
#include "hosts/rtas/KitLog.h"
#include "rtas/framework/host/ToolboxServices.h"

#include <cmath>

extern "C" {

QOR_KIT_EXPORT double QOR_HOST_CALL Fix2X(int32_t value)
{
    qorkit::record("Fix2X");
    return double(value) / 65536.0;
}

QOR_KIT_EXPORT int32_t QOR_HOST_CALL X2Fix(double value)
{
    qorkit::record("X2Fix");
    if (std::isnan(value))
        return 0;
    const double steps = std::floor(value * 65536.0 + 0.5);
    if (steps >= 2147483647.0)
        return INT32_MAX;
    if (steps <= -2147483648.0)
        return INT32_MIN;
    return int32_t(steps);
}

}  // extern "C"
