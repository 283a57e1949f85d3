// Tapers map a parameter's real value to and from the normalised range 0..1.
#pragma once

#include "aax/library/AAX_Types.h"

class AAX_ITaperDelegateBase
{
public:
    virtual ~AAX_ITaperDelegateBase() = default;
};

template <typename T>
class AAX_ITaperDelegate : public AAX_ITaperDelegateBase
{
public:
    virtual AAX_ITaperDelegate* Clone() const = 0;
    virtual T GetMaximumValue() const = 0;
    virtual T GetMinimumValue() const = 0;
    virtual T ConstrainRealValue(T value) const = 0;
    virtual T NormalizedToReal(AAX_CParamValue normalized) const = 0;
    virtual AAX_CParamValue RealToNormalized(T real) const = 0;
};
