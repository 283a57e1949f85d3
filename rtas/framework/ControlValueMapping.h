// The host's control value: a signed 32-bit number that spans the whole range, -2^31 at a control's minimum and
// 2^31 - 1 at its maximum. These functions map it to real numbers and integers over a control's range.
#pragma once

#include <cstdint>
#include <string>

namespace rtas {

constexpr int32_t kControlValueMin = INT32_MIN;
constexpr int32_t kControlValueMax = INT32_MAX;

double ControlValueToDouble(int32_t value, double minimum, double maximum);
// Clamps x into the range (either bound may be the larger) and rounds to the nearest control value.
int32_t DoubleToControlValue(double x, double minimum, double maximum);
int32_t ControlValueToInteger(int32_t value, int32_t minimum, int32_t maximum);
int32_t IntegerToControlValue(int32_t i, int32_t minimum, int32_t maximum);

// Logarithmic forms: the value is spread over ln(minimum)..ln(maximum); a logarithm of 0 or less is taken as 0.
double ControlValueToDoubleLog(int32_t value, double minimum, double maximum);
int32_t DoubleToControlValueLog(double x, double minimum, double maximum);

// Piecewise form: breakpoints b[0] < ... < b[n] and weights w[0..n-1] (summing to 1) of each segment's share.
int32_t DoubleToControlValuePiecewise(double x, const double* breakpoints, const double* weights, int count);
double ControlValueToDoublePiecewise(int32_t value, const double* breakpoints, const double* weights, int count);

// Rounds x to the step of the range that holds it (ranges r[0]..r[n], steps s[0..n-1]; the last step when none does).
double RoundToStep(double x, const double* ranges, const double* steps, int count);

// x in fixed notation with decimals digits, rounded, "-" only before a non-zero negative; without the zero integer
// part when dropZero is set (".5").
std::string FormatFixed(double x, int decimals, bool dropZero = false);

}  // namespace rtas
