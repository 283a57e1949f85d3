#include "effect/dsp/LevelTable.h"

#include <cstring>

#include "effect/dsp/EnvelopeDetector.h"

namespace dsp
{
void LevelTable::tops(double* tops)
{
    for (int32_t i = 0; i < kCells; ++i)
    {
        const uint64_t bits = (kFirstCell + static_cast<uint64_t>(i) + 1) << kShift;
        std::memcpy(&tops[i], &bits, sizeof bits);
    }
}

void LevelTable::set(double a, const double* q)
{
    double top[kCells];
    tops(top);
    for (int32_t i = 0; i < kCells; ++i)
        bound_[i] = levelBound(top[i], q[i]);
    exponent_ = a;
}
}  // namespace dsp
