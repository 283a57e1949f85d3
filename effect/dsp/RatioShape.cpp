#include "effect/dsp/RatioShape.h"

void RatioShape::compute(float ratio)
{
    ratio_ = ratio;
    const double r = ratio;
    exponent_ = (dsp::pow(3.0, dsp::pow(r, 0.18)) - 1.0) * 0.125 / 2.0;
    scale_ = 64.0 * dsp::pow(4.0, dsp::pow(1.0 - r, 1.3));
}
