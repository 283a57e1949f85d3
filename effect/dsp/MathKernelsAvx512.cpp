// Compiled with the AVX-512 flags and FMA; called only where the processor and the operating system run both.
// Nothing fuses unless asked (FMA contraction is off for every source of the audio path), and the one place that
// asks, the side-chain filter's shorter chain, is checked against the plain step. As in MathKernelsAvx2.cpp, every
// function defined here is either specific to AVX-512 by its type or this file's own; cmake/check-wide-object
// checks that.
#include "effect/dsp/LoopBuild.h"
#include "effect/dsp/MathKernels.h"

namespace dsp
{
const MathKernels& avx512MathKernels()
{
    static constexpr MathKernels kAvx512 = LoopBuild<xsimd::avx512bw>::table("AVX-512, eight lanes");
    return kAvx512;
}
}  // namespace dsp
