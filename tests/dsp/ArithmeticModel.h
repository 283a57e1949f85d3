// Whether this build rounds every floating-point operation to its type. x87 arithmetic (32-bit x86 without SSE2
// math) keeps intermediates in 80 bits and rounds them where the compiler chooses, so two codings of one formula
// can differ in the last bits there, and float32 roundings may happen at other points.
#pragma once

#include <cfloat>

constexpr bool kExactArithmetic = FLT_EVAL_METHOD == 0;
