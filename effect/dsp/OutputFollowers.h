// The output stage's followers of both channels, left and right in the two lanes of one batch: each moves by c of
// its distance to its target and is flushed.
//
// The step is written as state * (1 - c) + (target * c + 1e-16), then - 1e-16: the product of the target and the
// guard's addition wait for nothing, so only a product, a sum and the guard's subtraction lie between one state and
// the next, where the step as the formula reads (difference, product, sum, both halves of the guard) has five.
// The order changes a state by a few ulps of its terms; a tiny state still collapses onto the grid of the last bit
// of 1e-16, or to zero, and never becomes a denormal. In silence the state decays to the same resting value.
//
// Audio thread only, inside the loop's block; no allocation, no lock. A template over the loop's architecture only
// so that a wider build of the loop shares no code with this one.
#pragma once

#include "effect/dsp/DspMath.h"
#include "effect/dsp/PortableMath.h"

namespace dsp
{
template <class Arch>
class OutputFollowers
{
public:
    // state: both channels' followers; c: the output stage's smoothing coefficient.
    OutputFollowers(Lanes state, double c) : state_(state), c_(c), keep_(1.0 - c) {}

    Lanes state() const { return state_; }

    // One step of both followers towards target; returns the new states.
    Lanes step(Lanes target)
    {
        const Lanes pulled = target * Lanes(c_) + Lanes(1e-16);
        state_ = (state_ * Lanes(keep_) + pulled) - Lanes(1e-16);
        return state_;
    }

private:
    Lanes state_;
    double c_;
    double keep_;
};
}  // namespace dsp
