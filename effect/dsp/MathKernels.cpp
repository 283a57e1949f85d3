#include "effect/dsp/MathKernels.h"

#include <atomic>

#include "effect/dsp/CompressorLoop.h"
#include "effect/dsp/RowKernels.h"

namespace dsp
{
// Built with the architecture's own flags in MathKernelsAvx2.cpp; called only where the processor has AVX2.
const MathKernels& avx2MathKernels();

namespace
{
using Baseline = xsimd::sse2;

void processDouble(CompressorCore& core, double** inputs, double** outputs, int32_t n, bool stereo)
{
    CompressorLoop<double, Baseline>::run(core, inputs, outputs, n, stereo);
}

void processFloat(CompressorCore& core, float** inputs, float** outputs, int32_t n, bool stereo)
{
    CompressorLoop<float, Baseline>::run(core, inputs, outputs, n, stereo);
}

constexpr MathKernels kBaseline{"SSE2, two lanes",
                                &processDouble,
                                &processFloat,
                                &RowKernels<Baseline>::saturatePositiveRow,
                                &RowKernels<Baseline>::saturateNegativeRow,
                                &RowKernels<Baseline>::applyOutputFactorRow,
                                &RowKernels<Baseline>::levels};

bool processorHasAvx2()
{
#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
    // Also asks whether the operating system saves the wide registers.
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx2") != 0;
#else
    return false;
#endif
}

const MathKernels* const kWide = processorHasAvx2() ? &avx2MathKernels() : nullptr;

// Constant-initialised to the baseline, so code run before this file's initialisers still finds kernels; upgraded
// as the library loads.
std::atomic<const MathKernels*> current{&kBaseline};

struct WidestChoice
{
    WidestChoice()
    {
        if (kWide != nullptr)
            current.store(kWide, std::memory_order_relaxed);
    }
} const widestChoice;
}  // namespace

const MathKernels& mathKernels()
{
    return *current.load(std::memory_order_relaxed);
}

const MathKernels& baselineMathKernels()
{
    return kBaseline;
}

const MathKernels* wideMathKernels()
{
    return kWide;
}

void useMathKernels(const MathKernels& kernels)
{
    current.store(&kernels, std::memory_order_relaxed);
}
}  // namespace dsp
