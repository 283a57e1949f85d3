// The detector's shape from the smoothed ratio r: exponent A (0 at r = 0 to 0.125 at r = 1) and input scale B
// (256 at r = 0 to 64 at r = 1). Cached on the float32 ratio, so the four pows run only while the ratio moves.
#pragma once

#include <cmath>
#include <limits>

#include "effect/dsp/PortableMath.h"

class RatioShape
{
public:
    void update(float ratio)
    {
        if (ratio != ratio_)
            compute(ratio);
    }

    double exponent() const { return exponent_; }
    double scale() const { return scale_; }

private:
    // Out of line: the loop is also built for wider batches, and no code of that build may stand in for this.
    void compute(float ratio);

    float ratio_ = std::numeric_limits<float>::quiet_NaN();  // never equal: the first update computes
    double exponent_ = 0.0;
    double scale_ = 0.0;
};
