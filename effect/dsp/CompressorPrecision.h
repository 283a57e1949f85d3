// Which intermediate values of the per-sample loop follow the precision of the samples. Everything not named here
// (smoothing, side-chain difference, envelopes, output stage) is computed in double for both sample types.
#pragma once

template <typename Sample>
struct CompressorPrecision;

template <>
struct CompressorPrecision<double>
{
    using Gain = double;        // channel gains from the envelopes
    using MeterInput = double;  // the smaller gain fed to the meter filter
    using Reduced = double;     // gain-reduced input samples
};

template <>
struct CompressorPrecision<float>
{
    using Gain = float;
    using MeterInput = float;
    using Reduced = float;
};
