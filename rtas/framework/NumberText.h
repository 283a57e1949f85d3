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

// Appends value with two decimals: |value| + 0.005 cut to its integer part, ".", and two digits; "-" before every
// negative value.
void AppendTwoDecimals(double value, unsigned char* destination);
// Appends value with count decimals: |value| + 0.05 x 10^-count, its fraction rounded to count digits with the carry
// going into the integer part; "-" only before a negative value that does not come out as zero; without the integer
// part when it is 0 and dropZeroInteger is set (".50"). A count of 0 or less appends the integer alone.
void AppendDecimals(double value, unsigned char* destination, int32_t count, bool dropZeroInteger = false);

}  // namespace rtas
