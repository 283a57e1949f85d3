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

void LevelTable::set(double a, int32_t first, int32_t count, const double* q)
{
    if (first == 0)
        exponent_ = std::numeric_limits<double>::quiet_NaN();
    double top[kMaxLevels];
    for (int32_t done = 0; done < count; done += kMaxLevels)
    {
        const int32_t n = count - done < kMaxLevels ? count - done : kMaxLevels;
        tops(first + done, n, top);
        for (int32_t i = 0; i < n; ++i)
            bound_[first + done + i] = levelBound(top[i], q[done + i]);
    }
    if (first + count == kCells)
        exponent_ = a;
}
}  // namespace dsp
