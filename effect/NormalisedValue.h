// Normalised parameter values cross every boundary as floats from 0 to 1; anything else is clamped, never refused.
#pragma once

inline float clampNormalised(float value)
{
    if (!(value > 0.0f))  // NaN and negatives
        return 0.0f;
    return value > 1.0f ? 1.0f : value;
}
