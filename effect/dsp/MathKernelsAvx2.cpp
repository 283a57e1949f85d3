// Compiled with -mavx2 (and, like every source of the audio path, without fused multiply-add). Nothing built here
// may run on a processor without AVX2, yet the loop calls small inline functions that the rest of the program also
// uses: had this file its own out-of-line copy of one, the linker could keep that copy for everyone. So every
// function defined here is either specific to AVX2 by its type or this file's own; tests/check_wide_object.sh
// checks the object file for that.
#include "effect/dsp/CompressorLoop.h"
#include "effect/dsp/MathKernels.h"
#include "effect/dsp/RowKernels.h"

namespace dsp
{
namespace
{
using Wide = xsimd::avx2;

void processDouble(CompressorCore& core, double** inputs, double** outputs, int32_t n, bool stereo)
{
    CompressorLoop<double, Wide>::run(core, inputs, outputs, n, stereo);
}

void processFloat(CompressorCore& core, float** inputs, float** outputs, int32_t n, bool stereo)
{
    CompressorLoop<float, Wide>::run(core, inputs, outputs, n, stereo);
}
}  // namespace

const MathKernels& avx2MathKernels()
{
    static constexpr MathKernels kAvx2{"AVX2, four lanes",
                                       &processDouble,
                                       &processFloat,
                                       &RowKernels<Wide>::saturatePositiveRow,
                                       &RowKernels<Wide>::saturateNegativeRow,
                                       &RowKernels<Wide>::applyOutputFactorRow,
                                       &RowKernels<Wide>::levels};
    return kAvx2;
}
}  // namespace dsp
