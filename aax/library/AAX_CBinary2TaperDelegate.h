// Two states split at the middle: a normalised value above 0.5 is true.
#pragma once

#include "aax/library/AAX_ITaperDelegate.h"

template <typename T>
class AAX_CBinary2TaperDelegate : public AAX_ITaperDelegate<T>
{
public:
    AAX_CBinary2TaperDelegate* Clone() const override { return new AAX_CBinary2TaperDelegate(*this); }
    T GetMaximumValue() const override { return true; }
    T GetMinimumValue() const override { return false; }
    T ConstrainRealValue(T value) const override { return value; }
    T NormalizedToReal(AAX_CParamValue normalized) const override { return normalized > 0.5; }
    AAX_CParamValue RealToNormalized(T real) const override { return real ? 1.0 : 0.0; }
};
