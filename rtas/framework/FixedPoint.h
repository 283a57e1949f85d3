// The host toolbox's 16.16 fixed-point numbers (16 integer and 16 fraction bits in a signed 32-bit word) as doubles
// and integers. The toolbox library does the conversions, so the plug-in sees the same numbers the host does. Any
// thread.
#pragma once

#include <cstdint>

namespace rtas {

double FixedToDouble(int32_t value);
// Rounded to the nearest fixed-point step by the toolbox; outside the range the nearest end of it.
int32_t DoubleToFixed(double value);
// The number rounded half up to an integer: floor(x + 0.5), so -2.5 gives -2 and 2.5 gives 3.
int32_t FixedToInteger(int32_t value);

}  // namespace rtas
