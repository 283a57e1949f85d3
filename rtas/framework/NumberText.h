// Numbers as text, appended to length-prefixed strings (capacity 255) through the host's number-to-text service.
#pragma once

#include <cstdint>

namespace rtas {

// Appends "0" (width - digit count) times when that is positive, then value in decimal.
void AppendZeroPaddedNumber(int32_t value, unsigned char* destination, int32_t width);
// Appends "-" for a negative value, the integer part of |value|, ".", and the fraction as count digits, truncated
// (not rounded). Integer parts beyond the 32-bit range are saturated.
void AppendFixedDecimals(const double* value, unsigned char* destination, int32_t count);
void AppendFixed3(const double* value, unsigned char* destination);

}  // namespace rtas
