// Compiled with -mavx2 (and, like every source of the audio path, without fused multiply-add): nothing here may be
// reached on a processor without AVX2, so this file holds the four-lane instantiation and nothing else.
#include "effect/dsp/MathKernels.h"
#include "effect/dsp/RowKernels.h"

namespace dsp
{
const MathKernels& avx2MathKernels()
{
    static constexpr MathKernels kAvx2 = RowKernels<xsimd::avx2>::table("AVX2, four lanes");
    return kAvx2;
}
}  // namespace dsp
