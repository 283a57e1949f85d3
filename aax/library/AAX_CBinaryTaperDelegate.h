// Two states: any normalised value above 0 is true.
#pragma once

#include "aax/library/AAX_ITaperDelegate.h"

template <typename T>
class AAX_CBinaryTaperDelegate : public AAX_ITaperDelegate<T>
{
public:
    AAX_CBinaryTaperDelegate* Clone() const override { return new AAX_CBinaryTaperDelegate(*this); }
    T GetMaximumValue() const override { return true; }
    T GetMinimumValue() const override { return false; }
    T ConstrainRealValue(T value) const override { return value; }
    T NormalizedToReal(AAX_CParamValue normalized) const override { return normalized > 0.0; }
    AAX_CParamValue RealToNormalized(T real) const override { return real ? 1.0 : 0.0; }
};
