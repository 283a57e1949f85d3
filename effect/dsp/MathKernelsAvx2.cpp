// Compiled with -mavx2 (and, like every source of the audio path, without fused multiply-add). Nothing built here
// may run on a processor without AVX2, yet the loop calls small inline functions that the rest of the program also
// uses: had this file its own out-of-line copy of one, the linker could keep that copy for everyone. So every
// function defined here is either specific to AVX2 by its type or this file's own; cmake/check-wide-object
// checks the object file for that.
#include "effect/dsp/LoopBuild.h"
#include "effect/dsp/MathKernels.h"

namespace dsp
{
const MathKernels& avx2MathKernels()
{
    static constexpr MathKernels kAvx2 = LoopBuild<xsimd::avx2>::table("AVX2, four lanes");
    return kAvx2;
}
}  // namespace dsp
