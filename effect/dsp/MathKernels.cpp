#include "effect/dsp/MathKernels.h"

#include <atomic>

#include "effect/dsp/LoopBuild.h"

namespace dsp
{
// Built with the architecture's own flags in MathKernelsAvx2.cpp; called only where the processor has AVX2.
const MathKernels& avx2MathKernels();

namespace
{
constexpr MathKernels kBaseline = LoopBuild<xsimd::sse2>::table("SSE2, two lanes");

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
