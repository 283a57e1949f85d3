// The loop and its row kernels for batches of one architecture, as the table of MathKernels.h. Each architecture's
// table is instantiated in a source file compiled for that architecture.
#pragma once

#include "effect/dsp/CompressorLoop.h"
#include "effect/dsp/MathKernels.h"
#include "effect/dsp/RowKernels.h"

namespace dsp
{
template <class Arch>
struct LoopBuild
{
    // Audio thread; the caller holds the effect mutex.
    static void processDouble(CompressorCore& core, double** inputs, double** outputs, int32_t n, bool stereo)
    {
        CompressorLoop<double, Arch>::run(core, inputs, outputs, n, stereo);
    }

    static void processFloat(CompressorCore& core, float** inputs, float** outputs, int32_t n, bool stereo)
    {
        CompressorLoop<float, Arch>::run(core, inputs, outputs, n, stereo);
    }

    static constexpr MathKernels table(const char* name)
    {
        return MathKernels{name,
                           &processDouble,
                           &processFloat,
                           &RowKernels<Arch>::saturateRow,
                           &RowKernels<Arch>::applyOutputFactorRow,
                           &RowKernels<Arch>::levels};
    }
};
}  // namespace dsp
