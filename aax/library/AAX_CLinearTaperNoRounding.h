// A straight line between a minimum and a maximum; real values are not rounded.
#pragma once

#include <algorithm>
#include <cstdint>

#include "aax/library/AAX_ITaperDelegate.h"

// The second argument is the rounding of real values; -1, none, is the only form this library has.
template <typename T, int32_t RealPrecision = -1>
class AAX_CLinearTaperNoRounding : public AAX_ITaperDelegate<T>
{
    static_assert(RealPrecision == -1, "only the unrounded taper exists");

public:
    AAX_CLinearTaperNoRounding(T minimum, T maximum) : minimum_(minimum), maximum_(maximum) {}

    AAX_CLinearTaperNoRounding* Clone() const override { return new AAX_CLinearTaperNoRounding(*this); }
    T GetMaximumValue() const override { return maximum_; }
    T GetMinimumValue() const override { return minimum_; }
    T ConstrainRealValue(T value) const override { return std::min(std::max(value, minimum_), maximum_); }
    T NormalizedToReal(AAX_CParamValue normalized) const override
    {
        return ConstrainRealValue(static_cast<T>((double(maximum_) - double(minimum_)) * normalized + minimum_));
    }
    AAX_CParamValue RealToNormalized(T real) const override
    {
        return (double(ConstrainRealValue(real)) - double(minimum_)) / (double(maximum_) - double(minimum_));
    }

private:
    T minimum_;
    T maximum_;
};
