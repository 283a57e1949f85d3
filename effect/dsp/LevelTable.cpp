#include "effect/dsp/LevelTable.h"

#include <cstring>
#include <limits>

#include "effect/dsp/EnvelopeDetector.h"

namespace dsp
{
void LevelTable::tops(int32_t first, int32_t count, double* tops)
{
    for (int32_t i = 0; i < count; ++i)
    {
        const uint64_t bits = (kFirstCell + static_cast<uint64_t>(first + i) + 1) << kShift;
        std::memcpy(&tops[i], &bits, sizeof bits);
    }
}

void LevelTable::set(double a, int32_t first, int32_t count, const double* tops, const double* q)
{
    if (first == 0)
        exponent_ = std::numeric_limits<double>::quiet_NaN();
    for (int32_t i = 0; i < count; ++i)
        bound_[first + i] = levelBound(tops[i], q[i]);
    if (first + count == kCells)
        exponent_ = a;
}
}  // namespace dsp
