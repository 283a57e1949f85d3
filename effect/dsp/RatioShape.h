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
        if (ratio == ratio_)
            return;
        ratio_ = ratio;
        const double r = ratio;
        exponent_ = (dsp::pow(3.0, dsp::pow(r, 0.18)) - 1.0) * 0.125 / 2.0;
        scale_ = 64.0 * dsp::pow(4.0, dsp::pow(1.0 - r, 1.3));
    }

    double exponent() const { return exponent_; }
    double scale() const { return scale_; }

private:
    float ratio_ = std::numeric_limits<float>::quiet_NaN();  // never equal: the first update computes
    double exponent_ = 0.0;
    double scale_ = 0.0;
};
